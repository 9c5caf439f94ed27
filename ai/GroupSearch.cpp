#include "ai/GroupSearch.h"

#include <algorithm>

namespace {

constexpr int kWin = 10000000;
constexpr int kInfinity = 2 * kWin;
constexpr int kTableBits = 16;
constexpr int kMaxPly = 64;
enum : signed char { kExact = 0, kLower = 1, kUpper = 2 };
// In best-reply search, the mover that stands for all the other colours at once.
constexpr int kOthers = 0;

// Keys that tell apart the same discs with another colour to move, or with the searching
// colour's move against the others' reply to come.
std::uint64_t MoverKey(int colour) { return 0x5851F42D4C957F2Dull * static_cast<unsigned>(colour + 1); }

} // namespace

void CGroupSearch::Count(const CSearchBoard& board, BoardCensus& census)
{
    census = BoardCensus {};
    const int n = board.Size();
    const int* const dirs = board.Directions();
    unsigned present = 0;
    for (int c = 1; c <= board.Players(); ++c)
        if (board.Discs(c) > 0)
            present |= 1u << c;
    for (const int cell : board.Frontier()) {
        if (board.At(cell) != kEmpty)
            continue;
        // One walk a direction serves every colour: a colour may play here when its first
        // disc along the line comes after at least one disc of another colour.
        unsigned legal = 0;
        for (int d = 0; d < 8; ++d) {
            int p = cell + dirs[d];
            const int first = board.At(p);
            if (first == kEmpty)
                continue;
            ++census.exposed[first];
            unsigned seen = 1u << first;
            // Once every colour on the board has been seen the rest of the line can add
            // nothing: on a crowded 40 x 40 board the lines are long.
            for (p += dirs[d]; board.At(p) != kEmpty && seen != present; p += dirs[d]) {
                const unsigned bit = 1u << board.At(p);
                legal |= bit & ~seen;
                seen |= bit;
            }
        }
        for (int c = 1; c <= kMaxPlayers; ++c)
            census.mobility[c] += (legal >> c) & 1;
    }
    const int cornerXY[4][2] = { { 0, 0 }, { n - 1, 0 }, { 0, n - 1 }, { n - 1, n - 1 } };
    for (const auto& c : cornerXY) {
        const int corner = board.At(board.Index(c[0], c[1]));
        ++census.corners[corner];
        if (corner == kEmpty) {
            ++census.xCells[board.At(board.Index(c[0] == 0 ? 1 : n - 2, c[1] == 0 ? 1 : n - 2))];
            continue;
        }
        const int stepX = c[0] == 0 ? 1 : -1;
        const int stepY = c[1] == 0 ? 1 : -1;
        for (int i = 1; i < n && board.At(board.Index(c[0] + stepX * i, c[1])) == corner; ++i)
            ++census.anchored[corner];
        for (int i = 1; i < n && board.At(board.Index(c[0], c[1] + stepY * i)) == corner; ++i)
            ++census.anchored[corner];
    }
    for (int i = 1; i < n - 1; ++i) {
        ++census.edges[board.At(board.Index(i, 0))];
        ++census.edges[board.At(board.Index(i, n - 1))];
        ++census.edges[board.At(board.Index(0, i))];
        ++census.edges[board.At(board.Index(n - 1, i))];
    }
}

void CGroupSearch::Assess(const CSearchBoard& board, int standing[kMaxPlayers + 1])
{
    BoardCensus census;
    Count(board, census);
    // Discs count for little while the board is open and for everything at its end. A
    // colour down to its last few discs is one capture from being knocked out. The weights
    // were chosen by matches of four colours on 10 x 10.
    const int cells = board.Size() * board.Size();
    const int discWeight = 4 + 8 * (cells - board.Empties()) / cells;
    for (int c = 1; c <= kMaxPlayers; ++c)
        standing[c] = 4 * census.mobility[c] + 60 * census.corners[c] - 25 * census.xCells[c]
            + 8 * census.edges[c] + 20 * census.anchored[c] + discWeight * board.Discs(c)
            - 50 * std::max(0, 4 - board.Discs(c));
}

int CGroupSearch::Evaluate(const CSearchBoard& board, int colour)
{
    if (board.Discs(colour) == 0)
        return -kWin;
    int standing[kMaxPlayers + 1];
    Assess(board, standing);
    // Measured against the others' best and their mean: the leader is the one to beat, but
    // every other colour's gain is a loss of discs or room.
    int best = -kInfinity;
    int sum = 0;
    int others = 0;
    for (int c = 1; c <= board.Players(); ++c)
        if (c != colour && board.Discs(c) > 0) {
            best = std::max(best, standing[c]);
            sum += standing[c];
            ++others;
        }
    return others == 0 ? standing[colour] : standing[colour] - (best + sum / others) / 2;
}

int CGroupSearch::Terminal() const
{
    const CSearchBoard& b = *m_pBoard;
    int top = 0;
    for (int c = 1; c <= b.Players(); ++c)
        if (c != m_nRoot)
            top = std::max(top, b.Discs(c));
    const int own = b.Discs(m_nRoot);
    return own > top ? kWin + own - top : own == top ? 0 : -kWin + own - top;
}

CGroupSearch::Entry& CGroupSearch::Slot(std::uint64_t key)
{
    return m_table[(key ^ (key >> 32)) & (m_table.size() - 1)];
}

int CGroupSearch::Order(int ply, int count, int best)
{
    std::vector<int>& cells = m_cells[ply];
    std::vector<int>& movers = m_movers[ply];
    std::vector<int>& keys = m_keys[ply];
    thread_local std::vector<long long> sortKeys;
    thread_local std::vector<int> oldMovers;
    sortKeys.resize(count);
    for (int i = 0; i < count; ++i) {
        const int cell = cells[i];
        long long key = cell * 8 + movers[i] == best ? 1 << 28 : m_cellWeight[cell] + m_history[cell];
        // The original position breaks ties, so the order never depends on the sort.
        sortKeys[i] = (key << 20) | (0xFFFFF - i);
    }
    std::sort(sortKeys.begin(), sortKeys.end(), std::greater<long long>());
    keys.assign(cells.begin(), cells.begin() + count);
    oldMovers.assign(movers.begin(), movers.begin() + count);
    for (int i = 0; i < count; ++i) {
        const int from = 0xFFFFF - static_cast<int>(sortKeys[i] & 0xFFFFF);
        cells[i] = keys[from];
        movers[i] = oldMovers[from];
    }
    return count;
}

int CGroupSearch::Gather(int ply, int toMove) const
{
    const CSearchBoard& b = *m_pBoard;
    if (toMove != kOthers) {
        const int n = b.LegalCells(toMove, m_cells[ply].data());
        std::fill(m_movers[ply].begin(), m_movers[ply].begin() + n, toMove);
        return n;
    }
    int n = 0;
    for (int c = 1; c <= b.Players(); ++c) {
        if (c == m_nRoot || b.Discs(c) == 0)
            continue;
        const int k = b.LegalCells(c, m_cells[ply].data() + n);
        std::fill(m_movers[ply].begin() + n, m_movers[ply].begin() + n + k, c);
        n += k;
    }
    return n;
}

int CGroupSearch::After(int toMove) const
{
    if (m_mode == GroupMode::Paranoid)
        return toMove % m_pBoard->Players() + 1;
    return toMove == m_nRoot ? kOthers : m_nRoot;
}

int CGroupSearch::Node(int depth, int alpha, int beta, int toMove)
{
    if (!m_pBudget->Visit())
        return 0;
    CSearchBoard& b = *m_pBoard;
    if (depth <= 0)
        return m_evaluate(b, m_nRoot);
    const int ply = m_nPly;
    const int n = Gather(ply, toMove);
    if (n == 0) {
        // A pass costs no depth: somebody else moves, or the game is over.
        if (m_mode == GroupMode::Paranoid) {
            const int next = b.NextMover(toMove);
            return next == 0 ? Terminal() : Node(depth, alpha, beta, next);
        }
        if (toMove == m_nRoot)
            return b.Finished() ? Terminal() : Node(depth, alpha, beta, kOthers);
        return b.CanMove(m_nRoot) ? Node(depth, alpha, beta, m_nRoot) : Terminal();
    }

    const std::uint64_t key = b.Hash() ^ MoverKey(toMove);
    Entry& entry = Slot(key);
    int best = -1;
    if (entry.nKey == key) {
        best = entry.nBest;
        if (entry.nDepth >= depth
            && (entry.nBound == kExact || (entry.nBound == kLower && entry.nScore >= beta)
                || (entry.nBound == kUpper && entry.nScore <= alpha)))
            return entry.nScore;
    }
    Order(ply, n, best);

    const bool maximise = toMove == m_nRoot;
    const int alphaIn = alpha;
    const int betaIn = beta;
    int bestScore = maximise ? -kInfinity : kInfinity;
    const int next = After(toMove);
    for (int i = 0; i < n; ++i) {
        const int cell = m_cells[ply][i];
        const int mover = m_movers[ply][i];
        b.Play(cell, mover);
        ++m_nPly;
        const int score = Node(depth - 1, alpha, beta, next);
        --m_nPly;
        b.Undo();
        if (m_pBudget->Out())
            return 0;
        if (maximise ? score > bestScore : score < bestScore) {
            bestScore = score;
            best = cell * 8 + mover;
        }
        if (maximise)
            alpha = std::max(alpha, score);
        else
            beta = std::min(beta, score);
        if (alpha >= beta) {
            m_history[cell] += depth * depth;
            break;
        }
    }
    entry.nKey = key;
    entry.nScore = bestScore;
    entry.nBest = best;
    entry.nDepth = static_cast<signed char>(depth);
    entry.nBound = bestScore <= alphaIn ? kUpper : bestScore >= betaIn ? kLower : kExact;
    return bestScore;
}

SearchResult CGroupSearch::Run(CSearchBoard& board, int colour, GroupMode mode,
    const SearchLimits& limits, const std::atomic<bool>* pStop)
{
    SearchResult result;
    const int n = board.Size();
    const int room = (kMaxPlayers - 1) * n * n + 8;
    m_cells.assign(kMaxPly, std::vector<int>(room));
    m_movers.assign(kMaxPly, std::vector<int>(room));
    m_keys.assign(kMaxPly, std::vector<int>());
    m_history.assign((n + 2) * (n + 2), 0);
    m_cellWeight.assign((n + 2) * (n + 2), 0);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const bool edgeX = x == 0 || x == n - 1;
            const bool edgeY = y == 0 || y == n - 1;
            const bool nextX = x == 1 || x == n - 2;
            const bool nextY = y == 1 || y == n - 2;
            int w = 0;
            if (edgeX && edgeY)
                w = 1000;
            else if (nextX && nextY)
                w = -500;
            else if ((edgeX && nextY) || (edgeY && nextX))
                w = -100;
            else if (edgeX || edgeY)
                w = 50;
            m_cellWeight[board.Index(x, y)] = w;
        }
    std::size_t slots = 1024;
    while (slots < (std::size_t { 1 } << kTableBits) && static_cast<std::int64_t>(slots) < limits.nNodes)
        slots *= 2;
    m_table.assign(slots, Entry {});

    m_pBoard = &board;
    m_mode = mode;
    m_nRoot = colour;
    m_nPly = 0;
    const int count = board.LegalCells(colour, m_cells[0].data());
    if (count == 0)
        return result;
    std::fill(m_movers[0].begin(), m_movers[0].begin() + count, colour);
    Order(0, count, -1);
    std::vector<int> rootCells(m_cells[0].begin(), m_cells[0].begin() + count);
    result.nCell = rootCells[0];

    CSearchBudget budget(limits.nNodes, pStop);
    m_pBudget = &budget;
    const int next = After(colour);
    for (int depth = 1; depth <= limits.nMaxDepth; ++depth) {
        int alpha = -kInfinity;
        int bestIndex = -1;
        for (int i = 0; i < count; ++i) {
            board.Play(rootCells[i], colour);
            m_nPly = 1;
            const int score = Node(depth - 1, alpha, kInfinity, next);
            board.Undo();
            if (budget.Out())
                break;
            if (score > alpha) {
                alpha = score;
                bestIndex = i;
            }
        }
        if (budget.Out())
            break;
        result.nCell = rootCells[bestIndex];
        result.nScore = alpha;
        result.nDepth = depth;
        std::rotate(rootCells.begin(), rootCells.begin() + bestIndex, rootCells.begin() + bestIndex + 1);
        if (alpha >= kWin || alpha <= -kWin || depth >= board.Empties())
            break;
    }
    result.nNodes = budget.Nodes();
    result.bStopped = budget.Stopped();
    m_pBudget = nullptr;
    m_pBoard = nullptr;
    return result;
}
