#include "tests/flow/FlowFixture.h"

namespace {

using ClickPathTest = FlowTest;

TEST_F(ClickPathTest, EveryClickStoresTheCellAndRepaintsButOnlyALegalOneMoves)
{
    struct Case {
        int n;
        QPoint pixel;
        Cell cell;
        Flips flips; // empty: nothing placed
    };
    const Case cases[] = {
        { 8, { 210, 110 }, { 4, 2 }, { { 4, 3 }, { 4, 4 } } },
        { 8, { 100, 100 }, { 2, 2 }, {} }, // empty, but captures nothing
        { 8, { 160, 160 }, { 3, 3 }, {} }, // occupied
        { 8, { 400, 150 }, { 8, 3 }, {} }, // the pixel x = W maps to x = N
        { 8, { 150, -60 }, { 3, -1 }, {} }, { 40, { 399, 399 }, { 39, 39 }, {} },
        { 10, { 120, 200 }, { 3, 5 }, { { 4, 5 }, { 5, 5 } } }, // 120 / 400 * 10 is exactly 3
    };
    ShowBoard();
    for (const Case& c : cases) {
        m_board.StartGame(2, c.n, 0, kWhite);
        Rows expected = GetRows(m_board.m_nGrid, c.n);
        if (!c.flips.empty())
            expected[c.cell.second][c.cell.first] = 'W';
        const int paints = Paints();

        m_board.OnLButtonDown(0, c.pixel);

        EXPECT_EQ(Cell(m_board.m_nCellX, m_board.m_nCellY), c.cell);
        EXPECT_EQ(Paints(), paints + 1);
        EXPECT_EQ(PendingFlips(), c.flips);
        EXPECT_EQ(GetRows(m_board.m_nGrid, c.n), expected);
        EXPECT_EQ(m_board.m_bAwaitingClick, c.flips.empty() ? 1 : 0);
    }
}

// A colour that has moved must not move again while its discs turn: neither on another
// cell that the turn's snapshot still calls legal nor on the cell it has just played.
TEST_F(ClickPathTest, ClickWhileDiscsAreTurningChangesOnlyThePointerCell)
{
    ShowBoard();
    for (const Cell& second : { Cell { 5, 3 }, Cell { 4, 2 } }) {
        m_board.StartGame(2, 8, 0, kWhite);
        Click(4, 2);
        const Rows grid = GetRows(m_board.m_nGrid, 8);
        const Flips flips = PendingFlips();
        const int paints = Paints();

        Click(second.first, second.second);

        EXPECT_EQ(GetRows(m_board.m_nGrid, 8), grid);
        EXPECT_EQ(PendingFlips(), flips);
        EXPECT_EQ(Cell(m_board.m_nCellX, m_board.m_nCellY), second);
        EXPECT_EQ(Paints(), paints + 1);

        Tick(static_cast<int>(flips.size()));
        const Rows afterMove = {
            "........",
            "........",
            "....W...",
            "...WW...",
            "...BW...",
            "........",
            "........",
            "........",
        };
        EXPECT_EQ(GetRows(m_board.m_nGrid, 8), afterMove);
        EXPECT_EQ(m_board.m_nCurrentPlayer, kBlack);
    }
}

TEST_F(ClickPathTest, ClickBeforeTheFirstGamePlacesNothing)
{
    CBoardCtrl board;
    board.OnLButtonDown(0, QPoint(210, 110));
    EXPECT_EQ(Cell(board.m_nCellX, board.m_nCellY), Cell(4, 2));
    EXPECT_EQ(board.m_flips.GetCount(), 0);
    EXPECT_EQ(GetRows(board.m_nGrid, 8), Rows(8, "........"));
}

} // namespace
