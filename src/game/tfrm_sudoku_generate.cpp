#include "bank/seed_bank.h"
#include "engine/random_source.h"
#include "toolkit/draw_grid.h"
#include "toolkit/radio_group.h"
#include "toolkit/seams.h"
#include "windows/tfrm_sudoku.h"

#include <QAction>

namespace {

constexpr int kRetries = 10;

} // namespace

void TfrmSudoku::ActGeneraExecute() {
    int attempt = 0;
    // The first run and up to ten retries.
    while (!GeneratePuzzle() && attempt < kRetries)
        ++attempt;
    if (attempt >= kRetries) {
        CurrentSeams().showMessage(this, QStringLiteral("INTERNAL ERROR ENGINE 10 RETRIES"));
        return;
    }
    if (ActPrint->isEnabled())
        ActGenera->setText(QStringLiteral("Rigenera [F10]"));
}

bool TfrmSudoku::GeneratePuzzle() {
    const int sizeIndex = cbg1->itemIndex();
    if (sizeIndex < 0 || sizeIndex > 2) {
        CurrentSeams().showMessage(this,
                                   QStringLiteral("index of checkbox errato:%1").arg(sizeIndex));
        return false;
    }
    const std::int32_t n = 3 + sizeIndex;

    if (sg1->isHidden() || n != BoxSize) {
        if (n != BoxSize)
            FitWindowToBoxSize(n);
        PrepareGrid(n);
    }

    static constexpr char kLevels[] = {'E', 'M', 'A'};
    const int levelIndex = cbgLivello->itemIndex();
    const char level = levelIndex >= 0 && levelIndex <= 2 ? kLevels[levelIndex] : 'E';

    const int count = GetSeedCount(n, level);
    if (count <= 0) {
        CurrentSeams().showMessage(this, QStringLiteral("ENGINE ERROR: 001"));
        return false;
    }
    // Drawn before the board is made: a new board reseeds the stream for its own shuffle.
    const int index = static_cast<int>(NextRandom(static_cast<std::uint32_t>(count)));
    std::string puzzle;
    std::string solution;
    if (!GetSeedPuzzle(n, level, index, puzzle, solution)) {
        CurrentSeams().showMessage(this, QStringLiteral("ENGINE ERROR: 002"));
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
        CellGrid exportedPuzzle = MakeCellGrid();
        CellGrid exportedSolution = MakeCellGrid();
        Board->ExportPuzzle(exportedPuzzle);
        Board->ExportSolution(exportedSolution);
        PlayGrid = exportedPuzzle;
        PuzzleGrid = exportedPuzzle;
        SolutionGrid = exportedSolution;
        sg1->setFocus();
        GameState = 1;
    } else {
        // A refusal by the solution check alone raises no flag and shows nothing.
        if (Board->HasError())
            CurrentSeams().showMessage(this, QString::fromStdString(Board->GetErrorText()));
        GameState = 0;
    }
    ApplyGameState();
    return ok;
}

void TfrmSudoku::ResetPlayGrid() {
    if (!Board)
        return;
    const int side = Board->GetDimension();
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            if (PuzzleGrid[r][c] == ' ')
                PlayGrid[r][c] = ' ';
}
