#include "flow/BoardCtrl.h"

#include <QMouseEvent>

#include "engine/PixelMap.h"
#include "view/BoardAccessible.h"
#include "view/BoardPainter.h"

CBoardCtrl* g_pBoard = nullptr;

CBoardCtrl::CBoardCtrl(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(kBoardPixels, kBoardPixels);
    g_pBoard = this;
    InstallBoardAccessible();
}

CBoardCtrl::~CBoardCtrl()
{
    if (g_pBoard == this)
        g_pBoard = nullptr;
}

void CBoardCtrl::Redraw() { repaint(); }

void CBoardCtrl::mousePressEvent(QMouseEvent* event)
{
    m_bKeyboardPointer = false;
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

    // A move whose discs are still turning owns the turn: the snapshot still calls the
    // turn's other cells legal, and a second disc would give the colour a second move.
    const bool onBoard = x >= 0 && x < m_nBoardSize && y >= 0 && y < m_nBoardSize;
    if (onBoard && m_flips.IsEmpty() && m_pRules && m_pRules->IsLegal(x, y) == 1)
        ApplyMove(x, y);
    Redraw();
}
