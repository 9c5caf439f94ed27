#include "flow/BoardCtrl.h"

#include <QMouseEvent>

CBoardCtrl* g_pBoard = nullptr;

CBoardCtrl::CBoardCtrl(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(kBoardPixels, kBoardPixels);
    g_pBoard = this;
}

CBoardCtrl::~CBoardCtrl()
{
    if (g_pBoard == this)
        g_pBoard = nullptr;
}

void CBoardCtrl::Redraw() { repaint(); }

void CBoardCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(0, event->position().toPoint());
    QWidget::mousePressEvent(event);
}

// FIXME: the click path, the computer player, the score lines and new games land with the
// game flow.
void CBoardCtrl::OnLButtonDown(unsigned, const QPoint&) { Redraw(); }
void CBoardCtrl::MakeComputerMove() { }
void CBoardCtrl::UpdateScores() { }
void CBoardCtrl::StartGame(int, int, int, int) { }
