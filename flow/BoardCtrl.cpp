#include "flow/BoardCtrl.h"

#include <QMouseEvent>

#include "engine/PixelMap.h"
#include "flow/Announcements.h"
#include "platform/Announce.h"

CBoardCtrl* g_pBoard = nullptr;

void CBoardCtrl::Redraw() { repaint(); }

void CBoardCtrl::mousePressEvent(QMouseEvent* event)
{
    m_bPointerMovedByKeys = false;
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(0, event->position());
    QWidget::mousePressEvent(event);
}

void CBoardCtrl::OnLButtonDown(unsigned, const QPointF& point)
{
    const QRect client = rect();
    const int x = PixelToCell(point.x(), client.width(), m_nBoardSize);
    const int y = PixelToCell(point.y(), client.height(), m_nBoardSize);
    // The painter highlights the clicked cell, on the board or not.
    m_nCellX = x;
    m_nCellY = y;

    // Only a marked cell is played. A move whose discs are still turning owns the turn, and
    // no click is awaited until it has passed: a second disc would give the colour a second
    // move.
    if (AcceptsClick(x, y)) {
        ApplyMove(x, y);
        ++m_nMovesPlayed;
        // One announcement per move, whoever makes it, with the discs it turns: they turn
        // one per tick afterwards, unannounced.
        Announce(*this, [&] { return MoveAnnouncement(*this, x, y); });
    }
    Redraw();
}
