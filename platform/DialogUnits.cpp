#include "platform/DialogUnits.h"

#include <QFontMetrics>

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

QFont DialogFont() { return QFont(QStringLiteral("MS Sans Serif"), 8); }
