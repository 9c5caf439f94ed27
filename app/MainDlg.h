#pragma once

#include <array>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QTimer>

#include "app/ScoreLabel.h"
#include "flow/BoardCtrl.h"

class CDialogUnits;
class CHelpWnd;
class QKeyEvent;
class QMoveEvent;
class QShowEvent;
class QMenuBar;
class QRect;

// The main window, run modally for the whole life of the program: the settings panel on the
// left, the board on the right, the menu bar above. Its controls are named after their ids,
// so that a control can be found by the number the layout gives it ("1001").
class CMainDlg : public QDialog {
public:
    // Menu command ids of the menu bar, for finding the items.
    static constexpr int kIdOpen = 0x8004;
    static constexpr int kIdSave = 0x8005;
    static constexpr int kIdExit = 0x8006;
    static constexpr int kIdAbout = 0x8007;

    explicit CMainDlg(QWidget* pParent = nullptr);
    ~CMainDlg() override;

    // The settings panel (SetupPanel.cpp). Only OnCreateNewGame touches the game.
    void OnCreateNewGame();
    void OnSelchangePlayers();
    void OnSelchangeComputerPlayers();
    void OnRandomFirstPlayer();
    void InitSetupPanel();

    // Shows the window centred on the screen and returns, with the result, when it closes.
    int Run();

    void OnOK() { accept(); }
    void OnCancel() { reject(); }
    void OnExit() { OnOK(); }
    void OnAbout();
    // F1: shows the "How to play" window, made at the first call, beside the game.
    void OnHelp();

    // Every way out of the window ends here.
    void done(int nResult) override;

    // Declared in this order: the board is destroyed before the labels it writes to, and the
    // game clock before the board it ticks.
    CScoreLabel m_lblGreen;
    CScoreLabel m_lblRed;
    CScoreLabel m_lblBlack;
    CScoreLabel m_lblWhite;
    CBoardCtrl m_board;
    QComboBox m_cmbPlayers;
    QComboBox m_cmbMapSize;
    QComboBox m_cmbFirstPlayer;
    QComboBox m_cmbComputerSkill;
    QCheckBox m_chkRandomFirstPlayer;
    QComboBox m_cmbComputerPlayers;
    QIcon m_hIcon;
    QTimer m_gameClock;

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void moveEvent(QMoveEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;

private:
    void CreateMenuBar();
    void CreateControls(const CDialogUnits& units);
    void OnInitDialog();
    // The score labels in colour order, White first.
    std::array<QLabel*, kMaxPlayers> ScoreLabels();
    // Puts the window, with its frame where it has one, in the middle of its screen.
    void CentreOnScreen();
    void CentreWithFrame();
    // Puts a control at its place in the layout, given in pixels of the client area below
    // the menu bar.
    void Place(QWidget& control, const QRect& rect);

    QMenuBar* m_pMenuBar = nullptr;
    CHelpWnd* m_pHelp = nullptr;
    bool m_bFrameCentred = false;
    // Whether the program may end on Enter or Escape: with a screen reader on, only after
    // the player has said so.
    bool ConfirmEnd();

    // A key is on its way to the menu bar (keyPressEvent).
    bool m_bForwardingToMenuBar = false;
    // The key being handled has just closed an open list (eventFilter).
    bool m_bKeyClosedList = false;
};
