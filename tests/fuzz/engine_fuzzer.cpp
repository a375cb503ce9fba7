// libFuzzer target: any size, alphabet and texts, then every board operation.
// The board must never crash or touch memory it does not own, and the exports must
// write only the N x N corner of a grid.
#include "engine/cell_grid.h"
#include "engine/random_source.h"
#include "engine/symbol_alphabets.h"
#include "engine/tsd_board.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// Reads the fuzzer's bytes front to back; runs dry with zeros.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::string text(std::size_t length) {
        std::string result;
        for (std::size_t i = 0; i < length; ++i)
            result += static_cast<char>(byte());
        return result;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Mostly interesting sizes, sometimes anything an int can hold.
std::int32_t pickSize(ByteReader& in) {
    const std::uint8_t selector = in.byte();
    if (selector < 160)
        return 3 + selector % 3; // the game's sizes
    if (selector < 240)
        return static_cast<std::int32_t>(selector % 14) - 3; // -3 .. 10
    std::int32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = static_cast<std::int32_t>((static_cast<std::uint32_t>(value) << 8) | in.byte());
    return value;
}

// Either the expected length (so parsing gets past the checks) or a length from the data.
std::string pickText(ByteReader& in, std::int64_t expected) {
    const std::uint8_t mode = in.byte();
    std::size_t length;
    if (mode < 192 && expected >= 0 && expected <= kGridStride * kGridStride)
        length = static_cast<std::size_t>(expected);
    else
        length = in.byte() * 16u + in.byte() % 16u;
    return in.text(length);
}

std::string pickAlphabet(ByteReader& in, std::int32_t n) {
    const std::uint8_t mode = in.byte();
    const std::int64_t side = static_cast<std::int64_t>(n) * n;
    if (mode < 128 && !SymbolAlphabetFor(n).empty())
        return std::string(SymbolAlphabetFor(n));
    return pickText(in, side);
}

void checkCornerOnly(const CellGrid& grid, int side) {
    for (int r = 0; r < kGridStride; ++r)
        for (int c = 0; c < kGridStride; ++c)
            if ((r >= side || c >= side) && grid[r][c] != '\x7f')
                std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader in(data, size);
    SetMinuteOfHourSource([] { return 0; });

    const std::int32_t n = pickSize(in);
    // N*N cells where that can be a text's length; n^4 itself overflows for large |n|.
    const std::int64_t sideAsked = static_cast<std::int64_t>(n) * n;
    const std::int64_t cells = sideAsked <= kGridStride * kGridStride ? sideAsked * sideAsked : -1;
    std::string alphabet = pickAlphabet(in, n);
    std::string puzzle = pickText(in, cells);
    std::string solution = pickText(in, cells);
    TsdBoard board(n, alphabet, puzzle, solution);

    alphabet = pickAlphabet(in, n);
    puzzle = pickText(in, cells);
    solution = pickText(in, cells);
    board.LoadPuzzle(puzzle, solution, alphabet);

    SetRandomState(in.byte());
    board.Genera();
    board.CheckSolution();

    const int side = board.GetDimension();
    if (side < 0 || side > kGridStride)
        std::abort();
    CellGrid grid = MakeCellGrid('\x7f');
    board.ExportPuzzle(grid);
    checkCornerOnly(grid, side);
    board.ExportSolution(grid);
    checkCornerOnly(grid, side);

    for (int ch = 0; ch < 256; ++ch)
        board.IsSymbol(static_cast<char>(ch));

    // Conflict tests at every cell, and just outside the grid, on a grid of fuzzed bytes.
    CellGrid probe = MakeCellGrid();
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            probe[r][c] = static_cast<char>(in.byte());
    for (int r = -1; r <= side; ++r)
        for (int c = -1; c <= side; ++c) {
            const char symbol = (r >= 0 && c >= 0 && r < side && c < side) ? probe[r][c] : '1';
            board.RowConflict(symbol, r, c, probe);
            board.ColumnConflict(symbol, r, c, probe);
            board.BoxConflict(symbol, r, c, probe);
        }
    return 0;
}
