<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AppTexts</name>
    <message>
        <source>Windows sockets initialization failed.</source>
        <translation>Het initialiseren van Windows Sockets is mislukt.</translation>
    </message>
    <message>
        <source>Lumen: Tessera Tetrad</source>
        <translation>Lumen: Tessera Tetrad</translation>
    </message>
    <message>
        <source>&amp;About TesseraV2...</source>
        <translation>&amp;Over TesseraV2...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;Open	Ctrl-O</source>
        <translation>&amp;Openen	Ctrl-O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl-S</source>
        <translation>Op&amp;slaan	Ctrl-S</translation>
    </message>
    <message>
        <source>&amp;Exit	Ctrl-X</source>
        <translation>&amp;Afsluiten	Ctrl-X</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Spelers:</translation>
    </message>
    <message>
        <source>Map Size:</source>
        <translation>Bordgrootte:</translation>
    </message>
    <message>
        <source>Computer Players:</source>
        <translation>Computerspelers:</translation>
    </message>
    <message>
        <source>Computer Player Inteligence:</source>
        <translation>Niveau van de computer:</translation>
    </message>
    <message>
        <source>Random First Player</source>
        <translation>Loten wie begint</translation>
    </message>
    <message>
        <source>First Player:</source>
        <translation>Begint:</translation>
    </message>
    <message>
        <source>Create New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 spelers</translation>
    </message>
    <message>
        <source>3 Players</source>
        <translation>3 spelers</translation>
    </message>
    <message>
        <source>4 Players</source>
        <translation>4 spelers</translation>
    </message>
    <message>
        <source>Classic (8x8)</source>
        <translation>Klassiek (8x8)</translation>
    </message>
    <message>
        <source>Medium (10x10)</source>
        <translation>Middel (10x10)</translation>
    </message>
    <message>
        <source>Large (20x20)</source>
        <translation>Groot (20x20)</translation>
    </message>
    <message>
        <source>Huge (40x40)</source>
        <translation>Enorm (40x40)</translation>
    </message>
    <message>
        <source>0 Players</source>
        <translation>0 spelers</translation>
    </message>
    <message>
        <source>1 Players</source>
        <translation>1 speler</translation>
    </message>
    <message>
        <source>Very Easy</source>
        <translation>Heel makkelijk</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Makkelijk</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Moeilijk</translation>
    </message>
    <message>
        <source>Very Difficult</source>
        <translation>Heel moeilijk</translation>
    </message>
    <message>
        <source>%1: 0 / 64</source>
        <translation>%1: 0 / 64</translation>
    </message>
    <message>
        <source>About Lumen Tessera</source>
        <translation>Over Lumen Tessera</translation>
    </message>
    <message>
        <source>Lumen Tessera Tetrad 0.0.0.1 Beta</source>
        <translation>Lumen Tessera Tetrad 0.0.0.1 bèta</translation>
    </message>
    <message>
        <source>Copyright (C) the Lumen Tessera developers</source>
        <translation>© de ontwikkelaars van Lumen Tessera</translation>
    </message>
    <message>
        <source>A board game for two to four players. It reads and stores nothing on this computer and comes with no warranty of any kind.</source>
        <translation>Een bordspel voor twee tot vier spelers. Het leest en bewaart niets op deze computer en wordt geleverd zonder enige garantie.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Speluitleg</translation>
    </message>
    <message>
        <source>&lt;p&gt;Players take turns placing a disc of their colour on an empty cell. A disc may only go where it closes, in at least one of the eight straight directions, a line of other colours&apos; discs against a disc of the mover&apos;s own; every disc so enclosed turns to the mover&apos;s colour, one after another. A player who cannot place a disc passes. The game ends when the board is full, when only one colour is left or when nobody can move; the colour with the most discs wins.&lt;/p&gt;&lt;p&gt;The Settings panel chooses the number of players, the board&apos;s size, how many of the players (counted from White) the computer plays, and who begins; &quot;Create New Game&quot; starts a game with them. Below it, a score line for each colour counts its discs and marks the colour to move.&lt;/p&gt;&lt;p&gt;With the mouse: the marked cells are the legal moves, the lines from the cell under the pointer show which discs it would capture, and a click plays the cell.&lt;/p&gt;&lt;p&gt;With the keys, while the board has the focus (it is the first stop of Tab):&lt;/p&gt;&lt;ul&gt;&lt;li&gt;arrow keys: move the pointer cell;&lt;/li&gt;&lt;li&gt;Page Down / Page Up: go to the next / previous legal cell;&lt;/li&gt;&lt;li&gt;Space: play the pointer cell;&lt;/li&gt;&lt;li&gt;Tab: go to the next control; Enter or Escape: end the program;&lt;/li&gt;&lt;li&gt;F1: open this window.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;De spelers zetten om de beurt een schijf van hun kleur op een leeg veld. Een schijf mag alleen daar, waar hij in ten minste een van de acht rechte richtingen een rij schijven van andere kleuren insluit tegen een eigen schijf; elke zo ingesloten schijf wordt, de een na de ander, omgedraaid naar de kleur van de speler aan zet. Wie geen schijf kan zetten, past. Het spel eindigt als het bord vol is, als er nog maar één kleur over is of als niemand meer kan zetten; de kleur met de meeste schijven wint.&lt;/p&gt;&lt;p&gt;In het paneel ‘Instellingen’ kies je het aantal spelers, de grootte van het bord, hoeveel van de spelers (geteld vanaf Wit) de computer speelt en wie begint; ‘Nieuw spel’ start daarmee een spel. Daaronder telt een scoreregel per kleur de schijven en markeert de kleur die aan zet is.&lt;/p&gt;&lt;p&gt;Met de muis: de gemarkeerde velden zijn de geldige zetten, de lijnen vanaf het veld onder de muisaanwijzer tonen welke schijven die zet zou omdraaien, en een klik speelt het veld.&lt;/p&gt;&lt;p&gt;Met het toetsenbord, zolang het bord de focus heeft (het is de eerste stop van Tab):&lt;/p&gt;&lt;ul&gt;&lt;li&gt;pijltjestoetsen: de cursor verplaatsen;&lt;/li&gt;&lt;li&gt;Page Down / Page Up: naar het volgende / vorige geldige veld;&lt;/li&gt;&lt;li&gt;spatie: het veld onder de cursor spelen;&lt;/li&gt;&lt;li&gt;Tab: naar het volgende bedieningselement; Enter of Escape: het programma afsluiten;&lt;/li&gt;&lt;li&gt;F1: dit venster openen.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>End the game and close the program?</source>
        <extracomment>Read out by a screen reader when a key would close the game; No is the default answer.</extracomment>
        <translation>Het spel beëindigen en het programma sluiten?</translation>
    </message>
</context>
<context>
    <name>FlowTexts</name>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>%1 %2 / %3</source>
        <extracomment>A score line, 123 pixels wide at 8 x 8: keep it short.</extracomment>
        <translation>%1 %2 / %3</translation>
    </message>
    <message>
        <source>&lt;Playing&gt;</source>
        <extracomment>Marks the colour to move at the end of its score line: a word or two at most.</extracomment>
        <translation>&lt;beurt&gt;</translation>
    </message>
    <message>
        <source>%1 has no choise, it will have to skip his/her turn.</source>
        <extracomment>%1 is a colour&apos;s name: the wording must suit all four.</extracomment>
        <translation>%1 kan geen zet doen en moet passen.</translation>
    </message>
    <message>
        <source>No Choise</source>
        <translation>Geen zet mogelijk</translation>
    </message>
    <message>
        <source>%1 has won the game</source>
        <extracomment>%1 is a colour&apos;s name: the wording must suit all four.</extracomment>
        <translation>%1 heeft het spel gewonnen</translation>
    </message>
    <message>
        <source>More then 1 player has won.</source>
        <translation>Meer dan één speler heeft gewonnen.</translation>
    </message>
    <message>
        <source>We have no single winner</source>
        <translation>Geen eenduidige winnaar</translation>
    </message>
    <message>
        <source>PROBLEM</source>
        <translation>PROBLEEM</translation>
    </message>
    <message>
        <source>%1 to move; %2</source>
        <translation>%1 aan zet; %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>New game, %1 by %1, %2 players, %3; %4 moves first</source>
        <translation>Nieuw spel, %1 bij %1, %2 spelers, %3; %4 begint</translation>
    </message>
    <message>
        <source>the computer plays %1</source>
        <translation>de computer speelt %1</translation>
    </message>
    <message>
        <source>no computer player</source>
        <translation>geen computerspeler</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> and </source>
        <translation> en </translation>
    </message>
    <message numerus="yes">
        <source>%1: column %2, row %3, %n discs</source>
        <extracomment>Said after every move, the computer&apos;s too: keep it as short as this.</extracomment>
        <translation>
            <numerusform>%1: kolom %2, rij %3, %n schijf</numerusform>
            <numerusform>%1: kolom %2, rij %3, %n schijven</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: column %2, row %3, 1 disc</source>
        <extracomment>Said after every move, the computer&apos;s too: keep it as short as this.</extracomment>
        <translation>%1: kolom %2, rij %3, 1 schijf</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Said once when a game ends; %1 is the result, %2 the colours with their discs.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>not a legal move</source>
        <extracomment>Said when the player presses Space on a cell where no disc may go.</extracomment>
        <translation>geen geldige zet</translation>
    </message>
</context>
<context>
    <name>ViewTexts</name>
    <message>
        <source>Board, %1 by %1, %2 to move</source>
        <translation>Bord, %1 bij %1, %2 aan zet</translation>
    </message>
    <message>
        <source>column %1, row %2: %3</source>
        <translation>kolom %1, rij %2: %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message numerus="yes">
        <source>empty, legal move, turns %n discs</source>
        <translation>
            <numerusform>leeg, geldige zet, draait %n schijf om</numerusform>
            <numerusform>leeg, geldige zet, draait %n schijven om</numerusform>
        </translation>
    </message>
    <message>
        <source>empty, legal move, turns 1 disc</source>
        <translation>leeg, geldige zet, draait 1 schijf om</translation>
    </message>
    <message>
        <source>Board, %1 by %1, game over: %2</source>
        <extracomment>The board&apos;s name once its game has ended; %2 is the result, such as &quot;White has won the game&quot;.</extracomment>
        <translation>Bord, %1 bij %1, spel voorbij: %2</translation>
    </message>
    <message>
        <source>game over: %1</source>
        <extracomment>Read after a cell once the game has ended; %1 is the result, such as &quot;White has won the game&quot;.</extracomment>
        <translation>spel voorbij: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>tessera: needs a graphical session, and cannot open Wayland display &quot;%1&quot;</source>
        <translation>tessera: heeft een grafische sessie nodig en kan Wayland-display ‘%1’ niet openen</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and cannot open display &quot;%1&quot; nor Wayland display &quot;%2&quot;</source>
        <translation>tessera: heeft een grafische sessie nodig en kan display ‘%1’ noch Wayland-display ‘%2’ openen</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and no display is set (%1)</source>
        <translation>tessera: heeft een grafische sessie nodig, maar er is geen display ingesteld (%1)</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and no display is set (%1 or %2)</source>
        <translation>tessera: heeft een grafische sessie nodig, maar er is geen display ingesteld (%1 of %2)</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and cannot open display &quot;%1&quot;</source>
        <translation>tessera: heeft een grafische sessie nodig en kan display ‘%1’ niet openen</translation>
    </message>
</context>
</TS>
