#pragma once

// The boards the benchmarks measure on: the start block, and a mid-game board reached by
// real play, so that the measured snapshot holds the mixture of colours and lines a game
// produces rather than random noise.

#include <random>
#include <vector>

#include "engine/BoardState.h"

namespace bench {

// Fixed, so that every run measures the same boards.
constexpr unsigned kSeed = 20240601;

inline void NextColour(CBoardState& board)
{
    board.m_nCurrentPlayer = board.m_nCurrentPlayer % board.m_nPlayers + 1;
}

// An empty N x N board with the start block for nPlayers, White to move.
inline void SetUpStart(CBoardState& board, int n, int nPlayers)
{
    board.m_nBoardSize = n;
    board.m_nPlayers = nPlayers;
    board.ClearBoard();
    board.SetStartPosition(nPlayers);
    board.m_nCurrentPlayer = kWhite;
}

// Plays random legal moves, passing a colour that cannot move, until about half the board
// is occupied; then builds the snapshot of the colour to move. The flips are applied at
// once, as the clock would apply them tick by tick.
inline void PlayToMidGame(CBoardState& board)
{
    std::mt19937 rng(kSeed + static_cast<unsigned>(board.m_nBoardSize));
    const int n = board.m_nBoardSize;
    int occupied = 0;
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y)
            occupied += board.m_nGrid[x][y] > kEmpty;

    for (int passes = 0; occupied < n * n / 2 && passes < board.m_nPlayers;) {
        board.RebuildRules();
        const std::vector<CellPos> legal = board.LegalMoves();
        if (legal.empty()) {
            ++passes;
            NextColour(board);
            continue;
        }
        passes = 0;
        const CellPos move = legal[rng() % legal.size()];
        board.ApplyMove(move.x, move.y);
        ++occupied;
        while (!board.m_flips.IsEmpty()) {
            const CellPos flip = board.m_flips.PopFront();
            board.m_nGrid[flip.x][flip.y] = board.m_nCurrentPlayer;
        }
        NextColour(board);
    }
    board.RebuildRules();
    board.m_bAwaitingClick = 1;
}

} // namespace bench
