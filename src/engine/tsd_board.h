#pragma once

#include "engine/cell_grid.h"
#include "engine/symbol_alphabets.h"

#include <array>
#include <cstdint>
#include <string>

// One Sudoku of box edge n (grid side N = n*n): the givens and the complete solution as
// symbol numbers (-1 for an empty cell), the alphabet that maps numbers to characters,
// the shuffling generator and the rule checks.
//
// A board is clean or failed; the failed state is final. No operation throws: failures
// are recorded with SetError and read back with HasError / GetErrorText.
class TsdBoard {
public:
    // The board's cells fit the same fixed stride as the window's grids.
    using CellMatrix = std::array<std::array<std::int32_t, kGridStride>, kGridStride>;
    // A drawn permutation of 0..n-1 in its first n entries.
    using ReorderPerm = std::array<std::int32_t, kLargestBoxSize>;

    // Note the argument order: the alphabet comes first here and last in LoadPuzzle.
    TsdBoard(std::int32_t n, const std::string& alphabet, const std::string& puzzleText,
             const std::string& solutionText);

    // Stores upper-cased copies of the texts and parses them. Never clears a failure.
    void LoadPuzzle(const std::string& puzzleText, const std::string& solutionText,
                    const std::string& alphabet);

    bool HasError() const { return ErrorFlag; }
    const std::string& GetErrorText() const { return ErrorText; }
    std::int32_t GetDimension() const { return Dimension; }

    // Write the N x N corner of `grid`: the symbol character of each cell, a blank for -1.
    void ExportPuzzle(CellGrid& grid) const;
    void ExportSolution(CellGrid& grid) const;

    bool IsSymbol(char ch) const;

    // Disguises the loaded puzzle and its solution by rule-preserving permutations.
    void Genera();

    // True when the solution grid holds no value twice in a row, column or box.
    bool CheckSolution() const;

    // Whether `symbol` occurs elsewhere in the row / column / box of (row, column) of `grid`.
    bool RowConflict(char symbol, std::int32_t row, std::int32_t column,
                     const CellGrid& grid) const;
    bool ColumnConflict(char symbol, std::int32_t row, std::int32_t column,
                        const CellGrid& grid) const;
    bool BoxConflict(char symbol, std::int32_t row, std::int32_t column,
                     const CellGrid& grid) const;

private:
    bool ValidSize() const;
    std::int64_t SymbolCount() const;
    void SetError(const std::string& text);
    void ParsePuzzle();
    std::int32_t CharToSymbol(char ch) const;
    void BuildSymbolLookup();
    char SymbolChar(std::int32_t value) const;
    void ExportCells(const CellMatrix& cells, CellGrid& grid) const;
    bool InBounds(std::int32_t row, std::int32_t column) const;
    bool SolutionCellPasses(std::int32_t row, std::int32_t column) const;

    void InitRandom();
    std::uint32_t GetRandom(std::uint32_t range);
    std::int32_t GetRandomIndex();
    // The permutation draws of Genera.
    ReorderPerm GetRandomReorder();
    ReorderPerm GetRandomGroupReorder();
    void GetRandomPermutation(std::int32_t count,
                              std::array<std::int32_t, kLargestSide>& permutation);

    void SnapshotCells(CellMatrix& puzzle, CellMatrix& solution) const;
    void reorderColsOfGroup(std::int32_t group, ReorderPerm perm);
    void reorderRowsOfGroup(std::int32_t group, ReorderPerm perm);
    void reorderColGroups(ReorderPerm perm);
    void reorderRowGroups(ReorderPerm perm);
    void reorderSymbols();

    bool ErrorFlag = false;
    std::string ErrorText;
    std::int32_t BoxSize = 0;
    std::int32_t Dimension = 0;
    CellMatrix PuzzleCells;
    CellMatrix SolutionCells;
    std::int32_t CellCount = 0;
    std::string SymbolAlphabet;
    std::string PuzzleText;
    std::string SolutionText;
    // Symbol number of every byte for the current alphabet (-1: empty cell).
    std::array<std::int32_t, 256> SymbolLookup{};
};
