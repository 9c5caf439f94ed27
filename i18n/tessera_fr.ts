<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppTexts</name>
    <message>
        <source>Windows sockets initialization failed.</source>
        <translation>L&apos;initialisation des sockets Windows a échoué.</translation>
    </message>
    <message>
        <source>Lumen: Tessera Tetrad</source>
        <translation>Lumen: Tessera Tetrad</translation>
    </message>
    <message>
        <source>&amp;About TesseraV2...</source>
        <translation>À &amp;propos de TesseraV2...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Open	Ctrl-O</source>
        <translation>&amp;Ouvrir	Ctrl-O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl-S</source>
        <translation>&amp;Enregistrer	Ctrl-S</translation>
    </message>
    <message>
        <source>&amp;Exit	Ctrl-X</source>
        <translation>&amp;Quitter	Ctrl-X</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Joueurs&#xa0;:</translation>
    </message>
    <message>
        <source>Map Size:</source>
        <translation>Plateau&#xa0;:</translation>
    </message>
    <message>
        <source>Computer Players:</source>
        <translation>Joueurs ordinateur&#xa0;:</translation>
    </message>
    <message>
        <source>Computer Player Inteligence:</source>
        <translation>Niveau de l&apos;ordinateur&#xa0;:</translation>
    </message>
    <message>
        <source>Random First Player</source>
        <translation>Premier au hasard</translation>
    </message>
    <message>
        <source>First Player:</source>
        <translation>Premier&#xa0;:</translation>
    </message>
    <message>
        <source>Create New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 joueurs</translation>
    </message>
    <message>
        <source>3 Players</source>
        <translation>3 joueurs</translation>
    </message>
    <message>
        <source>4 Players</source>
        <translation>4 joueurs</translation>
    </message>
    <message>
        <source>Classic (8x8)</source>
        <translation>Classique (8x8)</translation>
    </message>
    <message>
        <source>Medium (10x10)</source>
        <translation>Moyen (10x10)</translation>
    </message>
    <message>
        <source>Large (20x20)</source>
        <translation>Grand (20x20)</translation>
    </message>
    <message>
        <source>Huge (40x40)</source>
        <translation>Géant (40x40)</translation>
    </message>
    <message>
        <source>0 Players</source>
        <translation>0 joueur</translation>
    </message>
    <message>
        <source>1 Players</source>
        <translation>1 joueur</translation>
    </message>
    <message>
        <source>Very Easy</source>
        <translation>Très facile</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Very Difficult</source>
        <translation>Très difficile</translation>
    </message>
    <message>
        <source>%1: 0 / 64</source>
        <translation>%1&#xa0;: 0 / 64</translation>
    </message>
    <message>
        <source>About Lumen Tessera</source>
        <translation>À propos de Lumen Tessera</translation>
    </message>
    <message>
        <source>Lumen Tessera Tetrad 0.0.0.1 Beta</source>
        <translation>Lumen Tessera Tetrad 0.0.0.1 bêta</translation>
    </message>
    <message>
        <source>Copyright (C) the Lumen Tessera developers</source>
        <translation>© les développeurs de Lumen Tessera</translation>
    </message>
    <message>
        <source>A board game for two to four players. It reads and stores nothing on this computer and comes with no warranty of any kind.</source>
        <translation>Un jeu de plateau pour deux à quatre joueurs. Il ne lit et n&apos;enregistre rien sur cet ordinateur et est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>&lt;p&gt;Players take turns placing a disc of their colour on an empty cell. A disc may only go where it closes, in at least one of the eight straight directions, a line of other colours&apos; discs against a disc of the mover&apos;s own; every disc so enclosed turns to the mover&apos;s colour, one after another. A player who cannot place a disc passes. The game ends when the board is full, when only one colour is left or when nobody can move; the colour with the most discs wins.&lt;/p&gt;&lt;p&gt;The Settings panel chooses the number of players, the board&apos;s size, how many of the players (counted from White) the computer plays, and who begins; &quot;Create New Game&quot; starts a game with them. Below it, a score line for each colour counts its discs and marks the colour to move.&lt;/p&gt;&lt;p&gt;With the mouse: the marked cells are the legal moves, the lines from the cell under the pointer show which discs it would capture, and a click plays the cell.&lt;/p&gt;&lt;p&gt;With the keys, while the board has the focus (it is the first stop of Tab):&lt;/p&gt;&lt;ul&gt;&lt;li&gt;arrow keys: move the pointer cell;&lt;/li&gt;&lt;li&gt;Page Down / Page Up: go to the next / previous legal cell;&lt;/li&gt;&lt;li&gt;Space: play the pointer cell;&lt;/li&gt;&lt;li&gt;Tab: go to the next control; Enter or Escape: end the program;&lt;/li&gt;&lt;li&gt;F1: open this window.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Chaque joueur, à son tour, pose un pion de sa couleur sur une case vide. Un pion ne peut être posé que là où il enferme, dans au moins une des huit directions en ligne droite, une ligne de pions d&apos;autres couleurs contre un pion du joueur&#xa0;; chaque pion ainsi enfermé prend, l&apos;un après l&apos;autre, la couleur du joueur. Un joueur qui ne peut poser aucun pion passe son tour. La partie se termine quand le plateau est plein, quand il ne reste qu&apos;une couleur ou quand plus personne ne peut jouer&#xa0;; la couleur qui a le plus de pions gagne.&lt;/p&gt;&lt;p&gt;Le panneau «&#xa0;Paramètres&#xa0;» permet de choisir le nombre de joueurs, la taille du plateau, combien de joueurs (en comptant à partir de Blanc) l&apos;ordinateur joue, et qui commence&#xa0;; «&#xa0;Nouvelle partie&#xa0;» lance une partie avec ces choix. En dessous, une ligne de score par couleur compte ses pions et signale la couleur qui doit jouer.&lt;/p&gt;&lt;p&gt;À la souris&#xa0;: les cases marquées sont les coups possibles, les lignes partant de la case sous le pointeur montrent les pions qu&apos;elle retournerait, et un clic joue la case.&lt;/p&gt;&lt;p&gt;Au clavier, quand le plateau a le focus (c&apos;est le premier arrêt de la touche Tab)&#xa0;:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;flèches&#xa0;: déplacer le curseur&#xa0;;&lt;/li&gt;&lt;li&gt;Pg.Suiv / Pg.Préc&#xa0;: aller à la case jouable suivante / précédente&#xa0;;&lt;/li&gt;&lt;li&gt;Espace&#xa0;: jouer la case du curseur&#xa0;;&lt;/li&gt;&lt;li&gt;Tab&#xa0;: passer au contrôle suivant&#xa0;; Entrée ou Échap&#xa0;: quitter le programme&#xa0;;&lt;/li&gt;&lt;li&gt;F1&#xa0;: ouvrir cette fenêtre.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>End the game and close the program?</source>
        <extracomment>Read out by a screen reader when a key would close the game; No is the default answer.</extracomment>
        <translation>Terminer la partie et fermer le programme ?</translation>
    </message>
</context>
<context>
    <name>FlowTexts</name>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>%1 %2 / %3</source>
        <extracomment>A score line, 123 pixels wide at 8 x 8: keep it short.</extracomment>
        <translation>%1 %2 / %3</translation>
    </message>
    <message>
        <source>&lt;Playing&gt;</source>
        <extracomment>Marks the colour to move at the end of its score line: a word or two at most.</extracomment>
        <translation>&lt;joue&gt;</translation>
    </message>
    <message>
        <source>%1 has no choise, it will have to skip his/her turn.</source>
        <extracomment>%1 is a colour&apos;s name: the wording must suit all four.</extracomment>
        <translation>%1 n&apos;a aucun coup possible et doit passer son tour.</translation>
    </message>
    <message>
        <source>No Choise</source>
        <translation>Aucun coup possible</translation>
    </message>
    <message>
        <source>%1 has won the game</source>
        <extracomment>%1 is a colour&apos;s name: the wording must suit all four.</extracomment>
        <translation>%1 a gagné la partie</translation>
    </message>
    <message>
        <source>More then 1 player has won.</source>
        <translation>Plusieurs joueurs ont gagné.</translation>
    </message>
    <message>
        <source>We have no single winner</source>
        <translation>Pas de vainqueur unique</translation>
    </message>
    <message>
        <source>PROBLEM</source>
        <translation>PROBLÈME</translation>
    </message>
    <message>
        <source>%1 to move; %2</source>
        <translation>au tour de %1 ; %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>New game, %1 by %1, %2 players, %3; %4 moves first</source>
        <translation>Nouvelle partie, %1 sur %1, %2 joueurs, %3 ; %4 commence</translation>
    </message>
    <message>
        <source>the computer plays %1</source>
        <translation>l&apos;ordinateur joue %1</translation>
    </message>
    <message>
        <source>no computer player</source>
        <translation>aucun joueur ordinateur</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message numerus="yes">
        <source>%1: column %2, row %3, %n discs</source>
        <extracomment>Said after every move, the computer&apos;s too: keep it as short as this.</extracomment>
        <translation>
            <numerusform>%1 : colonne %2, ligne %3, %n pion</numerusform>
            <numerusform>%1 : colonne %2, ligne %3, %n pions</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: column %2, row %3, 1 disc</source>
        <extracomment>Said after every move, the computer&apos;s too: keep it as short as this.</extracomment>
        <translation>%1 : colonne %2, ligne %3, 1 pion</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Said once when a game ends; %1 is the result, %2 the colours with their discs.</extracomment>
        <translation>%1 ; %2</translation>
    </message>
    <message>
        <source>not a legal move</source>
        <extracomment>Said when the player presses Space on a cell where no disc may go.</extracomment>
        <translation>coup impossible</translation>
    </message>
</context>
<context>
    <name>ViewTexts</name>
    <message>
        <source>Board, %1 by %1, %2 to move</source>
        <translation>Plateau, %1 sur %1, au tour de %2</translation>
    </message>
    <message>
        <source>column %1, row %2: %3</source>
        <translation>colonne %1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message numerus="yes">
        <source>empty, legal move, turns %n discs</source>
        <translation>
            <numerusform>vide, coup possible, retourne %n pion</numerusform>
            <numerusform>vide, coup possible, retourne %n pions</numerusform>
        </translation>
    </message>
    <message>
        <source>empty, legal move, turns 1 disc</source>
        <translation>vide, coup possible, retourne 1 pion</translation>
    </message>
    <message>
        <source>Board, %1 by %1, game over: %2</source>
        <extracomment>The board&apos;s name once its game has ended; %2 is the result, such as &quot;White has won the game&quot;.</extracomment>
        <translation>Plateau, %1 sur %1, partie terminée : %2</translation>
    </message>
    <message>
        <source>game over: %1</source>
        <extracomment>Read after a cell once the game has ended; %1 is the result, such as &quot;White has won the game&quot;.</extracomment>
        <translation>partie terminée : %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>tessera: needs a graphical session, and cannot open Wayland display &quot;%1&quot;</source>
        <translation>tessera: nécessite une session graphique et ne peut pas ouvrir l&apos;affichage Wayland «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and cannot open display &quot;%1&quot; nor Wayland display &quot;%2&quot;</source>
        <translation>tessera: nécessite une session graphique et ne peut ouvrir ni l&apos;affichage «&#xa0;%1&#xa0;» ni l&apos;affichage Wayland «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and no display is set (%1)</source>
        <translation>tessera: nécessite une session graphique, mais aucun affichage n&apos;est défini (%1)</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and no display is set (%1 or %2)</source>
        <translation>tessera: nécessite une session graphique, mais aucun affichage n&apos;est défini (%1 ou %2)</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and cannot open display &quot;%1&quot;</source>
        <translation>tessera: nécessite une session graphique et ne peut pas ouvrir l&apos;affichage «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
</TS>
