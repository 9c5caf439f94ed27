#include "platform/DialogUnits.h"

#include <QFontMetrics>
#include <QStringList>

namespace {

// The average width is taken over the 52 letters, rounded to the nearest pixel.
int AverageCharWidth(const QFontMetrics& metrics)
{
    const int nLetters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return (nLetters / 26 + 1) / 2;
}

} // namespace

CDialogUnits::CDialogUnits(const QFont& font)
    : CDialogUnits(AverageCharWidth(QFontMetrics(font)), QFontMetrics(font).height())
{
}

CDialogUnits::CDialogUnits(int nCharWidth, int nCharHeight)
    : m_nCharWidth(nCharWidth)
    , m_nCharHeight(nCharHeight)
{
}

QRect CDialogUnits::Rect(int x, int y, int cx, int cy) const
{
    return QRect(QPoint(X(x), Y(y)), QPoint(X(x + cx) - 1, Y(y + cy) - 1));
}

QFont DialogFont()
{
    // The layout was drawn for a font whose average letter is 6 x 13 pixels at 96 dpi.
    // Where that font is missing, the condensed DejaVu measures the same; where both are
    // missing the platform's substitute is used, and the window grows with its letters.
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setFamilies(
        QStringList { QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans Condensed") });
    return font;
}
