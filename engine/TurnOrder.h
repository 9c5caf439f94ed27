#pragma once

#include "engine/Grid.h"

class CBoardState;

// What the turn hand-off does with the colour it has just reached.
enum class TurnStep {
    Skip, // the colour has no disc left: on to the next, without a word
    Move, // the colour can move: the computer plays now, or a human's click is awaited
    Pass, // the colour cannot move: it is announced as passing, then on to the next
    End, // the game is over
};

// The colour after nPlayer in the order of play of nPlayers colours: 1 after the last.
int NextPlayer(int nPlayer, int nPlayers);

// The step for the colour to move, board.m_nCurrentPlayer, with board.m_pRules its snapshot,
// reached at the nAdvance-th advance (from 1) of one hand-off. Skipped colours count as
// advances too: a colour that cannot move at the fifth advance or later ends the game, as do
// a full board and a board of one colour.
TurnStep DecideTurn(const CBoardState& board, int nAdvance);

// The colour whose count beats each of the other three, or 0 when the highest is shared.
// counts is indexed colour - 1; colours not in play count 0.
int SingleWinner(const int counts[kMaxPlayers]);
