#pragma once

#include <gtest/gtest.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <QWindow>

#include <array>
#include <functional>
#include <vector>

#include "flow/BoardCtrl.h"
#include "flow/GameTimerProc.h"
#include "platform/Announce.h"
#include "platform/MessageBox.h"
#include "tests/engine/BoardRows.h"
#include "tests/support/QtSupport.h"

using Flips = std::vector<Cell>;

// A position from text rows (top row first) on an N x N board, N the number of rows unless
// given, with `current` to move and nothing pending, as a new game leaves it.
inline void Lay(
    CBoardCtrl& board, int nPlayers, int nComputers, int current, const Rows& rows, int n = 0)
{
    board.m_nPlayers = nPlayers;
    board.m_nBoardSize = n ? n : static_cast<int>(rows.size());
    board.ClearBoard();
    PutRows(board.m_nGrid, rows);
    board.m_nComputerPlayers = nComputers;
    board.m_nCurrentPlayer = current;
    board.m_flips.RemoveAll();
    board.m_bAwaitingClick = 1;
    board.RebuildRules();
    board.UpdateScores();
}

// What a screen reader would be told while one of these lives, in order, and the cells its
// focus was sent to, by their number among the board's children.
struct Heard : QStringList, CAnnouncementSink {
    Heard() { SetAnnouncementSink(this); }
    ~Heard() override { SetAnnouncementSink(nullptr); }
    void Say(const QString& text) override { append(text); }
    void Notify(const QAccessibleEvent& e) override { focus.push_back(e.child()); }
    std::vector<int> focus;
};

// A board with its four score labels in a window that is only shown when a test counts
// repaints (a hidden widget does not paint), and every message box answered by a hook
// that records it and then runs m_whileOpen, "while the box is open".
class FlowTest : public testing::Test {
protected:
    FlowTest()
    {
        for (int i = 0; i < kMaxPlayers; ++i)
            m_board.m_scores[i].m_pLabel = &m_labels[i];
        m_board.installEventFilter(&m_paints);
        SetMessageHook([this](const QString& text, const QString& caption) {
            m_messages.push_back({ text, caption });
            if (m_whileOpen)
                m_whileOpen(m_messages.back());
        });
    }
    ~FlowTest() override { SetMessageHook(nullptr); }

    void Lay(int nPlayers, int nComputers, int current, const Rows& rows, int n = 0)
    {
        ::Lay(m_board, nPlayers, nComputers, current, rows, n);
    }

    // A click in the middle of a cell.
    void Click(int x, int y)
    {
        const int cell = CBoardCtrl::kBoardPixels / m_board.m_nBoardSize;
        m_board.OnLButtonDown(0, QPoint(x * cell + cell / 2, y * cell + cell / 2));
    }

    void Tick(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            GameTimerProc();
    }

    void ShowBoard()
    {
        m_window.show();
        // Nothing paints before the window system has exposed the window.
        for (int i = 0;
             i < 100 && !(m_window.windowHandle() && m_window.windowHandle()->isExposed()); ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::processEvents();
        m_paints.m_nPaints = 0;
    }
    int Paints() const { return m_paints.m_nPaints; }

    Flips PendingFlips() const { return Queue(m_board.m_flips); }

    // The disc counts the four labels show, read back from their texts.
    std::array<int, kMaxPlayers> LabelCounts() const
    {
        static const QRegularExpression number("(\\d+) / ");
        std::array<int, kMaxPlayers> counts {};
        for (int i = 0; i < kMaxPlayers; ++i)
            counts[i] = number.match(m_labels[i].text()).captured(1).toInt();
        return counts;
    }

    // The score lines the grid calls for, worked out here from the grid itself.
    void ExpectLabelsMatchGrid() const
    {
        static const char* const names[kMaxPlayers] = { "White", "Black", "Red  ", "Green" };
        const int n = m_board.m_nBoardSize;
        for (int c = 1; c <= kMaxPlayers; ++c) {
            int discs = 0;
            for (int x = 0; x < n; ++x)
                for (int y = 0; y < n; ++y)
                    discs += m_board.m_nGrid[x][y] == c;
            QString line = QString("%1 %2 / %3").arg(names[c - 1]).arg(discs).arg(n * n);
            if (c == m_board.m_nCurrentPlayer)
                line += "<Playing>";
            ASSERT_EQ(m_labels[c - 1].text(), line);
            ASSERT_EQ(m_labels[c - 1].isHidden(), discs == 0) << line.toStdString();
        }
    }

    QWidget m_window;
    std::array<QLabel, kMaxPlayers> m_labels { QLabel(&m_window), QLabel(&m_window),
        QLabel(&m_window), QLabel(&m_window) };
    CBoardCtrl m_board { &m_window };
    PaintCounter m_paints;
    Messages m_messages;
    std::function<void(const Message&)> m_whileOpen;
};
