// The settings panel of the main window: the one place where games are created.
#include <iterator>

#include "app/AppTexts.h"
#include "app/MainDlg.h"
#include "engine/Grid.h"
#include "engine/SharedRandom.h"

void CMainDlg::OnCreateNewGame()
{
    // The selections are read at the moment of the press; changes made since the last game
    // have waited for it.
    const int nPlayers = m_cmbPlayers.currentIndex() + 2;
    // The Map Size entries list the board sides in order.
    const int nBoardSize = kBoardSizes[m_cmbMapSize.currentIndex()];
    const int nComputerPlayers = m_cmbComputerPlayers.currentIndex();
    // The list holds the levels in order, Very Easy first.
    const int nComputerSkill = m_cmbComputerSkill.currentIndex();
    int i = m_cmbFirstPlayer.currentIndex();
    // One draw per game, and only when ticked, so that the computer players' draws that
    // follow stay the same for the same presses.
    if (m_chkRandomFirstPlayer.isChecked())
        i = RandomIndex(CSharedRandom::Next(), nPlayers);
    if (i < 0 || i > nPlayers - 1)
        i = 0;
    m_board.StartGame(nPlayers, nBoardSize, nComputerPlayers, i + 1, nComputerSkill);
}

void CMainDlg::OnSelchangePlayers()
{
    const int nPlayers = m_cmbPlayers.currentIndex() + 2;
    const int nFirst = m_cmbFirstPlayer.currentIndex();
    const int nComputers = m_cmbComputerPlayers.currentIndex();

    m_cmbFirstPlayer.clear();
    m_cmbComputerPlayers.clear();
    for (int i = 0; i < nPlayers; ++i)
        m_cmbFirstPlayer.addItem(ColourName(i + 1));
    static_assert(std::size(AppTexts::kComputerPlayerCounts) == kMaxPlayers + 1);
    for (int i = 0; i <= nPlayers; ++i)
        m_cmbComputerPlayers.addItem(AppTexts::Tr(AppTexts::kComputerPlayerCounts[i]));

    // A choice that the new count still offers is kept; any other falls back to the first.
    m_cmbFirstPlayer.setCurrentIndex(nFirst >= 0 && nFirst < nPlayers ? nFirst : 0);
    m_cmbComputerPlayers.setCurrentIndex(
        nComputers >= 0 && nComputers <= nPlayers ? nComputers : 0);
    OnSelchangeComputerPlayers();
}

void CMainDlg::OnSelchangeComputerPlayers()
{
    // The skill is offered only while there is a computer player.
    m_cmbComputerSkill.setEnabled(m_cmbComputerPlayers.currentIndex() != 0);
}

void CMainDlg::OnRandomFirstPlayer()
{
    // The list keeps its selection while disabled, for when the box is unticked again.
    m_cmbFirstPlayer.setEnabled(!m_chkRandomFirstPlayer.isChecked());
}

void CMainDlg::InitSetupPanel()
{
    m_cmbPlayers.setCurrentIndex(0);
    m_cmbMapSize.setCurrentIndex(0);
    m_cmbComputerPlayers.setCurrentIndex(0);
    m_cmbComputerSkill.setCurrentIndex(0);
    m_chkRandomFirstPlayer.setChecked(true);
    m_cmbFirstPlayer.setCurrentIndex(0);

    OnSelchangePlayers();
    OnSelchangeComputerPlayers();
    OnRandomFirstPlayer();
    OnCreateNewGame();
}
