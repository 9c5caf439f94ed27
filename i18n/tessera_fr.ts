<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppStream</name>
    <message>
        <location filename="../packaging/lumen-tessera.metainfo.xml.in" line="+9"/>
        <source>Lumen Tessera</source>
        <extracomment>the game&apos;s name in software centres, as in the menu entry.</extracomment>
        <translation>Lumen Tessera</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Disc-flipping board game for two to four players</source>
        <extracomment>the line under the name in software centres; no full stop.</extracomment>
        <translation>Jeu de plateau à pions retournables, de deux à quatre joueurs</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Players take turns placing discs of their colour, White, Black, Red or Green, on a board of 8, 10, 20 or 40 cells a side. A disc may only go where it closes a straight line of other colours&apos; discs against one of the mover&apos;s own, and every enclosed disc turns to the mover&apos;s colour. The colour with the most discs at the end wins.</source>
        <extracomment>the rules in brief, in the words of the help text.</extracomment>
        <translation>Chaque joueur, à son tour, pose des pions de sa couleur, blanc, noir, rouge ou vert, sur un plateau de 8, 10, 20 ou 40 cases de côté. Un pion ne peut être posé que là où il enferme une ligne droite de pions d&apos;autres couleurs contre un pion du joueur, et chaque pion enfermé prend la couleur du joueur. La couleur qui a le plus de pions à la fin gagne.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Any number of the players can be played by the computer, so a game can also be watched as it plays itself to the end.</source>
        <extracomment>that the computer can play any of the players.</extracomment>
        <translation>L&apos;ordinateur peut jouer autant de joueurs que l&apos;on veut, si bien qu&apos;on peut aussi regarder une partie se jouer toute seule jusqu&apos;au bout.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>A four-player game on a board of ten cells a side</source>
        <extracomment>the caption of the screenshot.</extracomment>
        <translation>Une partie à quatre joueurs sur un plateau de dix cases de côté</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>board</source>
        <extracomment>words a search finds the game by, one a keyword; not shown.</extracomment>
        <translation>plateau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>discs</source>
        <extracomment>a search keyword, as the one above.</extracomment>
        <translation>pions</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>strategy</source>
        <extracomment>a search keyword, as the one above.</extracomment>
        <translation>stratégie</translation>
    </message>
</context>
<context>
    <name>AppTexts</name>
    <message>
        <location filename="../app/AppTexts.h" line="+20"/>
        <source>Windows sockets initialization failed.</source>
        <extracomment>A message box at start-up, on Windows only, when the network layer cannot start.</extracomment>
        <translation>L&apos;initialisation des sockets Windows a échoué.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lumen: Tessera Tetrad</source>
        <extracomment>The title of the main window.</extracomment>
        <translation>Lumen: Tessera Tetrad</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About TesseraV2...</source>
        <extracomment>An item of the window&apos;s system menu (Windows only) that opens the About box. &amp; marks the access key.</extracomment>
        <translation>À &amp;propos de TesseraV2...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Game</source>
        <extracomment>The first menu of the menu bar. &amp; marks the access key.</extracomment>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open	Ctrl-O</source>
        <extracomment>An item of the Game menu. &amp; marks the access key; keep the tab and the key after it.</extracomment>
        <translation>&amp;Ouvrir	Ctrl-O</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save	Ctrl-S</source>
        <extracomment>An item of the Game menu. &amp; marks the access key; keep the tab and the key after it.</extracomment>
        <translation>&amp;Enregistrer	Ctrl-S</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Exit	Ctrl-X</source>
        <extracomment>An item of the Game menu that ends the program. &amp; marks the access key; keep the tab and the key after it.</extracomment>
        <translation>&amp;Quitter	Ctrl-X</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About</source>
        <extracomment>The second item of the menu bar; it opens the About box.</extracomment>
        <translation>À propos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Settings</source>
        <extracomment>The title of the frame around the settings panel; the help text names it.</extracomment>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Players:</source>
        <extracomment>The label above the list of player counts. Room: 83 pixels, about 13 letters.</extracomment>
        <translation>Joueurs&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Map Size:</source>
        <extracomment>The label above the list of board sizes. Room: 83 pixels, about 13 letters.</extracomment>
        <translation>Plateau&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Computer Players:</source>
        <extracomment>The label above the list of how many players the computer plays. Room: 128 pixels, about 21 letters; use your language&apos;s word for &quot;computer&quot; as everywhere else.</extracomment>
        <translation>Joueurs ordinateur&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Computer Player Inteligence:</source>
        <extracomment>The label above the list of the computer&apos;s levels of play. Room: 225 pixels, about 37 letters.</extracomment>
        <translation>Niveau de l&apos;ordinateur&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Random First Player</source>
        <extracomment>A check box: when it is on, each new game draws who moves first. Room: 128 pixels, the box included, so about 18 letters; it stands above &quot;First Player:&quot;.</extracomment>
        <translation>Premier tiré au sort</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>First Player:</source>
        <extracomment>The label left of the list of colours that chooses who moves first. Room: 60 pixels, about 10 letters.</extracomment>
        <translation>1er joueur&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Create New Game</source>
        <extracomment>The button that starts a game with the settings above it; the help text names it. Room: 103 pixels, about 17 letters.</extracomment>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+27"/>
        <source>2 Players</source>
        <extracomment>An entry of the list of player counts, and of the list of how many of them the computer plays. Room: 183 pixels.</extracomment>
        <translation>2 joueurs</translation>
    </message>
    <message>
        <location line="-24"/>
        <location line="+27"/>
        <source>3 Players</source>
        <extracomment>An entry of the list of player counts, and of the list of how many of them the computer plays. Room: 183 pixels.</extracomment>
        <translation>3 joueurs</translation>
    </message>
    <message>
        <location line="-24"/>
        <location line="+27"/>
        <source>4 Players</source>
        <extracomment>An entry of the list of player counts, and of the list of how many of them the computer plays. Room: 183 pixels.</extracomment>
        <translation>4 joueurs</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>Classic (8x8)</source>
        <extracomment>An entry of the list of board sizes; keep the size in brackets. Room: 183 pixels.</extracomment>
        <translation>Classique (8x8)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Medium (10x10)</source>
        <extracomment>An entry of the list of board sizes; keep the size in brackets. Room: 183 pixels.</extracomment>
        <translation>Moyen (10x10)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Large (20x20)</source>
        <extracomment>An entry of the list of board sizes; keep the size in brackets. Room: 183 pixels.</extracomment>
        <translation>Grand (20x20)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Huge (40x40)</source>
        <extracomment>An entry of the list of board sizes; keep the size in brackets. Room: 183 pixels.</extracomment>
        <translation>Géant (40x40)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>0 Players</source>
        <extracomment>An entry of the list of how many players (counted from White) the computer plays: none. Room: 183 pixels.</extracomment>
        <translation>0 joueur</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1 Players</source>
        <extracomment>An entry of the list of how many players (counted from White) the computer plays: one, in the form your language gives one player. Room: 183 pixels.</extracomment>
        <translation>1 joueur</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>&lt;p&gt;The &quot;Computer Player Inteligence:&quot; list sets how well the computer plays. Very Easy picks a legal cell at random; Easy looks one move ahead; Normal a few moves; Difficult looks deeper and, in a two-player game on the classic board, plays the end exactly; Very Difficult looks deepest.&lt;/p&gt;</source>
        <extracomment>The help window&apos;s paragraph on the computer&apos;s levels, in HTML: keep the tags. Name the list and its five entries as the settings panel shows them.</extracomment>
        <translation>&lt;p&gt;La liste «&#xa0;Niveau de l&apos;ordinateur&#xa0;:&#xa0;» règle la force de l&apos;ordinateur. Très facile choisit une case jouable au hasard&#xa0;; Facile regarde un coup à l&apos;avance&#xa0;; Normal quelques coups&#xa0;; Difficile regarde plus loin et, dans une partie à deux sur le plateau classique, joue la fin exactement&#xa0;; Très difficile regarde le plus loin.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Very Easy</source>
        <extracomment>An entry of the list of the computer&apos;s levels of play, the weakest. Room: 183 pixels.</extracomment>
        <translation type="vanished">Très facile</translation>
    </message>
    <message>
        <source>Easy</source>
        <extracomment>An entry of the list of the computer&apos;s levels of play. Room: 183 pixels.</extracomment>
        <translation type="vanished">Facile</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>An entry of the list of the computer&apos;s levels of play. Room: 183 pixels.</extracomment>
        <translation type="vanished">Normal</translation>
    </message>
    <message>
        <source>Difficult</source>
        <extracomment>An entry of the list of the computer&apos;s levels of play. Room: 183 pixels.</extracomment>
        <translation type="vanished">Difficile</translation>
    </message>
    <message>
        <source>Very Difficult</source>
        <extracomment>An entry of the list of the computer&apos;s levels of play, the strongest. Room: 183 pixels.</extracomment>
        <translation type="vanished">Très difficile</translation>
    </message>
    <message>
        <location line="-55"/>
        <source>%1: 0 / 64</source>
        <extracomment>A score line before the first game: %1 is a colour&apos;s name. Room: 123 pixels.</extracomment>
        <translation>%1&#xa0;: 0 / 64</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>About Lumen Tessera</source>
        <extracomment>The title of the About box.</extracomment>
        <translation>À propos de Lumen Tessera</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lumen Tessera Tetrad 0.0.0.1 Beta</source>
        <extracomment>The About box&apos;s first line: the name and the version.</extracomment>
        <translation>Lumen Tessera Tetrad 0.0.0.1 bêta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copyright (C) the Lumen Tessera developers</source>
        <extracomment>The About box&apos;s copyright line.</extracomment>
        <translation>© les développeurs de Lumen Tessera</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A board game for two to four players. It reads and stores nothing on this computer and comes with no warranty of any kind.</source>
        <extracomment>The About box&apos;s text, wrapped in its width; use the usual licence wording.</extracomment>
        <translation>Un jeu de plateau pour deux à quatre joueurs. Il ne lit et n&apos;enregistre rien sur cet ordinateur et est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+7"/>
        <source>&amp;Close</source>
        <extracomment>The button that closes a window (the About box and the help window). &amp; marks the access key.</extracomment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>How to play</source>
        <extracomment>The title of the help window, which F1 opens.</extracomment>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;p&gt;Players take turns placing a disc of their colour on an empty cell. A disc may only go where it closes, in at least one of the eight straight directions, a line of other colours&apos; discs against a disc of the mover&apos;s own; every disc so enclosed turns to the mover&apos;s colour, one after another. A player who cannot place a disc passes. The game ends when the board is full, when only one colour is left or when nobody can move; the colour with the most discs wins.&lt;/p&gt;&lt;p&gt;The Settings panel chooses the number of players, the board&apos;s size, how many of the players (counted from White) the computer plays, and who begins; &quot;Create New Game&quot; starts a game with them. Below it, a score line for each colour counts its discs and marks the colour to move.&lt;/p&gt;&lt;p&gt;With the mouse: the marked cells are the legal moves, the lines from the cell under the pointer show which discs it would capture, and a click plays the cell.&lt;/p&gt;&lt;p&gt;With the keys, while the board has the focus (it is the first stop of Tab):&lt;/p&gt;&lt;ul&gt;&lt;li&gt;arrow keys: move the pointer cell;&lt;/li&gt;&lt;li&gt;Page Down / Page Up: go to the next / previous legal cell;&lt;/li&gt;&lt;li&gt;Space: play the pointer cell;&lt;/li&gt;&lt;li&gt;Tab: go to the next control; Enter or Escape: end the program;&lt;/li&gt;&lt;li&gt;F1: open this window.&lt;/li&gt;&lt;/ul&gt;</source>
        <extracomment>The help window&apos;s text, in HTML: keep the tags. Name the panel, the button and the colours as the window shows them, the keys as your keyboards label them, and use the same words for a move, a pass and the computer as the rest of the game.</extracomment>
        <translation>&lt;p&gt;Chaque joueur, à son tour, pose un pion de sa couleur sur une case vide. Un pion ne peut être posé que là où il enferme, dans au moins une des huit directions en ligne droite, une ligne de pions d&apos;autres couleurs contre un pion du joueur&#xa0;; chaque pion ainsi enfermé prend, l&apos;un après l&apos;autre, la couleur du joueur. Un joueur qui ne peut poser aucun pion passe son tour. La partie se termine quand le plateau est plein, quand il ne reste qu&apos;une couleur ou quand plus personne ne peut jouer&#xa0;; la couleur qui a le plus de pions gagne.&lt;/p&gt;&lt;p&gt;Le panneau «&#xa0;Paramètres&#xa0;» permet de choisir le nombre de joueurs, la taille du plateau, combien de joueurs (en comptant à partir de Blanc) l&apos;ordinateur joue, et qui commence&#xa0;; «&#xa0;Nouvelle partie&#xa0;» lance une partie avec ces choix. En dessous, une ligne de score par couleur compte ses pions et signale la couleur qui doit jouer.&lt;/p&gt;&lt;p&gt;À la souris&#xa0;: les cases marquées sont les coups possibles, les lignes partant de la case sous le pointeur montrent les pions qu&apos;elle retournerait, et un clic joue la case.&lt;/p&gt;&lt;p&gt;Au clavier, quand le plateau a le focus (c&apos;est le premier arrêt de la touche Tab)&#xa0;:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;flèches&#xa0;: déplacer le curseur&#xa0;;&lt;/li&gt;&lt;li&gt;Pg.Suiv / Pg.Préc&#xa0;: aller à la case jouable suivante / précédente&#xa0;;&lt;/li&gt;&lt;li&gt;Espace&#xa0;: jouer la case du curseur&#xa0;;&lt;/li&gt;&lt;li&gt;Tab&#xa0;: passer au contrôle suivant&#xa0;; Entrée ou Échap&#xa0;: quitter le programme&#xa0;;&lt;/li&gt;&lt;li&gt;F1&#xa0;: ouvrir cette fenêtre.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>End the game and close the program?</source>
        <extracomment>Read out by a screen reader when a key would close the game; No is the default answer.</extracomment>
        <translation>Terminer la partie et fermer le programme&#xa0;?</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <location filename="../packaging/lumen-tessera.desktop.in" line="+5"/>
        <source>Lumen Tessera</source>
        <extracomment>the game&apos;s name in menus; keep it as it is unless your script writes it otherwise.</extracomment>
        <translation>Lumen Tessera</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Disc-flipping board game</source>
        <extracomment>the kind of program, shown beside or under the name in menus.</extracomment>
        <translation>Jeu de plateau à pions retournables</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Place discs to enclose and turn your opponents&apos; lines, for two to four players</source>
        <extracomment>the tooltip of the menu entry: what one does in the game, in one line.</extracomment>
        <translation>Posez des pions pour enfermer et retourner les lignes adverses, de deux à quatre joueurs</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>board;discs;strategy;</source>
        <extracomment>words a menu search finds the game by, each ended by a semicolon; not shown.</extracomment>
        <translation>plateau;pions;stratégie;</translation>
    </message>
</context>
<context>
    <name>FlowTexts</name>
    <message>
        <location filename="../flow/FlowTexts.h" line="+42"/>
        <source>White</source>
        <extracomment>A colour&apos;s name, which is a player&apos;s name: in the lists, the score lines, the messages and what a screen reader says, as %1 of &quot;%1 has won the game&quot; and the like. Room: 115 pixels in the first-player list.</extracomment>
        <translation>Blanc</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Black</source>
        <extracomment>A colour&apos;s name, which is a player&apos;s name: in the lists, the score lines, the messages and what a screen reader says, as %1 of &quot;%1 has won the game&quot; and the like. Room: 115 pixels in the first-player list.</extracomment>
        <translation>Noir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Red</source>
        <extracomment>A colour&apos;s name, which is a player&apos;s name: in the lists, the score lines, the messages and what a screen reader says, as %1 of &quot;%1 has won the game&quot; and the like. Room: 115 pixels in the first-player list.</extracomment>
        <translation>Rouge</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Green</source>
        <extracomment>A colour&apos;s name, which is a player&apos;s name: in the lists, the score lines, the messages and what a screen reader says, as %1 of &quot;%1 has won the game&quot; and the like. Room: 115 pixels in the first-player list.</extracomment>
        <translation>Vert</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Very Easy</source>
        <extracomment>An entry of the list of the computer&apos;s levels of play, the weakest; a screen reader also names it with a new game. Room: 183 pixels.</extracomment>
        <translation>Très facile</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Easy</source>
        <extracomment>An entry of the list of the computer&apos;s levels of play; a screen reader also names it with a new game. Room: 183 pixels.</extracomment>
        <translation>Facile</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Normal</source>
        <extracomment>An entry of the list of the computer&apos;s levels of play; a screen reader also names it with a new game. Room: 183 pixels.</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Difficult</source>
        <extracomment>An entry of the list of the computer&apos;s levels of play; a screen reader also names it with a new game. Room: 183 pixels.</extracomment>
        <translation>Difficile</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Very Difficult</source>
        <extracomment>An entry of the list of the computer&apos;s levels of play, the strongest; a screen reader also names it with a new game. Room: 183 pixels.</extracomment>
        <translation>Très difficile</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 %2 / %3</source>
        <extracomment>A score line, 123 pixels wide at 8 x 8: keep it short. %1 is the colour&apos;s name, %2 its discs, %3 the cells of the board.</extracomment>
        <translation>%1 %2 / %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;Playing&gt;</source>
        <extracomment>Marks the colour to move at the end of its score line: a word or two at most.</extracomment>
        <translation>&lt;joue&gt;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 has no choise, it will have to skip his/her turn.</source>
        <extracomment>%1 is a colour&apos;s name: the wording must suit all four.</extracomment>
        <translation>%1 n&apos;a aucun coup possible et doit passer son tour.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No Choise</source>
        <extracomment>The title of the box that says a player has to pass.</extracomment>
        <translation>Aucun coup possible</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 has won the game</source>
        <extracomment>%1 is a colour&apos;s name: the wording must suit all four.</extracomment>
        <translation>%1 a gagné la partie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>More then 1 player has won.</source>
        <extracomment>The text of the box at the end of a game that two or more colours won together.</extracomment>
        <translation>Plusieurs joueurs ont gagné.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>We have no single winner</source>
        <extracomment>The title of the box at the end of a game that two or more colours won together.</extracomment>
        <translation>Pas de vainqueur unique</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>PROBLEM</source>
        <extracomment>Text and title of a box that only a fault shows: the computer found no cell to play.</extracomment>
        <translation>PROBLÈME</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>the computer plays %1 at %2</source>
        <extracomment>Part of the new game&apos;s announcement: %1 is the list of the colours the computer plays (&quot;White and Black&quot;), %2 its level of play, one of the entries of the &quot;Computer Player Inteligence:&quot; list (&quot;Very Difficult&quot;).</extracomment>
        <translation>l&apos;ordinateur joue %1, niveau %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 plays column %2, row %3, turning %n discs</source>
        <extracomment>Said by a screen reader after each move: %1 is the colour&apos;s name, %2 the column, %3 the row (both counted from 1), %n the discs the move turns.</extracomment>
        <translation type="vanished">
            <numerusform>%1 joue en colonne %2, ligne %3 et retourne %n pion</numerusform>
            <numerusform>%1 joue en colonne %2, ligne %3 et retourne %n pions</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 plays column %2, row %3, turning 1 disc</source>
        <extracomment>Said by a screen reader after a move that turns one disc: %1 is the colour&apos;s name, %2 the column, %3 the row (both counted from 1).</extracomment>
        <translation type="vanished">%1 joue en colonne %2, ligne %3 et retourne 1 pion</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>%1 to move; %2</source>
        <extracomment>Said by a screen reader when the turn passes on: %1 is the colour to move, %2 the list of the colours with their discs (&quot;White 2, Black 3&quot;).</extracomment>
        <translation>au tour de %1&#xa0;; %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 %2</source>
        <extracomment>One item of a spoken list of discs: %1 is a colour&apos;s name, %2 its number of discs.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>New game, %1 by %1, %2 players, %3; %4 moves first</source>
        <extracomment>Said by a screen reader when a game starts: %1 is the board&apos;s side (8 for 8 by 8), %2 the number of players, %3 &quot;the computer plays ...&quot; or &quot;no computer player&quot;, %4 the colour that moves first. Call the game as the &quot;Create New Game&quot; button does.</extracomment>
        <translation>Nouvelle partie, %1 sur %1, %2 joueurs, %3&#xa0;; %4 commence</translation>
    </message>
    <message>
        <source>the computer plays %1</source>
        <extracomment>Part of the new game&apos;s announcement: %1 is the list of the colours the computer plays (&quot;White and Black&quot;).</extracomment>
        <translation type="vanished">l&apos;ordinateur joue %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no computer player</source>
        <extracomment>Part of the new game&apos;s announcement, when the computer plays none of the colours.</extracomment>
        <translation>aucun joueur ordinateur</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, </source>
        <extracomment>Between the items of a spoken list of colours (&quot;White, Black and Red&quot;), but the last two.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> and </source>
        <extracomment>Between the last two items of a spoken list of colours (&quot;White, Black and Red&quot;).</extracomment>
        <translation> et </translation>
    </message>
    <message numerus="yes">
        <location line="-34"/>
        <source>%1: column %2, row %3, %n discs</source>
        <extracomment>Said by a screen reader after each move, the computer&apos;s too, so keep it as short: %1 is the colour&apos;s name, %2 the column, %3 the row (both counted from 1), %n the discs it turns.</extracomment>
        <translation>
            <numerusform>%1&#xa0;: colonne %2, ligne %3, %n pion</numerusform>
            <numerusform>%1&#xa0;: colonne %2, ligne %3, %n pions</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1; %2</source>
        <extracomment>Said once when a game ends; %1 is the result, %2 the colours with their discs.</extracomment>
        <translation>%1&#xa0;; %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a legal move</source>
        <extracomment>Said when the player presses Space on a cell where no disc may go.</extracomment>
        <translation>coup impossible</translation>
    </message>
</context>
<context>
    <name>ViewTexts</name>
    <message>
        <location filename="../view/ViewTexts.h" line="+15"/>
        <source>Board, %1 by %1, %2 to move</source>
        <extracomment>The board&apos;s name, as a screen reader says it: %1 is the board&apos;s side (8 for 8 by 8), %2 the colour to move.</extracomment>
        <translation>Plateau, %1 sur %1, au tour de %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>column %1, row %2: %3</source>
        <extracomment>A board cell, as a screen reader says it: %1 is the column, %2 the row (both counted from 1), %3 what the cell holds: a colour&apos;s name, &quot;empty&quot; or &quot;empty, legal move, ...&quot;.</extracomment>
        <translation>colonne %1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>empty</source>
        <extracomment>What a screen reader says of an empty board cell (agreeing with your word for &quot;cell&quot;).</extracomment>
        <translation>vide</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>empty, legal move, turns %n discs</source>
        <extracomment>What a screen reader says of an empty board cell where the colour to move may play: %n is the number of discs the move would turn.</extracomment>
        <translation>
            <numerusform>vide, coup possible, retourne %n pion</numerusform>
            <numerusform>vide, coup possible, retourne %n pions</numerusform>
        </translation>
    </message>
    <message>
        <source>empty, legal move, turns 1 disc</source>
        <extracomment>What a screen reader says of an empty board cell where a move would turn one disc.</extracomment>
        <translation type="vanished">vide, coup possible, retourne 1 pion</translation>
    </message>
    <message>
        <source>%1 to move</source>
        <extracomment>The board&apos;s description, which a screen reader&apos;s Where Am I reads: %1 is the colour to move.</extracomment>
        <translation type="vanished">au tour de %1</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Board, %1 by %1, game over: %2</source>
        <extracomment>The board&apos;s name once its game has ended: %1 is the board&apos;s side (8 for 8 by 8), %2 the result, such as &quot;White has won the game&quot;.</extracomment>
        <translation>Plateau, %1 sur %1, partie terminée&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>game over: %1</source>
        <extracomment>Read after a cell once the game has ended; %1 is the result, such as &quot;White has won the game&quot;.</extracomment>
        <translation>partie terminée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../app/PlatformChoice.cpp" line="+19"/>
        <source>tessera: needs a graphical session, and cannot open Wayland display &quot;%1&quot;</source>
        <extracomment>Printed in the terminal when the game cannot start: %1 is the Wayland display&apos;s name.</extracomment>
        <translation>tessera&#xa0;: nécessite une session graphique et ne peut pas ouvrir l&apos;affichage Wayland «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>tessera: needs a graphical session, and cannot open display &quot;%1&quot; nor Wayland display &quot;%2&quot;</source>
        <extracomment>Printed in the terminal when the game cannot start: %1 is the X display&apos;s name, %2 the Wayland display&apos;s.</extracomment>
        <translation>tessera&#xa0;: nécessite une session graphique et ne peut ouvrir ni l&apos;affichage «&#xa0;%1&#xa0;» ni l&apos;affichage Wayland «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>tessera: needs a graphical session, and no display is set (%1)</source>
        <extracomment>Printed in the terminal when the game cannot start: %1 is the name of a variable (DISPLAY), not to be translated.</extracomment>
        <translation>tessera&#xa0;: nécessite une session graphique, mais aucun affichage n&apos;est défini (%1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>tessera: needs a graphical session, and no display is set (%1 or %2)</source>
        <extracomment>Printed in the terminal when the game cannot start: %1 and %2 are names of variables (DISPLAY, WAYLAND_DISPLAY), not to be translated.</extracomment>
        <translation>tessera&#xa0;: nécessite une session graphique, mais aucun affichage n&apos;est défini (%1 ou %2)</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>tessera: needs a graphical session, and cannot open display &quot;%1&quot;</source>
        <extracomment>Printed in the terminal when the game cannot start: %1 is the display&apos;s name.</extracomment>
        <translation>tessera&#xa0;: nécessite une session graphique et ne peut pas ouvrir l&apos;affichage «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
</TS>
