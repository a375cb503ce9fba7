#include "game/booklet_puzzles.h"

#include "bank/seed_bank.h"
#include "engine/random_source.h"
#include "engine/symbol_alphabets.h"
#include "engine/tsd_board.h"

#include <memory>
#include <string>

namespace {

// The level the window always generates at.
constexpr char kLevel = 'E';
// As in the window: a failed attempt is tried again up to ten times.
constexpr int kRetries = 10;

// Seed indices drawn from the shared stream without repeats until all have been drawn.
class SeedBag {
public:
    explicit SeedBag(int count) : count_(count) {}

    int Draw() {
        if (left_.empty())
            for (int i = count_ - 1; i >= 0; --i)
                left_.push_back(i);
        const auto k = NextRandom(static_cast<std::uint32_t>(left_.size()));
        const int index = left_[k];
        left_[k] = left_.back();
        left_.pop_back();
        return index;
    }

private:
    int count_;
    std::vector<int> left_;
};

} // namespace

std::vector<BookletPuzzle> MakeBookletPuzzles(int boxSize, int count,
                                              std::optional<std::uint32_t> startValue) {
    const std::string alphabet(SymbolAlphabetFor(boxSize));
    const int seeds = GetSeedCount(boxSize, kLevel);
    if (alphabet.empty() || seeds <= 0 || count < 1 || count > kMaxBookletPuzzles)
        return {};
    std::string puzzleText;
    std::string solutionText;
    if (!GetSeedPuzzle(boxSize, kLevel, 0, puzzleText, solutionText))
        return {};
    // A new engine reseeds the stream from the clock; the starting value comes after that.
    auto board = std::make_unique<TsdBoard>(boxSize, alphabet, puzzleText, solutionText);
    if (startValue)
        SetRandomState(*startValue);

    SeedBag bag(seeds);
    std::vector<BookletPuzzle> puzzles;
    puzzles.reserve(static_cast<std::size_t>(count));
    int failures = 0;
    while (static_cast<int>(puzzles.size()) < count) {
        bool ok = GetSeedPuzzle(boxSize, kLevel, bag.Draw(), puzzleText, solutionText);
        if (ok) {
            // A board whose flag is raised stays failed: a fresh one takes its place.
            if (board->HasError())
                board = std::make_unique<TsdBoard>(boxSize, alphabet, puzzleText, solutionText);
            else
                board->LoadPuzzle(puzzleText, solutionText, alphabet);
            ok = !board->HasError();
        }
        if (ok) {
            board->Genera();
            ok = !board->HasError() && board->CheckSolution();
        }
        if (!ok) {
            if (++failures > kRetries)
                return {};
            continue;
        }
        failures = 0;
        BookletPuzzle& made = puzzles.emplace_back();
        made.puzzle = MakeCellGrid();
        made.solution = MakeCellGrid();
        board->ExportPuzzle(made.puzzle);
        board->ExportSolution(made.solution);
    }
    return puzzles;
}
