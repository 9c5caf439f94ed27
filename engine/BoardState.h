#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "engine/CellPosList.h"
#include "engine/Grid.h"
#include "engine/MoveRules.h"

// The one game in progress, without any window: the board, whose turn it is, the pointer
// cell, the rules snapshot of the colour to move and the discs still to be turned. The
// board widget derives from it and adds the window side.
class CBoardState {
public:
    CBoardState() = default;
    CBoardState(const CBoardState&) = delete;
    CBoardState& operator=(const CBoardState&) = delete;
    virtual ~CBoardState() = default;

    // Empties all 1600 cells, also those beyond the current board.
    void ClearBoard();
    // Lays the start block for nPlayers (2, 3 or 4; any other count an empty block) at the
    // offset that m_nBoardSize gives. Cells outside the block are not touched.
    void SetStartPosition(int nPlayers);
    // 1 when no two discs on the board differ in colour, an empty board included.
    int HasOneColourLeft() const;
    // Places the mover's disc on (x, y), which the snapshot calls legal, and queues every
    // enclosed disc, nearest first, then each line's closing disc. The colour to move and
    // the snapshot are left as they are; the turn controller moves on once the queue is
    // empty.
    void ApplyMove(int x, int y);
    // Replaces the snapshot by one for the grid as it stands and the colour to move.
    void RebuildRules();
    // Discs of each colour on the board; index colour - 1.
    void CountDiscs(int counts[kMaxPlayers]) const;

    // Whether the board has cells at all: a side the grid cannot hold, or 0, has none.
    bool HasCells() const { return m_nBoardSize >= 1 && m_nBoardSize <= kMaxBoardSize; }
    // Whether (x, y) is a cell of the board.
    bool OnBoard(int x, int y) const
    {
        return HasCells() && x >= 0 && x < m_nBoardSize && y >= 0 && y < m_nBoardSize;
    }
    // The one cell key, row by row: (x, y) is y * side + x among the side * side cells, as
    // the rules snapshot numbers its records.
    static int CellIndex(int x, int y, int nSide) { return y * nSide + x; }
    static CellPos CellAt(int nIndex, int nSide) { return { nIndex % nSide, nIndex / nSide }; }
    // Whether the rules let the colour to move place a disc on (x, y): the snapshot, taken of
    // this very board, calls the cell legal. Whether a click is awaited is not asked.
    bool IsLegalMove(int x, int y) const
    {
        return m_pRules && m_pRules->m_nSize == m_nBoardSize && OnBoard(x, y)
            && m_pRules->IsLegal(x, y) == 1;
    }
    // Whether a click on (x, y) plays it now: the turn awaits a click and the move is legal.
    // The markers show exactly these cells, and a click, the computer's included, plays no
    // other.
    bool AcceptsClick(int x, int y) const { return m_bAwaitingClick == 1 && IsLegalMove(x, y); }
    // The legal cells column by column from the left, each column from the top: the order in
    // which the computer player draws from them, which makes a game replay.
    std::vector<CellPos> LegalMoves() const;
    // The legal cell after (bForward) or before `from` in that order, wrapping round at
    // either end; from a cell off the board, the first (the last). None when nothing is legal.
    std::optional<CellPos> NextLegalMove(CellPos from, bool bForward) const;
    // The discs a disc on (x, y) turns for the colour of the snapshot: the cells between it
    // and each captured line's closing disc. 0 where it captures nothing, or off the board.
    // Still the move's own count once it is placed, until the snapshot is rebuilt.
    int DiscsTurnedBy(int x, int y) const;

    int m_nBoardSize = 8;
    Grid m_nGrid {};
    int m_nComputerPlayers = 0;
    // How well the computer plays, 0 (Very Easy, the random choice) to 4 (Very Difficult).
    int m_nComputerSkill = 0;
    int m_nCurrentPlayer = kWhite;
    int m_nPlayers = 2;
    // The pointer cell; off the board until the pointer first moves over it.
    int m_nCellX = -1;
    int m_nCellY = -1;
    std::unique_ptr<CMoveRules> m_pRules;
    int m_bAwaitingClick = 1;
    CellPosList m_flips;
    // Raised by every new game, so that work begun for one game (a tick waiting in a
    // message box) can tell that the game it was working on is gone.
    unsigned m_nGeneration = 0;
};

// Top-left offset of the start block for a board side: centred on the four sizes the
// game offers, 0 for any other.
int StartBlockOffset(int nBoardSize);
