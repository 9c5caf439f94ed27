#include <gtest/gtest.h>

#include <climits>

#include "engine/BoardState.h"
#include "engine/PixelMap.h"
#include "engine/SharedRandom.h"
#include "tests/engine/BoardRows.h"

// The placed disc shows at once; the captured ones are only queued, each line's enclosed
// discs nearest first and then its closing disc, line by line in direction order. Further
// moves judged by the same snapshot queue behind the pending flips.
TEST(ApplyMove, QueuesEveryLineInDirectionOrder)
{
    const struct {
        const char* name;
        Rows board;
        int player;
        std::vector<Cell> moves;
        std::vector<Cell> queue;
    } cases[] = { { "first move", kStart8[0], kWhite, { { 4, 2 } }, { { 4, 3 }, { 4, 4 } } },
        // Down comes before right, whatever the lines' lengths.
        { "two directions, three enclosed",
            { ".WWWB.", "W.....", "B.....", "......", "......", "......" }, kBlack, { { 0, 0 } },
            { { 0, 1 }, { 0, 2 }, { 1, 0 }, { 2, 0 }, { 3, 0 }, { 4, 0 } } },
        { "three directions", kStart8[2], kWhite, { { 4, 2 } },
            { { 4, 3 }, { 4, 4 }, { 3, 2 }, { 2, 2 }, { 3, 3 }, { 2, 4 } } },
        { "same cell twice, then another", kStart8[0], kWhite, { { 4, 2 }, { 4, 2 }, { 5, 3 } },
            { { 4, 3 }, { 4, 4 }, { 4, 3 }, { 4, 4 }, { 4, 3 }, { 3, 3 } } } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CBoardState board;
        board.m_nBoardSize = static_cast<int>(c.board.size());
        PutRows(board.m_nGrid, c.board);
        board.m_nCurrentPlayer = c.player;
        board.RebuildRules();
        Rows expected = c.board;
        for (const auto& [x, y] : c.moves) {
            board.ApplyMove(x, y);
            expected[y][x] = CellLetter(c.player);
        }
        EXPECT_EQ(GetRows(board.m_nGrid, board.m_nBoardSize), expected);
        EXPECT_EQ(Queue(board.m_flips), c.queue);
        EXPECT_EQ(board.m_bAwaitingClick, 0);
    }
}

TEST(PixelToCell, MapsEachPixelToTheCellDrawnAroundIt)
{
    const struct {
        int pixel, extent, cells, expected;
    } cases[] = { { 49, 400, 8, 0 }, { 50, 400, 8, 1 }, { 210, 400, 8, 4 }, { 110, 400, 8, 2 },
        { 399, 400, 8, 7 }, { 39, 400, 10, 0 }, { 40, 400, 10, 1 }, { 399, 400, 10, 9 },
        { 19, 400, 20, 0 }, { 20, 400, 20, 1 }, { 229, 400, 40, 22 }, { 230, 400, 40, 23 },
        { 399, 400, 40, 39 }, { 0, 400, 40, 0 },
        // Off the board: callers reject these cells.
        { 400, 400, 40, 40 }, { 400, 400, 8, 8 }, { 800, 400, 8, 16 },
        // Truncation goes toward zero, so the strip just left of the board gives column 0.
        { -1, 400, 8, 0 }, { -49, 400, 8, 0 }, { -50, 400, 8, -1 }, { -400, 400, 40, -40 },
        // Divided first, in double precision: 15 / 22 * 22 falls just short of 15, and
        // 13 / 22 * 22 in single precision just short of 13.
        { 15, 22, 22, 14 }, { 13, 22, 22, 13 },
        // A widget with no size, or a result beyond int, gives no cell.
        { 10, 0, 8, -1 }, { 10, -400, 8, -1 }, { INT_MAX, 1, 40, -1 }, { INT_MIN, 1, 40, -1 } };
    for (const auto& c : cases)
        EXPECT_EQ(PixelToCell(c.pixel, c.extent, c.cells), c.expected)
            << c.pixel << " of " << c.extent << " over " << c.cells << " cells";
}

// Nothing else in this program draws, so the first draw comes from the start state.
TEST(SharedRandom, FirstDrawsOfTheProcess)
{
    EXPECT_EQ(CSharedRandom::State(), 1u);
    std::vector<int> drawn;
    for (int i = 0; i < 5; ++i)
        drawn.push_back(CSharedRandom::Next());
    EXPECT_EQ(drawn, (std::vector<int> { 41, 18467, 6334, 26500, 19169 }));
    CSharedRandom::SetState(1);
    EXPECT_EQ(CSharedRandom::Next(), 41);
    CSharedRandom::SetState(1);
}

TEST(SharedRandom, IndexSplitsTheDrawRangeEvenly)
{
    // The first draw that picks each index, for two to four items.
    const std::vector<int> firsts[]
        = { { 0, 16384 }, { 0, 10923, 21845 }, { 0, 8192, 16384, 24576 } };
    for (const auto& f : firsts) {
        const int count = static_cast<int>(f.size());
        for (int i = 0; i < count; ++i) {
            EXPECT_EQ(RandomIndex(f[i], count), i) << f[i] << " of " << count;
            if (i > 0) {
                EXPECT_EQ(RandomIndex(f[i] - 1, count), i - 1) << f[i] - 1 << " of " << count;
            }
        }
    }
    EXPECT_EQ(RandomIndex(41, 3), 0);
    for (int count = 1; count <= 1600; ++count)
        ASSERT_EQ(RandomIndex(CSharedRandom::kMax, count), count - 1) << count;
    // Every item is picked by floor(32768 / count) values of r, or one more.
    for (int count : { 1, 3, 5, 7, 40, 64, 1600 }) {
        std::vector<int> hits(count);
        for (int r = 0; r <= CSharedRandom::kMax; ++r)
            ++hits.at(RandomIndex(r, count));
        for (int h : hits)
            EXPECT_TRUE(h == 32768 / count || h == 32768 / count + 1) << count << ": " << h;
    }
}
