#include "flow/BoardCtrl.h"

#include <QMouseEvent>

#include "engine/PixelMap.h"

void CBoardCtrl::mouseMoveEvent(QMouseEvent* event)
{
    OnMouseMove(0, event->position());
    QWidget::mouseMoveEvent(event);
}

// The cell is stored whatever it is, on the board or not; its readers ask the board. No
// notice of the pointer leaving is asked for, so the last cell stays highlighted after it has gone.
void CBoardCtrl::OnMouseMove(unsigned, const QPointF& point)
{
    m_nCellX = PixelToCell(point.x(), width(), m_nBoardSize);
    m_nCellY = PixelToCell(point.y(), height(), m_nBoardSize);
    m_bPointerMovedByKeys = false;
    // Also within one cell: the board is repainted at every move.
    Redraw();
}
