<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AppTexts</name>
    <message>
        <source>Windows sockets initialization failed.</source>
        <translation>Не удалось инициализировать сокеты Windows.</translation>
    </message>
    <message>
        <source>Lumen: Tessera Tetrad</source>
        <translation>Lumen: Tessera Tetrad</translation>
    </message>
    <message>
        <source>&amp;About TesseraV2...</source>
        <translation>&amp;О программе TesseraV2...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;Open	Ctrl-O</source>
        <translation>&amp;Открыть	Ctrl-O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl-S</source>
        <translation>&amp;Сохранить	Ctrl-S</translation>
    </message>
    <message>
        <source>&amp;Exit	Ctrl-X</source>
        <translation>&amp;Выход	Ctrl-X</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Игроки:</translation>
    </message>
    <message>
        <source>Map Size:</source>
        <translation>Размер доски:</translation>
    </message>
    <message>
        <source>Computer Players:</source>
        <translation>Компьютерные игроки:</translation>
    </message>
    <message>
        <source>Computer Player Inteligence:</source>
        <translation>Уровень компьютера:</translation>
    </message>
    <message>
        <source>Random First Player</source>
        <translation>Случайный старт</translation>
    </message>
    <message>
        <source>First Player:</source>
        <translation>Начинают:</translation>
    </message>
    <message>
        <source>Create New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 игрока</translation>
    </message>
    <message>
        <source>3 Players</source>
        <translation>3 игрока</translation>
    </message>
    <message>
        <source>4 Players</source>
        <translation>4 игрока</translation>
    </message>
    <message>
        <source>Classic (8x8)</source>
        <translation>Классический (8x8)</translation>
    </message>
    <message>
        <source>Medium (10x10)</source>
        <translation>Средний (10x10)</translation>
    </message>
    <message>
        <source>Large (20x20)</source>
        <translation>Большой (20x20)</translation>
    </message>
    <message>
        <source>Huge (40x40)</source>
        <translation>Огромный (40x40)</translation>
    </message>
    <message>
        <source>0 Players</source>
        <translation>0 игроков</translation>
    </message>
    <message>
        <source>1 Players</source>
        <translation>1 игрок</translation>
    </message>
    <message>
        <source>Very Easy</source>
        <translation>Очень лёгкий</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Лёгкий</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Сложный</translation>
    </message>
    <message>
        <source>Very Difficult</source>
        <translation>Очень сложный</translation>
    </message>
    <message>
        <source>%1: 0 / 64</source>
        <translation>%1: 0 / 64</translation>
    </message>
    <message>
        <source>About Lumen Tessera</source>
        <translation>О программе Lumen Tessera</translation>
    </message>
    <message>
        <source>Lumen Tessera Tetrad 0.0.0.1 Beta</source>
        <translation>Lumen Tessera Tetrad 0.0.0.1 бета</translation>
    </message>
    <message>
        <source>Copyright (C) the Lumen Tessera developers</source>
        <translation>Copyright (C) разработчики Lumen Tessera</translation>
    </message>
    <message>
        <source>A board game for two to four players. It reads and stores nothing on this computer and comes with no warranty of any kind.</source>
        <translation>Настольная игра для двух–четырёх игроков. Ничего не читает и не записывает на компьютер и поставляется без всяких гарантий.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Как играть</translation>
    </message>
    <message>
        <source>&lt;p&gt;Players take turns placing a disc of their colour on an empty cell. A disc may only go where it closes, in at least one of the eight straight directions, a line of other colours&apos; discs against a disc of the mover&apos;s own; every disc so enclosed turns to the mover&apos;s colour, one after another. A player who cannot place a disc passes. The game ends when the board is full, when only one colour is left or when nobody can move; the colour with the most discs wins.&lt;/p&gt;&lt;p&gt;The Settings panel chooses the number of players, the board&apos;s size, how many of the players (counted from White) the computer plays, and who begins; &quot;Create New Game&quot; starts a game with them. Below it, a score line for each colour counts its discs and marks the colour to move.&lt;/p&gt;&lt;p&gt;With the mouse: the marked cells are the legal moves, the lines from the cell under the pointer show which discs it would capture, and a click plays the cell.&lt;/p&gt;&lt;p&gt;With the keys, while the board has the focus (it is the first stop of Tab):&lt;/p&gt;&lt;ul&gt;&lt;li&gt;arrow keys: move the pointer cell;&lt;/li&gt;&lt;li&gt;Page Down / Page Up: go to the next / previous legal cell;&lt;/li&gt;&lt;li&gt;Space: play the pointer cell;&lt;/li&gt;&lt;li&gt;Tab: go to the next control; Enter or Escape: end the program;&lt;/li&gt;&lt;li&gt;F1: open this window.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Игроки по очереди ставят фишку своего цвета на пустую клетку. Фишку можно поставить только туда, где она хотя бы в одном из восьми прямых направлений замыкает ряд фишек других цветов своей фишкой; каждая так окружённая фишка одна за другой переходит в цвет ходящего. Игрок, который не может поставить фишку, пропускает ход. Игра заканчивается, когда доска заполнена, когда остался только один цвет или когда никто не может сделать ход; побеждает цвет, у которого больше всего фишек.&lt;/p&gt;&lt;p&gt;На панели «Настройки» выбираются число игроков, размер доски, за скольких игроков (считая от Белых) играет компьютер и кто ходит первым; кнопка «Новая игра» начинает игру с этими настройками. Под ней строка счёта каждого цвета показывает число его фишек и отмечает цвет, чей сейчас ход.&lt;/p&gt;&lt;p&gt;Мышью: отмеченные клетки — допустимые ходы, линии от клетки под указателем показывают, какие фишки будут перевёрнуты, а щелчок делает ход в эту клетку.&lt;/p&gt;&lt;p&gt;С клавиатуры, когда доска в фокусе (это первая остановка клавиши Tab):&lt;/p&gt;&lt;ul&gt;&lt;li&gt;стрелки: перемещать курсор;&lt;/li&gt;&lt;li&gt;Page Down / Page Up: перейти к следующей / предыдущей допустимой клетке;&lt;/li&gt;&lt;li&gt;Пробел: сделать ход в клетку под курсором;&lt;/li&gt;&lt;li&gt;Tab: перейти к следующему элементу управления; Enter или Escape: выйти из программы;&lt;/li&gt;&lt;li&gt;F1: открыть это окно.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>End the game and close the program?</source>
        <extracomment>Read out by a screen reader when a key would close the game; No is the default answer.</extracomment>
        <translation>Завершить игру и закрыть программу?</translation>
    </message>
</context>
<context>
    <name>FlowTexts</name>
    <message>
        <source>White</source>
        <translation>Белые</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чёрные</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красные</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёные</translation>
    </message>
    <message>
        <source>%1 %2 / %3</source>
        <extracomment>A score line, 123 pixels wide at 8 x 8: keep it short.</extracomment>
        <translation>%1 %2 / %3</translation>
    </message>
    <message>
        <source>&lt;Playing&gt;</source>
        <extracomment>Marks the colour to move at the end of its score line: a word or two at most.</extracomment>
        <translation>&lt;ход&gt;</translation>
    </message>
    <message>
        <source>%1 has no choise, it will have to skip his/her turn.</source>
        <extracomment>%1 is a colour&apos;s name: the wording must suit all four.</extracomment>
        <translation>%1 не могут сделать ход и пропускают его.</translation>
    </message>
    <message>
        <source>No Choise</source>
        <translation>Нет ходов</translation>
    </message>
    <message>
        <source>%1 has won the game</source>
        <extracomment>%1 is a colour&apos;s name: the wording must suit all four.</extracomment>
        <translation>%1 выиграли партию</translation>
    </message>
    <message>
        <source>More then 1 player has won.</source>
        <translation>Победили несколько игроков.</translation>
    </message>
    <message>
        <source>We have no single winner</source>
        <translation>Единственного победителя нет</translation>
    </message>
    <message>
        <source>PROBLEM</source>
        <translation>ПРОБЛЕМА</translation>
    </message>
    <message>
        <source>%1 to move; %2</source>
        <translation>ходят %1; %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>New game, %1 by %1, %2 players, %3; %4 moves first</source>
        <translation>Новая игра, %1 на %1, игроков: %2, %3; первыми ходят %4</translation>
    </message>
    <message>
        <source>the computer plays %1</source>
        <translation>компьютер: %1</translation>
    </message>
    <message>
        <source>no computer player</source>
        <translation>без компьютерных игроков</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> and </source>
        <translation> и </translation>
    </message>
    <message numerus="yes">
        <source>%1: column %2, row %3, %n discs</source>
        <extracomment>Said after every move, the computer&apos;s too: keep it as short as this.</extracomment>
        <translation>
            <numerusform>%1: столбец %2, строка %3, %n фишка</numerusform>
            <numerusform>%1: столбец %2, строка %3, %n фишки</numerusform>
            <numerusform>%1: столбец %2, строка %3, %n фишек</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: column %2, row %3, 1 disc</source>
        <extracomment>Said after every move, the computer&apos;s too: keep it as short as this.</extracomment>
        <translation>%1: столбец %2, строка %3, 1 фишка</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Said once when a game ends; %1 is the result, %2 the colours with their discs.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>not a legal move</source>
        <extracomment>Said when the player presses Space on a cell where no disc may go.</extracomment>
        <translation>недопустимый ход</translation>
    </message>
</context>
<context>
    <name>ViewTexts</name>
    <message>
        <source>Board, %1 by %1, %2 to move</source>
        <translation>Доска %1 на %1, ходят %2</translation>
    </message>
    <message>
        <source>column %1, row %2: %3</source>
        <translation>столбец %1, строка %2: %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пустая</translation>
    </message>
    <message numerus="yes">
        <source>empty, legal move, turns %n discs</source>
        <translation>
            <numerusform>пустая, допустимый ход, переворачивает %n фишку</numerusform>
            <numerusform>пустая, допустимый ход, переворачивает %n фишки</numerusform>
            <numerusform>пустая, допустимый ход, переворачивает %n фишек</numerusform>
        </translation>
    </message>
    <message>
        <source>empty, legal move, turns 1 disc</source>
        <translation>пустая, допустимый ход, переворачивает 1 фишку</translation>
    </message>
    <message>
        <source>Board, %1 by %1, game over: %2</source>
        <extracomment>The board&apos;s name once its game has ended; %2 is the result, such as &quot;White has won the game&quot;.</extracomment>
        <translation>Доска %1 на %1, игра окончена: %2</translation>
    </message>
    <message>
        <source>game over: %1</source>
        <extracomment>Read after a cell once the game has ended; %1 is the result, such as &quot;White has won the game&quot;.</extracomment>
        <translation>игра окончена: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>tessera: needs a graphical session, and cannot open Wayland display &quot;%1&quot;</source>
        <translation>tessera: требуется графический сеанс, но не удаётся открыть дисплей Wayland «%1»</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and cannot open display &quot;%1&quot; nor Wayland display &quot;%2&quot;</source>
        <translation>tessera: требуется графический сеанс, но не удаётся открыть ни дисплей «%1», ни дисплей Wayland «%2»</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and no display is set (%1)</source>
        <translation>tessera: требуется графический сеанс, но дисплей не задан (%1)</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and no display is set (%1 or %2)</source>
        <translation>tessera: требуется графический сеанс, но дисплей не задан (%1 или %2)</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and cannot open display &quot;%1&quot;</source>
        <translation>tessera: требуется графический сеанс, но не удаётся открыть дисплей «%1»</translation>
    </message>
</context>
</TS>
