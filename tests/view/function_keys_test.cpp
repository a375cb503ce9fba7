// The window's function keys: which command, and only when nothing else is held.
#include "view/function_keys.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

const struct {
    int key;
    std::optional<GameCommand> command;
} kKeys[] = {
    {Qt::Key_F1, GameCommand::Help},
    {Qt::Key_F2, GameCommand::PencilMode},
    {Qt::Key_F3, GameCommand::Highlight},
    {Qt::Key_F4, GameCommand::Hint},
    {Qt::Key_F5, GameCommand::Play},
    {Qt::Key_F6, GameCommand::ToggleView},
    {Qt::Key_F7, GameCommand::Print},
    {Qt::Key_F8, GameCommand::Checking},
    {Qt::Key_F9, GameCommand::HideTimer},
    {Qt::Key_F10, GameCommand::Generate},
    {Qt::Key_F11, GameCommand::FillCandidates},
    {Qt::Key_F12, GameCommand::ReadClock},
    {Qt::Key_A, std::nullopt},
    {Qt::Key_Escape, std::nullopt},
};

TEST(FunctionKeys, EachKeyHasItsCommandWhileNothingElseIsHeld) {
    for (const auto& k : kKeys) {
        EXPECT_EQ(CommandForKey(k.key, Qt::NoModifier, false), k.command) << k.key;
        // The keypad flag says where a key is, not that anything is held.
        EXPECT_EQ(CommandForKey(k.key, Qt::KeypadModifier, false), k.command) << k.key;
    }
}

TEST(FunctionKeys, ShiftCtrlAltOrAMouseButtonMakeEveryKeyPassOn) {
    for (const auto& k : kKeys) {
        for (Qt::KeyboardModifiers held :
             {Qt::KeyboardModifiers(Qt::ShiftModifier), Qt::KeyboardModifiers(Qt::ControlModifier),
              Qt::KeyboardModifiers(Qt::AltModifier), Qt::ShiftModifier | Qt::AltModifier})
            EXPECT_EQ(CommandForKey(k.key, held, false), std::nullopt)
                << k.key << " with " << held.toInt();
        EXPECT_EQ(CommandForKey(k.key, Qt::NoModifier, true), std::nullopt) << k.key;
    }
}

// Undo and redo are chords of letters no size uses, and Ctrl+Y only where Y is no symbol.
TEST(FunctionKeys, UndoAndRedoChordsOnlyAsWritten) {
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    // The largest alphabet has no Y; one with it stands for a size that would.
    const std::string_view kNoY = "123456789ABCDEFGHIJKLMNOP";
    const std::string_view kWithY = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const struct {
        int key;
        Qt::KeyboardModifiers held;
        bool mouse;
        std::string_view symbols;
        std::optional<GameCommand> command;
    } chords[] = {
        {Qt::Key_Z, ctrl, false, kNoY, GameCommand::Undo},
        {Qt::Key_Z, ctrl | Qt::KeypadModifier, false, kWithY, GameCommand::Undo},
        {Qt::Key_Z, ctrl | Qt::ShiftModifier, false, kWithY, GameCommand::Redo},
        {Qt::Key_Y, ctrl, false, kNoY, GameCommand::Redo},
        {Qt::Key_Y, ctrl, false, kWithY, std::nullopt},
        {Qt::Key_Z, Qt::NoModifier, false, kNoY, std::nullopt},
        {Qt::Key_Z, Qt::ShiftModifier, false, kNoY, std::nullopt},
        {Qt::Key_Z, ctrl | Qt::AltModifier, false, kNoY, std::nullopt},
        {Qt::Key_Z, ctrl, true, kNoY, std::nullopt},
        {Qt::Key_F2, ctrl, false, kNoY, std::nullopt},
    };
    for (const auto& c : chords)
        EXPECT_EQ(CommandForKey(c.key, c.held, c.mouse, c.symbols), c.command)
            << c.key << " with " << c.held.toInt() << (c.mouse ? " and a button" : "");
}

} // namespace
