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
    // Through the click path, so that a computer move is placed, queued, announced and
    // repainted by the same code as a human one. It makes the played cell the pointer cell,
    // so the next arrow key starts from there; a screen reader's focus is not moved, which
    // it would read out after the move, with a turn already gone.
    OnLButtonDown(0,
        QPoint(CellToPixel(chosen.x, client.width(), m_nBoardSize),
            CellToPixel(chosen.y, client.height(), m_nBoardSize)));
}
