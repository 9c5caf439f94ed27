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

// What a screen reader hears as it happens; what it reads of the board itself is in
// view/ViewTexts.h. A move: %1 the colour, %2 the column, %3 the row (both from 1), %4 the
// discs it turns.
constexpr const char* kMoveAnnouncementFormat = "%1 plays column %2, row %3, turning %4 discs";
constexpr const char* kMoveAnnouncementOneDisc = "%1 plays column %2, row %3, turning 1 disc";
// The turn has passed on: %1 the colour to move, %2 the colours on the board with their discs,
// each as kCountFormat (%1 the colour, %2 its discs), in colour order.
constexpr const char* kTurnAnnouncementFormat = "%1 to move; %2";
constexpr const char* kCountFormat = "%1 %2";
// A new game: %1 the board's side, %2 the number of players, %3 who the computer plays
// (kComputerPlaysFormat with the colours, or kNoComputerPlayer), %4 the colour that begins.
constexpr const char* kNewGameAnnouncementFormat
    = "New game, %1 by %1, %2 players, %3; %4 moves first";
constexpr const char* kComputerPlaysFormat = "the computer plays %1";
constexpr const char* kNoComputerPlayer = "no computer player";
// Between the items of a list, and before its last item.
constexpr const char* kListSeparator = ", ";
constexpr const char* kLastListSeparator = " and ";
