#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <memory>

#include "app/MainDlg.h"
#include "engine/SharedRandom.h"
#include "flow/GameTimerProc.h"
#include "tests/engine/BoardRows.h"
#include "tests/flow/FlowFixture.h"

inline QStringList Items(const QComboBox& list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.itemText(i);
    return items;
}

// The main window as the program opens it, in a fresh process state (the shared random
// source at its first value), with every message box answered by a hook that records it
// and then runs m_whileOpen "while the box is open". The game clock is stopped: tests tick
// by hand.
class AppTest : public testing::Test {
protected:
    AppTest()
    {
        CSharedRandom::SetState(1);
        SetMessageHook([this](const QString& text, const QString& caption) {
            m_messages.push_back({ text, caption });
            if (m_whileOpen)
                m_whileOpen(m_messages.back());
        });
        Reopen();
    }
    ~AppTest() override
    {
        m_pDlg.reset();
        SetMessageHook(nullptr);
    }

    // A new main window, as at the program's start but for the clock.
    void Reopen()
    {
        m_pDlg = std::make_unique<CMainDlg>();
        m_pDlg->m_gameClock.stop();
        m_messages.clear();
    }
    CMainDlg& Dlg() { return *m_pDlg; }
    CBoardCtrl& Board() { return m_pDlg->m_board; }
    QPushButton& CreateButton() { return *m_pDlg->findChild<QPushButton*>("1007"); }

    // Picks an entry the way a user does, through the opened list and Enter, so that the
    // list reports a choice even when the entry was already selected.
    static void Choose(QComboBox& list, int nIndex)
    {
        list.showPopup();
        list.view()->setCurrentIndex(list.model()->index(nIndex, 0));
        QTest::keyClick(list.view(), Qt::Key_Return);
        ASSERT_EQ(list.currentIndex(), nIndex);
    }
    static void Choose(QComboBox& list, const QString& item)
    {
        const int nIndex = list.findText(item);
        ASSERT_GE(nIndex, 0) << item.toStdString();
        Choose(list, nIndex);
    }
    // The check box as a click sets it.
    void SetRandomFirstPlayer(bool bTicked)
    {
        if (Dlg().m_chkRandomFirstPlayer.isChecked() != bTicked)
            QTest::mouseClick(&Dlg().m_chkRandomFirstPlayer, Qt::LeftButton);
        ASSERT_EQ(Dlg().m_chkRandomFirstPlayer.isChecked(), bTicked);
    }
    void Press() { QTest::mouseClick(&CreateButton(), Qt::LeftButton); }

    void Tick(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            GameTimerProc();
    }
    // A click in the middle of a cell, as the mouse makes it.
    void ClickCell(int x, int y)
    {
        const int cell = CBoardCtrl::kBoardPixels / Board().m_nBoardSize;
        QTest::mouseClick(
            &Board(), Qt::LeftButton, {}, QPoint(x * cell + cell / 2, y * cell + cell / 2));
    }
    // A position laid on the running game's board: `current` to move, nothing pending.
    void Lay(int nPlayers, int current, const Rows& rows)
    {
        ::Lay(Board(), nPlayers, Board().m_nComputerPlayers, current, rows);
    }
    Rows Grid() { return GetRows(Board().m_nGrid, Board().m_nBoardSize); }

    std::unique_ptr<CMainDlg> m_pDlg;
    Messages m_messages;
    std::function<void(const Message&)> m_whileOpen;
};
