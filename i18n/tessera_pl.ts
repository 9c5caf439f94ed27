<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AppTexts</name>
    <message>
        <source>Windows sockets initialization failed.</source>
        <translation>Nie udało się zainicjować gniazd Windows.</translation>
    </message>
    <message>
        <source>Lumen: Tessera Tetrad</source>
        <translation>Lumen: Tessera Tetrad</translation>
    </message>
    <message>
        <source>&amp;About TesseraV2...</source>
        <translation>&amp;O programie TesseraV2...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;Open	Ctrl-O</source>
        <translation>&amp;Otwórz	Ctrl-O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl-S</source>
        <translation>&amp;Zapisz	Ctrl-S</translation>
    </message>
    <message>
        <source>&amp;Exit	Ctrl-X</source>
        <translation>Za&amp;kończ	Ctrl-X</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Gracze:</translation>
    </message>
    <message>
        <source>Map Size:</source>
        <translation>Plansza:</translation>
    </message>
    <message>
        <source>Computer Players:</source>
        <translation>Gracze komputerowi:</translation>
    </message>
    <message>
        <source>Computer Player Inteligence:</source>
        <translation>Poziom komputera:</translation>
    </message>
    <message>
        <source>Random First Player</source>
        <translation>Losuj, kto zaczyna</translation>
    </message>
    <message>
        <source>First Player:</source>
        <translation>Zaczynają:</translation>
    </message>
    <message>
        <source>Create New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 gracze</translation>
    </message>
    <message>
        <source>3 Players</source>
        <translation>3 gracze</translation>
    </message>
    <message>
        <source>4 Players</source>
        <translation>4 gracze</translation>
    </message>
    <message>
        <source>Classic (8x8)</source>
        <translation>Klasyczna (8x8)</translation>
    </message>
    <message>
        <source>Medium (10x10)</source>
        <translation>Średnia (10x10)</translation>
    </message>
    <message>
        <source>Large (20x20)</source>
        <translation>Duża (20x20)</translation>
    </message>
    <message>
        <source>Huge (40x40)</source>
        <translation>Ogromna (40x40)</translation>
    </message>
    <message>
        <source>0 Players</source>
        <translation>0 graczy</translation>
    </message>
    <message>
        <source>1 Players</source>
        <translation>1 gracz</translation>
    </message>
    <message>
        <source>Very Easy</source>
        <translation>Bardzo łatwy</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalny</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Trudny</translation>
    </message>
    <message>
        <source>Very Difficult</source>
        <translation>Bardzo trudny</translation>
    </message>
    <message>
        <source>%1: 0 / 64</source>
        <translation>%1: 0 / 64</translation>
    </message>
    <message>
        <source>About Lumen Tessera</source>
        <translation>O programie Lumen Tessera</translation>
    </message>
    <message>
        <source>Lumen Tessera Tetrad 0.0.0.1 Beta</source>
        <translation>Lumen Tessera Tetrad 0.0.0.1 beta</translation>
    </message>
    <message>
        <source>Copyright (C) the Lumen Tessera developers</source>
        <translation>Copyright (C) twórcy Lumen Tessera</translation>
    </message>
    <message>
        <source>A board game for two to four players. It reads and stores nothing on this computer and comes with no warranty of any kind.</source>
        <translation>Gra planszowa dla dwóch do czterech graczy. Niczego nie odczytuje ani nie zapisuje na tym komputerze i nie jest objęta żadną gwarancją.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>&lt;p&gt;Players take turns placing a disc of their colour on an empty cell. A disc may only go where it closes, in at least one of the eight straight directions, a line of other colours&apos; discs against a disc of the mover&apos;s own; every disc so enclosed turns to the mover&apos;s colour, one after another. A player who cannot place a disc passes. The game ends when the board is full, when only one colour is left or when nobody can move; the colour with the most discs wins.&lt;/p&gt;&lt;p&gt;The Settings panel chooses the number of players, the board&apos;s size, how many of the players (counted from White) the computer plays, and who begins; &quot;Create New Game&quot; starts a game with them. Below it, a score line for each colour counts its discs and marks the colour to move.&lt;/p&gt;&lt;p&gt;With the mouse: the marked cells are the legal moves, the lines from the cell under the pointer show which discs it would capture, and a click plays the cell.&lt;/p&gt;&lt;p&gt;With the keys, while the board has the focus (it is the first stop of Tab):&lt;/p&gt;&lt;ul&gt;&lt;li&gt;arrow keys: move the pointer cell;&lt;/li&gt;&lt;li&gt;Page Down / Page Up: go to the next / previous legal cell;&lt;/li&gt;&lt;li&gt;Space: play the pointer cell;&lt;/li&gt;&lt;li&gt;Tab: go to the next control; Enter or Escape: end the program;&lt;/li&gt;&lt;li&gt;F1: open this window.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Gracze na zmianę kładą pionek swojego koloru na pustym polu. Pionek można położyć tylko tam, gdzie w co najmniej jednym z ośmiu prostych kierunków zamyka linię pionków innych kolorów własnym pionkiem; każdy tak otoczony pionek, jeden po drugim, zmienia kolor na kolor gracza wykonującego ruch. Gracz, który nie może położyć pionka, traci kolejkę. Gra kończy się, gdy plansza jest pełna, gdy został tylko jeden kolor albo gdy nikt nie może wykonać ruchu; wygrywa kolor z największą liczbą pionków.&lt;/p&gt;&lt;p&gt;W panelu „Ustawienia” wybiera się liczbę graczy, rozmiar planszy, iloma graczami (licząc od Białych) gra komputer oraz kto zaczyna; „Nowa gra” rozpoczyna grę z tymi ustawieniami. Pod nim wiersz wyniku każdego koloru liczy jego pionki i oznacza kolor, który ma ruch.&lt;/p&gt;&lt;p&gt;Myszą: zaznaczone pola to dozwolone ruchy, linie wychodzące z pola pod wskaźnikiem pokazują, które pionki zostałyby odwrócone, a kliknięcie wykonuje ruch na to pole.&lt;/p&gt;&lt;p&gt;Klawiaturą, gdy plansza ma fokus (jest pierwszym przystankiem klawisza Tab):&lt;/p&gt;&lt;ul&gt;&lt;li&gt;strzałki: przesuwanie kursora;&lt;/li&gt;&lt;li&gt;Page Down / Page Up: przejście do następnego / poprzedniego dozwolonego pola;&lt;/li&gt;&lt;li&gt;spacja: ruch na pole pod kursorem;&lt;/li&gt;&lt;li&gt;Tab: przejście do następnej kontrolki; Enter lub Escape: zakończenie programu;&lt;/li&gt;&lt;li&gt;F1: otwarcie tego okna.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>End the game and close the program?</source>
        <extracomment>Read out by a screen reader when a key would close the game; No is the default answer.</extracomment>
        <translation>Zakończyć grę i zamknąć program?</translation>
    </message>
</context>
<context>
    <name>FlowTexts</name>
    <message>
        <source>White</source>
        <translation>Białe</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Czarne</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwone</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielone</translation>
    </message>
    <message>
        <source>%1 %2 / %3</source>
        <extracomment>A score line, 123 pixels wide at 8 x 8: keep it short.</extracomment>
        <translation>%1 %2/%3</translation>
    </message>
    <message>
        <source>&lt;Playing&gt;</source>
        <extracomment>Marks the colour to move at the end of its score line: a word or two at most.</extracomment>
        <translation>&lt;ruch&gt;</translation>
    </message>
    <message>
        <source>%1 has no choise, it will have to skip his/her turn.</source>
        <extracomment>%1 is a colour&apos;s name: the wording must suit all four.</extracomment>
        <translation>%1 nie mają żadnego ruchu i tracą kolejkę.</translation>
    </message>
    <message>
        <source>No Choise</source>
        <translation>Brak ruchu</translation>
    </message>
    <message>
        <source>%1 has won the game</source>
        <extracomment>%1 is a colour&apos;s name: the wording must suit all four.</extracomment>
        <translation>%1 wygrały partię</translation>
    </message>
    <message>
        <source>More then 1 player has won.</source>
        <translation>Wygrał więcej niż jeden gracz.</translation>
    </message>
    <message>
        <source>We have no single winner</source>
        <translation>Nie ma jednego zwycięzcy</translation>
    </message>
    <message>
        <source>PROBLEM</source>
        <translation>PROBLEM</translation>
    </message>
    <message>
        <source>%1 to move; %2</source>
        <translation>ruch: %1; %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>New game, %1 by %1, %2 players, %3; %4 moves first</source>
        <translation>Nowa gra, plansza %1 na %1, graczy: %2, %3; zaczynają %4</translation>
    </message>
    <message>
        <source>the computer plays %1</source>
        <translation>komputer: %1</translation>
    </message>
    <message>
        <source>no computer player</source>
        <translation>bez gracza komputerowego</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
    <message numerus="yes">
        <source>%1: column %2, row %3, %n discs</source>
        <extracomment>Said after every move, the computer&apos;s too: keep it as short as this.</extracomment>
        <translation>
            <numerusform>%1: kolumna %2, wiersz %3, %n pionek</numerusform>
            <numerusform>%1: kolumna %2, wiersz %3, %n pionki</numerusform>
            <numerusform>%1: kolumna %2, wiersz %3, %n pionków</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: column %2, row %3, 1 disc</source>
        <extracomment>Said after every move, the computer&apos;s too: keep it as short as this.</extracomment>
        <translation>%1: kolumna %2, wiersz %3, 1 pionek</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Said once when a game ends; %1 is the result, %2 the colours with their discs.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>not a legal move</source>
        <extracomment>Said when the player presses Space on a cell where no disc may go.</extracomment>
        <translation>niedozwolony ruch</translation>
    </message>
</context>
<context>
    <name>ViewTexts</name>
    <message>
        <source>Board, %1 by %1, %2 to move</source>
        <translation>Plansza %1 na %1, ruch: %2</translation>
    </message>
    <message>
        <source>column %1, row %2: %3</source>
        <translation>kolumna %1, wiersz %2: %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message numerus="yes">
        <source>empty, legal move, turns %n discs</source>
        <translation>
            <numerusform>puste, dozwolony ruch, odwraca %n pionek</numerusform>
            <numerusform>puste, dozwolony ruch, odwraca %n pionki</numerusform>
            <numerusform>puste, dozwolony ruch, odwraca %n pionków</numerusform>
        </translation>
    </message>
    <message>
        <source>empty, legal move, turns 1 disc</source>
        <translation>puste, dozwolony ruch, odwraca 1 pionek</translation>
    </message>
    <message>
        <source>Board, %1 by %1, game over: %2</source>
        <extracomment>The board&apos;s name once its game has ended; %2 is the result, such as &quot;White has won the game&quot;.</extracomment>
        <translation>Plansza %1 na %1, koniec gry: %2</translation>
    </message>
    <message>
        <source>game over: %1</source>
        <extracomment>Read after a cell once the game has ended; %1 is the result, such as &quot;White has won the game&quot;.</extracomment>
        <translation>koniec gry: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>tessera: needs a graphical session, and cannot open Wayland display &quot;%1&quot;</source>
        <translation>tessera: wymaga sesji graficznej; nie można otworzyć ekranu Wayland „%1”</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and cannot open display &quot;%1&quot; nor Wayland display &quot;%2&quot;</source>
        <translation>tessera: wymaga sesji graficznej; nie można otworzyć ani ekranu „%1”, ani ekranu Wayland „%2”</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and no display is set (%1)</source>
        <translation>tessera: wymaga sesji graficznej, ale nie ustawiono ekranu (%1)</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and no display is set (%1 or %2)</source>
        <translation>tessera: wymaga sesji graficznej, ale nie ustawiono ekranu (%1 ani %2)</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and cannot open display &quot;%1&quot;</source>
        <translation>tessera: wymaga sesji graficznej; nie można otworzyć ekranu „%1”</translation>
    </message>
</context>
</TS>
