#pragma once

#include <gtest/gtest.h>

#include <QImage>

#include "flow/BoardCtrl.h"
#include "tests/engine/BoardRows.h"

// A board widget holding a position laid out directly in its fields, and what it shows.
class ViewFixture : public testing::Test {
protected:
    // rows start at cell (0, 0); nPlayer is the colour whose snapshot is taken.
    void SetPosition(int n, const Rows& rows, int nPlayer, int bAwaitingClick = 1)
    {
        m_board.ClearBoard();
        m_board.m_nBoardSize = n;
        PutRows(m_board.m_nGrid, rows);
        m_board.m_nCurrentPlayer = nPlayer;
        m_board.m_bAwaitingClick = bAwaitingClick;
        m_board.RebuildRules();
    }

    QImage Shot() { return m_board.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    CBoardCtrl m_board;
};

// The picture as the resources hold it, decoded apart from the painter.
inline QImage Background()
{
    return QImage(QStringLiteral(":/board/background.png")).convertToFormat(QImage::Format_RGB32);
}

constexpr QRgb kPurple = qRgb(160, 16, 240);
