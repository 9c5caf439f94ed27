#pragma once

#include <string>
#include <vector>

#include "engine/BoardState.h"

// A game without a window, kept by the game's own rules: the board state, the rules
// snapshot of the colour to move and the turn decisions the game's clock makes, with the
// discs turned at once instead of one a tick. The engine program and the match program
// judge every move with it.
class CReferee {
public:
    // A new game of nPlayers colours on an N x N board, first to move as given.
    CReferee(int nSize, int nPlayers, int nFirst);

    // Lays a position given as N * N characters row by row from the top (each . W B R G)
    // with the colour to move; false, with the reason, when the text is no position of this
    // board and these players.
    bool Load(const std::string& cells, int nColour, std::string& reason);

    const CBoardState& State() const { return m_state; }
    int Size() const { return m_state.m_nBoardSize; }
    int Players() const { return m_state.m_nPlayers; }
    int ToMove() const { return m_state.m_nCurrentPlayer; }
    bool Over() const { return m_bOver; }
    // The legal cells of the colour to move, column by column from the left.
    std::vector<CellPos> LegalCells() const { return m_state.LegalMoves(); }
    // Plays a legal cell for the colour to move and hands the turn on as the game does,
    // past every colour that passes, or ends the game. False, with nothing changed, for a
    // cell that is not legal.
    bool Play(int x, int y);
    // The single winner, or 0 when the highest count is shared.
    int Winner() const;

private:
    void HandOn();

    CBoardState m_state;
    bool m_bOver = false;
};
