#pragma once

// What a screen reader says of the board, beside the game flow's texts (flow/FlowTexts.h)
// whose colour names it uses. Columns and rows count from 1 here.

// %1 is the board's side, %2 the colour to move.
constexpr const char* kBoardNameFormat = "Board, %1 by %1, %2 to move";
// %1 the column, %2 the row, %3 what the cell holds: a colour's name or one of the texts below.
constexpr const char* kCellNameFormat = "column %1, row %2: %3";
constexpr const char* kEmptyCell = "empty";
// A marked legal move; %1 is the number of discs it turns.
constexpr const char* kLegalCellFormat = "empty, legal move, turns %1 discs";
constexpr const char* kLegalCellOneDisc = "empty, legal move, turns 1 disc";
// The focused cell's description, which Where Am I reads: %1 is the colour to move.
constexpr const char* kTurnDescriptionFormat = "%1 to move";
