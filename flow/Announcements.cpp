#include "flow/Announcements.h"

#include <algorithm>
#include <iterator>

#include <QString>
#include <QStringList>

#include "ai/ComputerSearch.h"
#include "engine/BoardState.h"
#include "engine/TurnOrder.h"
#include "flow/FlowTexts.h"

static_assert(std::size(kSkillNames) == kSkillLevels);

namespace {

// "White", "White and Black", "White, Black and Red".
QString JoinList(QStringList items)
{
    const QString last = items.isEmpty() ? QString() : items.takeLast();
    if (items.isEmpty())
        return last;
    return items.join(FlowTr(kListSeparator)) + FlowTr(kLastListSeparator) + last;
}

} // namespace

QString MoveAnnouncement(const CBoardState& board, int x, int y)
{
    return FlowTr(kMoveAnnouncementFormat, board.DiscsTurnedBy(x, y))
        .arg(ColourName(board.m_nCurrentPlayer))
        .arg(x + 1)
        .arg(y + 1);
}

namespace {

// "White 14, Black 50": the colours in play with their discs, those without any only when
// bWithEmpty.
QString Counts(const CBoardState& board, bool bWithEmpty)
{
    int counts[kMaxPlayers];
    board.CountDiscs(counts);
    QStringList lines;
    for (int c = kWhite; c <= board.m_nPlayers; ++c)
        if (bWithEmpty || counts[c - 1] > 0)
            lines << FlowTr(kCountFormat).arg(ColourName(c)).arg(counts[c - 1]);
    return lines.join(FlowTr(kListSeparator));
}

} // namespace

QString TurnAnnouncement(const CBoardState& board)
{
    // The colours the score lines show: those with discs on the board.
    return FlowTr(kTurnAnnouncementFormat)
        .arg(ColourName(board.m_nCurrentPlayer), Counts(board, false));
}

QString ResultText(const CBoardState& board)
{
    int counts[kMaxPlayers];
    board.CountDiscs(counts);
    const int winner = SingleWinner(counts);
    return winner ? FlowTr(kWonFormat).arg(ColourName(winner)) : FlowTr(kNoWinnerText);
}

QString ResultAnnouncement(const CBoardState& board)
{
    return FlowTr(kResultAnnouncementFormat).arg(ResultText(board), Counts(board, true));
}

QString NewGameAnnouncement(const CBoardState& board)
{
    QStringList computer;
    for (int c = kWhite; c <= board.m_nComputerPlayers; ++c)
        computer << ColourName(c);
    return FlowTr(kNewGameAnnouncementFormat)
        .arg(board.m_nBoardSize)
        .arg(board.m_nPlayers)
        .arg(computer.isEmpty() ? FlowTr(kNoComputerPlayer)
                                : FlowTr(kComputerPlaysFormat)
                                      .arg(JoinList(computer),
                                          FlowTr(kSkillNames[std::clamp(
                                              board.m_nComputerSkill, 0, kSkillLevels - 1)])))
        .arg(ColourName(board.m_nCurrentPlayer));
}
