#pragma once

#include "engine/symbol_alphabets.h"

#include <string>
#include <string_view>

// Test material of any size without the seed bank: a valid complete grid built from a
// pattern, and a puzzle that keeps a spread of its cells.

inline std::string AlphabetFor(int n) {
    if (!SymbolAlphabetFor(n).empty())
        return std::string(SymbolAlphabetFor(n));
    // Other sizes: printable characters that are neither empty markers nor lower case.
    std::string alphabet;
    for (char ch = '!'; ch <= '~' && static_cast<int>(alphabet.size()) < n * n; ++ch)
        if (std::string_view(".?-").find(ch) == std::string_view::npos && !(ch >= 'a' && ch <= 'z'))
            alphabet += ch;
    return alphabet;
}

// Cell (r, c) holds symbol (n*(r mod n) + r div n + c) mod N: every row, column and box
// holds each symbol once.
inline std::string PatternSolution(int n) {
    const int side = n * n;
    const std::string alphabet = AlphabetFor(n);
    std::string text;
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            text += alphabet[(n * (r % n) + r / n + c) % side];
    return text;
}

// The solution with every cell whose (r*7 + c*3) mod 5 is below 2 emptied to '?'.
inline std::string PatternPuzzle(int n) {
    const int side = n * n;
    std::string text = PatternSolution(n);
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c)
            if ((r * 7 + c * 3) % 5 < 2)
                text[r * side + c] = '?';
    return text;
}
