#include "engine/tsd_board.h"

#include "base/ascii_case.h"
#include "engine/random_source.h"
#include "engine/reorder_tables.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr const char* kEmptyMarkers = ".?- ";

TsdBoard::CellMatrix emptyCells() {
    TsdBoard::CellMatrix cells;
    for (auto& row : cells)
        row.fill(-1);
    return cells;
}

} // namespace

TsdBoard::TsdBoard(std::int32_t n, const std::string& alphabet, const std::string& puzzleText,
                   const std::string& solutionText)
    : PuzzleCells(emptyCells()), SolutionCells(emptyCells()) {
    BoxSize = n;
    ErrorFlag = false;
    ErrorText.clear();
    if (ValidSize()) {
        Dimension = n * n;
        CellCount = Dimension * Dimension;

        std::int32_t b = 0;
        for (std::int32_t top = 0; top < Dimension; top += n)
            for (std::int32_t left = 0; left < Dimension; left += n) {
                BoxLeft[b] = left;
                BoxTop[b] = top;
                ++b;
            }
        // Boxes are numbered row by row, so the box of a cell follows from its position.
        for (std::int32_t r = 0; r < Dimension; ++r)
            for (std::int32_t c = 0; c < Dimension; ++c)
                CellBox[r][c] = (r / n) * n + c / n;
    } else {
        // A size that does not fit the fixed grids: the board stays empty and failed.
        SetError("Internal error: TsdBoard. Dimensione:" + std::to_string(n) + ": non gestita !");
    }
    InitRandom();
    LoadPuzzle(puzzleText, solutionText, alphabet);
}

bool TsdBoard::ValidSize() const {
    return BoxSize >= 1 && static_cast<std::int64_t>(BoxSize) * BoxSize <= kGridStride;
}

std::int64_t TsdBoard::SymbolCount() const {
    return static_cast<std::int64_t>(BoxSize) * BoxSize;
}

void TsdBoard::SetError(const std::string& text) {
    ErrorFlag = true;
    ErrorText = text;
}

void TsdBoard::LoadPuzzle(const std::string& puzzleText, const std::string& solutionText,
                          const std::string& alphabet) {
    SymbolAlphabet = AsciiUpper(alphabet);
    PuzzleText = AsciiUpper(puzzleText);
    SolutionText = AsciiUpper(solutionText);
    BuildSymbolLookup();
    ParsePuzzle();
}

void TsdBoard::ParsePuzzle() {
    if (!ValidSize())
        return; // already failed at construction; nothing can be parsed
    if (static_cast<std::int64_t>(SymbolAlphabet.size()) != SymbolCount()) {
        SetError("Chars length expected:" + std::to_string(SymbolCount()) +
                 " received:" + std::to_string(SymbolAlphabet.size()));
        return;
    }
    if (static_cast<std::int64_t>(PuzzleText.size()) != CellCount) {
        SetError("Generator Puzzle dimension expected:" + std::to_string(CellCount) +
                 " received:" + std::to_string(PuzzleText.size()));
        return;
    }
    if (static_cast<std::int64_t>(SolutionText.size()) != CellCount) {
        SetError("Generator Solution dimension expected:" + std::to_string(CellCount) +
                 " received:" + std::to_string(SolutionText.size()));
        return;
    }
    // The relabelling of Genera needs a symbol in every solution cell.
    for (std::size_t pos = 0; pos < SolutionText.size(); ++pos)
        if (CharToSymbol(SolutionText[pos]) < 0) {
            SetError(
                "Generator Solution symbol expected at position:" + std::to_string(pos) +
                " received code:" + std::to_string(static_cast<unsigned char>(SolutionText[pos])));
            return;
        }

    std::size_t pos = 0;
    for (std::int32_t r = 0; r < Dimension; ++r)
        for (std::int32_t c = 0; c < Dimension; ++c) {
            SolutionCells[r][c] = CharToSymbol(SolutionText[pos]);
            PuzzleCells[r][c] = CharToSymbol(PuzzleText[pos]);
            ++pos;
        }
}

std::int32_t TsdBoard::CharToSymbol(char ch) const {
    return SymbolLookup[static_cast<unsigned char>(ch)];
}

// One pass over the alphabet instead of a search per character: the markers are empty cells,
// and a repeated alphabet character keeps its first position.
void TsdBoard::BuildSymbolLookup() {
    SymbolLookup.fill(-1);
    for (std::size_t pos = SymbolAlphabet.size(); pos-- > 0;)
        SymbolLookup[static_cast<unsigned char>(SymbolAlphabet[pos])] =
            static_cast<std::int32_t>(pos);
    for (char marker : std::string_view(kEmptyMarkers))
        SymbolLookup[static_cast<unsigned char>(marker)] = -1;
}

char TsdBoard::SymbolChar(std::int32_t value) const {
    if (value < 0 || value >= static_cast<std::int32_t>(SymbolAlphabet.size()))
        return ' ';
    return SymbolAlphabet[value];
}

void TsdBoard::ExportCells(const CellMatrix& cells, CellGrid& grid) const {
    for (std::int32_t r = 0; r < Dimension; ++r)
        for (std::int32_t c = 0; c < Dimension; ++c)
            grid[r][c] = SymbolChar(cells[r][c]);
}

void TsdBoard::ExportPuzzle(CellGrid& grid) const {
    ExportCells(PuzzleCells, grid);
}

void TsdBoard::ExportSolution(CellGrid& grid) const {
    ExportCells(SolutionCells, grid);
}

bool TsdBoard::IsSymbol(char ch) const {
    return SymbolAlphabet.find(AsciiUpper(ch)) != std::string::npos;
}

bool TsdBoard::InBounds(std::int32_t row, std::int32_t column) const {
    return row >= 0 && row < Dimension && column >= 0 && column < Dimension;
}

// ---- Random draws -------------------------------------------------------------------

void TsdBoard::InitRandom() {
    SeedRandom();
    int minute = CurrentMinuteOfHour();
    if (minute == 0)
        minute = 60;
    for (int i = 0; i < minute; ++i)
        NextRandom(2);
}

std::uint32_t TsdBoard::GetRandom(std::uint32_t range) {
    return NextRandom(range);
}

std::int32_t TsdBoard::GetRandomIndex() {
    return static_cast<std::int32_t>(NextRandom(static_cast<std::uint32_t>(Dimension)));
}

namespace {

TsdBoard::ReorderPerm drawFrom(const ReorderTable& table, std::uint32_t rowIndex) {
    TsdBoard::ReorderPerm perm{};
    const std::uint8_t* row = table.row(static_cast<int>(rowIndex));
    for (int k = 0; k < table.width; ++k)
        perm[k] = row[k];
    return perm;
}

} // namespace

TsdBoard::ReorderPerm TsdBoard::GetRandomReorder() {
    const ReorderTable table = LineReorderTable(BoxSize);
    if (table.rowCount == 0)
        return {};
    return drawFrom(table, GetRandom(static_cast<std::uint32_t>(table.rowCount)));
}

TsdBoard::ReorderPerm TsdBoard::GetRandomGroupReorder() {
    const ReorderTable table = GroupReorderTable(BoxSize);
    if (table.rowCount == 0)
        return {};
    return drawFrom(table, GetRandom(static_cast<std::uint32_t>(table.rowCount)));
}

void TsdBoard::GetRandomPermutation(std::int32_t count, std::array<std::int32_t, 25>& permutation) {
    count = std::clamp(count, 0, 25);
    std::fill(permutation.begin(), permutation.begin() + count, -1);
    std::int32_t i = 0;
    while (i < count) {
        const std::int32_t v = GetRandomIndex();
        if (std::find(permutation.begin(), permutation.begin() + i, v) != permutation.begin() + i)
            continue;
        permutation[i] = v;
        ++i;
    }
}

// ---- Genera -------------------------------------------------------------------------

void TsdBoard::Genera() {
    if (BoxSize != 3 && BoxSize != 4 && BoxSize != 5) {
        SetError("Internal error: Genera. Dimensione:" + std::to_string(BoxSize) +
                 ": non gestita !");
        return;
    }
    for (std::int32_t g = 0; g < BoxSize; ++g)
        reorderColsOfGroup(g, GetRandomReorder());
    for (std::int32_t g = 0; g < BoxSize; ++g)
        reorderRowsOfGroup(g, GetRandomReorder());
    reorderColGroups(GetRandomGroupReorder());
    reorderRowGroups(GetRandomGroupReorder());
    reorderSymbols();
}

// Each transform reads only the grids as they were before it began: new (to) := old (from).
// Only the lines a transform moves are copied to the scratch grids.
void TsdBoard::reorderColsOfGroup(std::int32_t group, ReorderPerm perm) {
    const std::int32_t n = BoxSize;
    CellMatrix puzzle, solution;
    for (std::int32_t r = 0; r < Dimension; ++r)
        for (std::int32_t k = 0; k < n; ++k) {
            puzzle[r][group * n + k] = PuzzleCells[r][group * n + k];
            solution[r][group * n + k] = SolutionCells[r][group * n + k];
        }
    for (std::int32_t k = 0; k < n; ++k)
        for (std::int32_t r = 0; r < Dimension; ++r) {
            PuzzleCells[r][group * n + k] = puzzle[r][group * n + perm[k]];
            SolutionCells[r][group * n + k] = solution[r][group * n + perm[k]];
        }
}

void TsdBoard::reorderRowsOfGroup(std::int32_t group, ReorderPerm perm) {
    const std::int32_t n = BoxSize;
    CellMatrix puzzle, solution;
    for (std::int32_t k = 0; k < n; ++k) {
        std::copy_n(PuzzleCells[group * n + k].begin(), Dimension, puzzle[group * n + k].begin());
        std::copy_n(SolutionCells[group * n + k].begin(), Dimension,
                    solution[group * n + k].begin());
    }
    for (std::int32_t k = 0; k < n; ++k)
        for (std::int32_t c = 0; c < Dimension; ++c) {
            PuzzleCells[group * n + k][c] = puzzle[group * n + perm[k]][c];
            SolutionCells[group * n + k][c] = solution[group * n + perm[k]][c];
        }
}

void TsdBoard::SnapshotCells(CellMatrix& puzzle, CellMatrix& solution) const {
    for (std::int32_t r = 0; r < Dimension; ++r) {
        std::copy_n(PuzzleCells[r].begin(), Dimension, puzzle[r].begin());
        std::copy_n(SolutionCells[r].begin(), Dimension, solution[r].begin());
    }
}

void TsdBoard::reorderColGroups(ReorderPerm perm) {
    CellMatrix puzzle, solution;
    SnapshotCells(puzzle, solution);
    const std::int32_t n = BoxSize;
    for (std::int32_t g = 0; g < n; ++g)
        for (std::int32_t k = 0; k < n; ++k)
            for (std::int32_t r = 0; r < Dimension; ++r) {
                PuzzleCells[r][g * n + k] = puzzle[r][perm[g] * n + k];
                SolutionCells[r][g * n + k] = solution[r][perm[g] * n + k];
            }
}

void TsdBoard::reorderRowGroups(ReorderPerm perm) {
    CellMatrix puzzle, solution;
    SnapshotCells(puzzle, solution);
    const std::int32_t n = BoxSize;
    for (std::int32_t g = 0; g < n; ++g)
        for (std::int32_t k = 0; k < n; ++k)
            for (std::int32_t c = 0; c < Dimension; ++c) {
                PuzzleCells[g * n + k][c] = puzzle[perm[g] * n + k][c];
                SolutionCells[g * n + k][c] = solution[perm[g] * n + k][c];
            }
}

void TsdBoard::reorderSymbols() {
    std::array<std::int32_t, 25> permutation{};
    GetRandomPermutation(Dimension, permutation);
    for (std::int32_t r = 0; r < Dimension; ++r)
        for (std::int32_t c = 0; c < Dimension; ++c) {
            // Every solution cell holds a symbol (refused at load otherwise); stay safe anyway.
            const std::int32_t s = SolutionCells[r][c];
            if (s >= 0 && s < Dimension)
                SolutionCells[r][c] = permutation[s];
            const std::int32_t p = PuzzleCells[r][c];
            if (p >= 0 && p < Dimension)
                PuzzleCells[r][c] = permutation[p];
        }
}

// ---- Rule checks --------------------------------------------------------------------

bool TsdBoard::SolutionCellPasses(std::int32_t r, std::int32_t c) {
    const std::int32_t v = SolutionCells[r][c];
    SolutionCells[r][c] = -2; // the scans below must not find the cell itself
    bool passes = true;
    for (std::int32_t i = 0; i < c && passes; ++i)
        passes = SolutionCells[r][i] != v;
    for (std::int32_t i = 0; i < r && passes; ++i)
        passes = SolutionCells[i][c] != v;
    const std::int32_t b = CellBox[r][c];
    for (std::int32_t i = BoxTop[b]; i < BoxTop[b] + BoxSize && passes; ++i)
        for (std::int32_t j = BoxLeft[b]; j < BoxLeft[b] + BoxSize && passes; ++j)
            passes = SolutionCells[i][j] != v;
    SolutionCells[r][c] = v;
    return passes;
}

bool TsdBoard::CheckSolution() {
    for (std::int32_t r = 0; r < Dimension; ++r)
        for (std::int32_t c = 0; c < Dimension; ++c)
            if (!SolutionCellPasses(r, c))
                return false;
    return true;
}

bool TsdBoard::RowConflict(char symbol, std::int32_t row, std::int32_t column,
                           const CellGrid& grid) const {
    if (!InBounds(row, column))
        return false;
    for (std::int32_t i = 0; i < Dimension; ++i)
        if (i != column && grid[row][i] == symbol)
            return true;
    return false;
}

bool TsdBoard::ColumnConflict(char symbol, std::int32_t row, std::int32_t column,
                              const CellGrid& grid) const {
    if (!InBounds(row, column))
        return false;
    for (std::int32_t i = 0; i < Dimension; ++i)
        if (i != row && grid[i][column] == symbol)
            return true;
    return false;
}

bool TsdBoard::BoxConflict(char symbol, std::int32_t row, std::int32_t column,
                           const CellGrid& grid) const {
    if (!InBounds(row, column))
        return false;
    const std::int32_t b = CellBox[row][column];
    for (std::int32_t i = BoxTop[b]; i < BoxTop[b] + BoxSize; ++i)
        for (std::int32_t j = BoxLeft[b]; j < BoxLeft[b] + BoxSize; ++j)
            if ((i != row || j != column) && grid[i][j] == symbol)
                return true;
    return false;
}
