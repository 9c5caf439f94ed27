#include <QApplication>
#include <QMouseEvent>

#include "tests/support/QtSupport.h"
#include "tests/view/ViewFixture.h"

class PointerTracking : public ViewFixture {
protected:
    // Hidden widgets receive no pointer moves.
    void SetUp() override
    {
        m_board.show();
        QApplication::processEvents();
    }

    void Move(int x, int y)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, y), m_board.mapToGlobal(QPointF(x, y)),
            Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&m_board, &move);
    }
};

TEST_F(PointerTracking, PixelToCellOnEveryBoardSide)
{
    const struct {
        int n, pixel, cell;
    } cases[]
        = { { 8, 0, 0 }, { 8, 49, 0 }, { 8, 50, 1 }, { 8, 399, 7 }, { 10, 39, 0 }, { 10, 40, 1 },
              { 10, 399, 9 }, { 20, 19, 0 }, { 20, 20, 1 }, { 40, 229, 22 }, { 40, 230, 23 } };
    for (const auto& c : cases) {
        m_board.m_nBoardSize = c.n;
        Move(c.pixel, 399 - c.pixel);
        EXPECT_EQ(m_board.m_nCellX, c.cell) << c.n << ": " << c.pixel;
        Move(399 - c.pixel, c.pixel);
        EXPECT_EQ(m_board.m_nCellY, c.cell) << c.n << ": " << c.pixel;
    }
}

TEST_F(PointerTracking, EveryMoveRepaintsAndTheHighlightOutlastsThePointer)
{
    SetPosition(8, kStart8[2], kWhite);
    EXPECT_TRUE(m_board.hasMouseTracking());
    const QImage before = Shot();
    PaintCounter counter;
    m_board.installEventFilter(&counter);
    // All within cell (4, 2), which captures for White.
    for (int i = 0; i < 4; ++i) {
        Move(205 + i * 10, 110 + i);
        EXPECT_EQ(counter.m_nPaints, i + 1);
        EXPECT_EQ(m_board.m_nCellX, 4);
        EXPECT_EQ(m_board.m_nCellY, 2);
    }
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&m_board, &leave);
    const QImage after = Shot();
    EXPECT_EQ(after.pixel(240, 110), qRgb(0, 240, 240));
    EXPECT_EQ(after.pixel(175, 125), kPurple);
    EXPECT_NE(after, before);
}

// On a scaled screen the pointer arrives between logical pixels. The device pixel just left
// of (or above) a grid line belongs to the cell it is drawn in, for a hover and a click.
TEST_F(PointerTracking, FractionalPositionsOfScaledScreensStayInTheirCell)
{
    // The last device pixel before the line lies this many device pixels before it: one at
    // scale 2; half a one at 1.5, where the board starts at an odd device pixel and every
    // pixel is half a pixel off the logical grid.
    const struct {
        double scale, deviceBefore;
        int n, line; // the grid line at this logical pixel
    } cases[] = { { 2, 1, 8, 50 }, { 2, 1, 40, 230 }, { 1.5, 0.5, 8, 50 }, { 1.5, 0.5, 10, 40 },
        { 1.5, 0.5, 20, 380 } };
    for (const auto& c : cases) {
        m_board.m_nBoardSize = c.n;
        const int cellBefore = c.line * c.n / CBoardCtrl::kBoardPixels - 1;
        const double justBefore = c.line - c.deviceBefore / c.scale;
        for (const double at : { justBefore, double(c.line) }) {
            const int expected = at < c.line ? cellBefore : cellBefore + 1;
            const QPointF point(at, at);
            QMouseEvent move(QEvent::MouseMove, point, m_board.mapToGlobal(point), Qt::NoButton,
                Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(&m_board, &move);
            EXPECT_EQ(m_board.m_nCellX, expected) << c.scale << " " << c.n << " at " << at;
            m_board.m_nCellX = m_board.m_nCellY = -1;
            QMouseEvent press(QEvent::MouseButtonPress, point, m_board.mapToGlobal(point),
                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&m_board, &press);
            EXPECT_EQ(m_board.m_nCellY, expected) << c.scale << " " << c.n << " at " << at;
        }
    }
}
