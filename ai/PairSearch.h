#pragma once

#include <vector>

#include "ai/Bitboard8.h"
#include "ai/SearchTypes.h"

// The search for two players on the 8 x 8 board: principal-variation search with iterative
// deepening, a transposition table and ordered moves, over an evaluation of mobility,
// corners, edges and parity; an exact solver for the last empty cells.
class CPairSearch {
public:
    CPairSearch() = default;

    // The best cell for the mover (own) against the other colour; nCell -1 when the mover
    // has no legal cell.
    SearchResult Run(bitboard8::Bits own, bitboard8::Bits other, const SearchLimits& limits,
        const std::atomic<bool>* pStop);

    // The static value of a position for the mover, in hundredths of a disc or so; public for
    // the reference players of the match program.
    static int Evaluate(bitboard8::Bits own, bitboard8::Bits other);

private:
    struct Entry {
        bitboard8::Bits own = 0;
        bitboard8::Bits other = 0;
        short nScore = 0;
        signed char nDepth = -1;
        signed char nBound = 0;
        signed char nBest = -1;
    };

    int Child(bitboard8::Bits own, bitboard8::Bits other, int cell, int depth, int alpha, int beta,
        bool first);
    int Search(bitboard8::Bits own, bitboard8::Bits other, int depth, int alpha, int beta);
    int Solve(bitboard8::Bits own, bitboard8::Bits other, int alpha, int beta, bool passed);
    int OrderMoves(bitboard8::Bits own, bitboard8::Bits other, bitboard8::Bits moves, int best,
        int* cells, bool deep) const;
    Entry& Slot(bitboard8::Bits own, bitboard8::Bits other);

    std::vector<Entry> m_table;
    CSearchBudget* m_pBudget = nullptr;
};
