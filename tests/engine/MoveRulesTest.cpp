#include <gtest/gtest.h>

#include <climits>

#include "engine/MoveRules.h"
#include "tests/engine/BoardRows.h"

namespace {

CMoveRules Judge(const Rows& rows, int player)
{
    Grid grid {};
    PutRows(grid, rows);
    return CMoveRules(grid, static_cast<int>(rows.size()), player);
}

} // namespace

// Each case lists every cell with end points; those cells, and no others, must be legal.
TEST(MoveRules, LegalCellsAndEndPointsOfKnownPositions)
{
    const Rows mixedLine = { "WRB.", "....", "....", "...." };
    const struct {
        const char* name;
        Rows board;
        int player;
        EndMap ends;
        int lines;
        int empty;
    } cases[] = { { "two players, White", kStart8[0], kWhite,
                      { { { 4, 2 }, { { 4, 4 } } }, { { 5, 3 }, { { 3, 3 } } },
                          { { 2, 4 }, { { 4, 4 } } }, { { 3, 5 }, { { 3, 3 } } } },
                      4, 60 },
        { "two players, Black", kStart8[0], kBlack,
            { { { 3, 2 }, { { 3, 4 } } }, { { 2, 3 }, { { 4, 3 } } }, { { 5, 4 }, { { 3, 4 } } },
                { { 4, 5 }, { { 4, 3 } } } },
            4, 60 },
        { "three players, Red", kStart8[1], kRed,
            { { { 1, 2 }, { { 3, 4 } } }, { { 3, 2 }, { { 3, 4 } } } }, 2, 58 },
        { "four players, White", kStart8[2], kWhite,
            { { { 4, 2 }, { { 4, 4 }, { 2, 2 }, { 2, 4 } } }, { { 6, 2 }, { { 4, 4 } } },
                { { 2, 6 }, { { 2, 4 } } }, { { 4, 6 }, { { 4, 4 } } },
                { { 6, 6 }, { { 4, 4 } } } },
            7, 52 },
        // A line may enclose several colours; it closes on the mover's nearest disc.
        { "mixed line, White", mixedLine, kWhite, { { { 3, 0 }, { { 0, 0 } } } }, 1, 13 },
        { "mixed line, Red", mixedLine, kRed, { { { 3, 0 }, { { 1, 0 } } } }, 1, 13 },
        { "mixed line, Black", mixedLine, kBlack, {}, 0, 13 },
        // Opponent discs followed by a gap or by the edge, and the mover's own disc adjacent.
        { "no closing disc", { ".B.W.", ".....", "....B", "..B..", "....." }, kWhite, {}, 0, 21 },
        // The corner would capture twice if it were empty.
        { "occupied cell", { "RBW.", "B...", "W...", "...." }, kWhite, {}, 0, 11 },
        // Only 0 stops a line: -1 and 5 are enclosed, and the cell holding -1 is empty.
        { "odd values", { "-5W.", "....", "....", "...." }, kWhite, { { { 0, 0 }, { { 2, 0 } } } },
            1, 14 },
        { "full board", { "WBRG", "BRGW", "RGWB", "GWBR" }, kWhite, {}, 0, 0 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CMoveRules rules = Judge(c.board, c.player);
        Rows map = c.board;
        for (const auto& [cell, ends] : c.ends)
            map[cell.second][cell.first] = '*';
        EXPECT_EQ(LegalMap(rules), map);
        EXPECT_EQ(Ends(rules), c.ends);
        EXPECT_EQ(rules.m_nLines, c.lines);
        EXPECT_EQ(rules.m_nEmpty, c.empty);
    }
}

// Lines that run to the last row or column of every board size, in every direction: one
// that ends in the mover's disc on the edge captures, one that runs off the board does not,
// even with the mover's disc in the grid right beyond the edge.
TEST(MoveRules, LinesEndAtTheEdgeOfEveryBoardSize)
{
    for (int n : { 3, 8, 9, 10, 20, 40 }) {
        for (const auto& d : kCompass) {
            SCOPED_TRACE("size " + std::to_string(n) + ", direction (" + std::to_string(d[0]) + ", "
                + std::to_string(d[1]) + ")");
            // The cell that a line along d from here crosses the whole board from.
            const int sx = d[0] > 0 ? 0 : d[0] < 0 ? n - 1 : n / 2;
            const int sy = d[1] > 0 ? 0 : d[1] < 0 ? n - 1 : n / 2;
            Grid grid {};
            for (int k = 1; k < n; ++k)
                grid[sx + k * d[0]][sy + k * d[1]] = kBlack;
            // The cell one step beyond the edge, where it lies in the grid's memory: a walk
            // that tests the edge a step late reads it (on the 40 x 40 board, the next or
            // previous column).
            const int beyond = (sx + n * d[0]) * kMaxBoardSize + sy + n * d[1];
            if (beyond >= 0 && beyond < kMaxBoardSize * kMaxBoardSize
                && (beyond / kMaxBoardSize >= n || beyond % kMaxBoardSize >= n))
                (&grid[0][0])[beyond] = kWhite;
            EXPECT_EQ(CMoveRules(grid, n, kWhite).m_nLines, 0);

            const int ex = sx + (n - 1) * d[0];
            const int ey = sy + (n - 1) * d[1];
            grid[ex][ey] = kWhite;
            EXPECT_EQ(
                Ends(CMoveRules(grid, n, kWhite)), (EndMap { { { sx, sy }, { { ex, ey } } } }));
        }
    }
}

TEST(MoveRules, FullBoardHasNoEmptyCellAndNoLineForAnyColour)
{
    for (int n : { 8, 10, 20, 40 }) {
        Grid grid {};
        for (int x = 0; x < n; ++x)
            for (int y = 0; y < n; ++y)
                grid[x][y] = (3 * x + y) % 4 + 1;
        for (int player = kWhite; player <= kGreen; ++player) {
            const CMoveRules rules(grid, n, player);
            EXPECT_EQ(rules.m_nEmpty, 0);
            EXPECT_EQ(rules.m_nLines, 0);
            EXPECT_EQ(rules.m_cells.GetCount(), n * n);
        }
    }
}

// The queries check only that y * N + x names a record; an x off the board that still
// names one answers for that record.
TEST(MoveRules, QueriesThrowOnlyForAnIndexWithoutRecord)
{
    const CMoveRules rules = Judge(kStart8[0], kWhite);
    const struct {
        int x, y;
        int index; // -1: no record
    } cases[] = { { 0, 0, 0 }, { 7, 7, 63 }, { 8, 0, 8 }, { -1, 1, 7 }, { 63, 0, 63 },
        { 12, 1, 20 }, { -1, 0, -1 }, { 0, -1, -1 }, { 0, 8, -1 }, { 64, 0, -1 },
        { INT_MAX, INT_MAX, -1 }, { INT_MIN, 0, -1 }, { 0, INT_MIN, -1 } };
    for (const auto& c : cases) {
        SCOPED_TRACE("(" + std::to_string(c.x) + ", " + std::to_string(c.y) + ")");
        if (c.index < 0) {
            EXPECT_THROW(rules.IsLegal(c.x, c.y), std::out_of_range);
            EXPECT_THROW(rules.GetMoveInfo(c.x, c.y), std::out_of_range);
        } else {
            EXPECT_EQ(rules.GetMoveInfo(c.x, c.y), &rules.m_cells[c.index]);
            EXPECT_EQ(rules.IsLegal(c.x, c.y), rules.m_cells[c.index].m_bLegal);
        }
    }
    const Grid empty {};
    EXPECT_THROW(CMoveRules(empty, 0, kWhite).IsLegal(0, 0), std::out_of_range);
}
