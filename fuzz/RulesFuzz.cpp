// Fuzzes the rules snapshot and the move application on arbitrary boards: any size from 1 to
// 40, any colour to move, any int in any cell. Every cell's verdict, every end point and
// every queue that ApplyMove builds is compared with a second derivation written here from
// the rule itself, so a fault shows up as a disagreement, not only as a crash.
//
// Input layout: byte 0 the board size, byte 1 the colour to move, then one value per board
// cell in scan order (row by row), then pairs of ints used as query indices. Missing bytes
// read as 0.

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <vector>

#include "ai/SearchBoard.h"
#include "engine/BoardState.h"
#include "engine/MoveRules.h"

namespace {

class CInput {
public:
    CInput(const std::uint8_t* data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    bool AtEnd() const { return m_pos >= m_size; }
    std::uint8_t Byte() { return AtEnd() ? 0 : m_data[m_pos++]; }
    int Int()
    {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= static_cast<std::uint32_t>(Byte()) << (8 * i);
        return static_cast<int>(v);
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// Mostly the values the rule tells apart (empty, each colour, just outside the colour
// range), so that mutations reach real positions; a set top bit brings in any int at all.
int CellValue(CInput& in)
{
    const std::uint8_t b = in.Byte();
    if (b & 0x80)
        return in.Int();
    return b % 8 - 1;
}

[[noreturn]] void Fail(const char* what, int x, int y)
{
    std::fprintf(stderr, "RulesFuzz: %s (cell %d, %d)\n", what, x, y);
    std::abort();
}

#define FUZZ_CHECK(cond, x, y)                                                                     \
    do {                                                                                           \
        if (!(cond))                                                                               \
            Fail(#cond, (x), (y));                                                                 \
    } while (0)

// The eight directions in the order a cell lists its captured lines: up, down, left, right,
// up-left, down-right, down-left, up-right.
constexpr int kSteps[8][2]
    = { { 0, -1 }, { 0, 1 }, { -1, 0 }, { 1, 0 }, { -1, -1 }, { 1, 1 }, { -1, 1 }, { 1, -1 } };

// What a disc of `player` on (x, y) captures, derived from the rule alone: walking outwards,
// only an empty cell stops a line, only the mover's own disc closes it, and it must lie at
// least two steps away; any other value is a disc to enclose. Appends to `queue` every
// enclosed cell, nearest first, then the closing cell, line after line; writes the closing
// cells to `ends` and returns their number. Left out of the coverage feedback: the fuzzer
// is steering the engine, and tracing every comparison here halved its speed.
__attribute__((no_sanitize("coverage"))) int DeriveCaptures(
    const Grid& grid, int n, int player, int x, int y, CellPos ends[8], std::vector<CellPos>& queue)
{
    queue.clear();
    if (grid[x][y] > 0)
        return 0;
    int nEnds = 0;
    for (const auto& step : kSteps) {
        const std::size_t lineStart = queue.size();
        bool closed = false;
        for (int k = 1;; ++k) {
            const int cx = x + k * step[0];
            const int cy = y + k * step[1];
            if (cx < 0 || cy < 0 || cx >= n || cy >= n)
                break;
            const int v = grid[cx][cy];
            if (v == 0)
                break;
            queue.push_back(CellPos { cx, cy });
            if (v == player) {
                closed = k >= 2;
                break;
            }
        }
        if (closed)
            ends[nEnds++] = queue.back();
        else
            queue.resize(lineStart);
    }
    return nEnds;
}

// A query naming no record must throw std::out_of_range and nothing else; one naming a
// record (even for a cell off the board, which callers never ask) must return that record.
void CheckQuery(const CMoveRules& rules, int x, int y)
{
    const long long index = static_cast<long long>(y) * rules.m_nSize + x;
    const bool named = index >= 0 && index < rules.m_cells.GetCount();
    int thrown = 0;
    try {
        const MoveInfo* info = rules.GetMoveInfo(x, y);
        FUZZ_CHECK(named, x, y);
        FUZZ_CHECK(info == &rules.m_cells[static_cast<int>(index)], x, y);
    } catch (const std::out_of_range&) {
        ++thrown;
    }
    try {
        const int legal = rules.IsLegal(x, y);
        FUZZ_CHECK(named, x, y);
        FUZZ_CHECK(legal == rules.m_cells[static_cast<int>(index)].m_bLegal, x, y);
    } catch (const std::out_of_range&) {
        ++thrown;
    }
    FUZZ_CHECK(thrown == (named ? 0 : 2), x, y);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CInput in(data, size);
    const int n = in.Byte() % kMaxBoardSize + 1;
    const int player = in.Byte() % kMaxPlayers + 1;

    // Off the board every cell holds the mover's colour: a walk that ran past the edge
    // would find it and report a capture that the board does not have.
    static Grid grid;
    for (auto& column : grid)
        for (int& cell : column)
            cell = player;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            grid[x][y] = CellValue(in);

    static auto* state = new CBoardState;
    state->m_nBoardSize = n;
    state->m_nCurrentPlayer = player;
    std::memcpy(state->m_nGrid, grid, sizeof(Grid));
    state->m_flips.RemoveAll();
    state->RebuildRules();
    const CMoveRules& rules = *state->m_pRules;

    FUZZ_CHECK(rules.m_nSize == n && rules.m_nPlayer == player, n, player);
    FUZZ_CHECK(rules.m_cells.GetCount() == n * n, n, n);
    FUZZ_CHECK(std::memcmp(rules.m_nGrid, grid, sizeof(Grid)) == 0, n, n);

    // The computer's own board, where the grid holds only what a game can (empty or a
    // colour): the same verdict on every cell, the same discs turned, and back as it was.
    bool bGamePosition = true;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            bGamePosition = bGamePosition && grid[x][y] >= kEmpty && grid[x][y] <= kGreen;
    std::unique_ptr<CSearchBoard> pSearch;
    if (bGamePosition)
        pSearch = std::make_unique<CSearchBoard>(grid, n, kMaxPlayers);

    static std::vector<CellPos> expected;
    CellPos ends[8];
    int nLines = 0;
    int nEmpty = 0;
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const int nEnds = DeriveCaptures(grid, n, player, x, y, ends, expected);
            nLines += nEnds;
            nEmpty += grid[x][y] <= 0;

            const MoveInfo* info = rules.GetMoveInfo(x, y);
            FUZZ_CHECK(info == &rules.m_cells[y * n + x], x, y);
            FUZZ_CHECK(rules.IsLegal(x, y) == (nEnds > 0 ? 1 : 0), x, y);
            FUZZ_CHECK(info->m_bLegal == (nEnds > 0 ? 1 : 0), x, y);
            FUZZ_CHECK(info->m_ends.GetCount() == nEnds, x, y);
            for (int i = 0; i < nEnds; ++i)
                FUZZ_CHECK(info->m_ends[i] == ends[i], x, y);
            if (pSearch) {
                const int cell = pSearch->Index(x, y);
                FUZZ_CHECK(pSearch->IsLegal(cell, player) == (nEnds > 0), x, y);
                if (nEnds > 0) {
                    const std::uint64_t hash = pSearch->Hash();
                    FUZZ_CHECK(pSearch->Play(cell, player) == static_cast<int>(expected.size()) - nEnds, x, y);
                    for (const CellPos& c : expected)
                        FUZZ_CHECK(pSearch->At(pSearch->Index(c.x, c.y)) == player, c.x, c.y);
                    pSearch->Undo();
                    FUZZ_CHECK(pSearch->Hash() == hash && pSearch->At(cell) == kEmpty, x, y);
                }
            }
            if (nEnds == 0)
                continue;

            // The move places one disc and queues; it turns nothing and leaves the turn.
            state->ApplyMove(x, y);
            FUZZ_CHECK(state->m_nGrid[x][y] == player, x, y);
            state->m_nGrid[x][y] = grid[x][y];
            FUZZ_CHECK(std::memcmp(state->m_nGrid, grid, sizeof(Grid)) == 0, x, y);
            FUZZ_CHECK(state->m_nCurrentPlayer == player && state->m_bAwaitingClick == 0, x, y);
            FUZZ_CHECK(state->m_flips.GetCount() == static_cast<int>(expected.size()), x, y);
            for (int i = 0; i < state->m_flips.GetCount(); ++i)
                FUZZ_CHECK(*state->m_flips.GetAt(i) == expected[static_cast<std::size_t>(i)], x, y);
            state->m_flips.RemoveAll();
            state->m_bAwaitingClick = 1;
        }
    }
    FUZZ_CHECK(rules.m_nLines == nLines, n, nLines);
    FUZZ_CHECK(rules.m_nEmpty == nEmpty, n, nEmpty);

    // Indices just outside the records, those that wrap a row, and extremes.
    const int fixedProbes[][2] = { { -1, 0 }, { 0, -1 }, { n * n, 0 }, { 0, n }, { n, n - 1 },
        { n - 1, n - 1 }, { n, 0 }, { -n, 1 }, { INT_MAX, INT_MAX }, { INT_MIN, INT_MIN },
        { INT_MAX, 0 }, { INT_MIN, 1 }, { 0, INT_MAX } };
    for (const auto& p : fixedProbes)
        CheckQuery(rules, p[0], p[1]);
    for (int i = 0; i < 8 && !in.AtEnd(); ++i) {
        const int x = in.Int();
        CheckQuery(rules, x, in.Int());
    }
    return 0;
}
