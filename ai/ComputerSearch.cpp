#include "ai/ComputerSearch.h"

#include <algorithm>

#include "ai/GroupSearch.h"
#include "ai/PairSearch.h"

namespace {

bool IsPairBoard(int nSize, int nPlayers) { return nSize == 8 && nPlayers == 2; }

} // namespace

SearchLimits LimitsFor(int nLevel, int nSize, int nPlayers)
{
    const int level = std::clamp(nLevel, static_cast<int>(kEasy), static_cast<int>(kVeryDifficult));
    if (IsPairBoard(nSize, nPlayers)) {
        // Easy looks one move ahead and Normal four; Difficult and Very Difficult go as deep
        // as their budgets allow and solve the last ten and sixteen cells.
        static constexpr SearchLimits kPair[] = {
            { 10'000, 1, 0 },
            { 5'000, 4, 0 },
            { 60'000, 60, 10 },
            { 700'000, 60, 16 },
        };
        return kPair[level - kEasy];
    }
    // Larger boards cost more per position: a node of a 40 x 40 board's search walks about
    // four times the frontier of a 10 x 10 one.
    static constexpr SearchLimits kGroup[] = {
        { 10'000, 1, 0 },
        { 4'000, 2, 0 },
        { 40'000, 4, 0 },
        { 300'000, 60, 0 },
    };
    SearchLimits limits = kGroup[level - kEasy];
    limits.nNodes = limits.nNodes * 10 / std::max(nSize, 10);
    // With three or four colours, searches of six plies and more scored less than those of
    // four or five against the same opponents in matches on 10 x 10, whatever their budget;
    // Very Difficult stops at five.
    if (nPlayers > 2)
        limits.nMaxDepth = std::min(limits.nMaxDepth, 5);
    return limits;
}

ComputerMove FindComputerMove(
    const SearchPosition& position, int nLevel, const std::atomic<bool>* pStop, GroupMode groupMode)
{
    ComputerMove move;
    const Grid& grid = *position.pGrid;
    const SearchLimits limits = LimitsFor(nLevel, position.nSize, position.nPlayers);
    if (IsPairBoard(position.nSize, position.nPlayers)) {
        bitboard8::Bits own = 0;
        bitboard8::Bits other = 0;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                const int v = grid[x][y];
                if (v == position.nColour)
                    own |= bitboard8::Bit(y * 8 + x);
                else if (v > kEmpty)
                    other |= bitboard8::Bit(y * 8 + x);
            }
        CPairSearch search;
        move.stats = search.Run(own, other, limits, pStop);
        if (move.stats.nCell >= 0) {
            move.x = move.stats.nCell % 8;
            move.y = move.stats.nCell / 8;
        }
        return move;
    }
    CSearchBoard board(grid, position.nSize, position.nPlayers);
    CGroupSearch search;
    // With two colours both forms are the same minimax search.
    const GroupMode mode = position.nPlayers == 2 ? GroupMode::Paranoid : groupMode;
    move.stats = search.Run(board, position.nColour, mode, limits, pStop);
    if (move.stats.nCell >= 0) {
        move.x = board.X(move.stats.nCell);
        move.y = board.Y(move.stats.nCell);
        move.stats.nCell = move.y * position.nSize + move.x;
    }
    return move;
}
