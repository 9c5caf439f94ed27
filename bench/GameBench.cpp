// The game's own pace is one tick per 200 ms, so what must be fast is the work of one
// tick: a move and the hand-off of the turn, with its new rules snapshot. A game between
// computer players alone, driven tick by tick without the clock, measures all of it at
// once, the repaint of every tick included.
//
// Each benchmark runs twice: with the board's window shown, so that every repaint paints
// as in the program, and hidden, where the repaint returns at once; the difference is the
// painter's share.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <ctime>
#include <memory>

#include <QApplication>
#include <QEvent>
#include <QString>
#include <QVBoxLayout>
#include <QWidget>

#include "app/ScoreLabel.h"
#include "bench/BenchBoards.h"
#include "engine/SharedRandom.h"
#include "flow/BoardCtrl.h"
#include "flow/GameTimerProc.h"
#include "platform/DialogUnits.h"
#include "platform/MessageBox.h"
#include "tests/support/QtSupport.h"

namespace {

// Far more ticks than any game needs; a game still running then has gone wrong.
constexpr long kMaxTicks = 10'000'000;

// The board with its four score lines, as the main window holds them.
class CGameWindow {
public:
    explicit CGameWindow(bool shown)
    {
        auto* layout = new QVBoxLayout(&m_window);
        m_pBoard = new CBoardCtrl(&m_window);
        layout->addWidget(m_pBoard);
        // The labels in the window's font at the size of their place there, 82 x 8 dialog
        // units, so that the longer lines are fitted as in the game.
        m_window.setFont(DialogFont());
        const QSize place = CDialogUnits(m_window.font()).Size(82, 8);
        for (ScoreEntry& score : m_pBoard->m_scores) {
            score.m_pLabel = new CScoreLabel(&m_window);
            score.m_pLabel->setFixedSize(place);
            layout->addWidget(score.m_pLabel);
        }
        m_pBoard->installEventFilter(&m_paints);
        if (shown) {
            m_window.show();
            // The window gets its backing store as it is exposed; until then a repaint
            // paints nothing.
            QApplication::processEvents();
        }
    }

    CBoardCtrl& Board() { return *m_pBoard; }
    long Paints() const { return m_paints.m_nPaints; }

private:
    PaintCounter m_paints;
    QWidget m_window;
    CBoardCtrl* m_pBoard;
};

// Answers every message at once, as a player pressing OK without delay would, and notes
// what was shown.
class CMessageCounter {
public:
    CMessageCounter()
    {
        SetMessageHook([this](const QString&, const QString& caption) {
            if (caption == QLatin1String("No Choise"))
                ++m_nPasses;
            else if (caption == QLatin1String("PROBLEM"))
                m_bProblem = true;
            else
                m_bOver = true;
        });
    }
    ~CMessageCounter() { SetMessageHook({}); }

    CMessageCounter(const CMessageCounter&) = delete;
    CMessageCounter& operator=(const CMessageCounter&) = delete;

    void Reset()
    {
        m_nPasses = 0;
        m_bOver = false;
        m_bProblem = false;
    }

    long m_nPasses = 0;
    bool m_bOver = false;
    bool m_bProblem = false;
};

double ThreadCpuSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// A move on a mid-game board of four human players and the one tick that hands the turn
// on: its new snapshot, the score lines and the repaint. The ticks between, which only
// turn one disc each, are applied directly, so that the figure holds exactly the move and
// the hand-off.
void BM_MoveAndHandOff(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    CGameWindow window(state.range(1) != 0);
    CBoardCtrl& board = window.Board();
    CMessageCounter messages;

    board.StartGame(4, n, 0, kWhite);
    bench::PlayToMidGame(board);
    const std::vector<CellPos> legal = board.LegalMoves();
    if (legal.empty()) {
        state.SkipWithError("the mid-game board has no legal move");
        return;
    }
    const CellPos move = legal[legal.size() / 2];
    Grid saved;
    std::memcpy(saved, board.m_nGrid, sizeof(Grid));
    const int player = board.m_nCurrentPlayer;
    board.UpdateScores();

    long flips = 0;
    double cpuSeconds = 0;
    const long paintsBefore = window.Paints();
    for (auto _ : state) {
        const double cpuStart = ThreadCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        board.ApplyMove(move.x, move.y);
        flips = board.m_flips.GetCount();
        while (board.m_flips.GetCount() > 1) {
            const CellPos flip = board.m_flips.PopFront();
            board.m_nGrid[flip.x][flip.y] = board.m_nCurrentPlayer;
        }
        GameTimerProc();
        const auto end = std::chrono::steady_clock::now();
        cpuSeconds += ThreadCpuSeconds() - cpuStart;
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());

        std::memcpy(board.m_nGrid, saved, sizeof(Grid));
        board.m_nCurrentPlayer = player;
        board.RebuildRules();
    }
    state.counters["queued"] = static_cast<double>(flips);
    // The CPU column also holds the untimed restoring of the board; this is the CPU time of
    // the measured part alone, which a busy machine does not inflate as it does the time.
    state.counters["cpu_s"] = benchmark::Counter(cpuSeconds, benchmark::Counter::kAvgIterations);
    state.counters["paints"] = benchmark::Counter(
        static_cast<double>(window.Paints() - paintsBefore), benchmark::Counter::kAvgIterations);
    state.counters["passes"] = static_cast<double>(messages.m_nPasses);
}

// A whole game of computer players, from the new game to its result message. The shared
// random source starts where the program starts it, so every iteration plays the game
// the program would play.
void BM_ComputerGame(benchmark::State& state)
{
    const int players = static_cast<int>(state.range(0));
    const int n = static_cast<int>(state.range(1));
    CGameWindow window(state.range(2) != 0);
    CBoardCtrl& board = window.Board();
    CMessageCounter messages;

    long ticks = 0;
    long paints = 0;
    for (auto _ : state) {
        messages.Reset();
        const long paintsBefore = window.Paints();
        CSharedRandom::SetState(1);
        board.StartGame(players, n, players, kWhite);
        for (ticks = 0; !messages.m_bOver && !messages.m_bProblem && ticks < kMaxTicks; ++ticks)
            GameTimerProc();
        paints = window.Paints() - paintsBefore;
        if (!messages.m_bOver) {
            state.SkipWithError("the game did not reach its result");
            return;
        }
    }
    state.counters["ticks"] = static_cast<double>(ticks);
    state.counters["paints"] = static_cast<double>(paints);
    state.counters["passes"] = static_cast<double>(messages.m_nPasses);
}

BENCHMARK(BM_MoveAndHandOff)
    ->ArgNames({ "size", "painted" })
    ->ArgsProduct({ { 8, 40 }, { 1, 0 } })
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComputerGame)
    ->ArgNames({ "players", "size", "painted" })
    ->Args({ 2, 8, 1 })
    ->Args({ 2, 8, 0 })
    ->Args({ 4, 40, 1 })
    ->Args({ 4, 40, 0 })
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // The board is a real widget; it needs an application but no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
