#include "flow/BoardCtrl.h"

#include <algorithm>

#include <QString>

#include "flow/Announcements.h"
#include "platform/Announce.h"

void CBoardCtrl::StartGame(
    int nPlayers, int nBoardSize, int nComputerPlayers, int nFirstPlayer, int nComputerSkill)
{
    // The computer may still be thinking about the old game; its answer must never land here.
    AbandonComputerSearch();
    // A tick still waiting in a message box for the old game learns from this that its
    // game is gone.
    ++m_nGeneration;
    const int nOldSize = m_nBoardSize;

    // The settings panel offers only valid choices; the clamps keep the grid, the score
    // table and the turn order safe from any other caller.
    m_nPlayers = std::clamp(nPlayers, 2, kMaxPlayers);
    m_nBoardSize = std::clamp(nBoardSize, 4, kMaxBoardSize);
    ClearBoard();
    SetStartPosition(m_nPlayers);
    m_nComputerPlayers = std::clamp(nComputerPlayers, 0, m_nPlayers);
    m_nComputerSkill = std::clamp(nComputerSkill, int(kVeryEasy), kSkillLevels - 1);
    m_nCurrentPlayer = nFirstPlayer >= kWhite && nFirstPlayer <= m_nPlayers ? nFirstPlayer : kWhite;
    UpdateScores();
    RebuildRules();
    m_bAwaitingClick = 1;
    m_bGameOver = false;
    m_nMovesPlayed = 0;
    // Discs still turning belong to the old game.
    m_flips.RemoveAll();
    Redraw();
    if (m_nBoardSize != nOldSize)
        NotifyNewSide();
    Announce(*this, [this] { return NewGameAnnouncement(*this); });
    if (m_nCurrentPlayer <= m_nComputerPlayers)
        MakeComputerMove();
}
