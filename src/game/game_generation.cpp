// Generating a puzzle into the game: the retry loop, one attempt, and the player's grid.
#include "bank/seed_bank.h"
#include "engine/random_source.h"
#include "game/game_core.h"
#include "game/game_texts.h"

namespace {

constexpr int kRetries = 10;

char LevelLetter(int levelIndex) {
    static constexpr char kLevels[] = {'E', 'M', 'A'};
    return levelIndex >= 0 && levelIndex <= 2 ? kLevels[levelIndex] : 'E';
}

} // namespace

GameCore::GenerateOutcome GameCore::Generate(int sizeIndex, int levelIndex) {
    // No new puzzle under a running game.
    if (IsGameRunning(GameState))
        return {};
    int attempt = 0;
    bool generated = GeneratePuzzle(sizeIndex, levelIndex);
    while (!generated && attempt < kRetries) {
        ++attempt;
        generated = GeneratePuzzle(sizeIndex, levelIndex);
    }
    // Ten failures in a row are reported whatever the eleventh attempt gave.
    const bool gaveUp = attempt >= kRetries;
    if (gaveUp)
        Host.ShowMessage(kRetriesExhaustedMessage);
    return {generated, gaveUp};
}

bool GameCore::GeneratePuzzle(int sizeIndex, int levelIndex) {
    if (sizeIndex < 0 || sizeIndex > 2) {
        Host.ShowMessage(SizeIndexMessage(sizeIndex));
        return false;
    }
    const std::int32_t n = 3 + sizeIndex;
    if (!GridShown || n != BoxSize)
        PrepareGrid(n);

    const char level = LevelLetter(levelIndex);
    const int count = GetSeedCount(n, level);
    if (count <= 0) {
        Host.ShowMessage(kNoSeedMessage);
        return false;
    }
    // Drawn before the board is made: a new board reseeds the stream for its own shuffle.
    const int index = static_cast<int>(NextRandom(static_cast<std::uint32_t>(count)));
    std::string puzzle;
    std::string solution;
    if (!GetSeedPuzzle(n, level, index, puzzle, solution)) {
        Host.ShowMessage(kSeedUnreadableMessage);
        return false;
    }

    if (Board && n == BoxSize)
        Board->LoadPuzzle(puzzle, solution, SymbolAlphabets[n]);
    else
        Board = std::make_unique<TsdBoard>(n, SymbolAlphabets[n], puzzle, solution);
    BoxSize = n;

    bool ok = !Board->HasError();
    if (ok) {
        Board->Genera();
        ok = !Board->HasError() && Board->CheckSolution();
    }
    if (ok) {
        Board->ExportPuzzle(PuzzleGrid);
        Board->ExportSolution(SolutionGrid);
        PlayGrid = PuzzleGrid;
    } else if (Board->HasError()) {
        // A refusal by the solution check alone raises no flag and shows nothing.
        Host.ShowMessage(QString::fromStdString(Board->GetErrorText()));
    }
    EnterState(ok ? PuzzleView : NoPuzzle);
    return ok;
}

void GameCore::PrepareGrid(int boxSize) {
    const bool newBoxSize = boxSize != BoxSize;
    GridShown = true;
    // A successful generation copies the new puzzle over this.
    PlayGrid = MakeCellGrid('.');
    SeparatorWidth = kSeparatorWidth;
    emit gridPrepared(boxSize, newBoxSize);
}

void GameCore::ResetPlayGrid() {
    if (!Board)
        return;
    const int side = Board->GetDimension();
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            if (PuzzleGrid[r][c] == ' ')
                PlayGrid[r][c] = ' ';
}
