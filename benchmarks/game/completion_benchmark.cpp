// The completion test on a full 25x25 grid, its worst case (every cell checked three ways),
// run after each accepted entry. Target: under 100 microseconds.
#include "game/completion_check.h"
#include "support/pattern_grids.h"

#include <benchmark/benchmark.h>

namespace {

void BM_CompletionFull25x25(benchmark::State& state) {
    const std::string solution = PatternSolution(5);
    const TsdBoard board(5, AlphabetFor(5), PatternPuzzle(5), solution);
    CellGrid grid = MakeCellGrid();
    board.ExportSolution(grid);
    for (auto _ : state)
        benchmark::DoNotOptimize(IsGridSolved(board, grid));
}
BENCHMARK(BM_CompletionFull25x25)->Unit(benchmark::kMicrosecond);

} // namespace
