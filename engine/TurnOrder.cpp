#include "engine/TurnOrder.h"

#include "engine/BoardState.h"

namespace {

// By the fifth advance of one hand-off every colour in play has been seen unable to move.
constexpr int kMaxAdvances = 5;

// Whether any of the first nPlayers colours has a disc.
bool HasDiscsInPlay(const int counts[kMaxPlayers], int nPlayers)
{
    for (int c = 0; c < nPlayers; ++c)
        if (counts[c] > 0)
            return true;
    return false;
}

} // namespace

int NextPlayer(int nPlayer, int nPlayers) { return nPlayer % nPlayers + 1; }

TurnStep DecideTurn(const CBoardState& board, int nAdvance)
{
    int counts[kMaxPlayers];
    board.CountDiscs(counts);
    if (counts[board.m_nCurrentPlayer - 1] == 0) {
        // Play always leaves the mover's discs on the board; only a board with no disc in
        // play at all could keep the skipping going round.
        return HasDiscsInPlay(counts, board.m_nPlayers) ? TurnStep::Skip : TurnStep::End;
    }
    const CMoveRules& rules = *board.m_pRules;
    if (rules.m_nLines > 0)
        return TurnStep::Move;
    if (nAdvance >= kMaxAdvances || rules.m_nEmpty == 0 || board.HasOneColourLeft())
        return TurnStep::End;
    return TurnStep::Pass;
}

int SingleWinner(const int counts[kMaxPlayers])
{
    for (int c = 0; c < kMaxPlayers; ++c) {
        bool beatsAll = true;
        for (int other = 0; other < kMaxPlayers; ++other)
            if (other != c && counts[c] <= counts[other])
                beatsAll = false;
        if (beatsAll)
            return c + 1;
    }
    return 0;
}
