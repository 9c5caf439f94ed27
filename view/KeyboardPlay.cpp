#include "view/KeyboardPlay.h"

#include <algorithm>
#include <optional>

#include <QKeyEvent>
#include <QPainter>

#include "engine/PixelMap.h"
#include "flow/BoardCtrl.h"
#include "flow/FlowTexts.h"
#include "platform/Announce.h"

namespace {

// Apart from every disc colour, the markers and the capture lines, and dark enough to stand
// out on the light picture.
constexpr QRgb kKeyboardFrame = qRgb(0, 0, 255);
constexpr int kFrameWidth = 2;

// The legal cell after (bForward) or before the pointer cell, as long as a click is awaited:
// Page Down and Page Up go only to marked cells.
std::optional<CellPos> StepLegalCell(const CBoardState& board, bool bForward)
{
    const auto cell = board.NextLegalMove({ board.m_nCellX, board.m_nCellY }, bForward);
    return cell && board.AcceptsClick(cell->x, cell->y) ? cell : std::nullopt;
}

} // namespace

void DrawKeyboardFrame(const CBoardState& board, QImage& surface)
{
    const int n = board.m_nBoardSize;
    const int x = board.m_nCellX;
    const int y = board.m_nCellY;
    if (!board.OnBoard(x, y))
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

bool CBoardCtrl::ShowsKeyboardFrame() const { return m_bPointerMovedByKeys && hasFocus(); }

void CBoardCtrl::keyPressEvent(QKeyEvent* event)
{
    // Keys held with Ctrl, Alt or Shift keep whatever meaning the window gives them.
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && OnKeyDown(event->key()))
        return;
    QWidget::keyPressEvent(event);
}

bool CBoardCtrl::OnKeyDown(int nKey)
{
    if (!HasCells())
        return false;
    const int n = m_nBoardSize;
    const bool onBoard = OnBoard(m_nCellX, m_nCellY);
    const auto moveTo = [this](const CellPos& cell) {
        m_nCellX = cell.x;
        m_nCellY = cell.y;
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
        if (const auto next = StepLegalCell(*this, nKey == Qt::Key_PageDown))
            moveTo(*next);
        break;
    case Qt::Key_Space:
        m_bPointerMovedByKeys = true;
        // Exactly a click on the cell, with all of the click path's rules. A screen reader
        // hears the move from there, or else that the cell cannot be played now.
        if (onBoard && !IsLegalMove(m_nCellX, m_nCellY))
            Announce(*this, [] { return FlowTr(kNotLegalAnnouncement); });
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
            // The first arrow goes to the first legal cell, or to the corner.
            moveTo(StepLegalCell(*this, true).value_or(CellPos { 0, 0 }));
        }
    }
    m_bPointerMovedByKeys = true;
    Redraw();
    NotifyPointerCellFocus();
    return true;
}
