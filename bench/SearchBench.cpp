// The computer's time per move at each level, board side and player count, with the nodes
// it searches a second and the depth its last complete iteration reached. Each benchmark
// answers eight positions spread over one game of random moves, from the opening to the end,
// one position an iteration.

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

#include "ai/ComputerSearch.h"
#include "bench/BenchBoards.h"
#include "tools/Referee.h"

namespace {

constexpr int kPositions = 8;

struct Position {
    Grid grid;
    int colour;
};

std::vector<Position> GamePositions(int n, int players)
{
    std::vector<Position> all;
    std::mt19937 random(bench::kSeed);
    CReferee referee(n, players, kWhite);
    while (!referee.Over()) {
        Position p { {}, referee.ToMove() };
        std::memcpy(p.grid, referee.State().m_nGrid, sizeof(Grid));
        all.push_back(p);
        const std::vector<CellPos> legal = referee.LegalCells();
        const CellPos c = legal[random() % legal.size()];
        referee.Play(c.x, c.y);
    }
    std::vector<Position> picked;
    for (int i = 0; i < kPositions; ++i)
        picked.push_back(all[(all.size() - 1) * i / kPositions]);
    return picked;
}

void BM_ComputerMove(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const int players = static_cast<int>(state.range(1));
    const int level = static_cast<int>(state.range(2));
    const std::vector<Position> positions = GamePositions(n, players);
    double nodes = 0;
    double depth = 0;
    int i = 0;
    for (auto _ : state) {
        const Position& p = positions[i++ % kPositions];
        const ComputerMove move = FindComputerMove(SearchPosition { &p.grid, n, players, p.colour }, level);
        benchmark::DoNotOptimize(move.x);
        nodes += static_cast<double>(move.stats.nNodes);
        depth += move.stats.nDepth;
    }
    state.counters["nodes_per_s"] = benchmark::Counter(nodes, benchmark::Counter::kIsRate);
    state.counters["depth"] = benchmark::Counter(depth, benchmark::Counter::kAvgIterations);
}

void Arguments(benchmark::internal::Benchmark* b)
{
    for (const int n : kBoardSizes)
        for (int players = 2; players <= kMaxPlayers; ++players)
            for (int level = kEasy; level <= kVeryDifficult; ++level)
                b->Args({ n, players, level });
    b->ArgNames({ "N", "players", "level" });
    b->Iterations(kPositions)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_ComputerMove)->Apply(Arguments);
BENCHMARK_MAIN();
