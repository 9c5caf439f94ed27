#pragma once

#include "engine/Grid.h"

// Everything the game flow shows to the players, in one place. The spelling is the game's
// own and stays as it is.

// Index colour - 1.
constexpr const char* kColourNames[kMaxPlayers] = { "White", "Black", "Red", "Green" };

// One score line: the colour's name, then its discs and the cells of the board. The name is
// padded to five letters, so that Red's numbers start where the other names' do.
constexpr const char* kScoreFormat = "%-5s %d / %d";
// Appended, without a blank, to the line of the colour to move.
constexpr const char* kPlayingMarker = "<Playing>";

// %s is the colour's name.
constexpr const char* kPassFormat = "%s has no choise, it will have to skip his/her turn.";
constexpr const char* kPassCaption = "No Choise";
// Text and caption alike.
constexpr const char* kWonFormat = "%s has won the game";
constexpr const char* kNoWinnerText = "More then 1 player has won.";
constexpr const char* kNoWinnerCaption = "We have no single winner";

// The computer player found no cell to play: text and caption alike.
constexpr const char* kProblemText = "PROBLEM";
