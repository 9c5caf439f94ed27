<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AppTexts</name>
    <message>
        <source>Windows sockets initialization failed.</source>
        <translation>No se pudieron inicializar los sockets de Windows.</translation>
    </message>
    <message>
        <source>Lumen: Tessera Tetrad</source>
        <translation>Lumen: Tessera Tetrad</translation>
    </message>
    <message>
        <source>&amp;About TesseraV2...</source>
        <translation>&amp;Acerca de TesseraV2...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>&amp;Open	Ctrl-O</source>
        <translation>&amp;Abrir	Ctrl-O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl-S</source>
        <translation>&amp;Guardar	Ctrl-S</translation>
    </message>
    <message>
        <source>&amp;Exit	Ctrl-X</source>
        <translation>&amp;Salir	Ctrl-X</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Jugadores:</translation>
    </message>
    <message>
        <source>Map Size:</source>
        <translation>Tablero:</translation>
    </message>
    <message>
        <source>Computer Players:</source>
        <translation>Jugadores del ordenador:</translation>
    </message>
    <message>
        <source>Computer Player Inteligence:</source>
        <translation>Nivel del ordenador:</translation>
    </message>
    <message>
        <source>Random First Player</source>
        <translation>Primero al azar</translation>
    </message>
    <message>
        <source>First Player:</source>
        <translation>Empieza:</translation>
    </message>
    <message>
        <source>Create New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 jugadores</translation>
    </message>
    <message>
        <source>3 Players</source>
        <translation>3 jugadores</translation>
    </message>
    <message>
        <source>4 Players</source>
        <translation>4 jugadores</translation>
    </message>
    <message>
        <source>Classic (8x8)</source>
        <translation>Clásico (8x8)</translation>
    </message>
    <message>
        <source>Medium (10x10)</source>
        <translation>Mediano (10x10)</translation>
    </message>
    <message>
        <source>Large (20x20)</source>
        <translation>Grande (20x20)</translation>
    </message>
    <message>
        <source>Huge (40x40)</source>
        <translation>Enorme (40x40)</translation>
    </message>
    <message>
        <source>0 Players</source>
        <translation>0 jugadores</translation>
    </message>
    <message>
        <source>1 Players</source>
        <translation>1 jugador</translation>
    </message>
    <message>
        <source>Very Easy</source>
        <translation>Muy fácil</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Very Difficult</source>
        <translation>Muy difícil</translation>
    </message>
    <message>
        <source>%1: 0 / 64</source>
        <translation>%1: 0 / 64</translation>
    </message>
    <message>
        <source>About Lumen Tessera</source>
        <translation>Acerca de Lumen Tessera</translation>
    </message>
    <message>
        <source>Lumen Tessera Tetrad 0.0.0.1 Beta</source>
        <translation>Lumen Tessera Tetrad 0.0.0.1 beta</translation>
    </message>
    <message>
        <source>Copyright (C) the Lumen Tessera developers</source>
        <translation>© los desarrolladores de Lumen Tessera</translation>
    </message>
    <message>
        <source>A board game for two to four players. It reads and stores nothing on this computer and comes with no warranty of any kind.</source>
        <translation>Un juego de tablero de dos a cuatro jugadores. No lee ni guarda nada en este ordenador y se ofrece sin garantía de ningún tipo.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>&lt;p&gt;Players take turns placing a disc of their colour on an empty cell. A disc may only go where it closes, in at least one of the eight straight directions, a line of other colours&apos; discs against a disc of the mover&apos;s own; every disc so enclosed turns to the mover&apos;s colour, one after another. A player who cannot place a disc passes. The game ends when the board is full, when only one colour is left or when nobody can move; the colour with the most discs wins.&lt;/p&gt;&lt;p&gt;The Settings panel chooses the number of players, the board&apos;s size, how many of the players (counted from White) the computer plays, and who begins; &quot;Create New Game&quot; starts a game with them. Below it, a score line for each colour counts its discs and marks the colour to move.&lt;/p&gt;&lt;p&gt;With the mouse: the marked cells are the legal moves, the lines from the cell under the pointer show which discs it would capture, and a click plays the cell.&lt;/p&gt;&lt;p&gt;With the keys, while the board has the focus (it is the first stop of Tab):&lt;/p&gt;&lt;ul&gt;&lt;li&gt;arrow keys: move the pointer cell;&lt;/li&gt;&lt;li&gt;Page Down / Page Up: go to the next / previous legal cell;&lt;/li&gt;&lt;li&gt;Space: play the pointer cell;&lt;/li&gt;&lt;li&gt;Tab: go to the next control; Enter or Escape: end the program;&lt;/li&gt;&lt;li&gt;F1: open this window.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Los jugadores colocan por turnos una ficha de su color en una casilla vacía. Una ficha solo puede ir donde encierre, en al menos una de las ocho direcciones rectas, una línea de fichas de otros colores contra una ficha propia; cada ficha así encerrada pasa, una tras otra, al color del jugador. Quien no puede colocar ninguna ficha pasa el turno. La partida termina cuando el tablero está lleno, cuando solo queda un color o cuando nadie puede mover; gana el color con más fichas.&lt;/p&gt;&lt;p&gt;En el panel «Configuración» se eligen el número de jugadores, el tamaño del tablero, cuántos de los jugadores (contando desde Blanco) lleva el ordenador y quién empieza; «Nueva partida» inicia una partida con esas opciones. Debajo, una línea de puntuación por color cuenta sus fichas y marca el color al que le toca jugar.&lt;/p&gt;&lt;p&gt;Con el ratón: las casillas marcadas son las jugadas válidas, las líneas que salen de la casilla bajo el puntero muestran qué fichas voltearía, y un clic juega la casilla.&lt;/p&gt;&lt;p&gt;Con el teclado, mientras el tablero tiene el foco (es la primera parada de la tecla Tab):&lt;/p&gt;&lt;ul&gt;&lt;li&gt;flechas: mover el cursor;&lt;/li&gt;&lt;li&gt;Av Pág / Re Pág: ir a la casilla válida siguiente / anterior;&lt;/li&gt;&lt;li&gt;Espacio: jugar la casilla del cursor;&lt;/li&gt;&lt;li&gt;Tab: ir al siguiente control; Intro o Esc: salir del programa;&lt;/li&gt;&lt;li&gt;F1: abrir esta ventana.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>End the game and close the program?</source>
        <extracomment>Read out by a screen reader when a key would close the game; No is the default answer.</extracomment>
        <translation>¿Terminar la partida y cerrar el programa?</translation>
    </message>
</context>
<context>
    <name>FlowTexts</name>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>%1 %2 / %3</source>
        <extracomment>A score line, 123 pixels wide at 8 x 8: keep it short.</extracomment>
        <translation>%1 %2 / %3</translation>
    </message>
    <message>
        <source>&lt;Playing&gt;</source>
        <extracomment>Marks the colour to move at the end of its score line: a word or two at most.</extracomment>
        <translation>&lt;juega&gt;</translation>
    </message>
    <message>
        <source>%1 has no choise, it will have to skip his/her turn.</source>
        <extracomment>%1 is a colour&apos;s name: the wording must suit all four.</extracomment>
        <translation>%1 no tiene ninguna jugada posible y debe pasar el turno.</translation>
    </message>
    <message>
        <source>No Choise</source>
        <translation>Sin jugadas</translation>
    </message>
    <message>
        <source>%1 has won the game</source>
        <extracomment>%1 is a colour&apos;s name: the wording must suit all four.</extracomment>
        <translation>%1 ha ganado la partida</translation>
    </message>
    <message>
        <source>More then 1 player has won.</source>
        <translation>Ha ganado más de un jugador.</translation>
    </message>
    <message>
        <source>We have no single winner</source>
        <translation>No hay un único ganador</translation>
    </message>
    <message>
        <source>PROBLEM</source>
        <translation>PROBLEMA</translation>
    </message>
    <message>
        <source>%1 to move; %2</source>
        <translation>turno de %1; %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>New game, %1 by %1, %2 players, %3; %4 moves first</source>
        <translation>Nueva partida, %1 por %1, %2 jugadores, %3; empieza %4</translation>
    </message>
    <message>
        <source>the computer plays %1</source>
        <translation>el ordenador juega con %1</translation>
    </message>
    <message>
        <source>no computer player</source>
        <translation>ningún jugador del ordenador</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message numerus="yes">
        <source>%1: column %2, row %3, %n discs</source>
        <extracomment>Said after every move, the computer&apos;s too: keep it as short as this.</extracomment>
        <translation>
            <numerusform>%1: columna %2, fila %3, %n ficha</numerusform>
            <numerusform>%1: columna %2, fila %3, %n fichas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: column %2, row %3, 1 disc</source>
        <extracomment>Said after every move, the computer&apos;s too: keep it as short as this.</extracomment>
        <translation>%1: columna %2, fila %3, 1 ficha</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Said once when a game ends; %1 is the result, %2 the colours with their discs.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>not a legal move</source>
        <extracomment>Said when the player presses Space on a cell where no disc may go.</extracomment>
        <translation>no es una jugada válida</translation>
    </message>
</context>
<context>
    <name>ViewTexts</name>
    <message>
        <source>Board, %1 by %1, %2 to move</source>
        <translation>Tablero, %1 por %1, turno de %2</translation>
    </message>
    <message>
        <source>column %1, row %2: %3</source>
        <translation>columna %1, fila %2: %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message numerus="yes">
        <source>empty, legal move, turns %n discs</source>
        <translation>
            <numerusform>vacía, jugada válida, voltea %n ficha</numerusform>
            <numerusform>vacía, jugada válida, voltea %n fichas</numerusform>
        </translation>
    </message>
    <message>
        <source>empty, legal move, turns 1 disc</source>
        <translation>vacía, jugada válida, voltea 1 ficha</translation>
    </message>
    <message>
        <source>Board, %1 by %1, game over: %2</source>
        <extracomment>The board&apos;s name once its game has ended; %2 is the result, such as &quot;White has won the game&quot;.</extracomment>
        <translation>Tablero, %1 por %1, partida terminada: %2</translation>
    </message>
    <message>
        <source>game over: %1</source>
        <extracomment>Read after a cell once the game has ended; %1 is the result, such as &quot;White has won the game&quot;.</extracomment>
        <translation>partida terminada: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>tessera: needs a graphical session, and cannot open Wayland display &quot;%1&quot;</source>
        <translation>tessera: necesita una sesión gráfica y no puede abrir la pantalla Wayland «%1»</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and cannot open display &quot;%1&quot; nor Wayland display &quot;%2&quot;</source>
        <translation>tessera: necesita una sesión gráfica y no puede abrir ni la pantalla «%1» ni la pantalla Wayland «%2»</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and no display is set (%1)</source>
        <translation>tessera: necesita una sesión gráfica, pero no hay ninguna pantalla definida (%1)</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and no display is set (%1 or %2)</source>
        <translation>tessera: necesita una sesión gráfica, pero no hay ninguna pantalla definida (%1 o %2)</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and cannot open display &quot;%1&quot;</source>
        <translation>tessera: necesita una sesión gráfica y no puede abrir la pantalla «%1»</translation>
    </message>
</context>
</TS>
