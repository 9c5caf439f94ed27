#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include "platform/DialogUnits.h"

namespace {

// x * width / 4 and y * height / 8, with a rectangle's four edges converted one by one.
TEST(DialogUnitsTest, ConvertsFromTheFontsCharacterCell)
{
    struct Case {
        int w, h;
        QRect dlu;
        QRect pixels;
    };
    const Case cases[] = {
        { 6, 13, { 180, 7, 268, 246 }, { 270, 11, 402, 400 } },
        { 7, 13, { 180, 7, 268, 246 }, { 315, 11, 469, 400 } },
        { 7, 13, { 15, 30, 140, 120 }, { 26, 48, 245, 195 } },
        // 1 unit high at 13 pixels is a single pixel row.
        { 7, 13, { 15, 80, 150, 1 }, { 26, 130, 262, 1 } },
        { 6, 13, { 13, 220, 70, 20 }, { 19, 357, 105, 33 } },
    };
    for (const Case& c : cases) {
        const CDialogUnits units(c.w, c.h);
        const QRect r = c.dlu;
        EXPECT_EQ(units.Rect(r.x(), r.y(), r.width(), r.height()), c.pixels)
            << c.w << "x" << c.h << " " << r.x() << "," << r.y();
    }
    EXPECT_EQ(CDialogUnits(7, 13).Size(455, 262), QSize(796, 425));
    // The main window's client area and the About box in the layout's own letter size.
    EXPECT_EQ(CDialogUnits(6, 13).Size(455, 262), QSize(682, 425));
    EXPECT_EQ(CDialogUnits(6, 13).Size(214, 175), QSize(321, 284));
}

TEST(DialogUnitsTest, TakesTheDialogFontsAverageLetterAndHeight)
{
    const QFont font = DialogFont();
    const CDialogUnits units(font);
    const QFontMetrics metrics(font);
    EXPECT_EQ(units.CharHeight(), metrics.height());
    // The average over the 52 letters, rounded, lies between the narrowest and widest.
    EXPECT_GE(units.CharWidth(), metrics.horizontalAdvance('i'));
    EXPECT_LE(units.CharWidth(), metrics.horizontalAdvance('W'));
    EXPECT_EQ(font.pointSize(), 8);
    // The condensed DejaVu stands in with the layout's own letter size at 96 dpi.
    if (QFontDatabase::hasFamily(QStringLiteral("DejaVu Sans Condensed"))) {
        EXPECT_EQ(QFontInfo(font).family(), "DejaVu Sans Condensed");
        EXPECT_EQ(units.CharWidth(), 6);
        EXPECT_EQ(units.CharHeight(), 13);
    }
}

} // namespace
