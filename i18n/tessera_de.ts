<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppTexts</name>
    <message>
        <source>Windows sockets initialization failed.</source>
        <translation>Windows Sockets konnten nicht initialisiert werden.</translation>
    </message>
    <message>
        <source>Lumen: Tessera Tetrad</source>
        <translation>Lumen: Tessera Tetrad</translation>
    </message>
    <message>
        <source>&amp;About TesseraV2...</source>
        <translation>&amp;Über TesseraV2...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Open	Ctrl-O</source>
        <translation>Ö&amp;ffnen	Strg-O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl-S</source>
        <translation>&amp;Speichern	Strg-S</translation>
    </message>
    <message>
        <source>&amp;Exit	Ctrl-X</source>
        <translation>&amp;Beenden	Strg-X</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Spieler:</translation>
    </message>
    <message>
        <source>Map Size:</source>
        <translation>Brettgröße:</translation>
    </message>
    <message>
        <source>Computer Players:</source>
        <translation>Computerspieler:</translation>
    </message>
    <message>
        <source>Computer Player Inteligence:</source>
        <translation>Spielstärke des Computers:</translation>
    </message>
    <message>
        <source>Random First Player</source>
        <translation>Startspieler zufällig</translation>
    </message>
    <message>
        <source>First Player:</source>
        <translation>Beginnt:</translation>
    </message>
    <message>
        <source>Create New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 Spieler</translation>
    </message>
    <message>
        <source>3 Players</source>
        <translation>3 Spieler</translation>
    </message>
    <message>
        <source>4 Players</source>
        <translation>4 Spieler</translation>
    </message>
    <message>
        <source>Classic (8x8)</source>
        <translation>Klassisch (8x8)</translation>
    </message>
    <message>
        <source>Medium (10x10)</source>
        <translation>Mittel (10x10)</translation>
    </message>
    <message>
        <source>Large (20x20)</source>
        <translation>Groß (20x20)</translation>
    </message>
    <message>
        <source>Huge (40x40)</source>
        <translation>Riesig (40x40)</translation>
    </message>
    <message>
        <source>0 Players</source>
        <translation>0 Spieler</translation>
    </message>
    <message>
        <source>1 Players</source>
        <translation>1 Spieler</translation>
    </message>
    <message>
        <source>Very Easy</source>
        <translation>Sehr leicht</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Very Difficult</source>
        <translation>Sehr schwer</translation>
    </message>
    <message>
        <source>%1: 0 / 64</source>
        <translation>%1: 0 / 64</translation>
    </message>
    <message>
        <source>About Lumen Tessera</source>
        <translation>Über Lumen Tessera</translation>
    </message>
    <message>
        <source>Lumen Tessera Tetrad 0.0.0.1 Beta</source>
        <translation>Lumen Tessera Tetrad 0.0.0.1 Beta</translation>
    </message>
    <message>
        <source>Copyright (C) the Lumen Tessera developers</source>
        <translation>Copyright (C) die Lumen-Tessera-Entwickler</translation>
    </message>
    <message>
        <source>A board game for two to four players. It reads and stores nothing on this computer and comes with no warranty of any kind.</source>
        <translation>Ein Brettspiel für zwei bis vier Spieler. Es liest und speichert nichts auf diesem Computer und wird ohne jede Gewährleistung geliefert.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>&lt;p&gt;Players take turns placing a disc of their colour on an empty cell. A disc may only go where it closes, in at least one of the eight straight directions, a line of other colours&apos; discs against a disc of the mover&apos;s own; every disc so enclosed turns to the mover&apos;s colour, one after another. A player who cannot place a disc passes. The game ends when the board is full, when only one colour is left or when nobody can move; the colour with the most discs wins.&lt;/p&gt;&lt;p&gt;The Settings panel chooses the number of players, the board&apos;s size, how many of the players (counted from White) the computer plays, and who begins; &quot;Create New Game&quot; starts a game with them. Below it, a score line for each colour counts its discs and marks the colour to move.&lt;/p&gt;&lt;p&gt;With the mouse: the marked cells are the legal moves, the lines from the cell under the pointer show which discs it would capture, and a click plays the cell.&lt;/p&gt;&lt;p&gt;With the keys, while the board has the focus (it is the first stop of Tab):&lt;/p&gt;&lt;ul&gt;&lt;li&gt;arrow keys: move the pointer cell;&lt;/li&gt;&lt;li&gt;Page Down / Page Up: go to the next / previous legal cell;&lt;/li&gt;&lt;li&gt;Space: play the pointer cell;&lt;/li&gt;&lt;li&gt;Tab: go to the next control; Enter or Escape: end the program;&lt;/li&gt;&lt;li&gt;F1: open this window.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Die Spieler setzen abwechselnd einen Stein ihrer Farbe auf ein leeres Feld. Ein Stein darf nur dort hin, wo er in mindestens einer der acht geraden Richtungen eine Reihe von Steinen anderer Farben gegen einen eigenen Stein einschließt; jeder so eingeschlossene Stein wird, einer nach dem anderen, in die Farbe des Ziehenden umgedreht. Wer keinen Stein setzen kann, setzt aus. Das Spiel endet, wenn das Brett voll ist, wenn nur noch eine Farbe übrig ist oder wenn niemand mehr ziehen kann; es gewinnt die Farbe mit den meisten Steinen.&lt;/p&gt;&lt;p&gt;Im Bereich „Einstellungen“ werden die Zahl der Spieler, die Größe des Bretts, wie viele der Spieler (von Weiß an gezählt) der Computer übernimmt und wer beginnt gewählt; „Neues Spiel“ startet damit ein Spiel. Darunter zählt eine Zeile je Farbe deren Steine und markiert die Farbe, die am Zug ist.&lt;/p&gt;&lt;p&gt;Mit der Maus: Die markierten Felder sind die gültigen Züge, die Linien vom Feld unter dem Mauszeiger zeigen, welche Steine der Zug umdrehen würde, und ein Klick spielt das Feld.&lt;/p&gt;&lt;p&gt;Mit der Tastatur, solange das Brett den Fokus hat (es ist der erste Halt der Tabulatortaste):&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Pfeiltasten: den Cursor bewegen;&lt;/li&gt;&lt;li&gt;Bild ab / Bild auf: zum nächsten / vorigen gültigen Feld;&lt;/li&gt;&lt;li&gt;Leertaste: das Feld unter dem Cursor spielen;&lt;/li&gt;&lt;li&gt;Tab: zum nächsten Bedienelement; Eingabe oder Esc: das Programm beenden;&lt;/li&gt;&lt;li&gt;F1: dieses Fenster öffnen.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>End the game and close the program?</source>
        <extracomment>Read out by a screen reader when a key would close the game; No is the default answer.</extracomment>
        <translation>Das Spiel beenden und das Programm schließen?</translation>
    </message>
</context>
<context>
    <name>FlowTexts</name>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>%1 %2 / %3</source>
        <extracomment>A score line, 123 pixels wide at 8 x 8: keep it short.</extracomment>
        <translation>%1 %2 / %3</translation>
    </message>
    <message>
        <source>&lt;Playing&gt;</source>
        <extracomment>Marks the colour to move at the end of its score line: a word or two at most.</extracomment>
        <translation>&lt;zieht&gt;</translation>
    </message>
    <message>
        <source>%1 has no choise, it will have to skip his/her turn.</source>
        <extracomment>%1 is a colour&apos;s name: the wording must suit all four.</extracomment>
        <translation>%1 hat keinen möglichen Zug und muss aussetzen.</translation>
    </message>
    <message>
        <source>No Choise</source>
        <translation>Kein Zug möglich</translation>
    </message>
    <message>
        <source>%1 has won the game</source>
        <extracomment>%1 is a colour&apos;s name: the wording must suit all four.</extracomment>
        <translation>%1 hat das Spiel gewonnen</translation>
    </message>
    <message>
        <source>More then 1 player has won.</source>
        <translation>Mehr als ein Spieler hat gewonnen.</translation>
    </message>
    <message>
        <source>We have no single winner</source>
        <translation>Kein alleiniger Sieger</translation>
    </message>
    <message>
        <source>PROBLEM</source>
        <translation>PROBLEM</translation>
    </message>
    <message>
        <source>%1 to move; %2</source>
        <translation>%1 am Zug; %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>New game, %1 by %1, %2 players, %3; %4 moves first</source>
        <translation>Neues Spiel, %1 mal %1, %2 Spieler, %3; %4 beginnt</translation>
    </message>
    <message>
        <source>the computer plays %1</source>
        <translation>der Computer spielt %1</translation>
    </message>
    <message>
        <source>no computer player</source>
        <translation>kein Computerspieler</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message numerus="yes">
        <source>%1: column %2, row %3, %n discs</source>
        <extracomment>Said after every move, the computer&apos;s too: keep it as short as this.</extracomment>
        <translation>
            <numerusform>%1: Spalte %2, Zeile %3, %n Stein</numerusform>
            <numerusform>%1: Spalte %2, Zeile %3, %n Steine</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: column %2, row %3, 1 disc</source>
        <extracomment>Said after every move, the computer&apos;s too: keep it as short as this.</extracomment>
        <translation>%1: Spalte %2, Zeile %3, 1 Stein</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Said once when a game ends; %1 is the result, %2 the colours with their discs.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>not a legal move</source>
        <extracomment>Said when the player presses Space on a cell where no disc may go.</extracomment>
        <translation>kein gültiger Zug</translation>
    </message>
</context>
<context>
    <name>ViewTexts</name>
    <message>
        <source>Board, %1 by %1, %2 to move</source>
        <translation>Brett, %1 mal %1, %2 am Zug</translation>
    </message>
    <message>
        <source>column %1, row %2: %3</source>
        <translation>Spalte %1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message numerus="yes">
        <source>empty, legal move, turns %n discs</source>
        <translation>
            <numerusform>leer, gültiger Zug, dreht %n Stein um</numerusform>
            <numerusform>leer, gültiger Zug, dreht %n Steine um</numerusform>
        </translation>
    </message>
    <message>
        <source>empty, legal move, turns 1 disc</source>
        <translation>leer, gültiger Zug, dreht 1 Stein um</translation>
    </message>
    <message>
        <source>Board, %1 by %1, game over: %2</source>
        <extracomment>The board&apos;s name once its game has ended; %2 is the result, such as &quot;White has won the game&quot;.</extracomment>
        <translation>Brett, %1 mal %1, Spiel beendet: %2</translation>
    </message>
    <message>
        <source>game over: %1</source>
        <extracomment>Read after a cell once the game has ended; %1 is the result, such as &quot;White has won the game&quot;.</extracomment>
        <translation>Spiel beendet: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>tessera: needs a graphical session, and cannot open Wayland display &quot;%1&quot;</source>
        <translation>tessera: benötigt eine grafische Sitzung und kann die Wayland-Anzeige „%1“ nicht öffnen</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and cannot open display &quot;%1&quot; nor Wayland display &quot;%2&quot;</source>
        <translation>tessera: benötigt eine grafische Sitzung und kann weder die Anzeige „%1“ noch die Wayland-Anzeige „%2“ öffnen</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and no display is set (%1)</source>
        <translation>tessera: benötigt eine grafische Sitzung, aber es ist keine Anzeige gesetzt (%1)</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and no display is set (%1 or %2)</source>
        <translation>tessera: benötigt eine grafische Sitzung, aber es ist keine Anzeige gesetzt (%1 oder %2)</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and cannot open display &quot;%1&quot;</source>
        <translation>tessera: benötigt eine grafische Sitzung und kann die Anzeige „%1“ nicht öffnen</translation>
    </message>
</context>
</TS>
