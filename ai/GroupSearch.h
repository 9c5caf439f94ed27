#pragma once

#include <cstdint>
#include <vector>

#include "ai/SearchBoard.h"
#include "ai/SearchTypes.h"

// How a search for one colour treats the others.
enum class GroupMode {
    // Every other colour plays, in the order of play, to hurt the searching colour most.
    Paranoid,
    // Between two moves of the searching colour, only the single strongest reply of all the
    // other colours is played, which reaches twice the depth for the same work with three
    // or four colours.
    BestReply,
};

// Alpha-beta search for any board side and two to four colours, iteratively deepened, with
// a transposition table and ordered moves, over an evaluation of each colour's mobility,
// corners, edges, discs anchored at a corner and discs.
class CGroupSearch {
public:
    CGroupSearch() = default;

    // The best cell for colour on the board; nCell is the board's own cell index, -1 when
    // the colour cannot move. The board is played on and left as it was.
    SearchResult Run(CSearchBoard& board, int colour, GroupMode mode, const SearchLimits& limits,
        const std::atomic<bool>* pStop);

    // What one pass over the board counts for each colour (index colour; index 0 counts the
    // empty cells where that makes sense).
    struct BoardCensus {
        int mobility[kMaxPlayers + 1] = {};
        // Discs next to an empty cell, once for each empty neighbour.
        int exposed[kMaxPlayers + 1] = {};
        int corners[kMaxPlayers + 1] = {};
        // Discs diagonal to an empty corner.
        int xCells[kMaxPlayers + 1] = {};
        // Discs on the edges, corners left out.
        int edges[kMaxPlayers + 1] = {};
        // Discs in an unbroken run along an edge from a corner of their colour, which can
        // never turn.
        int anchored[kMaxPlayers + 1] = {};
    };
    static void Count(const CSearchBoard& board, BoardCensus& census);

    // The value of the position for colour: its own standing against the others'.
    static int Evaluate(const CSearchBoard& board, int colour);
    using Evaluation = int (*)(const CSearchBoard& board, int colour);
    // Another evaluation than Evaluate, for players that must stay as they are while the
    // levels' own changes (the match program's reference players).
    void SetEvaluation(Evaluation evaluate) { m_evaluate = evaluate; }
    // Each colour's standing (index colour): mobility, corners, edges, anchored discs and
    // discs in one pass over the board.
    static void Assess(const CSearchBoard& board, int standing[kMaxPlayers + 1]);

private:
    struct Entry {
        std::uint64_t nKey = 0;
        int nScore = 0;
        int nBest = -1;
        signed char nDepth = -1;
        signed char nBound = 0;
    };

    // One position's search, toMove to play (in best-reply search 0 for all the others).
    int Node(int depth, int alpha, int beta, int toMove);
    // Writes the ply's candidate cells and their movers; their number.
    int Gather(int ply, int toMove) const;
    // Who plays after toMove.
    int After(int toMove) const;
    int Terminal() const;
    // Fills the ply's move list (cells, with the mover for best-reply's replies) in order.
    int Order(int ply, int count, int best);
    Entry& Slot(std::uint64_t key);

    Evaluation m_evaluate = &CGroupSearch::Evaluate;
    CSearchBoard* m_pBoard = nullptr;
    CSearchBudget* m_pBudget = nullptr;
    GroupMode m_mode = GroupMode::BestReply;
    int m_nRoot = 0;
    int m_nPly = 0;
    std::vector<Entry> m_table;
    // Per ply: candidate cells, their movers and their ordering keys.
    mutable std::vector<std::vector<int>> m_cells;
    mutable std::vector<std::vector<int>> m_movers;
    std::vector<std::vector<int>> m_keys;
    std::vector<int> m_cellWeight;
    std::vector<int> m_history;
};
