// The window's function keys as the game reads them: which command, and only when nothing
// else is held.
#include "game/function_keys.h"

#include <gtest/gtest.h>

namespace {

const struct {
    int key;
    FunctionKeyCommand command;
} kKeys[] = {
    {Qt::Key_F1, FunctionKeyCommand::Help},      {Qt::Key_F2, FunctionKeyCommand::None},
    {Qt::Key_F3, FunctionKeyCommand::None},      {Qt::Key_F4, FunctionKeyCommand::Hint},
    {Qt::Key_F5, FunctionKeyCommand::Play},      {Qt::Key_F6, FunctionKeyCommand::ToggleView},
    {Qt::Key_F7, FunctionKeyCommand::Print},     {Qt::Key_F8, FunctionKeyCommand::Checking},
    {Qt::Key_F9, FunctionKeyCommand::HideTimer}, {Qt::Key_F10, FunctionKeyCommand::Generate},
    {Qt::Key_F11, FunctionKeyCommand::None},     {Qt::Key_F12, FunctionKeyCommand::None},
    {Qt::Key_A, FunctionKeyCommand::None},       {Qt::Key_Escape, FunctionKeyCommand::None},
};

TEST(FunctionKeys, EachKeyHasItsCommandWhileNothingElseIsHeld) {
    for (const auto& k : kKeys) {
        EXPECT_EQ(FunctionKeyFor(k.key, Qt::NoModifier, false), k.command) << k.key;
        // The keypad flag says where a key is, not that anything is held.
        EXPECT_EQ(FunctionKeyFor(k.key, Qt::KeypadModifier, false), k.command) << k.key;
    }
}

TEST(FunctionKeys, ShiftCtrlAltOrAMouseButtonMakeEveryKeyPassOn) {
    for (const auto& k : kKeys) {
        for (Qt::KeyboardModifiers held :
             {Qt::KeyboardModifiers(Qt::ShiftModifier), Qt::KeyboardModifiers(Qt::ControlModifier),
              Qt::KeyboardModifiers(Qt::AltModifier), Qt::ShiftModifier | Qt::AltModifier})
            EXPECT_EQ(FunctionKeyFor(k.key, held, false), FunctionKeyCommand::None)
                << k.key << " with " << held.toInt();
        EXPECT_EQ(FunctionKeyFor(k.key, Qt::NoModifier, true), FunctionKeyCommand::None) << k.key;
    }
}

} // namespace
