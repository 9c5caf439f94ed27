#pragma once

#include "engine/Grid.h"
#include "engine/InlineList.h"
#include "engine/MoveInfo.h"

// One record per board cell, in scan order (row by row, each row left to right).
using MoveInfoList = CInlineList<MoveInfo, kMaxBoardSize * kMaxBoardSize>;

// The rules snapshot: for one colour and one state of the board, whether the colour may
// place a disc on each cell and where each line it would capture ends. It judges a copy of
// the grid taken at construction and is immutable afterwards; the board replaces it at
// every change of turn rather than patching it.
class CMoveRules {
public:
    // Judges every cell of the N x N board for nPlayer. N may be 0 (no records) up to
    // kMaxBoardSize; anything larger would read outside the grid and throws.
    CMoveRules(const Grid& grid, int nSize, int nPlayer);
    CMoveRules(const CMoveRules&) = delete;
    CMoveRules& operator=(const CMoveRules&) = delete;

    // Both queries index the record y * N + x. Callers check the cell lies on the board;
    // an index naming no record is a programming error and throws std::out_of_range.
    int IsLegal(int x, int y) const;
    const MoveInfo* GetMoveInfo(int x, int y) const;

    MoveInfoList m_cells;
    int m_nSize = 0;
    int m_nPlayer = 0;
    // Capturing lines over all cells: greater than 0 exactly when the colour can move.
    int m_nLines = 0;
    // Board cells holding 0 or less, whatever the colour.
    int m_nEmpty = 0;
    Grid m_nGrid;

private:
    void ScanCell(int x, int y);
    MoveInfo* AddMoveInfo();
    const MoveInfo& Record(int x, int y) const;
};
