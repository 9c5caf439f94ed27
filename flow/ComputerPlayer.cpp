#include "flow/BoardCtrl.h"

#include <QString>

#include "engine/PixelMap.h"
#include "engine/SharedRandom.h"
#include "flow/FlowTexts.h"
#include "platform/MessageBox.h"

void CBoardCtrl::MakeComputerMove()
{
    // The order decides which cell a given random value picks, and so makes games replay.
    const CellPosList candidates = LegalMoves();
    if (candidates.IsEmpty()) {
        const QString problem = FlowTr(kProblemText);
        ShowMessage(problem, problem);
        return;
    }

    const int index = RandomIndex(CSharedRandom::Next(), candidates.GetCount());
    const CellPos chosen = *candidates.GetAt(index);
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
