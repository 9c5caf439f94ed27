#include "flow/BoardCtrl.h"

#include <QPainter>

// FIXME: placeholder until the board view lands: a plain fill.
void CBoardCtrl::paintEvent(QPaintEvent*) { OnPaint(); }

void CBoardCtrl::OnPaint()
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::darkGreen);
}
