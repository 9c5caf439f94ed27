#pragma once

#include "flow/FlowTexts.h"

// Every text of the application shell that a player sees, in one place.
namespace AppTexts {

inline constexpr char kApplicationName[] = "Lumen Tessera Game";
inline constexpr char kApplicationVersion[] = "0.0.0.1";
inline constexpr char kSocketFailure[] = "Windows sockets initialization failed.";

inline constexpr char kMainCaption[] = "Lumen: Tessera Tetrad";
inline constexpr char kSystemMenuAbout[] = "&About TesseraV2...";

inline constexpr char kMenuGame[] = "&Game";
inline constexpr char kMenuOpen[] = "&Open\tCtrl-O";
inline constexpr char kMenuSave[] = "&Save\tCtrl-S";
inline constexpr char kMenuExit[] = "&Exit\tCtrl-X";
inline constexpr char kMenuAbout[] = "About";

inline constexpr char kSettings[] = "Settings";
inline constexpr char kPlayersLabel[] = "Players:";
inline constexpr char kMapSizeLabel[] = "Map Size:";
inline constexpr char kComputerPlayersLabel[] = "Computer Players:";
inline constexpr char kComputerSkillLabel[] = "Computer Player Inteligence:";
inline constexpr char kRandomFirstPlayer[] = "Random First Player";
inline constexpr char kFirstPlayerLabel[] = "First Player:";
inline constexpr char kCreateNewGame[] = "Create New Game";

// The lists as the window is laid out; the panel rebuilds the first-player and
// computer-player lists for the number of players chosen.
inline constexpr const char* kPlayerCounts[] = { "2 Players", "3 Players", "4 Players" };
inline constexpr const char* kMapSizes[]
    = { "Classic (8x8)", "Medium (10x10)", "Large (20x20)", "Huge (40x40)" };
inline constexpr const char* kComputerPlayerCounts[]
    = { "0 Players", "1 Players", "2 Players", "3 Players", "4 Players" };
inline constexpr const char* kComputerSkills[]
    = { "Very Easy", "Easy", "Normal", "Difficult", "Very Difficult" };
// The game flow's own colour names.
using ::kColourNames;
// Also "1 Players": the lists are built from this one format.
inline constexpr char kPlayersFormat[] = "%d Players";

// A score line until the board's first update; %s is the colour's name.
inline constexpr char kInitialScoreFormat[] = "%s: 0 / 64";

inline constexpr char kAboutCaption[] = "About Lumen Tessera";
inline constexpr char kAboutProduct[] = "Lumen Tessera Tetrad 0.0.0.1 Beta";
inline constexpr char kAboutNotice[] = "Copyright (C) the Lumen Tessera developers";
inline constexpr char kAboutLongNotice[]
    = "A board game for two to four players. It reads and stores nothing on this computer "
      "and comes with no warranty of any kind.";
inline constexpr char kAboutClose[] = "&Close";

// The window F1 opens.
inline constexpr char kHelpCaption[] = "How to play";
inline constexpr char kHelpClose[] = "&Close";
inline constexpr char kHelpText[]
    = "<p>Players take turns placing a disc of their colour on an empty cell. A disc may only "
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
      "<li>F1: open this window.</li></ul>";

} // namespace AppTexts
