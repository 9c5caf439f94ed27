#include "flow/BoardCtrl.h"

#include <QString>

#include "engine/PixelMap.h"
#include "engine/SharedRandom.h"
#include "flow/FlowTexts.h"
#include "platform/MessageBox.h"

void CBoardCtrl::MakeComputerMove()
{
    // Column by column from the left, each column from the top: the order decides which
    // cell a given random value picks, and so makes games replay.
    CellPosList candidates;
    if (m_pRules)
        for (int x = 0; x < m_nBoardSize; ++x)
            for (int y = 0; y < m_nBoardSize; ++y)
                if (m_pRules->IsLegal(x, y) == 1)
                    candidates.Add(x, y);
    if (candidates.IsEmpty()) {
        const QString problem = QLatin1String(kProblemText);
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
}
