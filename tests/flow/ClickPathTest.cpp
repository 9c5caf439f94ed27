#include <QKeyEvent>

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

// Keys on the board, one letter each: arrows L R U D, n Page Down, p Page Up, ' ' Space,
// S Shift+Right, which the board passes on. From a new game, or the position given: where
// the pointer cell ends and what was queued.
TEST_F(ClickPathTest, KeysMoveThePointerCellAndSpacePlaysItThroughTheClickPath)
{
    struct Case {
        int players, n;
        std::string keys;
        Cell cell;
        Flips flips; // empty: nothing placed
        Cell played = { -1, -1 }; // where White was placed, if not on the pointer cell
    };
    // White's legal cells, in the computer player's order: (2, 4), (3, 5), (4, 2), (5, 3) on
    // the two-player 8 x 8; (18, 22), (20, 18), (20, 22), (22, 18), (22, 22) on the
    // four-player 40 x 40.
    const Case cases[] = {
        { 2, 8, "D", { 2, 4 }, {} }, // the first arrow goes to the first legal cell
        { 2, 8, "DLLLUUUUU", { 0, 0 }, {} },
        { 2, 8, "DRRRRRRRRDDDD", { 7, 7 }, {} },
        { 2, 8, "nn", { 3, 5 }, {} },
        { 2, 8, "p", { 5, 3 }, {} },
        { 2, 8, " ", { -1, -1 }, {} }, // no pointer cell yet
        { 2, 8, "DR ", { 3, 4 }, {} }, // occupied
        { 2, 8, "n ", { 2, 4 }, { { 3, 4 }, { 4, 4 } } },
        // (3, 5) is legal in the turn's snapshot, but the turn's disc is still turning.
        { 2, 8, "n DR ", { 3, 5 }, { { 3, 4 }, { 4, 4 } }, { 2, 4 } },
        { 2, 8, "n n", { 2, 4 }, { { 3, 4 }, { 4, 4 } } }, // nothing marked while turning
        { 4, 40, "n ", { 18, 22 }, { { 18, 21 }, { 18, 20 } } },
        { 4, 40, "p ", { 22, 22 }, { { 21, 21 }, { 20, 20 } } },
        { 4, 40, "p" + std::string(20, 'R') + std::string(20, 'D'), { 39, 39 }, {} },
        { 2, 8, "DS", { 2, 4 }, {} },
    };
    const std::map<char, Qt::Key> keys = { { 'L', Qt::Key_Left }, { 'R', Qt::Key_Right },
        { 'U', Qt::Key_Up }, { 'D', Qt::Key_Down }, { 'n', Qt::Key_PageDown },
        { 'p', Qt::Key_PageUp }, { ' ', Qt::Key_Space }, { 'S', Qt::Key_Right } };
    ShowBoard();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.n << " \"" << c.keys << '"');
        m_board.StartGame(c.players, c.n, 0, kWhite);
        m_board.m_nCellX = m_board.m_nCellY = -1;
        Rows expected = GetRows(m_board.m_nGrid, c.n);
        const Cell played = c.played.first >= 0 ? c.played : c.cell;
        if (!c.flips.empty())
            expected[played.second][played.first] = 'W';

        for (char key : c.keys) {
            QKeyEvent press(
                QEvent::KeyPress, keys.at(key), key == 'S' ? Qt::ShiftModifier : Qt::NoModifier);
            QCoreApplication::sendEvent(&m_board, &press);
            EXPECT_EQ(press.isAccepted(), key != 'S') << key;
        }

        EXPECT_EQ(Cell(m_board.m_nCellX, m_board.m_nCellY), c.cell);
        EXPECT_EQ(PendingFlips(), c.flips);
        EXPECT_EQ(GetRows(m_board.m_nGrid, c.n), expected);
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
