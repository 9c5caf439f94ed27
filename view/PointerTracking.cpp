#include "flow/BoardCtrl.h"

#include <QMouseEvent>

void CBoardCtrl::mouseMoveEvent(QMouseEvent* event)
{
    OnMouseMove(0, event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

// FIXME: placeholder until the board view lands.
void CBoardCtrl::OnMouseMove(unsigned, const QPoint&) { }
