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

} // namespace AppTexts
