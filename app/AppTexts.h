#pragma once

#include "flow/FlowTexts.h"

// Every text of the application shell that a player sees, in one place. Each is marked for
// lupdate with QT_TRANSLATE_NOOP and translated with Tr where it is shown, in the context
// "AppTexts" (the colour names are the game flow's: ColourName in flow/FlowTexts.h). The //:
// lines are what translators read beside each text: what it is, where it shows, the room the
// fixed layout gives it (in the window's 8-point font, about 6 pixels an average letter) and
// what each placeholder holds. scripts/check-ts fails on a text without one.
namespace AppTexts {

inline constexpr CTextContext Tr { "AppTexts" };

// An identifier and a number, not texts: the same in every language.
inline constexpr char kApplicationName[] = "Lumen Tessera Game";
inline constexpr char kApplicationVersion[] = "0.0.0.1";
//: A message box at start-up, on Windows only, when the network layer cannot start.
inline constexpr char kSocketFailure[]
    = QT_TRANSLATE_NOOP("AppTexts", "Windows sockets initialization failed.");

//: The title of the main window.
inline constexpr char kMainCaption[] = QT_TRANSLATE_NOOP("AppTexts", "Lumen: Tessera Tetrad");
//: An item of the window's system menu (Windows only) that opens the About box. & marks the
//: access key.
inline constexpr char kSystemMenuAbout[] = QT_TRANSLATE_NOOP("AppTexts", "&About TesseraV2...");

//: The first menu of the menu bar. & marks the access key.
inline constexpr char kMenuGame[] = QT_TRANSLATE_NOOP("AppTexts", "&Game");
//: An item of the Game menu. & marks the access key; keep the tab and the key after it.
inline constexpr char kMenuOpen[] = QT_TRANSLATE_NOOP("AppTexts", "&Open\tCtrl-O");
//: An item of the Game menu. & marks the access key; keep the tab and the key after it.
inline constexpr char kMenuSave[] = QT_TRANSLATE_NOOP("AppTexts", "&Save\tCtrl-S");
//: An item of the Game menu that ends the program. & marks the access key; keep the tab and
//: the key after it.
inline constexpr char kMenuExit[] = QT_TRANSLATE_NOOP("AppTexts", "&Exit\tCtrl-X");
//: The second item of the menu bar; it opens the About box.
inline constexpr char kMenuAbout[] = QT_TRANSLATE_NOOP("AppTexts", "About");

//: The title of the frame around the settings panel; the help text names it.
inline constexpr char kSettings[] = QT_TRANSLATE_NOOP("AppTexts", "Settings");
//: The label above the list of player counts. Room: 83 pixels, about 13 letters.
inline constexpr char kPlayersLabel[] = QT_TRANSLATE_NOOP("AppTexts", "Players:");
//: The label above the list of board sizes. Room: 83 pixels, about 13 letters.
inline constexpr char kMapSizeLabel[] = QT_TRANSLATE_NOOP("AppTexts", "Map Size:");
//: The label above the list of how many players the computer plays. Room: 128 pixels,
//: about 21 letters; use your language's word for "computer" as everywhere else.
inline constexpr char kComputerPlayersLabel[] = QT_TRANSLATE_NOOP("AppTexts", "Computer Players:");
//: The label above the list of the computer's levels of play. Room: 225 pixels, about 37
//: letters.
inline constexpr char kComputerSkillLabel[]
    = QT_TRANSLATE_NOOP("AppTexts", "Computer Player Inteligence:");
//: A check box: when it is on, each new game draws who moves first. Room: 128 pixels, the
//: box included, so about 18 letters; it stands above "First Player:".
inline constexpr char kRandomFirstPlayer[] = QT_TRANSLATE_NOOP("AppTexts", "Random First Player");
//: The label left of the list of colours that chooses who moves first. Room: 60 pixels,
//: about 10 letters.
inline constexpr char kFirstPlayerLabel[] = QT_TRANSLATE_NOOP("AppTexts", "First Player:");
//: The button that starts a game with the settings above it; the help text names it. Room:
//: 103 pixels, about 17 letters.
inline constexpr char kCreateNewGame[] = QT_TRANSLATE_NOOP("AppTexts", "Create New Game");

// The lists as the window is laid out; the panel rebuilds the first-player and
// computer-player lists for the number of players chosen, from the colour names and from the
// counts below. Each count is a text of its own, "1 Players" too, so that every language
// writes each number as it should (Polish "2 gracze" but "0 graczy", Brazilian "0 jogadores"
// but "1 jogador"), which one plural rule per language cannot always give.
inline constexpr const char* kPlayerCounts[] = {
    //: An entry of the list of player counts, and of the list of how many of them the
    //: computer plays. Room: 183 pixels.
    QT_TRANSLATE_NOOP("AppTexts", "2 Players"),
    //: An entry of the list of player counts, and of the list of how many of them the
    //: computer plays. Room: 183 pixels.
    QT_TRANSLATE_NOOP("AppTexts", "3 Players"),
    //: An entry of the list of player counts, and of the list of how many of them the
    //: computer plays. Room: 183 pixels.
    QT_TRANSLATE_NOOP("AppTexts", "4 Players"),
};
inline constexpr const char* kMapSizes[] = {
    //: An entry of the list of board sizes; keep the size in brackets. Room: 183 pixels.
    QT_TRANSLATE_NOOP("AppTexts", "Classic (8x8)"),
    //: An entry of the list of board sizes; keep the size in brackets. Room: 183 pixels.
    QT_TRANSLATE_NOOP("AppTexts", "Medium (10x10)"),
    //: An entry of the list of board sizes; keep the size in brackets. Room: 183 pixels.
    QT_TRANSLATE_NOOP("AppTexts", "Large (20x20)"),
    //: An entry of the list of board sizes; keep the size in brackets. Room: 183 pixels.
    QT_TRANSLATE_NOOP("AppTexts", "Huge (40x40)"),
};
inline constexpr const char* kComputerPlayerCounts[] = {
    //: An entry of the list of how many players (counted from White) the computer plays:
    //: none. Room: 183 pixels.
    QT_TRANSLATE_NOOP("AppTexts", "0 Players"),
    //: An entry of the list of how many players (counted from White) the computer plays: one,
    //: in the form your language gives one player. Room: 183 pixels.
    QT_TRANSLATE_NOOP("AppTexts", "1 Players"),
    //: An entry of the list of player counts, and of the list of how many of them the
    //: computer plays. Room: 183 pixels.
    QT_TRANSLATE_NOOP("AppTexts", "2 Players"),
    //: An entry of the list of player counts, and of the list of how many of them the
    //: computer plays. Room: 183 pixels.
    QT_TRANSLATE_NOOP("AppTexts", "3 Players"),
    //: An entry of the list of player counts, and of the list of how many of them the
    //: computer plays. Room: 183 pixels.
    QT_TRANSLATE_NOOP("AppTexts", "4 Players"),
};
// The game flow's own skill names, translated with FlowTr: the new-game announcement names
// them too.
using ::kSkillNames;

// A score line until the board's first update; %1 is the colour's name.
//: A score line before the first game: %1 is a colour's name. Room: 123 pixels.
inline constexpr char kInitialScoreFormat[] = QT_TRANSLATE_NOOP("AppTexts", "%1: 0 / 64");

// Asked, with Yes and No, when Enter or Escape would end the program while a screen reader
// runs; the caption is the main window's.
//: Read out by a screen reader when a key would close the game; No is the default answer.
inline constexpr char kEndGameQuestion[]
    = QT_TRANSLATE_NOOP("AppTexts", "End the game and close the program?");

//: The title of the About box.
inline constexpr char kAboutCaption[] = QT_TRANSLATE_NOOP("AppTexts", "About Lumen Tessera");
//: The About box's first line: the name and the version.
inline constexpr char kAboutProduct[]
    = QT_TRANSLATE_NOOP("AppTexts", "Lumen Tessera Tetrad 0.0.0.1 Beta");
//: The About box's copyright line.
inline constexpr char kAboutNotice[]
    = QT_TRANSLATE_NOOP("AppTexts", "Copyright (C) the Lumen Tessera developers");
//: The About box's text, wrapped in its width; use the usual licence wording.
inline constexpr char kAboutLongNotice[] = QT_TRANSLATE_NOOP("AppTexts",
    "A board game for two to four players. It reads and stores nothing on this computer "
    "and comes with no warranty of any kind.");
//: The button that closes a window (the About box and the help window). & marks the access
//: key.
inline constexpr char kAboutClose[] = QT_TRANSLATE_NOOP("AppTexts", "&Close");

// The window F1 opens.
//: The title of the help window, which F1 opens.
inline constexpr char kHelpCaption[] = QT_TRANSLATE_NOOP("AppTexts", "How to play");
//: The button that closes a window (the About box and the help window). & marks the access
//: key.
inline constexpr char kHelpClose[] = QT_TRANSLATE_NOOP("AppTexts", "&Close");
//: The help window's text, in HTML: keep the tags. Name the panel, the button and the colours
//: as the window shows them, the keys as your keyboards label them, and use the same words
//: for a move, a pass and the computer as the rest of the game.
inline constexpr char kHelpText[] = QT_TRANSLATE_NOOP("AppTexts",
    "<p>Players take turns placing a disc of their colour on an empty cell. A disc may only "
    "go where it closes, in at least one of the eight straight directions, a line of other "
    "colours' discs against a disc of the mover's own; every disc so enclosed turns to the "
    "mover's colour, one after another. A player who cannot place a disc passes. The game "
    "ends when the board is full, when only one colour is left or when nobody can move; the "
    "colour with the most discs wins.</p>"
    "<p>The Settings panel chooses the number of players, the board's size, how many of the "
    "players (counted from White) the computer plays, and who begins; "
    "\"Create New Game\" starts a game with them. Below it, a score line for each colour "
    "counts its discs and marks the colour to move.</p>"
    "<p>With the mouse: the marked cells are the legal moves, the lines from the cell under "
    "the pointer show which discs it would capture, and a click plays the cell.</p>"
    "<p>With the keys, while the board has the focus (it is the first stop of Tab):</p>"
    "<ul><li>arrow keys: move the pointer cell;</li>"
    "<li>Page Down / Page Up: go to the next / previous legal cell;</li>"
    "<li>Space: play the pointer cell;</li>"
    "<li>Tab: go to the next control; Enter or Escape: end the program;</li>"
    "<li>F1: open this window.</li></ul>");
// Follows kHelpText as a paragraph of its own.
//: The help window's paragraph on the computer's levels, in HTML: keep the tags. Name the list
//: and its five entries as the settings panel shows them.
inline constexpr char kHelpSkillText[] = QT_TRANSLATE_NOOP("AppTexts",
    "<p>The \"Computer Player Inteligence:\" list sets how well the computer plays. Very Easy "
    "picks a legal cell at random; Easy looks one move ahead; Normal a few moves; Difficult "
    "looks deeper and, in a two-player game on the classic board, plays the end exactly; Very "
    "Difficult looks deepest.</p>");

} // namespace AppTexts
