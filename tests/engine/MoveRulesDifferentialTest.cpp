#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "engine/BoardState.h"
#include "tests/engine/BoardRows.h"

// CMoveRules, and the board's legal cells in the computer's order, cross-checked against a
// second, deliberately plain derivation of the rule on thousands of random boards.

namespace {

// The board as the reference sees it: its own N x N cells, row by row, and nothing beyond.
struct Board {
    int n;
    std::vector<int> cells;

    bool On(int x, int y) const { return x >= 0 && y >= 0 && x < n && y < n; }
    int At(int x, int y) const { return cells[y * n + x]; }
};

// The disc that closes the line leaving (x, y) along (dx, dy), walked one cell per call.
std::optional<Cell> Closer(const Board& b, int player, int x, int y, int dx, int dy, bool enclosing)
{
    x += dx;
    y += dy;
    if (!b.On(x, y) || b.At(x, y) == 0)
        return std::nullopt;
    if (b.At(x, y) == player)
        return enclosing ? std::optional<Cell>(Cell { x, y }) : std::nullopt;
    return Closer(b, player, x, y, dx, dy, true);
}

struct Judgement {
    EndMap ends;
    int lines = 0;
    int empty = 0;
};

Judgement Rederive(const Board& b, int player)
{
    Judgement j;
    for (int y = 0; y < b.n; ++y) {
        for (int x = 0; x < b.n; ++x) {
            if (b.At(x, y) > 0)
                continue;
            ++j.empty;
            for (const auto& d : kCompass) {
                if (auto end = Closer(b, player, x, y, d[0], d[1], false)) {
                    j.ends[{ x, y }].push_back(*end);
                    ++j.lines;
                }
            }
        }
    }
    return j;
}

} // namespace

TEST(MoveRulesDifferential, AgreesWithPlainRederivationOnRandomBoards)
{
    constexpr int kBoards = 3000;
    const int standardSizes[] = { 8, 10, 20, 40 };
    const int oddValues[] = { -3, -1, 5, 7 };
    for (int i = 0; i < kBoards; ++i) {
        std::mt19937 rng(20240 + i);
        auto below = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
        const int n = i % 6 < 4 ? standardSizes[i % 6] : 1 + below(kMaxBoardSize);
        const int colours = 2 + i % 3;
        const bool odd = i % 7 == 0;
        const int emptyPercent = 5 + below(75);

        Board board { n, std::vector<int>(n * n) };
        CBoardState state;
        state.m_nBoardSize = n;
        Grid& grid = state.m_nGrid;
        for (int x = 0; x < kMaxBoardSize; ++x) {
            for (int y = 0; y < kMaxBoardSize; ++y) {
                // Beyond the board the grid holds discs, which the rules must never see.
                int v = 1 + below(colours);
                if (x < n && y < n) {
                    if (below(100) < emptyPercent)
                        v = 0;
                    else if (odd && below(100) < 15)
                        v = oddValues[below(4)];
                    board.cells[y * n + x] = v;
                }
                grid[x][y] = v;
            }
        }
        for (int player = kWhite; player <= kGreen; ++player) {
            SCOPED_TRACE("board " + std::to_string(i) + ", size " + std::to_string(n) + ", player "
                + std::to_string(player));
            state.m_nCurrentPlayer = player;
            state.RebuildRules();
            const Judgement expected = Rederive(board, player);
            Rows map = GetRows(grid, n);
            std::vector<CellPos> legal; // column by column, as the map's keys run
            for (const auto& [cell, ends] : expected.ends) {
                map[cell.second][cell.first] = '*';
                legal.push_back({ cell.first, cell.second });
            }
            ASSERT_EQ(state.m_pRules->m_cells.GetCount(), n * n);
            ASSERT_EQ(LegalMap(*state.m_pRules), map);
            ASSERT_EQ(Ends(*state.m_pRules), expected.ends);
            ASSERT_EQ(state.m_pRules->m_nLines, expected.lines);
            ASSERT_EQ(state.m_pRules->m_nEmpty, expected.empty);
            ASSERT_EQ(state.LegalMoves(), legal);
            // Page Down and Up: round at the ends, and from off the board the first cell.
            const size_t count = legal.size(), k = count ? rng() % count : 0;
            ASSERT_EQ(
                state.NextLegalMove({ -1, 0 }, true), count ? legal[0] : std::optional<CellPos>());
            if (count == 0)
                continue;
            ASSERT_EQ(state.NextLegalMove(legal[k], true), legal[(k + 1) % count]);
            ASSERT_EQ(state.NextLegalMove(legal[k], false), legal[(k + count - 1) % count]);
            ASSERT_EQ(state.NextLegalMove({ legal[k].x, legal[k].y + 1 }, false),
                legal[k].y + 1 < n ? legal[k] : legal.back());
        }
    }
}
