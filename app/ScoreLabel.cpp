#include "app/ScoreLabel.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

CScoreLabel::CScoreLabel(QWidget* pParent)
    : QLabel(pParent)
{
    // "<Playing>" is text, never markup.
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QFont CScoreLabel::FittedFont() const
{
    QFont fitted = font();
    const int nWidth = contentsRect().width();
    // One pixel of height at a time, from the window's own size down: the largest that fits.
    for (int nPixels = QFontInfo(fitted).pixelSize(); nPixels > 1; --nPixels) {
        if (QFontMetrics(fitted).horizontalAdvance(text()) <= nWidth)
            break;
        fitted.setPixelSize(nPixels - 1);
    }
    return fitted;
}

void CScoreLabel::paintEvent(QPaintEvent* pEvent)
{
    const QFont fitted = FittedFont();
    if (fitted == font()) {
        QLabel::paintEvent(pEvent);
        return;
    }
    QPainter painter(this);
    painter.setFont(fitted);
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), palette(),
        isEnabled(), text(), foregroundRole());
}
