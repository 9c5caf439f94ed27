#include "flow/BoardCtrl.h"

#include <algorithm>

#include <QString>

#include "engine/PixelMap.h"
#include "engine/SharedRandom.h"
#include "flow/FlowTexts.h"
#include "platform/MessageBox.h"

namespace {

void ShowProblem()
{
    const QString problem = FlowTr(kProblemText);
    ShowMessage(problem, problem);
}

} // namespace

void CBoardCtrl::MakeComputerMove()
{
    if (m_nComputerSkill > kVeryEasy) {
        // Nobody's click plays for the computer while it thinks; PlaySearchedMove opens the
        // turn again for its answer.
        m_bAwaitingClick = 0;
        m_search.Start(m_nGrid, m_nBoardSize, m_nPlayers, m_nCurrentPlayer,
            std::min(m_nComputerSkill, kSkillLevels - 1), m_nGeneration);
        return;
    }

    // The order decides which cell a given random value picks, and so makes games replay.
    const std::vector<CellPos> candidates = LegalMoves();
    if (candidates.empty()) {
        ShowProblem();
        return;
    }
    const int index = RandomIndex(CSharedRandom::Next(), static_cast<int>(candidates.size()));
    PlayComputerCell(candidates[static_cast<size_t>(index)]);
}

bool CBoardCtrl::PlaySearchedMove()
{
    const auto answer = m_search.TakeAnswer();
    // A search abandoned for a new game never answers; the generation guards against any
    // other way an old game's answer could arrive.
    if (!answer || answer->nGeneration != m_nGeneration)
        return false;
    m_bAwaitingClick = 1;
    if (!OnBoard(answer->cell.x, answer->cell.y)) {
        ShowProblem();
        return true;
    }
    PlayComputerCell(answer->cell);
    return true;
}

void CBoardCtrl::PlayComputerCell(const CellPos& cell)
{
    const QRect client = rect();
    // Through the click path, so that a computer move is placed, queued, announced and
    // repainted by the same code as a human one. It makes the played cell the pointer cell,
    // so the next arrow key starts from there; a screen reader's focus is not moved, which
    // it would read out after the move, with a turn already gone.
    OnLButtonDown(0,
        QPoint(CellToPixel(cell.x, client.width(), m_nBoardSize),
            CellToPixel(cell.y, client.height(), m_nBoardSize)));
}
