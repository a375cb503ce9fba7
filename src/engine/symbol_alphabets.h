#pragma once

#include "base/ascii_case.h"

#include <string>
#include <string_view>

// The box sizes a game has: 3x3, 4x4 and 5x5 boxes, the smallest the one a game starts with.
inline constexpr int kSmallestBoxSize = 3;
inline constexpr int kLargestBoxSize = 5;
// The largest side a game has (25x25).
inline constexpr int kLargestSide = kLargestBoxSize * kLargestBoxSize;

// The symbols of each box size in their order: a symbol's number is its position.
// Empty for any other size.
inline const std::string& SymbolAlphabetFor(int boxSize) {
    static const std::string kAlphabets[] = {"123456789", "0123456789ABCDEF",
                                             "ABCDEFGHIJKLMNOPQRSTUVWXY"};
    static const std::string kNone;
    return boxSize >= kSmallestBoxSize && boxSize <= kLargestBoxSize
               ? kAlphabets[boxSize - kSmallestBoxSize]
               : kNone;
}

// The number of `symbol` in `alphabet`, a letter in either case, or -1 when it is not there.
inline int SymbolNumberIn(std::string_view alphabet, char symbol) {
    const std::size_t at = alphabet.find(AsciiUpper(symbol));
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}
