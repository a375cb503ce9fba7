// Costs of the seed bank: certifying the compiled-in bank (the whole verify, the exact
// solver on the records of each size) and making one build candidate.

#include "bank_verifier.h"
#include "generator.h"
#include "solver.h"

#include <benchmark/benchmark.h>

using namespace seedbank;

namespace {

const Bank& Compiled() {
    static const Bank bank = CompiledBank();
    return bank;
}

void BM_VerifyWholeBank(benchmark::State& state) {
    for (auto _ : state) {
        const VerifyReport report = VerifyBank(Compiled());
        if (!report.ok())
            state.SkipWithError("bank not certified");
        benchmark::DoNotOptimize(report.failures.size());
    }
}
BENCHMARK(BM_VerifyWholeBank)->Unit(benchmark::kMillisecond);

// Uniqueness proof (solutions counted up to 2) of every record of one size, per record.
void BM_SolverPerRecord(benchmark::State& state) {
    const int box = static_cast<int>(state.range(0));
    const Geometry& geometry = *Geometry::For(box);
    std::vector<CellValues> puzzles;
    for (const BankList& list : Compiled())
        if (list.box == box)
            for (const std::string& record : list.records) {
                CellValues givens;
                ParseCells(geometry, record.substr(0, geometry.cells), givens);
                puzzles.push_back(givens);
            }
    for (auto _ : state)
        for (const CellValues& givens : puzzles)
            benchmark::DoNotOptimize(CountSolutions(geometry, givens, 2).solutions);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(puzzles.size()));
}
BENCHMARK(BM_SolverPerRecord)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMillisecond);

} // namespace

// One build candidate (random grid, clue removal under the list's tier, grade), by size
// and tier: the unit of work a build repeats a few thousand times.
void BM_MakeCandidate(benchmark::State& state) {
    const Geometry& geometry = *Geometry::For(static_cast<int>(state.range(0)));
    const TechniqueSet tiers[] = {kSinglesTier, kLockedTier, kPairsTier};
    const TechniqueSet tier = tiers[state.range(1)];
    std::uint64_t seed = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(MakeCandidate(geometry, tier, seed++).givens);
}
BENCHMARK(BM_MakeCandidate)
    ->ArgsProduct({{3, 4, 5}, {0, 1, 2}})
    ->ArgNames({"box", "tier"})
    ->Unit(benchmark::kMillisecond);
