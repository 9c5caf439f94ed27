#include <gtest/gtest.h>

#include <QPainter>

#include "view/XTMemDC.h"

namespace {

QImage Target()
{
    QImage target(40, 30, QImage::Format_RGB32);
    target.fill(qRgb(9, 9, 9));
    return target;
}

} // namespace

TEST(XTMemDC, CopiesTheFilledBufferOutWholeWhenItEnds)
{
    // An empty rectangle stands for the whole target. White, whose QRgb is the no-fill
    // value, must still fill.
    for (QRect rect : { QRect(10, 5, 20, 15), QRect() }) {
        QImage target = Target();
        QImage expected = Target();
        QPainter(&expected).fillRect(rect.isEmpty() ? expected.rect() : rect, Qt::white);
        {
            QPainter dc(&target);
            CXTMemDC memDC(&dc, rect, Rgb(255, 255, 255));
            ASSERT_TRUE(memDC.IsValid());
            EXPECT_EQ(target, Target()) << "drawn before the end";
        }
        EXPECT_EQ(target, expected);
    }
}

TEST(XTMemDC, WithoutASurfaceNothingReachesTheTarget)
{
    QImage target = Target();
    QPainter inactive;
    for (QPainter* dc : { static_cast<QPainter*>(nullptr), &inactive }) {
        CXTMemDC memDC(dc, QRect(0, 0, 10, 10), Rgb(0, 0, 0));
        EXPECT_FALSE(memDC.IsValid());
    }
    EXPECT_EQ(target, Target());
}

// Whole buffer pixels per target pixel, rounded up: at 150 % a truncated ratio would compose
// the board at 100 % and blur it on the way out.
TEST(XTMemDC, BufferHasTheTargetsResolutionRoundedUp)
{
    const struct {
        qreal target;
        int buffer;
    } cases[] = { { 1, 1 }, { 1.25, 2 }, { 1.5, 2 }, { 2, 2 }, { 2.5, 3 } };
    for (const auto& c : cases) {
        QImage target(80, 60, QImage::Format_RGB32);
        target.setDevicePixelRatio(c.target);
        QPainter dc(&target);
        CXTMemDC memDC(&dc, QRect(0, 0, 20, 10), Rgb(0, 0, 0));
        ASSERT_TRUE(memDC.IsValid());
        EXPECT_EQ(memDC.Image().size(), QSize(20, 10) * c.buffer) << c.target;
        EXPECT_EQ(memDC.Image().devicePixelRatio(), c.buffer) << c.target;
    }
}
