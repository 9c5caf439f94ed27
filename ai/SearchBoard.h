#pragma once

#include <cstdint>
#include <vector>

#include "engine/Grid.h"

// The search's own board for any side the game offers and two to four colours: one byte a
// cell inside a ring of empty cells, which ends every walk without a test of the coordinates;
// the empty cells next to a disc, the only ones where a disc can go, kept as a list; and
// moves that can be taken back, so that a search plays on one board.
class CSearchBoard {
public:
    // The game's grid (indexed [x][y]) for an N x N board, 1 <= N <= 40, colours 1 to nPlayers.
    CSearchBoard(const Grid& grid, int nSize, int nPlayers);

    int Size() const { return m_nSize; }
    int Players() const { return m_nPlayers; }
    // A cell's own index: (y + 1) * (N + 2) + x + 1.
    int Index(int x, int y) const { return (y + 1) * m_nStride + x + 1; }
    int X(int cell) const { return cell % m_nStride - 1; }
    int Y(int cell) const { return cell / m_nStride - 1; }
    int At(int cell) const { return m_cells[cell]; }
    int Discs(int colour) const { return m_nDiscs[colour]; }
    int Empties() const { return m_nEmpties; }
    std::uint64_t Hash() const { return m_nHash; }
    // The empty cells next to a disc (a list that may also hold cells filled since).
    const std::vector<int>& Frontier() const { return m_frontier; }

    // Whether a disc of colour on cell, an empty cell of the board, closes a line.
    bool IsLegal(int cell, int colour) const;
    // The legal cells of colour, written to out (room for N * N); their number.
    int LegalCells(int colour, int* out) const;
    bool CanMove(int colour) const;
    // Whether the game is over: no colour can move.
    bool Finished() const;
    // The colour after colour in the order of play that still has discs and can move; 0
    // when none can.
    int NextMover(int colour) const;

    // Places colour's disc on a legal cell and turns what it encloses; the number turned.
    int Play(int cell, int colour);
    // Takes the last Play back.
    void Undo();

    // The eight steps to a neighbouring cell.
    const int* Directions() const { return m_directions; }

private:
    struct Frame {
        int nChanges;
        int nFrontier;
        int nCell;
        std::uint64_t nHash;
    };

    int m_nSize;
    int m_nPlayers;
    int m_nStride;
    int m_directions[8];
    std::vector<std::int8_t> m_cells;
    std::vector<std::uint8_t> m_onBoard;
    std::vector<std::uint8_t> m_inFrontier;
    std::vector<int> m_frontier;
    // Each turned disc as cell * 8 + its colour before.
    std::vector<int> m_changes;
    std::vector<Frame> m_frames;
    int m_nDiscs[kMaxPlayers + 1] = {};
    int m_nEmpties = 0;
    std::uint64_t m_nHash = 0;
};

// The fixed random key of a colour on a cell (cell index of a 40 x 40 board's stride or
// less), for the searches' position hashes.
std::uint64_t CellKey(int cell, int colour);
