#include "view/cell_input.h"

#include <QKeyEvent>

namespace {

bool IsModifierKey(int key) {
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
        return true;
    default:
        return false;
    }
}

// The digit keys of the main block, found by where they sit rather than by what the layout
// gives: Shift+1 arrives as '!', and a French layout gives '&', 'é', '"'... without Shift.
std::optional<char> MainBlockDigit(const QKeyEvent& key) {
#if defined(Q_OS_WIN)
    // Virtual keys VK_0 to VK_9 are the digit row on every layout.
    const quint32 code = key.nativeVirtualKey();
    if (code >= 0x30 && code <= 0x39)
        return static_cast<char>('0' + (code - 0x30));
#elif defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // X11 and Wayland key codes of a PC keyboard's digit row: 10 for "1" up to 18 for "9",
    // then 19 for "0".
    const quint32 code = key.nativeScanCode();
    if (code >= 10 && code <= 19)
        return code == 19 ? '0' : static_cast<char>('1' + (code - 10));
#endif
    return std::nullopt;
}

std::optional<char> CellValueForKey(const QKeyEvent& event) {
    if (const auto digit = MainBlockDigit(event))
        return digit;
    const int key = event.key();
    if (key == Qt::Key_Space)
        return ' ';
    // The keypad's digits, and the digit row where the platform names no physical key.
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<char>('0' + (key - Qt::Key_0));
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<char>('A' + (key - Qt::Key_A));
    return std::nullopt;
}

} // namespace

GridKey ReadGridKey(const QKeyEvent& key) {
    if (IsModifierKey(key.key()))
        return GridKey{std::nullopt, true};
    return GridKey{CellValueForKey(key), false};
}
