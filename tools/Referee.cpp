#include "tools/Referee.h"

#include "engine/TurnOrder.h"

namespace {

int ColourOfLetter(char c)
{
    switch (c) {
    case 'W': return kWhite;
    case 'B': return kBlack;
    case 'R': return kRed;
    case 'G': return kGreen;
    case '.': return kEmpty;
    default: return -1;
    }
}

} // namespace

CReferee::CReferee(int nSize, int nPlayers, int nFirst)
{
    m_state.m_nBoardSize = nSize;
    m_state.m_nPlayers = nPlayers;
    m_state.ClearBoard();
    m_state.SetStartPosition(nPlayers);
    m_state.m_nCurrentPlayer = nFirst;
    m_state.RebuildRules();
}

bool CReferee::Load(const std::string& cells, int nColour, std::string& reason)
{
    const int n = Size();
    if (static_cast<int>(cells.size()) != n * n) {
        reason = "board needs " + std::to_string(n * n) + " cells for size " + std::to_string(n);
        return false;
    }
    if (nColour < kWhite || nColour > Players()) {
        reason = "the colour to move is not in play";
        return false;
    }
    Grid grid {};
    for (int i = 0; i < n * n; ++i) {
        const int v = ColourOfLetter(cells[i]);
        if (v < 0) {
            reason = std::string("no such cell: ") + cells[i];
            return false;
        }
        if (v > Players()) {
            reason = "a colour not in play with " + std::to_string(Players()) + " players";
            return false;
        }
        grid[i % n][i / n] = v;
    }
    m_state.ClearBoard();
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y)
            m_state.m_nGrid[x][y] = grid[x][y];
    m_state.m_nCurrentPlayer = nColour;
    m_state.m_flips.RemoveAll();
    m_state.RebuildRules();
    m_state.m_bAwaitingClick = 1;
    m_bOver = false;
    return true;
}

bool CReferee::Play(int x, int y)
{
    if (m_bOver || !m_state.AcceptsClick(x, y))
        return false;
    m_state.ApplyMove(x, y);
    while (!m_state.m_flips.IsEmpty()) {
        const CellPos c = m_state.m_flips.PopFront();
        m_state.m_nGrid[c.x][c.y] = m_state.m_nCurrentPlayer;
    }
    HandOn();
    return true;
}

void CReferee::HandOn()
{
    for (int nAdvance = 1;; ++nAdvance) {
        m_state.m_nCurrentPlayer = NextPlayer(m_state.m_nCurrentPlayer, m_state.m_nPlayers);
        m_state.RebuildRules();
        switch (DecideTurn(m_state, nAdvance)) {
        case TurnStep::Move:
            m_state.m_bAwaitingClick = 1;
            return;
        case TurnStep::End:
            m_bOver = true;
            return;
        case TurnStep::Skip:
        case TurnStep::Pass:
            break;
        }
    }
}

int CReferee::Winner() const
{
    int counts[kMaxPlayers];
    m_state.CountDiscs(counts);
    return SingleWinner(counts);
}
