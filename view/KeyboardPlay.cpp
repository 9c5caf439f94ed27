#include "view/KeyboardPlay.h"

#include <algorithm>

#include <QKeyEvent>
#include <QPainter>

#include "engine/PixelMap.h"
#include "flow/BoardCtrl.h"
#include "view/BoardAccessible.h"

namespace {

// Apart from every disc colour, the markers and the capture lines, and dark enough to stand
// out on the light picture.
constexpr QRgb kKeyboardFrame = qRgb(0, 0, 255);
constexpr int kFrameWidth = 2;

bool OnBoard(const CBoardState& board, int x, int y)
{
    const int n = board.m_nBoardSize;
    return x >= 0 && x < n && y >= 0 && y < n;
}

} // namespace

bool IsMarkedLegal(const CBoardState& board, int x, int y)
{
    const CMoveRules* rules = board.m_pRules.get();
    return board.m_bAwaitingClick == 1 && rules && rules->m_nSize == board.m_nBoardSize
        && OnBoard(board, x, y) && rules->IsLegal(x, y) == 1;
}

int StepMarkedCell(const CBoardState& board, int nFrom, int nStep)
{
    const int n = board.m_nBoardSize;
    if (n < 1 || n > kMaxBoardSize)
        return -1;
    const int count = n * n;
    const int start = nFrom >= 0 ? nFrom : (nStep > 0 ? -1 : count);
    for (int k = 1; k <= count; ++k) {
        const int i = ((start + k * nStep) % count + count) % count;
        if (IsMarkedLegal(board, i / n, i % n))
            return i;
    }
    return -1;
}

void DrawKeyboardFrame(const CBoardState& board, QImage& surface)
{
    const int n = board.m_nBoardSize;
    const int x = board.m_nCellX;
    const int y = board.m_nCellY;
    if (n < 1 || n > kMaxBoardSize || !OnBoard(board, x, y))
        return;
    // In board pixels: the painter scales them to a finer buffer.
    const qreal scale = std::max<qreal>(1, surface.devicePixelRatio());
    const int cellW = qRound(surface.width() / scale) / n;
    const int cellH = qRound(surface.height() / scale) / n;
    // From the grid line on the cell's left (top) to the one on its right (bottom), both
    // included; the far one of the last cell lies beyond the board and is clipped.
    const QRect outer(x * cellW, y * cellH, cellW + 1, cellH + 1);
    QPainter painter(&surface);
    const QColor colour(kKeyboardFrame);
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), kFrameWidth), colour);
    painter.fillRect(
        QRect(outer.left(), outer.bottom() - kFrameWidth + 1, outer.width(), kFrameWidth), colour);
    painter.fillRect(QRect(outer.left(), outer.top(), kFrameWidth, outer.height()), colour);
    painter.fillRect(
        QRect(outer.right() - kFrameWidth + 1, outer.top(), kFrameWidth, outer.height()), colour);
}

bool CBoardCtrl::ShowsKeyboardFrame() const { return m_bKeyboardPointer && hasFocus(); }

void CBoardCtrl::keyPressEvent(QKeyEvent* event)
{
    // Keys held with Ctrl, Alt or Shift keep whatever meaning the window gives them.
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && OnKeyDown(event->key()))
        return;
    QWidget::keyPressEvent(event);
}

bool CBoardCtrl::OnKeyDown(int nKey)
{
    const int n = m_nBoardSize;
    if (n < 1 || n > kMaxBoardSize)
        return false;
    const bool onBoard = OnBoard(*this, m_nCellX, m_nCellY);
    const auto moveTo = [this, n](int index) {
        m_nCellX = index / n;
        m_nCellY = index % n;
    };
    int dx = 0;
    int dy = 0;
    switch (nKey) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
        if (const int next = StepMarkedCell(
                *this, onBoard ? m_nCellX * n + m_nCellY : -1, nKey == Qt::Key_PageDown ? 1 : -1);
            next >= 0)
            moveTo(next);
        break;
    case Qt::Key_Space:
        m_bKeyboardPointer = true;
        // Exactly a click on the cell, with all of the click path's rules.
        if (onBoard)
            OnLButtonDown(
                0, QPoint(CellToPixel(m_nCellX, width(), n), CellToPixel(m_nCellY, height(), n)));
        return true;
    default:
        return false;
    }
    if (dx != 0 || dy != 0) {
        if (onBoard) {
            m_nCellX = std::clamp(m_nCellX + dx, 0, n - 1);
            m_nCellY = std::clamp(m_nCellY + dy, 0, n - 1);
        } else {
            moveTo(std::max(0, StepMarkedCell(*this, -1, 1)));
        }
    }
    m_bKeyboardPointer = true;
    Redraw();
    NotifyPointerCellFocus(*this);
    return true;
}
