#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "tests/view/ViewFixture.h"

namespace {

constexpr QRgb kFrameBlue = qRgb(0, 0, 255);

class KeyboardPlay : public ViewFixture {
protected:
    void SetUp() override
    {
        m_board.show();
        m_board.activateWindow();
        QApplication::processEvents();
    }
    void Key(Qt::Key key)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&m_board, &press);
    }
    void Move(QPoint pixel)
    {
        QMouseEvent move(QEvent::MouseMove, pixel, m_board.mapToGlobal(pixel), Qt::NoButton,
            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&m_board, &move);
    }
};

// The pointer cell (2, 4), reached by the mouse or by the keys: the keys add the frame over
// the grid lines around it, and only while the board has the focus.
TEST_F(KeyboardPlay, FrameShowsOnlyWhileFocusedAfterAKey)
{
    struct Case {
        bool focus, keys, mouseAfter, blurAfter, frame;
    };
    const Case cases[] = {
        { true, true, false, false, true },
        { false, true, false, false, false },
        { true, false, false, false, false },
        { true, true, true, false, false },
        { true, true, false, true, false },
    };
    SetPosition(8, kStart8[0], kWhite);
    const QPoint middle(125, 225);
    Move(middle);
    const QImage mouse = Shot();
    const QRect outer(100, 200, 51, 51);
    const QRect inner = outer.adjusted(2, 2, -2, -2);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.focus << c.keys << c.mouseAfter << c.blurAfter);
        Move(middle);
        if (c.focus)
            m_board.setFocus();
        else
            m_board.clearFocus();
        if (c.keys) {
            Key(Qt::Key_Left);
            Key(Qt::Key_Right);
        }
        if (c.mouseAfter)
            Move(middle);
        if (c.blurAfter)
            m_board.clearFocus();
        ASSERT_EQ(m_board.hasFocus(), c.focus && !c.blurAfter);

        const QImage shot = Shot();
        int wrong = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const bool ring = c.frame && outer.contains(x, y) && !inner.contains(x, y);
                wrong += shot.pixel(x, y) != (ring ? kFrameBlue : mouse.pixel(x, y));
            }
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(KeyboardPlay, BoardReadsAsATableOfNamedCells)
{
    struct Case {
        int bAwaitingClick, x, y;
        const char* name;
    };
    const Case cases[] = {
        { 1, 0, 0, "column 1, row 1: White" },
        { 1, 1, 0, "column 2, row 1: Black" },
        { 1, 3, 0, "column 4, row 1: empty, legal move, turns 2 discs" },
        { 1, 4, 2, "column 5, row 3: empty, legal move, turns 1 disc" },
        { 1, 7, 7, "column 8, row 8: empty" },
        // While discs turn nothing is marked, and nothing is called legal.
        { 0, 3, 0, "column 4, row 1: empty" },
    };
    const Rows rows = { "WBB.....", "........", "........", "...WB...", "...BW..." };
    for (const Case& c : cases) {
        SetPosition(8, rows, kBlack, c.bAwaitingClick);
        m_board.m_nCurrentPlayer = kWhite;
        m_board.RebuildRules();
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&m_board);
        ASSERT_TRUE(board && board->tableInterface());
        EXPECT_EQ(board->role(), QAccessible::Table);
        EXPECT_EQ(board->text(QAccessible::Name), "Board, 8 by 8, White to move");
        QAccessibleInterface* cell = board->tableInterface()->cellAt(c.y, c.x);
        ASSERT_TRUE(cell);
        EXPECT_EQ(cell->role(), QAccessible::ListItem);
        EXPECT_EQ(cell->text(QAccessible::Name), c.name);
        EXPECT_EQ(board->child(c.y * 8 + c.x), cell);
        EXPECT_EQ(board->indexOfChild(cell), c.y * 8 + c.x);
        EXPECT_EQ(board->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
    }

    // The largest side, and the pointer cell as the focused cell: with no legal cell the
    // first arrow goes to (0, 0), Right then to (1, 0), whose number among the table's
    // children the focus event carries.
    SetPosition(40, {}, kWhite);
    m_board.setFocus();
    Key(Qt::Key_Down);
    Key(Qt::Key_Right);
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&m_board);
    EXPECT_EQ(board->childCount(), 1600);
    EXPECT_EQ(board->child(1599)->text(QAccessible::Name), "column 40, row 40: empty");
    ASSERT_TRUE(board->focusChild());
    EXPECT_EQ(board->focusChild(), board->tableInterface()->cellAt(0, 1));
    EXPECT_EQ(board->indexOfChild(board->focusChild()), 1);
    EXPECT_TRUE(board->focusChild()->state().focused);
    // The focused cell tells nothing of the turn, which a screen reader would read after the
    // cell at every arrow key; once the game is over, it and the board's name give the result.
    EXPECT_EQ(board->focusChild()->text(QAccessible::Description), "");
    m_board.m_bGameOver = true;
    EXPECT_EQ(board->focusChild()->text(QAccessible::Description),
        "game over: More then 1 player has won.");
    EXPECT_EQ(board->text(QAccessible::Name), "Board, 40 by 40, game over: More then 1 player has won.");
    EXPECT_EQ(board->child(0)->text(QAccessible::Description), "");
    m_board.m_bGameOver = false;

    // Points just left of the board or above it are no cell.
    const QRect first = board->child(0)->rect();
    EXPECT_EQ(board->childAt(first.left() - 5, first.center().y()), nullptr);
    EXPECT_EQ(board->childAt(first.center().x(), first.top() - 5), nullptr);

    // A game on a smaller board forgets the cells it no longer has; the others stay.
    const QAccessible::Id gone = QAccessible::uniqueId(board->child(1599));
    const QAccessible::Id kept = QAccessible::uniqueId(board->child(1));
    m_board.StartGame(2, 8, 0, kWhite);
    EXPECT_EQ(QAccessible::accessibleInterface(gone), nullptr);
    EXPECT_EQ(QAccessible::accessibleInterface(kept), board->child(1));
}

} // namespace
