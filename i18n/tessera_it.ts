<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AppTexts</name>
    <message>
        <source>Windows sockets initialization failed.</source>
        <translation>Inizializzazione dei socket di Windows non riuscita.</translation>
    </message>
    <message>
        <source>Lumen: Tessera Tetrad</source>
        <translation>Lumen: Tessera Tetrad</translation>
    </message>
    <message>
        <source>&amp;About TesseraV2...</source>
        <translation>Inf&amp;ormazioni su TesseraV2...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;Open	Ctrl-O</source>
        <translation>&amp;Apri	Ctrl-O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl-S</source>
        <translation>&amp;Salva	Ctrl-S</translation>
    </message>
    <message>
        <source>&amp;Exit	Ctrl-X</source>
        <translation>&amp;Esci	Ctrl-X</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Giocatori:</translation>
    </message>
    <message>
        <source>Map Size:</source>
        <translation>Scacchiera:</translation>
    </message>
    <message>
        <source>Computer Players:</source>
        <translation>Giocatori del computer:</translation>
    </message>
    <message>
        <source>Computer Player Inteligence:</source>
        <translation>Livello del computer:</translation>
    </message>
    <message>
        <source>Random First Player</source>
        <translation>Sorteggia chi inizia</translation>
    </message>
    <message>
        <source>First Player:</source>
        <translation>Inizia:</translation>
    </message>
    <message>
        <source>Create New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 giocatori</translation>
    </message>
    <message>
        <source>3 Players</source>
        <translation>3 giocatori</translation>
    </message>
    <message>
        <source>4 Players</source>
        <translation>4 giocatori</translation>
    </message>
    <message>
        <source>Classic (8x8)</source>
        <translation>Classica (8x8)</translation>
    </message>
    <message>
        <source>Medium (10x10)</source>
        <translation>Media (10x10)</translation>
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
        <translation>0 giocatori</translation>
    </message>
    <message>
        <source>1 Players</source>
        <translation>1 giocatore</translation>
    </message>
    <message>
        <source>Very Easy</source>
        <translation>Molto facile</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Very Difficult</source>
        <translation>Molto difficile</translation>
    </message>
    <message>
        <source>%1: 0 / 64</source>
        <translation>%1: 0 / 64</translation>
    </message>
    <message>
        <source>About Lumen Tessera</source>
        <translation>Informazioni su Lumen Tessera</translation>
    </message>
    <message>
        <source>Lumen Tessera Tetrad 0.0.0.1 Beta</source>
        <translation>Lumen Tessera Tetrad 0.0.0.1 beta</translation>
    </message>
    <message>
        <source>Copyright (C) the Lumen Tessera developers</source>
        <translation>© gli sviluppatori di Lumen Tessera</translation>
    </message>
    <message>
        <source>A board game for two to four players. It reads and stores nothing on this computer and comes with no warranty of any kind.</source>
        <translation>Un gioco da tavolo da due a quattro giocatori. Non legge né salva nulla su questo computer ed è fornito senza alcuna garanzia.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>&lt;p&gt;Players take turns placing a disc of their colour on an empty cell. A disc may only go where it closes, in at least one of the eight straight directions, a line of other colours&apos; discs against a disc of the mover&apos;s own; every disc so enclosed turns to the mover&apos;s colour, one after another. A player who cannot place a disc passes. The game ends when the board is full, when only one colour is left or when nobody can move; the colour with the most discs wins.&lt;/p&gt;&lt;p&gt;The Settings panel chooses the number of players, the board&apos;s size, how many of the players (counted from White) the computer plays, and who begins; &quot;Create New Game&quot; starts a game with them. Below it, a score line for each colour counts its discs and marks the colour to move.&lt;/p&gt;&lt;p&gt;With the mouse: the marked cells are the legal moves, the lines from the cell under the pointer show which discs it would capture, and a click plays the cell.&lt;/p&gt;&lt;p&gt;With the keys, while the board has the focus (it is the first stop of Tab):&lt;/p&gt;&lt;ul&gt;&lt;li&gt;arrow keys: move the pointer cell;&lt;/li&gt;&lt;li&gt;Page Down / Page Up: go to the next / previous legal cell;&lt;/li&gt;&lt;li&gt;Space: play the pointer cell;&lt;/li&gt;&lt;li&gt;Tab: go to the next control; Enter or Escape: end the program;&lt;/li&gt;&lt;li&gt;F1: open this window.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;I giocatori, a turno, posano una pedina del proprio colore su una casella vuota. Una pedina si può posare solo dove chiude, in almeno una delle otto direzioni in linea retta, una fila di pedine di altri colori contro una pedina propria; ogni pedina così racchiusa passa, una dopo l&apos;altra, al colore di chi muove. Chi non può posare una pedina passa il turno. La partita finisce quando la scacchiera è piena, quando resta un solo colore o quando nessuno può muovere; vince il colore con più pedine.&lt;/p&gt;&lt;p&gt;Nel riquadro «Impostazioni» si scelgono il numero di giocatori, le dimensioni della scacchiera, quanti giocatori (contando da Bianco) muove il computer e chi inizia; «Nuova partita» avvia una partita con queste scelte. Sotto, una riga di punteggio per ogni colore conta le sue pedine e indica il colore di turno.&lt;/p&gt;&lt;p&gt;Con il mouse: le caselle segnate sono le mosse valide, le linee che partono dalla casella sotto il puntatore mostrano quali pedine girerebbe, e un clic gioca la casella.&lt;/p&gt;&lt;p&gt;Con la tastiera, quando la scacchiera ha il focus (è la prima fermata del tasto Tab):&lt;/p&gt;&lt;ul&gt;&lt;li&gt;frecce: spostare il cursore;&lt;/li&gt;&lt;li&gt;Pag giù / Pag su: andare alla casella valida successiva / precedente;&lt;/li&gt;&lt;li&gt;Spazio: giocare la casella del cursore;&lt;/li&gt;&lt;li&gt;Tab: passare al controllo successivo; Invio o Esc: chiudere il programma;&lt;/li&gt;&lt;li&gt;F1: aprire questa finestra.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>End the game and close the program?</source>
        <extracomment>Read out by a screen reader when a key would close the game; No is the default answer.</extracomment>
        <translation>Terminare la partita e chiudere il programma?</translation>
    </message>
</context>
<context>
    <name>FlowTexts</name>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
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
        <translation>&lt;gioca&gt;</translation>
    </message>
    <message>
        <source>%1 has no choise, it will have to skip his/her turn.</source>
        <extracomment>%1 is a colour&apos;s name: the wording must suit all four.</extracomment>
        <translation>%1 non ha mosse possibili e deve saltare il turno.</translation>
    </message>
    <message>
        <source>No Choise</source>
        <translation>Nessuna mossa</translation>
    </message>
    <message>
        <source>%1 has won the game</source>
        <extracomment>%1 is a colour&apos;s name: the wording must suit all four.</extracomment>
        <translation>%1 ha vinto la partita</translation>
    </message>
    <message>
        <source>More then 1 player has won.</source>
        <translation>Ha vinto più di un giocatore.</translation>
    </message>
    <message>
        <source>We have no single winner</source>
        <translation>Nessun vincitore unico</translation>
    </message>
    <message>
        <source>PROBLEM</source>
        <translation>PROBLEMA</translation>
    </message>
    <message>
        <source>%1 to move; %2</source>
        <translation>tocca a %1; %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>New game, %1 by %1, %2 players, %3; %4 moves first</source>
        <translation>Nuova partita, %1 per %1, %2 giocatori, %3; inizia %4</translation>
    </message>
    <message>
        <source>the computer plays %1</source>
        <translation>il computer gioca %1</translation>
    </message>
    <message>
        <source>no computer player</source>
        <translation>nessun giocatore del computer</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message numerus="yes">
        <source>%1: column %2, row %3, %n discs</source>
        <extracomment>Said after every move, the computer&apos;s too: keep it as short as this.</extracomment>
        <translation>
            <numerusform>%1: colonna %2, riga %3, %n pedina</numerusform>
            <numerusform>%1: colonna %2, riga %3, %n pedine</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: column %2, row %3, 1 disc</source>
        <extracomment>Said after every move, the computer&apos;s too: keep it as short as this.</extracomment>
        <translation>%1: colonna %2, riga %3, 1 pedina</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Said once when a game ends; %1 is the result, %2 the colours with their discs.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>not a legal move</source>
        <extracomment>Said when the player presses Space on a cell where no disc may go.</extracomment>
        <translation>mossa non valida</translation>
    </message>
</context>
<context>
    <name>ViewTexts</name>
    <message>
        <source>Board, %1 by %1, %2 to move</source>
        <translation>Scacchiera, %1 per %1, tocca a %2</translation>
    </message>
    <message>
        <source>column %1, row %2: %3</source>
        <translation>colonna %1, riga %2: %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message numerus="yes">
        <source>empty, legal move, turns %n discs</source>
        <translation>
            <numerusform>vuota, mossa valida, gira %n pedina</numerusform>
            <numerusform>vuota, mossa valida, gira %n pedine</numerusform>
        </translation>
    </message>
    <message>
        <source>empty, legal move, turns 1 disc</source>
        <translation>vuota, mossa valida, gira 1 pedina</translation>
    </message>
    <message>
        <source>Board, %1 by %1, game over: %2</source>
        <extracomment>The board&apos;s name once its game has ended; %2 is the result, such as &quot;White has won the game&quot;.</extracomment>
        <translation>Scacchiera, %1 per %1, partita finita: %2</translation>
    </message>
    <message>
        <source>game over: %1</source>
        <extracomment>Read after a cell once the game has ended; %1 is the result, such as &quot;White has won the game&quot;.</extracomment>
        <translation>partita finita: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>tessera: needs a graphical session, and cannot open Wayland display &quot;%1&quot;</source>
        <translation>tessera: richiede una sessione grafica e non riesce ad aprire il display Wayland «%1»</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and cannot open display &quot;%1&quot; nor Wayland display &quot;%2&quot;</source>
        <translation>tessera: richiede una sessione grafica e non riesce ad aprire né il display «%1» né il display Wayland «%2»</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and no display is set (%1)</source>
        <translation>tessera: richiede una sessione grafica, ma non è impostato alcun display (%1)</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and no display is set (%1 or %2)</source>
        <translation>tessera: richiede una sessione grafica, ma non è impostato alcun display (%1 o %2)</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and cannot open display &quot;%1&quot;</source>
        <translation>tessera: richiede una sessione grafica e non riesce ad aprire il display «%1»</translation>
    </message>
</context>
</TS>
