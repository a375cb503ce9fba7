// Reading a key press for the grid: the value it enters, whatever layout and modifier.
#include "view/cell_input.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

// A key press as the grid reads it, with the native data the platform may add.
GridKey Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, quint32 scanCode = 0,
            quint32 nativeKey = 0) {
    return ReadGridKey(QKeyEvent(QEvent::KeyPress, key, modifiers, scanCode, nativeKey, 0));
}

std::optional<char> ValueOf(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return Key(key, modifiers).value;
}

TEST(ReadGridKey, DigitsLettersAndTheSpaceBarEnterTheirCharacter) {
    for (int d = 0; d <= 9; ++d) {
        EXPECT_EQ(ValueOf(Qt::Key_0 + d), '0' + d);
        // The keypad's digits are digits too.
        EXPECT_EQ(ValueOf(Qt::Key_0 + d, Qt::KeypadModifier), '0' + d);
    }
    // Letters are upper case with or without Shift.
    for (int l = 0; l < 26; ++l) {
        EXPECT_EQ(ValueOf(Qt::Key_A + l), 'A' + l);
        EXPECT_EQ(ValueOf(Qt::Key_A + l, Qt::ShiftModifier), 'A' + l);
    }
    EXPECT_EQ(ValueOf(Qt::Key_Space), ' ');
}

TEST(ReadGridKey, FunctionNavigationAndEditingKeysEnterNothing) {
    // By its low byte F2 would read as 'q' and F5 as 't'; keys enter by what they are.
    for (int key : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F11, Qt::Key_F12, Qt::Key_Left,
                    Qt::Key_Home, Qt::Key_PageDown, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Delete,
                    Qt::Key_Backspace, Qt::Key_Plus, Qt::Key_QuoteLeft}) {
        const GridKey read = Key(key);
        EXPECT_FALSE(read.value.has_value()) << std::hex << key;
        EXPECT_FALSE(read.modifierAlone) << std::hex << key;
    }
}

// A modifier pressed by itself is the start of a chord such as the window manager's Alt+F4.
TEST(ReadGridKey, ModifierKeysAloneAreOnlyModifiers) {
    for (int key : {Qt::Key_Alt, Qt::Key_Shift, Qt::Key_Control, Qt::Key_AltGr, Qt::Key_Meta,
                    Qt::Key_CapsLock, Qt::Key_NumLock, Qt::Key_Super_L, Qt::Key_Super_R,
                    Qt::Key_Hyper_L, Qt::Key_Hyper_R, Qt::Key_Mode_switch, Qt::Key_ScrollLock}) {
        const GridKey read = Key(key);
        EXPECT_TRUE(read.modifierAlone) << std::hex << key;
        EXPECT_FALSE(read.value.has_value()) << std::hex << key;
    }
}

// The digit row enters its digit whatever is held and whatever the layout prints on it: the
// platform's native data say which key it is, the key value what the layout made of it.
struct DigitRowPress {
    const char* layout;
    int key;
    Qt::KeyboardModifiers modifiers;
    quint32 scanCode, nativeKey; // as the platform reports them
    char digit;
};

#if defined(Q_OS_WIN)
// Windows: PC scan codes 0x02 ("1") to 0x0B ("0"), and the virtual keys VK_0 to VK_9 that
// every layout gives the digit row; AltGr arrives as Ctrl+Alt.
const DigitRowPress kDigitRow[] = {
    {"us", Qt::Key_1, Qt::NoModifier, 0x02, 0x31, '1'},
    {"us shift", Qt::Key_Exclam, Qt::ShiftModifier, 0x02, 0x31, '1'},
    {"us shift", Qt::Key_ParenLeft, Qt::ShiftModifier, 0x0a, 0x39, '9'},
    {"fr", Qt::Key_Ampersand, Qt::NoModifier, 0x02, 0x31, '1'},
    {"fr", Qt::Key_Eacute, Qt::NoModifier, 0x03, 0x32, '2'},
    {"fr", Qt::Key_Ccedilla, Qt::NoModifier, 0x0a, 0x39, '9'},
    {"fr", Qt::Key_Agrave, Qt::NoModifier, 0x0b, 0x30, '0'},
    {"fr shift", Qt::Key_5, Qt::ShiftModifier, 0x06, 0x35, '5'},
    {"fr altgr", Qt::Key_AsciiTilde, Qt::ControlModifier | Qt::AltModifier, 0x03, 0x32, '2'},
};
// The keypad's 7 with Num Lock: VK_NUMPAD7.
const DigitRowPress kKeypadSeven = {"keypad", Qt::Key_7, Qt::KeypadModifier, 0x47, 0x67, '7'};
#else
// X11 and Wayland: key codes 10 ("1") to 19 ("0"), and the layout's key symbols.
const DigitRowPress kDigitRow[] = {
    {"us", Qt::Key_1, Qt::NoModifier, 10, 0x31, '1'},
    {"us shift", Qt::Key_Exclam, Qt::ShiftModifier, 10, 0x21, '1'},
    {"us shift", Qt::Key_ParenLeft, Qt::ShiftModifier, 18, 0x28, '9'},
    {"fr", Qt::Key_Ampersand, Qt::NoModifier, 10, 0x26, '1'},
    {"fr", Qt::Key_Eacute, Qt::NoModifier, 11, 0xe9, '2'},
    {"fr", Qt::Key_Ccedilla, Qt::NoModifier, 18, 0xe7, '9'},
    {"fr", Qt::Key_Agrave, Qt::NoModifier, 19, 0xe0, '0'},
    {"fr shift", Qt::Key_5, Qt::ShiftModifier, 14, 0x35, '5'},
    {"fr altgr", Qt::Key_AsciiTilde, Qt::GroupSwitchModifier, 11, 0x7e, '2'},
};
const DigitRowPress kKeypadSeven = {"keypad", Qt::Key_7, Qt::KeypadModifier, 79, 0xffb7, '7'};
#endif

TEST(ReadGridKey, DigitRowEntersItsDigitOnEveryLayoutWithOrWithoutShift) {
    for (const auto& p : kDigitRow)
        EXPECT_EQ(Key(p.key, p.modifiers, p.scanCode, p.nativeKey).value, p.digit)
            << p.layout << " scan code " << p.scanCode;
    // The keypad keeps its own codes.
    const DigitRowPress& k = kKeypadSeven;
    EXPECT_EQ(Key(k.key, k.modifiers, k.scanCode, k.nativeKey).value, k.digit);
}

} // namespace
