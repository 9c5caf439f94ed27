<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AppTexts</name>
    <message>
        <source>Windows sockets initialization failed.</source>
        <translation>Falha ao inicializar os sockets do Windows.</translation>
    </message>
    <message>
        <source>Lumen: Tessera Tetrad</source>
        <translation>Lumen: Tessera Tetrad</translation>
    </message>
    <message>
        <source>&amp;About TesseraV2...</source>
        <translation>&amp;Sobre o TesseraV2...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;Open	Ctrl-O</source>
        <translation>&amp;Abrir	Ctrl-O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl-S</source>
        <translation>&amp;Salvar	Ctrl-S</translation>
    </message>
    <message>
        <source>&amp;Exit	Ctrl-X</source>
        <translation>Sai&amp;r	Ctrl-X</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Jogadores:</translation>
    </message>
    <message>
        <source>Map Size:</source>
        <translation>Tabuleiro:</translation>
    </message>
    <message>
        <source>Computer Players:</source>
        <translation>Jogadores da máquina:</translation>
    </message>
    <message>
        <source>Computer Player Inteligence:</source>
        <translation>Nível do computador:</translation>
    </message>
    <message>
        <source>Random First Player</source>
        <translation>Sortear o primeiro</translation>
    </message>
    <message>
        <source>First Player:</source>
        <translation>Começa:</translation>
    </message>
    <message>
        <source>Create New Game</source>
        <translation>Nova partida</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 jogadores</translation>
    </message>
    <message>
        <source>3 Players</source>
        <translation>3 jogadores</translation>
    </message>
    <message>
        <source>4 Players</source>
        <translation>4 jogadores</translation>
    </message>
    <message>
        <source>Classic (8x8)</source>
        <translation>Clássico (8x8)</translation>
    </message>
    <message>
        <source>Medium (10x10)</source>
        <translation>Médio (10x10)</translation>
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
        <translation>0 jogadores</translation>
    </message>
    <message>
        <source>1 Players</source>
        <translation>1 jogador</translation>
    </message>
    <message>
        <source>Very Easy</source>
        <translation>Muito fácil</translation>
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
        <translation>Muito difícil</translation>
    </message>
    <message>
        <source>%1: 0 / 64</source>
        <translation>%1: 0 / 64</translation>
    </message>
    <message>
        <source>About Lumen Tessera</source>
        <translation>Sobre o Lumen Tessera</translation>
    </message>
    <message>
        <source>Lumen Tessera Tetrad 0.0.0.1 Beta</source>
        <translation>Lumen Tessera Tetrad 0.0.0.1 beta</translation>
    </message>
    <message>
        <source>Copyright (C) the Lumen Tessera developers</source>
        <translation>© os desenvolvedores do Lumen Tessera</translation>
    </message>
    <message>
        <source>A board game for two to four players. It reads and stores nothing on this computer and comes with no warranty of any kind.</source>
        <translation>Um jogo de tabuleiro para dois a quatro jogadores. Não lê nem grava nada neste computador e não tem nenhum tipo de garantia.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>&lt;p&gt;Players take turns placing a disc of their colour on an empty cell. A disc may only go where it closes, in at least one of the eight straight directions, a line of other colours&apos; discs against a disc of the mover&apos;s own; every disc so enclosed turns to the mover&apos;s colour, one after another. A player who cannot place a disc passes. The game ends when the board is full, when only one colour is left or when nobody can move; the colour with the most discs wins.&lt;/p&gt;&lt;p&gt;The Settings panel chooses the number of players, the board&apos;s size, how many of the players (counted from White) the computer plays, and who begins; &quot;Create New Game&quot; starts a game with them. Below it, a score line for each colour counts its discs and marks the colour to move.&lt;/p&gt;&lt;p&gt;With the mouse: the marked cells are the legal moves, the lines from the cell under the pointer show which discs it would capture, and a click plays the cell.&lt;/p&gt;&lt;p&gt;With the keys, while the board has the focus (it is the first stop of Tab):&lt;/p&gt;&lt;ul&gt;&lt;li&gt;arrow keys: move the pointer cell;&lt;/li&gt;&lt;li&gt;Page Down / Page Up: go to the next / previous legal cell;&lt;/li&gt;&lt;li&gt;Space: play the pointer cell;&lt;/li&gt;&lt;li&gt;Tab: go to the next control; Enter or Escape: end the program;&lt;/li&gt;&lt;li&gt;F1: open this window.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Os jogadores se revezam colocando uma peça da sua cor em uma casa vazia. Uma peça só pode ser colocada onde fecha, em pelo menos uma das oito direções retas, uma linha de peças de outras cores contra uma peça do próprio jogador; cada peça assim cercada passa, uma após a outra, para a cor de quem jogou. Quem não pode colocar nenhuma peça passa a vez. A partida termina quando o tabuleiro está cheio, quando resta só uma cor ou quando ninguém pode jogar; vence a cor com mais peças.&lt;/p&gt;&lt;p&gt;No painel “Configurações” se escolhem o número de jogadores, o tamanho do tabuleiro, quantos dos jogadores (contando a partir do Branco) o computador controla e quem começa; “Nova partida” inicia uma partida com essas escolhas. Abaixo dele, uma linha de placar para cada cor conta suas peças e marca a cor da vez.&lt;/p&gt;&lt;p&gt;Com o mouse: as casas marcadas são as jogadas válidas, as linhas que saem da casa sob o ponteiro mostram quais peças ela viraria, e um clique joga a casa.&lt;/p&gt;&lt;p&gt;Com o teclado, enquanto o tabuleiro tem o foco (é a primeira parada da tecla Tab):&lt;/p&gt;&lt;ul&gt;&lt;li&gt;setas: mover o cursor;&lt;/li&gt;&lt;li&gt;Page Down / Page Up: ir para a casa válida seguinte / anterior;&lt;/li&gt;&lt;li&gt;Espaço: jogar a casa do cursor;&lt;/li&gt;&lt;li&gt;Tab: ir para o próximo controle; Enter ou Esc: sair do programa;&lt;/li&gt;&lt;li&gt;F1: abrir esta janela.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>End the game and close the program?</source>
        <extracomment>Read out by a screen reader when a key would close the game; No is the default answer.</extracomment>
        <translation>Encerrar a partida e fechar o programa?</translation>
    </message>
</context>
<context>
    <name>FlowTexts</name>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
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
        <translation>&lt;vez&gt;</translation>
    </message>
    <message>
        <source>%1 has no choise, it will have to skip his/her turn.</source>
        <extracomment>%1 is a colour&apos;s name: the wording must suit all four.</extracomment>
        <translation>%1 não tem nenhuma jogada possível e precisa passar a vez.</translation>
    </message>
    <message>
        <source>No Choise</source>
        <translation>Sem jogadas</translation>
    </message>
    <message>
        <source>%1 has won the game</source>
        <extracomment>%1 is a colour&apos;s name: the wording must suit all four.</extracomment>
        <translation>%1 venceu a partida</translation>
    </message>
    <message>
        <source>More then 1 player has won.</source>
        <translation>Mais de um jogador venceu.</translation>
    </message>
    <message>
        <source>We have no single winner</source>
        <translation>Não há um vencedor único</translation>
    </message>
    <message>
        <source>PROBLEM</source>
        <translation>PROBLEMA</translation>
    </message>
    <message>
        <source>%1 to move; %2</source>
        <translation>vez de %1; %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>New game, %1 by %1, %2 players, %3; %4 moves first</source>
        <translation>Novo jogo, %1 por %1, %2 jogadores, %3; %4 começa</translation>
    </message>
    <message>
        <source>the computer plays %1</source>
        <translation>o computador joga com %1</translation>
    </message>
    <message>
        <source>no computer player</source>
        <translation>nenhum jogador do computador</translation>
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
            <numerusform>%1: coluna %2, linha %3, %n peça</numerusform>
            <numerusform>%1: coluna %2, linha %3, %n peças</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: column %2, row %3, 1 disc</source>
        <extracomment>Said after every move, the computer&apos;s too: keep it as short as this.</extracomment>
        <translation>%1: coluna %2, linha %3, 1 peça</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Said once when a game ends; %1 is the result, %2 the colours with their discs.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>not a legal move</source>
        <extracomment>Said when the player presses Space on a cell where no disc may go.</extracomment>
        <translation>não é uma jogada válida</translation>
    </message>
</context>
<context>
    <name>ViewTexts</name>
    <message>
        <source>Board, %1 by %1, %2 to move</source>
        <translation>Tabuleiro, %1 por %1, vez de %2</translation>
    </message>
    <message>
        <source>column %1, row %2: %3</source>
        <translation>coluna %1, linha %2: %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
    <message numerus="yes">
        <source>empty, legal move, turns %n discs</source>
        <translation>
            <numerusform>vazia, jogada válida, vira %n peça</numerusform>
            <numerusform>vazia, jogada válida, vira %n peças</numerusform>
        </translation>
    </message>
    <message>
        <source>empty, legal move, turns 1 disc</source>
        <translation>vazia, jogada válida, vira 1 peça</translation>
    </message>
    <message>
        <source>Board, %1 by %1, game over: %2</source>
        <extracomment>The board&apos;s name once its game has ended; %2 is the result, such as &quot;White has won the game&quot;.</extracomment>
        <translation>Tabuleiro, %1 por %1, fim de jogo: %2</translation>
    </message>
    <message>
        <source>game over: %1</source>
        <extracomment>Read after a cell once the game has ended; %1 is the result, such as &quot;White has won the game&quot;.</extracomment>
        <translation>fim de jogo: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>tessera: needs a graphical session, and cannot open Wayland display &quot;%1&quot;</source>
        <translation>tessera: precisa de uma sessão gráfica e não consegue abrir o display Wayland “%1”</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and cannot open display &quot;%1&quot; nor Wayland display &quot;%2&quot;</source>
        <translation>tessera: precisa de uma sessão gráfica e não consegue abrir nem o display “%1” nem o display Wayland “%2”</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and no display is set (%1)</source>
        <translation>tessera: precisa de uma sessão gráfica, mas nenhum display foi definido (%1)</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and no display is set (%1 or %2)</source>
        <translation>tessera: precisa de uma sessão gráfica, mas nenhum display foi definido (%1 ou %2)</translation>
    </message>
    <message>
        <source>tessera: needs a graphical session, and cannot open display &quot;%1&quot;</source>
        <translation>tessera: precisa de uma sessão gráfica e não consegue abrir o display “%1”</translation>
    </message>
</context>
</TS>
