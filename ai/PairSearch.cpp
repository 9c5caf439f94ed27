#include "ai/PairSearch.h"

#include <algorithm>

using bitboard8::Bit;
using bitboard8::Bits;
using bitboard8::Count;
using bitboard8::Flips;
using bitboard8::LegalCells;

namespace {

constexpr int kWin = 30000;
constexpr int kInfinity = 32000;
constexpr int kTableBits = 18;
enum : signed char { kExact = 0, kLower = 1, kUpper = 2 };

constexpr Bits kCorners = 0x8100000000000081ull;
// The cells diagonally next to a corner, and the two beside it on the edges.
constexpr Bits kXCells = 0x0042000000004200ull;
constexpr Bits kCCells = 0x4281000000008142ull;
constexpr Bits kEdges = 0xFF818181818181FFull;

// Each corner with the three cells that give it away while it is empty.
struct CornerZone {
    Bits corner;
    Bits x;
    Bits c;
};
constexpr CornerZone kZones[4] = {
    { Bit(0), Bit(9), Bit(1) | Bit(8) },
    { Bit(7), Bit(14), Bit(6) | Bit(15) },
    { Bit(56), Bit(49), Bit(48) | Bit(57) },
    { Bit(63), Bit(54), Bit(55) | Bit(62) },
};

Bits Neighbours(Bits b)
{
    constexpr Bits notFirst = 0xFEFEFEFEFEFEFEFEull;
    constexpr Bits notLast = 0x7F7F7F7F7F7F7F7Full;
    const Bits h = ((b << 1) & notFirst) | ((b >> 1) & notLast) | b;
    return (h | (h << 8) | (h >> 8)) & ~b;
}

// Edge discs that nothing can turn: runs along an edge anchored in an own corner.
int StableEdgeDiscs(Bits own)
{
    int stable = 0;
    // Each edge as (corner, step) from both ends.
    constexpr int kWalks[8][2] = { { 0, 1 }, { 7, -1 }, { 56, 1 }, { 63, -1 }, { 0, 8 },
        { 56, -8 }, { 7, 8 }, { 63, -8 } };
    for (const auto& walk : kWalks) {
        int cell = walk[0];
        for (int i = 0; i < 7 && (own & Bit(cell)); ++i, cell += walk[1])
            ++stable;
    }
    return stable;
}

// The value of a finished game for the mover: any win beats any unfinished position.
int FinalScore(Bits own, Bits other)
{
    const int diff = Count(own) - Count(other);
    return diff > 0 ? kWin + diff : diff < 0 ? -kWin + diff : 0;
}

} // namespace

int CPairSearch::Evaluate(Bits own, Bits other)
{
    const Bits empty = ~(own | other);
    const int empties = Count(empty);
    const int ownMoves = Count(LegalCells(own, other));
    const int otherMoves = Count(LegalCells(other, own));
    int score = 0;
    // Mobility, as a share so that a few moves against none weigh more than 20 against 18.
    score += 120 * (ownMoves - otherMoves) / (ownMoves + otherMoves + 2);
    // Potential mobility: empty cells next to the other's discs are where own moves grow.
    score += 4 * (Count(Neighbours(other) & empty) - Count(Neighbours(own) & empty));
    score += 60 * (Count(own & kCorners) - Count(other & kCorners));
    for (const CornerZone& zone : kZones) {
        if (!(empty & zone.corner))
            continue;
        score -= 25 * (Count(own & zone.x) - Count(other & zone.x));
        score -= 8 * (Count(own & zone.c) - Count(other & zone.c));
    }
    score += 10 * (StableEdgeDiscs(own) - StableEdgeDiscs(other));
    constexpr Bits plainEdges = kEdges & ~kCCells & ~kCorners;
    score += 2 * (Count(own & plainEdges) - Count(other & plainEdges));
    // Late in the game the discs themselves start to count.
    if (empties < 20)
        score += (20 - empties) * (Count(own) - Count(other)) / 4;
    // Parity: with an odd number of empties the mover is the one who will fill the last.
    score += (empties & 1) ? 3 : -3;
    return score;
}

CPairSearch::Entry& CPairSearch::Slot(Bits own, Bits other)
{
    Bits h = own * 0x9E3779B97F4A7C15ull ^ (other + 0x632BE59BD9B4E019ull) * 0xC2B2AE3D27D4EB4Full;
    h ^= h >> 29;
    return m_table[h & (m_table.size() - 1)];
}

int CPairSearch::OrderMoves(Bits own, Bits other, Bits moves, int best, int* cells, bool deep) const
{
    int keys[64];
    int n = 0;
    for (Bits m = moves; m; m &= m - 1) {
        const int cell = __builtin_ctzll(m);
        int key = 0;
        if (cell == best)
            key = 1 << 20;
        else if (deep) {
            // Fewest replies for the other first, corners before all, the cells that give a
            // corner away last.
            const Bits flips = Flips(own, other, cell);
            const Bits ownAfter = own | flips | Bit(cell);
            const Bits otherAfter = other & ~flips;
            key = -16 * Count(LegalCells(otherAfter, ownAfter));
            if (Bit(cell) & kCorners)
                key += 1000;
            if (Bit(cell) & kXCells)
                key -= 200;
        } else {
            key = (Bit(cell) & kCorners) ? 2 : (Bit(cell) & kXCells) ? 0 : 1;
        }
        int i = n++;
        while (i > 0 && keys[i - 1] < key) {
            keys[i] = keys[i - 1];
            cells[i] = cells[i - 1];
            --i;
        }
        keys[i] = key;
        cells[i] = cell;
    }
    return n;
}

int CPairSearch::Child(Bits own, Bits other, int cell, int depth, int alpha, int beta, bool first)
{
    // The first move gets the whole window; the others are first only tested against the
    // best so far, and searched again only when they beat it.
    const Bits flips = Flips(own, other, cell);
    const Bits ownAfter = own | flips | Bit(cell);
    const Bits otherAfter = other & ~flips;
    if (first)
        return -Search(otherAfter, ownAfter, depth, -beta, -alpha);
    const int score = -Search(otherAfter, ownAfter, depth, -alpha - 1, -alpha);
    if (score > alpha && score < beta)
        return -Search(otherAfter, ownAfter, depth, -beta, -score);
    return score;
}

int CPairSearch::Search(Bits own, Bits other, int depth, int alpha, int beta)
{
    if (!m_pBudget->Visit())
        return 0;
    if (depth <= 0)
        return Evaluate(own, other);
    const Bits moves = LegalCells(own, other);
    if (!moves) {
        if (!LegalCells(other, own))
            return FinalScore(own, other);
        return -Search(other, own, depth, -beta, -alpha);
    }

    Entry& entry = Slot(own, other);
    int best = -1;
    if (entry.own == own && entry.other == other) {
        best = entry.nBest;
        if (entry.nDepth >= depth) {
            const int s = entry.nScore;
            if (entry.nBound == kExact || (entry.nBound == kLower && s >= beta)
                || (entry.nBound == kUpper && s <= alpha))
                return s;
        }
    }

    int cells[64];
    const int n = OrderMoves(own, other, moves, best, cells, depth >= 3);
    const int alphaIn = alpha;
    int bestScore = -kInfinity;
    for (int i = 0; i < n; ++i) {
        const int score = Child(own, other, cells[i], depth - 1, alpha, beta, i == 0);
        if (m_pBudget->Out())
            return 0;
        if (score > bestScore) {
            bestScore = score;
            best = cells[i];
        }
        alpha = std::max(alpha, score);
        if (alpha >= beta)
            break;
    }
    entry.own = own;
    entry.other = other;
    entry.nScore = static_cast<short>(bestScore);
    entry.nDepth = static_cast<signed char>(depth);
    entry.nBest = static_cast<signed char>(best);
    entry.nBound = bestScore <= alphaIn ? kUpper : bestScore >= beta ? kLower : kExact;
    return bestScore;
}

int CPairSearch::Solve(Bits own, Bits other, int alpha, int beta, bool passed)
{
    if (!m_pBudget->Visit())
        return 0;
    const Bits moves = LegalCells(own, other);
    if (!moves) {
        if (passed)
            return Count(own) - Count(other);
        return -Solve(other, own, -beta, -alpha, true);
    }
    const int empties = Count(~(own | other));
    int cells[64];
    const int n = OrderMoves(own, other, moves, -1, cells, empties > 6);
    int bestScore = -kInfinity;
    for (int i = 0; i < n; ++i) {
        const Bits flips = Flips(own, other, cells[i]);
        const int score = -Solve(other & ~flips, own | flips | Bit(cells[i]), -beta, -alpha, false);
        if (m_pBudget->Out())
            return 0;
        bestScore = std::max(bestScore, score);
        alpha = std::max(alpha, score);
        if (alpha >= beta)
            break;
    }
    return bestScore;
}

SearchResult CPairSearch::Run(
    Bits own, Bits other, const SearchLimits& limits, const std::atomic<bool>* pStop)
{
    SearchResult result;
    const Bits moves = LegalCells(own, other);
    if (!moves)
        return result;
    int cells[64];
    const int n = OrderMoves(own, other, moves, -1, cells, true);
    result.nCell = cells[0];

    CSearchBudget budget(limits.nNodes, pStop);
    m_pBudget = &budget;
    // A table about the size of the work, so that a short search does not pay for clearing
    // a large one.
    std::size_t slots = 1024;
    while (slots < (std::size_t { 1 } << kTableBits) && static_cast<std::int64_t>(slots) < limits.nNodes)
        slots *= 2;
    m_table.assign(slots, Entry {});

    const int empties = Count(~(own | other));
    for (int depth = 1; depth <= std::min(limits.nMaxDepth, empties); ++depth) {
        // The best cell of the last iteration goes first.
        int alpha = -kInfinity;
        int bestCell = -1;
        for (int i = 0; i < n; ++i) {
            const int score = Child(own, other, cells[i], depth - 1, alpha, kInfinity, i == 0);
            if (budget.Out())
                break;
            if (score > alpha) {
                alpha = score;
                bestCell = cells[i];
            }
        }
        if (budget.Out())
            break;
        result.nCell = bestCell;
        result.nScore = alpha;
        result.nDepth = depth;
        int* const first = std::find(cells, cells + n, bestCell);
        std::rotate(cells, first, first + 1);
        if (alpha >= kWin || alpha <= -kWin)
            break;
    }

    // The end in reach: play the move that solves it best, if the budget lets it finish.
    if (limits.nExactEmpties > 0 && empties <= limits.nExactEmpties && !budget.Out()) {
        int alpha = -65;
        int bestCell = -1;
        for (int i = 0; i < n; ++i) {
            const Bits flips = Flips(own, other, cells[i]);
            const int score = -Solve(other & ~flips, own | flips | Bit(cells[i]), -65, -alpha, false);
            if (budget.Out())
                break;
            if (score > alpha) {
                alpha = score;
                bestCell = cells[i];
            }
        }
        if (!budget.Out() && bestCell >= 0) {
            result.nCell = bestCell;
            result.nScore = alpha;
            result.bExact = true;
        }
    }
    result.nNodes = budget.Nodes();
    result.bStopped = budget.Stopped();
    m_pBudget = nullptr;
    return result;
}
