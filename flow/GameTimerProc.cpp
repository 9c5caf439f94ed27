#include "flow/GameTimerProc.h"

#include <QString>

#include "engine/TurnOrder.h"
#include "flow/Announcements.h"
#include "flow/BoardCtrl.h"
#include "flow/FlowTexts.h"
#include "platform/Announce.h"
#include "platform/MessageBox.h"

namespace {

void EndGame(CBoardCtrl& board)
{
    board.m_bGameOver = true;
    board.UpdateScores();
    board.Redraw();
    // A screen reader hears the counts with the result, which the box leaves out.
    Announce(board, [&board] { return ResultAnnouncement(board); });
    int counts[kMaxPlayers];
    board.CountDiscs(counts);
    const QString text = ResultText(board);
    ShowMessage(text, SingleWinner(counts) ? text : FlowTr(kNoWinnerCaption));
}

// The move is complete: hand the turn to the next colour that can move, announcing every
// colour that has to pass, or end the game.
void HandOnTurn(CBoardCtrl& board)
{
    for (int nAdvance = 1;; ++nAdvance) {
        board.m_nCurrentPlayer = NextPlayer(board.m_nCurrentPlayer, board.m_nPlayers);
        board.RebuildRules();
        board.UpdateScores();

        switch (DecideTurn(board, nAdvance)) {
        case TurnStep::Skip:
            continue;
        case TurnStep::Move:
            // The turn awaits a click: a human's, or the computer's, at once at Very Easy and
            // on the tick after its search has ended above. A screen reader hears whose turn
            // it is, with the counts, only when it comes to a human: a computer's turn is over
            // before anyone could act on it, and its move says it.
            board.m_bAwaitingClick = 1;
            if (board.m_nCurrentPlayer <= board.m_nComputerPlayers)
                board.MakeComputerMove();
            else
                Announce(board, [&board] { return TurnAnnouncement(board); });
            board.UpdateScores();
            board.Redraw();
            return;
        case TurnStep::End:
            EndGame(board);
            return;
        case TurnStep::Pass:
            break;
        }

        // The passing colour shows as the one playing while its message is open.
        board.UpdateScores();
        board.Redraw();
        const unsigned generation = board.m_nGeneration;
        const QString text = FlowTr(kPassFormat).arg(ColourName(board.m_nCurrentPlayer));
        ShowMessage(text, FlowTr(kPassCaption));
        // The box keeps the clock and the window going, so a new game may have been laid
        // (or the board closed) meanwhile; that game is none of this tick's business.
        if (g_pBoard != &board || board.m_nGeneration != generation)
            return;
    }
}

} // namespace

void GameTimerProc()
{
    CBoardCtrl* const board = g_pBoard;
    if (!board)
        return;
    if (board->m_flips.IsEmpty()) {
        // The computer's answer is played on the first tick after its search has ended.
        if (board->PlaySearchedMove())
            board->UpdateScores();
        board->Redraw();
        return;
    }

    const CellPos front = board->m_flips.PopFront();
    board->m_nGrid[front.x][front.y] = board->m_nCurrentPlayer;
    if (!board->m_flips.IsEmpty()) {
        board->UpdateScores();
        board->Redraw();
        return;
    }
    HandOnTurn(*board);
}
