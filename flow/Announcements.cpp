#include "flow/Announcements.h"

#include <QString>
#include <QStringList>

#include "flow/BoardCtrl.h"
#include "flow/FlowTexts.h"

namespace {

QString Colour(int nColour) { return QString::fromUtf8(kColourNames[nColour - 1]); }

// "White", "White and Black", "White, Black and Red".
QString JoinList(QStringList items)
{
    const QString last = items.isEmpty() ? QString() : items.takeLast();
    if (items.isEmpty())
        return last;
    return items.join(QString::fromUtf8(kListSeparator)) + QString::fromUtf8(kLastListSeparator)
        + last;
}

} // namespace

QString MoveAnnouncement(const CBoardCtrl& board, int x, int y)
{
    const int discs = board.DiscsTurnedBy(x, y);
    const QString text
        = QString::fromUtf8(discs == 1 ? kMoveAnnouncementOneDisc : kMoveAnnouncementFormat)
              .arg(Colour(board.m_nCurrentPlayer))
              .arg(x + 1)
              .arg(y + 1);
    return discs == 1 ? text : text.arg(discs);
}

QString TurnAnnouncement(const CBoardCtrl& board)
{
    // The colours the score lines show: those with discs on the board.
    int counts[kMaxPlayers];
    board.CountDiscs(counts);
    QStringList lines;
    for (int c = kWhite; c <= board.m_nPlayers; ++c)
        if (counts[c - 1] > 0)
            lines << QString::fromUtf8(kCountFormat).arg(Colour(c)).arg(counts[c - 1]);
    return QString::fromUtf8(kTurnAnnouncementFormat)
        .arg(Colour(board.m_nCurrentPlayer), lines.join(QString::fromUtf8(kListSeparator)));
}

QString NewGameAnnouncement(const CBoardCtrl& board)
{
    QStringList computer;
    for (int c = kWhite; c <= board.m_nComputerPlayers; ++c)
        computer << Colour(c);
    return QString::fromUtf8(kNewGameAnnouncementFormat)
        .arg(board.m_nBoardSize)
        .arg(board.m_nPlayers)
        .arg(computer.isEmpty() ? QString::fromUtf8(kNoComputerPlayer)
                                : QString::fromUtf8(kComputerPlaysFormat).arg(JoinList(computer)))
        .arg(Colour(board.m_nCurrentPlayer));
}
