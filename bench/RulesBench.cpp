// The rules snapshot is rebuilt for the whole board at every change of turn, so its
// construction is what a turn costs the engine. Measured on the start position and on a
// mid-game board, for every board side the game offers.

#include <benchmark/benchmark.h>

#include <memory>

#include "bench/BenchBoards.h"
#include "engine/MoveRules.h"

namespace {

constexpr int kPlayers = 4;

void ConstructRules(benchmark::State& state, bool midGame)
{
    const int n = static_cast<int>(state.range(0));
    CBoardState board;
    bench::SetUpStart(board, n, kPlayers);
    if (midGame)
        bench::PlayToMidGame(board);
    int empty = 0;
    int lines = 0;
    for (auto _ : state) {
        // On the heap, as the board keeps it.
        auto rules = std::make_unique<CMoveRules>(board.m_nGrid, n, board.m_nCurrentPlayer);
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
