#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>

#include "ai/Bitboard8.h"
#include "ai/ComputerSearch.h"
#include "ai/GroupSearch.h"
#include "ai/PairSearch.h"
#include "ai/SearchBoard.h"
#include "tools/Referee.h"

// The search's own boards against the game's rules, and its answers against plain minimax.

namespace {

std::vector<int> Sorted(std::vector<int> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

// The legal cells of the colour to move as the game's rules give them, as y * N + x.
std::vector<int> RuleCells(const CReferee& referee)
{
    std::vector<int> cells;
    for (const CellPos& c : referee.LegalCells())
        cells.push_back(c.y * referee.Size() + c.x);
    return Sorted(cells);
}

std::vector<int> SearchCells(const CSearchBoard& board, int colour)
{
    std::vector<int> out(board.Size() * board.Size());
    out.resize(board.LegalCells(colour, out.data()));
    for (int& cell : out)
        cell = board.Y(cell) * board.Size() + board.X(cell);
    return Sorted(out);
}

void ExpectSameDiscs(const CSearchBoard& board, const CReferee& referee)
{
    for (int x = 0; x < referee.Size(); ++x)
        for (int y = 0; y < referee.Size(); ++y)
            ASSERT_EQ(board.At(board.Index(x, y)), referee.State().m_nGrid[x][y]) << x << "," << y;
}

// Plain negamax on the disc difference, passes included: the exact value of a small endgame.
int Minimax(CSearchBoard& board, int colour, bool passed)
{
    std::vector<int> cells(64);
    cells.resize(board.LegalCells(colour, cells.data()));
    const int other = 3 - colour;
    if (cells.empty())
        return passed ? board.Discs(colour) - board.Discs(other) : -Minimax(board, other, true);
    int best = -100;
    for (const int cell : cells) {
        board.Play(cell, colour);
        best = std::max(best, -Minimax(board, other, false));
        board.Undo();
    }
    return best;
}

} // namespace

// Random games of every side and player count, judged at every position by the game's own
// rules: legal cells, the discs a move turns, taking a move back, and who moves next or
// whether the game is over. The evaluation must not depend on which way the board is turned.
TEST(SearchRulesTest, SearchBoardsFollowTheGameRules)
{
    std::mt19937 random(7);
    for (const int size : kBoardSizes)
        for (int players = 2; players <= kMaxPlayers; ++players)
            for (int game = 0; game < (size == 40 ? 1 : 3); ++game) {
                SCOPED_TRACE(testing::Message() << size << "x" << size << ", " << players
                                                << " players, game " << game);
                CReferee referee(size, players, kWhite);
                while (!referee.Over()) {
                    const int colour = referee.ToMove();
                    CSearchBoard board(referee.State().m_nGrid, size, players);
                    ASSERT_FALSE(board.Finished());
                    const std::vector<int> legal = RuleCells(referee);
                    ASSERT_EQ(SearchCells(board, colour), legal);
                    Grid turned = {};
                    for (int x = 0; x < size; ++x)
                        for (int y = 0; y < size; ++y)
                            turned[size - 1 - y][x] = referee.State().m_nGrid[x][y];
                    int standing[kMaxPlayers + 1], turnedStanding[kMaxPlayers + 1];
                    CGroupSearch::Assess(board, standing);
                    CGroupSearch::Assess(CSearchBoard(turned, size, players), turnedStanding);
                    ASSERT_TRUE(std::equal(standing + 1, standing + players + 1, turnedStanding + 1));
                    if (size == 8 && players == 2) {
                        bitboard8::Bits own = 0, other = 0;
                        for (int i = 0; i < 64; ++i) {
                            const int v = referee.State().m_nGrid[i % 8][i / 8];
                            own |= v == colour ? bitboard8::Bit(i) : 0;
                            other |= v != colour && v != kEmpty ? bitboard8::Bit(i) : 0;
                        }
                        std::vector<int> bits;
                        for (auto m = bitboard8::LegalCells(own, other); m; m &= m - 1)
                            bits.push_back(__builtin_ctzll(m));
                        ASSERT_EQ(bits, legal);
                    }
                    const int pick = legal[random() % legal.size()];
                    const std::uint64_t hash = board.Hash();
                    // Every legal cell played and taken back leaves the board as it was.
                    for (const int cell : legal) {
                        board.Play(board.Index(cell % size, cell / size), colour);
                        board.Undo();
                    }
                    ASSERT_EQ(board.Hash(), hash);
                    ExpectSameDiscs(board, referee);
                    board.Play(board.Index(pick % size, pick / size), colour);
                    ASSERT_TRUE(referee.Play(pick % size, pick / size));
                    ExpectSameDiscs(board, referee);
                    ASSERT_EQ(board.Finished(), referee.Over());
                    if (!referee.Over()) {
                        ASSERT_EQ(board.NextMover(colour), referee.ToMove());
                    }
                }
            }
}

// The exact solver and the deeper levels against plain minimax on endgames of up to nine
// empty cells, from random two-player games.
TEST(SearchRulesTest, EndgameSolverMatchesMinimax)
{
    std::mt19937 random(11);
    for (int game = 0; game < 40; ++game) {
        CReferee referee(8, 2, kWhite);
        while (!referee.Over() && referee.State().m_pRules->m_nEmpty > 5 + game % 5) {
            const std::vector<CellPos> legal = referee.LegalCells();
            const CellPos c = legal[random() % legal.size()];
            referee.Play(c.x, c.y);
        }
        if (referee.Over())
            continue;
        CSearchBoard board(referee.State().m_nGrid, 8, 2);
        const int colour = referee.ToMove();
        const int exact = Minimax(board, colour, false);
        bitboard8::Bits own = 0, other = 0;
        for (int i = 0; i < 64; ++i) {
            const int v = referee.State().m_nGrid[i % 8][i / 8];
            own |= v == colour ? bitboard8::Bit(i) : 0;
            other |= v != colour && v != kEmpty ? bitboard8::Bit(i) : 0;
        }
        CPairSearch search;
        const SearchResult r = search.Run(own, other, SearchLimits { 1'000'000'000, 1, 64 }, nullptr);
        ASSERT_TRUE(r.bExact);
        EXPECT_EQ(r.nScore, exact) << "game " << game;
        // The cell it plays reaches that value.
        board.Play(board.Index(r.nCell % 8, r.nCell / 8), colour);
        const int after = board.CanMove(3 - colour) ? -Minimax(board, 3 - colour, false)
                                                    : Minimax(board, colour, true);
        EXPECT_EQ(after, exact) << "game " << game;
    }
}
