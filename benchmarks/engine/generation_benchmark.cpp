// One full generation attempt as the window runs it: reload the seed texts, shuffle,
// check the shuffled solution and export both grids.
#include "bank/seed_bank.h"
#include "engine/cell_grid.h"
#include "engine/random_source.h"
#include "engine/symbol_alphabets.h"
#include "engine/tsd_board.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

std::string alphabetFor(int n) {
    return std::string(SymbolAlphabetFor(n));
}

void BM_GenerationAttempt(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    std::string puzzle, solution;
    if (!GetSeedPuzzle(n, 'E', 0, puzzle, solution)) {
        state.SkipWithError("no seed record for this size");
        return;
    }
    TsdBoard board(n, alphabetFor(n), puzzle, solution);
    CellGrid puzzleGrid = MakeCellGrid(), solutionGrid = MakeCellGrid();
    SetRandomState(12345);
    for (auto _ : state) {
        board.LoadPuzzle(puzzle, solution, alphabetFor(n));
        board.Genera();
        const bool ok = !board.HasError() && board.CheckSolution();
        board.ExportPuzzle(puzzleGrid);
        board.ExportSolution(solutionGrid);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(puzzleGrid);
        benchmark::DoNotOptimize(solutionGrid);
    }
}

} // namespace

BENCHMARK(BM_GenerationAttempt)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMicrosecond);
