#pragma once

#include <string_view>

// The symbols of each box size in their order: a symbol's number is its position.
// Empty for any other size.
constexpr std::string_view SymbolAlphabetFor(int boxSize) {
    switch (boxSize) {
    case 3:
        return "123456789";
    case 4:
        return "0123456789ABCDEF";
    case 5:
        return "ABCDEFGHIJKLMNOPQRSTUVWXY";
    default:
        return {};
    }
}
