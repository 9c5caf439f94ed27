// The rules snapshot is rebuilt for the whole board at every change of turn, so its
// construction is what a turn costs the engine. Measured on the start position and on a
// mid-game board, for every board side the game offers.

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "engine/BoardState.h"
#include "engine/MoveRules.h"

namespace {

constexpr int kPlayers = 4;
// Fixed, so that every run measures the same boards.
constexpr unsigned kSeed = 20240601;

void NextColour(CBoardState& board)
{
    board.m_nCurrentPlayer = board.m_nCurrentPlayer % board.m_nPlayers + 1;
}

// Plays random legal moves for four colours, passing a colour that cannot move, until
// about half the board is occupied. The flips are applied at once, as the clock would
// apply them tick by tick, so the board is one that real play reaches.
void PlayToMidGame(CBoardState& board)
{
    std::mt19937 rng(kSeed + static_cast<unsigned>(board.m_nBoardSize));
    const int n = board.m_nBoardSize;
    int occupied = 0;
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y)
            occupied += board.m_nGrid[x][y] > kEmpty;

    int passes = 0;
    std::vector<CellPos> legal;
    while (occupied < n * n / 2 && passes < board.m_nPlayers) {
        board.RebuildRules();
        legal.clear();
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x)
                if (board.m_pRules->IsLegal(x, y) == 1)
                    legal.push_back({ x, y });
        if (legal.empty()) {
            ++passes;
            NextColour(board);
            continue;
        }
        passes = 0;
        const CellPos move = legal[rng() % legal.size()];
        board.ApplyMove(move.x, move.y);
        ++occupied;
        while (CellPos* flip = board.m_flips.First()) {
            board.m_nGrid[flip->x][flip->y] = board.m_nCurrentPlayer;
            board.m_flips.Remove(flip);
        }
        NextColour(board);
    }
}

// The board for one benchmark: the four-colour start block, optionally played on.
std::unique_ptr<CBoardState> MakeBoard(int n, bool midGame)
{
    auto board = std::make_unique<CBoardState>();
    board->m_nBoardSize = n;
    board->m_nPlayers = kPlayers;
    board->ClearBoard();
    board->SetStartPosition(kPlayers);
    board->m_nCurrentPlayer = kWhite;
    if (midGame)
        PlayToMidGame(*board);
    return board;
}

void ConstructRules(benchmark::State& state, bool midGame)
{
    const int n = static_cast<int>(state.range(0));
    const auto board = MakeBoard(n, midGame);
    int empty = 0;
    int lines = 0;
    for (auto _ : state) {
        // On the heap, as the board keeps it.
        auto rules = std::make_unique<CMoveRules>(board->m_nGrid, n, board->m_nCurrentPlayer);
        benchmark::DoNotOptimize(rules.get());
        empty = rules->m_nEmpty;
        lines = rules->m_nLines;
        benchmark::ClobberMemory();
    }
    // Shown with the figures, so that a reader sees what kind of board was measured.
    state.counters["empty"] = empty;
    state.counters["lines"] = lines;
}

void BM_RulesStart(benchmark::State& state) { ConstructRules(state, false); }
void BM_RulesMidGame(benchmark::State& state) { ConstructRules(state, true); }

BENCHMARK(BM_RulesStart)->Arg(8)->Arg(10)->Arg(20)->Arg(40)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RulesMidGame)->Arg(8)->Arg(10)->Arg(20)->Arg(40)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
