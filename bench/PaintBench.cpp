// One complete repaint of the board widget, the way every pointer move and every tick of
// the game clock asks for it: repaint() on a shown widget, through Qt's own paint path.
// Measured on a board full of discs (the most discs a paint draws) and on the start
// position with the legal-move markers and the capture lines of the pointer cell.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "engine/BoardState.h"
#include "flow/BoardCtrl.h"

namespace {

void Repaint(benchmark::State& state, CBoardCtrl& board)
{
    board.show();
    QApplication::processEvents();
    for (auto _ : state)
        board.repaint();
    board.hide();
}

void BM_PaintFullBoard(benchmark::State& state)
{
    CBoardCtrl board;
    board.m_nBoardSize = static_cast<int>(state.range(0));
    for (int x = 0; x < board.m_nBoardSize; ++x)
        for (int y = 0; y < board.m_nBoardSize; ++y)
            board.m_nGrid[x][y] = (x * 7 + y * 3) % kMaxPlayers + 1;
    board.RebuildRules();
    Repaint(state, board);
}

void BM_PaintStartWithCaptureLines(benchmark::State& state)
{
    CBoardCtrl board;
    board.m_nBoardSize = static_cast<int>(state.range(0));
    board.m_nPlayers = 4;
    board.SetStartPosition(4);
    board.m_nCurrentPlayer = kWhite;
    board.RebuildRules();
    // The cell two to the right of the block's corner captures for White in three
    // directions.
    board.m_nCellX = StartBlockOffset(board.m_nBoardSize) + 2;
    board.m_nCellY = StartBlockOffset(board.m_nBoardSize);
    Repaint(state, board);
}

BENCHMARK(BM_PaintFullBoard)->Arg(8)->Arg(40)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintStartWithCaptureLines)->Arg(8)->Arg(40)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    // Painting needs no screen; the offscreen platform keeps the figures free of a display
    // server's work.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
