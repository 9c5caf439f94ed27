#include "flow/BoardCtrl.h"

#include <QString>

#include "engine/PixelMap.h"
#include "engine/SharedRandom.h"
#include "flow/FlowTexts.h"
#include "platform/MessageBox.h"

void CBoardCtrl::MakeComputerMove()
{
    // The order decides which cell a given random value picks, and so makes games replay.
    const std::vector<CellPos> candidates = LegalMoves();
    if (candidates.empty()) {
        const QString problem = FlowTr(kProblemText);
        ShowMessage(problem, problem);
        return;
    }

    const int index = RandomIndex(CSharedRandom::Next(), static_cast<int>(candidates.size()));
    const CellPos chosen = candidates[static_cast<size_t>(index)];
    const QRect client = rect();
    // Through the click path, so that a computer move is placed, queued and repainted by
    // the same code as a human one.
    OnLButtonDown(0,
        QPoint(CellToPixel(chosen.x, client.width(), m_nBoardSize),
            CellToPixel(chosen.y, client.height(), m_nBoardSize)));
    // The click made the played cell the pointer cell; a screen reader's focus goes there
    // too, so that Where Am I and the next arrow key start from the computer's move.
    NotifyPointerCellFocus();
}
