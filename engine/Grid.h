#pragma once

// The largest board side; the grid is always this size, whatever the board's.
constexpr int kMaxBoardSize = 40;
// The board sides the game offers, smallest first.
constexpr int kBoardSizes[] = { 8, 10, 20, 40 };

// Player colours. A cell is occupied when its value is greater than kEmpty.
enum : int { kEmpty = 0, kWhite = 1, kBlack = 2, kRed = 3, kGreen = 4 };
constexpr int kMaxPlayers = 4;

// Cells indexed [x][y]: the 40 cells of one column lie next to each other.
using Grid = int[kMaxBoardSize][kMaxBoardSize];
