#include "flow/GameTimerProc.h"

#include <QString>

#include "flow/BoardCtrl.h"
#include "flow/FlowTexts.h"
#include "platform/MessageBox.h"

namespace {

// A colour that cannot move ends the game once the turn has been handed on this many
// times within one tick: by then every colour in play has been seen unable to move.
constexpr int kMaxAdvances = 5;

// The colour whose count beats each of the other three, or 0 when the highest is shared.
int SingleWinner(const CBoardCtrl& board)
{
    for (int c = 0; c < kMaxPlayers; ++c) {
        bool beatsAll = true;
        for (int other = 0; other < kMaxPlayers; ++other)
            if (other != c && board.m_scores[c].m_nDiscs <= board.m_scores[other].m_nDiscs)
                beatsAll = false;
        if (beatsAll)
            return c + 1;
    }
    return 0;
}

bool HasDiscsInPlay(const CBoardCtrl& board)
{
    for (int c = 0; c < board.m_nPlayers; ++c)
        if (board.m_scores[c].m_nDiscs > 0)
            return true;
    return false;
}

void EndGame(CBoardCtrl& board)
{
    board.UpdateScores();
    board.Redraw();
    if (const int winner = SingleWinner(board)) {
        const QString text = QString::asprintf(kWonFormat, kColourNames[winner - 1]);
        ShowMessage(text, text);
    } else {
        ShowMessage(QLatin1String(kNoWinnerText), QLatin1String(kNoWinnerCaption));
    }
}

// The move is complete: hand the turn to the next colour that can move, announcing every
// colour that has to pass, or end the game.
void HandOnTurn(CBoardCtrl& board)
{
    for (int nAdvances = 1;; ++nAdvances) {
        board.m_nCurrentPlayer = board.m_nCurrentPlayer % board.m_nPlayers + 1;
        board.RebuildRules();
        board.UpdateScores();

        if (board.m_scores[board.m_nCurrentPlayer - 1].m_nDiscs == 0) {
            // A colour that has lost its discs is out of the game and is skipped silently.
            // Play always leaves the mover's discs on the board; only a board with no disc
            // in play at all could keep this going round.
            if (!HasDiscsInPlay(board)) {
                EndGame(board);
                return;
            }
            continue;
        }

        const CMoveRules& rules = *board.m_pRules;
        if (rules.m_nLines > 0) {
            if (board.m_nCurrentPlayer <= board.m_nComputerPlayers)
                board.MakeComputerMove();
            else
                board.m_bAwaitingClick = 1;
            board.UpdateScores();
            board.Redraw();
            return;
        }

        if (nAdvances >= kMaxAdvances || rules.m_nEmpty == 0 || board.HasOneColourLeft()) {
            EndGame(board);
            return;
        }

        // The passing colour shows as the one playing while its message is open.
        board.UpdateScores();
        board.Redraw();
        const unsigned generation = board.m_nGeneration;
        const QString text
            = QString::asprintf(kPassFormat, kColourNames[board.m_nCurrentPlayer - 1]);
        ShowMessage(text, QLatin1String(kPassCaption));
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
        board->Redraw();
        return;
    }

    CellPos* const front = board->m_flips.First();
    board->m_nGrid[front->x][front->y] = board->m_nCurrentPlayer;
    board->m_flips.Remove(front);
    if (!board->m_flips.IsEmpty()) {
        board->UpdateScores();
        board->Redraw();
        return;
    }
    HandOnTurn(*board);
}
