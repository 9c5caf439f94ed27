#include "flow/Announcements.h"

#include <QString>
#include <QStringList>

#include "engine/TurnOrder.h"
#include "flow/BoardCtrl.h"
#include "flow/FlowTexts.h"

namespace {

QString Colour(int nColour) { return FlowTr(kColourNames[nColour - 1]); }

// "White", "White and Black", "White, Black and Red".
QString JoinList(QStringList items)
{
    const QString last = items.isEmpty() ? QString() : items.takeLast();
    if (items.isEmpty())
        return last;
    return items.join(FlowTr(kListSeparator)) + FlowTr(kLastListSeparator) + last;
}

} // namespace

QString MoveAnnouncement(const CBoardCtrl& board, int x, int y)
{
    const int discs = board.DiscsTurnedBy(x, y);
    return (discs == 1 ? FlowTr(kMoveAnnouncementOneDisc) : FlowTr(kMoveAnnouncementFormat, discs))
        .arg(Colour(board.m_nCurrentPlayer))
        .arg(x + 1)
        .arg(y + 1);
}

namespace {

// "White 14, Black 50": the colours in play with their discs, those without any only when
// bWithEmpty.
QString Counts(const CBoardCtrl& board, bool bWithEmpty)
{
    int counts[kMaxPlayers];
    board.CountDiscs(counts);
    QStringList lines;
    for (int c = kWhite; c <= board.m_nPlayers; ++c)
        if (bWithEmpty || counts[c - 1] > 0)
            lines << FlowTr(kCountFormat).arg(Colour(c)).arg(counts[c - 1]);
    return lines.join(FlowTr(kListSeparator));
}

} // namespace

QString TurnAnnouncement(const CBoardCtrl& board)
{
    // The colours the score lines show: those with discs on the board.
    return FlowTr(kTurnAnnouncementFormat).arg(Colour(board.m_nCurrentPlayer), Counts(board, false));
}

QString ResultText(const CBoardCtrl& board)
{
    int counts[kMaxPlayers];
    board.CountDiscs(counts);
    const int winner = SingleWinner(counts);
    return winner ? FlowTr(kWonFormat).arg(Colour(winner)) : FlowTr(kNoWinnerText);
}

QString ResultAnnouncement(const CBoardCtrl& board)
{
    return FlowTr(kResultAnnouncementFormat).arg(ResultText(board), Counts(board, true));
}

QString NewGameAnnouncement(const CBoardCtrl& board)
{
    QStringList computer;
    for (int c = kWhite; c <= board.m_nComputerPlayers; ++c)
        computer << Colour(c);
    return FlowTr(kNewGameAnnouncementFormat)
        .arg(board.m_nBoardSize)
        .arg(board.m_nPlayers)
        .arg(computer.isEmpty() ? FlowTr(kNoComputerPlayer)
                                : FlowTr(kComputerPlaysFormat).arg(JoinList(computer)))
        .arg(Colour(board.m_nCurrentPlayer));
}
