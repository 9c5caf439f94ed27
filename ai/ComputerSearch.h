#pragma once

#include <atomic>

#include "ai/GroupSearch.h"
#include "ai/SearchTypes.h"
#include "engine/Grid.h"

// The computer player's skill levels, in the order of the settings panel's list.
enum SkillLevel : int {
    kVeryEasy = 0, // the random choice of the click path; never searched
    kEasy,
    kNormal,
    kDifficult,
    kVeryDifficult,
};
constexpr int kSkillLevels = 5;

// A position the computer is to move in: the game's grid (indexed [x][y]), its side, the
// colours in play and the colour to move.
struct SearchPosition {
    const Grid* pGrid = nullptr;
    int nSize = 8;
    int nPlayers = 2;
    int nColour = kWhite;
};

// The computer's cell, or x = y = -1 when the colour to move has no legal cell.
struct ComputerMove {
    int x = -1;
    int y = -1;
    SearchResult stats;
};

// How the search of a level is bounded on a board: work, never time, so that a level plays
// the same move in the same position in every run and on every machine.
SearchLimits LimitsFor(int nLevel, int nSize, int nPlayers);

// How a level searches for three and four colours.
constexpr GroupMode kGroupMode = GroupMode::BestReply;

// Searches the position at a level above Very Easy (Easy to Very Difficult). Another thread
// may raise *pStop to end the search at once; the answer is then to be dropped. Uses no
// shared state: any number of searches may run at once. The match program may ask for the
// other form of search for three and four colours, to compare the two.
ComputerMove FindComputerMove(const SearchPosition& position, int nLevel,
    const std::atomic<bool>* pStop = nullptr, GroupMode groupMode = kGroupMode);
