#pragma once

#include <string>
#include <string_view>

// Symbols and level letters compare in capitals. Only ASCII letters change: the locale must
// not turn a byte of another text into a symbol.
constexpr char AsciiUpper(char ch) {
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

inline std::string AsciiUpper(std::string_view text) {
    std::string result(text);
    for (char& ch : result)
        ch = AsciiUpper(ch);
    return result;
}
