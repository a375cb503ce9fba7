// What a screen reader says beside the cells: captions in words, changes of state and switches.
#include "game/game_state.h"
#include "view/spoken_texts.h"
#include "view/state_captions.h"

#include <gtest/gtest.h>

TEST(SpokenTexts, CaptionsLoseTheirOuterBlanksAndBracketsButKeepTheirKey) {
    EXPECT_EQ(SpokenCaption(QStringLiteral(" Abbandona gioco [F5] ")),
              QStringLiteral("Abbandona gioco, F5"));
    EXPECT_EQ(SpokenCaption(QStringLiteral(" Mostra gioco [F6]")),
              QStringLiteral("Mostra gioco, F6"));
    EXPECT_EQ(SpokenCaption(kRedoCaption), QStringLiteral("Ripeti, Ctrl+Maiusc+Z"));
    EXPECT_EQ(SpokenCaption(QStringLiteral("Dimensione ")), QStringLiteral("Dimensione"));
}

TEST(SpokenTexts, EachChangeOfStateSaysWhatIsNowOnView) {
    struct Case {
        std::uint8_t from;
        std::uint8_t to;
        bool newPuzzle;
        const char* said;
    };
    const Case cases[] = {
        {NoPuzzle, PuzzleView, true, "nuovo schema"},
        {SolutionView, PuzzleView, true, "nuovo schema"},
        {SolutionView, PuzzleView, false, "gioco"},
        {PuzzleView, SolutionView, false, "soluzione"},
        {SolutionView, Playing, false, "partita iniziata"},
        {Playing, PlayingSolutionView, false, "soluzione"},
        {PlayingSolutionView, Playing, false, "gioco"},
        {PlayingSolutionView, PuzzleView, false, "partita abbandonata"},
        // A failed generation is told by its message.
        {PuzzleView, NoPuzzle, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.from) << " to " << int(c.to));
        EXPECT_EQ(StateChangeSpeech(c.from, c.to, c.newPuzzle), QString::fromUtf8(c.said));
    }
}

TEST(SpokenTexts, EverySwitchSaysItsNewSettingAndOtherCommandsNothing) {
    for (GameCommand command : {GameCommand::Checking, GameCommand::HideTimer,
                                GameCommand::PencilMode, GameCommand::Highlight}) {
        EXPECT_FALSE(SwitchSpeech(command, true).isEmpty());
        EXPECT_NE(SwitchSpeech(command, true), SwitchSpeech(command, false));
    }
    EXPECT_EQ(SwitchSpeech(GameCommand::PencilMode, true), QStringLiteral("note a matita attive"));
    EXPECT_TRUE(SwitchSpeech(GameCommand::Undo, true).isEmpty());
}
