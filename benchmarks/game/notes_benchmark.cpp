// The notes' costs on the largest grid. Targets: filling in candidates on 25x25 under 1 ms;
// a 2,000-step history under 1 MB.
#include "game/game_core.h"

#include <QDateTime>
#include <benchmark/benchmark.h>
#include <random>

namespace {

// A world that answers nothing and says Yes.
class QuietHost : public GameHost {
public:
    void ShowMessage(const QString&) override {}
    bool ConfirmYes(const QString&) override { return true; }
    QDateTime Now() override { return QDateTime(QDate(2026, 12, 9), QTime(9, 0)); }
};

struct Game25 {
    Game25() {
        game.Start();
        game.Generate(2, 0);
        game.Play();
    }
    QuietHost host;
    GameCore game{host};
};

// A fill and its undo: the fill's work every time, as a second fill in a row changes nothing.
void BM_FillCandidates25x25WithItsUndo(benchmark::State& state) {
    Game25 g;
    for (auto _ : state) {
        g.game.Run(GameCommand::FillCandidates);
        g.game.Run(GameCommand::Undo);
    }
}
BENCHMARK(BM_FillCandidates25x25WithItsUndo)->Unit(benchmark::kMicrosecond);

// A long game of 2,000 steps, each one changing something: a fill every hundred steps, the
// rest notes and entries in blank open cells and clearings of filled ones. The history's
// heap is reported as a counter.
void BM_History2000Steps25x25(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        Game25 g;
        const GameCore& game = g.game;
        std::mt19937 rng(20261210);
        const std::string& alphabet = game.SymbolAlphabet();
        for (int step = 0; step < 2000; ++step) {
            int r = 0;
            int c = 0;
            do {
                r = static_cast<int>(rng() % 25);
                c = static_cast<int>(rng() % 25);
            } while (game.PuzzleGrid()[r][c] != ' ');
            if (step % 100 == 0)
                g.game.Run(GameCommand::FillCandidates);
            else if (game.PlayGrid()[r][c] != ' ')
                g.game.PressKey(GridKey{' ', false}, r, c);
            else if (rng() % 100 < 60)
                g.game.ToggleNote(alphabet[rng() % alphabet.size()], r, c);
            else
                g.game.PressKey(GridKey{game.SolutionGrid()[r][c], false}, r, c);
        }
        bytes = game.History().MemoryBytes();
    }
    state.counters["history_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_History2000Steps25x25)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
