#include "app/ScoreLabel.h"

#include <QEvent>
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
    const int nWidth = contentsRect().width();
    if (nWidth == m_nFittedWidth && text() == m_fittedText)
        return m_fitted;
    m_fittedText = text();
    m_nFittedWidth = nWidth;
    m_fitted = font();
    // One pixel of height at a time, from the window's own size down: the largest that fits.
    for (int nPixels = QFontInfo(m_fitted).pixelSize(); nPixels > 1; --nPixels) {
        if (QFontMetrics(m_fitted).horizontalAdvance(m_fittedText) <= nWidth)
            break;
        m_fitted.setPixelSize(nPixels - 1);
    }
    return m_fitted;
}

void CScoreLabel::changeEvent(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::FontChange)
        m_nFittedWidth = -1;
    QLabel::changeEvent(pEvent);
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
