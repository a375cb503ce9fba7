#include "engine/tsd_board.h"

#include "base/ascii_case.h"
#include "engine/cell_peers.h"
#include "engine/random_source.h"
#include "engine/reorder_tables.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr const char* kEmptyMarkers = ".?- ";

// Asks whether a cell of `grid` holds `symbol`.
auto Holding(const CellGrid& grid, char symbol) {
    return [&grid, symbol](int row, int column) { return grid[row][column] == symbol; };
}

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
    return SymbolNumberIn(SymbolAlphabet, ch) >= 0;
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

void TsdBoard::GetRandomPermutation(std::int32_t count,
                                    std::array<std::int32_t, kLargestSide>& permutation) {
    count = std::clamp(count, 0, kLargestSide);
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
    std::array<std::int32_t, kLargestSide> permutation{};
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

// A solution cell passes when no peer holds its value: each pair of cells is compared twice,
// which gives the same answer as comparing it once and leaves the grid untouched.
bool TsdBoard::SolutionCellPasses(std::int32_t r, std::int32_t c) const {
    const std::int32_t v = SolutionCells[r][c];
    const auto holdsIt = [&](int i, int j) { return SolutionCells[i][j] == v; };
    return !AnyPeerIn(PeerUnit::Row, BoxSize, r, c, holdsIt) &&
           !AnyPeerIn(PeerUnit::Column, BoxSize, r, c, holdsIt) &&
           !AnyPeerIn(PeerUnit::Box, BoxSize, r, c, holdsIt);
}

bool TsdBoard::CheckSolution() const {
    for (std::int32_t r = 0; r < Dimension; ++r)
        for (std::int32_t c = 0; c < Dimension; ++c)
            if (!SolutionCellPasses(r, c))
                return false;
    return true;
}

bool TsdBoard::RowConflict(char symbol, std::int32_t row, std::int32_t column,
                           const CellGrid& grid) const {
    return InBounds(row, column) &&
           AnyPeerIn(PeerUnit::Row, BoxSize, row, column, Holding(grid, symbol));
}

bool TsdBoard::ColumnConflict(char symbol, std::int32_t row, std::int32_t column,
                              const CellGrid& grid) const {
    return InBounds(row, column) &&
           AnyPeerIn(PeerUnit::Column, BoxSize, row, column, Holding(grid, symbol));
}

bool TsdBoard::BoxConflict(char symbol, std::int32_t row, std::int32_t column,
                           const CellGrid& grid) const {
    return InBounds(row, column) &&
           AnyPeerIn(PeerUnit::Box, BoxSize, row, column, Holding(grid, symbol));
}
