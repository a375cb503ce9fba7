// The game's states: showing the solution, starting, abandoning and closing a game, and the
// two switches of the game panel.
#include "game/game_fixture.h"
#include "game/game_texts.h"

TEST_F(GameTest, ViewTogglesBetweenPuzzleAndSolutionAndDuringAGame) {
    int changes = 0;
    int generated = 0;
    // The time can be read out while a game runs, whichever grid is on view.
    QString timeReadable;
    QObject::connect(&Game, &GameCore::gameStateChanged, [&] {
        ++changes;
        timeReadable += Game.Available(GameCommand::ReadClock) ? 'y' : 'n';
    });
    QObject::connect(&Game, &GameCore::puzzleGenerated, [&] { ++generated; });
    Generate(3);
    Game.Run(GameCommand::ToggleView);
    EXPECT_EQ(Game.GameState(), SolutionView);
    Game.Run(GameCommand::ToggleView);
    EXPECT_EQ(Game.GameState(), PuzzleView);
    EXPECT_EQ(Game.Play(), GameCore::PlayOutcome::Started);
    Game.Run(GameCommand::ToggleView);
    EXPECT_EQ(Game.GameState(), PlayingSolutionView);
    Game.Run(GameCommand::ToggleView);
    EXPECT_EQ(Game.GameState(), Playing);
    // One announcement a change, the generation's included; the new puzzle is told once.
    EXPECT_EQ(changes, 6);
    EXPECT_EQ(generated, 1);
    EXPECT_EQ(timeReadable, QStringLiteral("nnnyyy"));
}

TEST_F(GameTest, PlayFromTheSolutionViewStartsTheGameAndItsClock) {
    Generate(3);
    Game.Run(GameCommand::ToggleView);
    EXPECT_EQ(Game.Play(), GameCore::PlayOutcome::Started);
    EXPECT_EQ(Game.GameState(), Playing);
    EXPECT_EQ(Game.PlayStartTime(), Host.Time);
    EXPECT_TRUE(Host.Questions.isEmpty());
}

TEST_F(GameTest, TheClockShowsAgainOnEveryEntryIntoThePlayersGrid) {
    StartGame(3);
    Game.Run(GameCommand::HideTimer);
    Game.Run(GameCommand::ToggleView);
    EXPECT_TRUE(Game.TimerHidden());
    Game.Run(GameCommand::ToggleView);
    EXPECT_FALSE(Game.TimerHidden());
}

TEST_F(GameTest, AbandonKeepsTheGameOnNoAndClearsTheEntriesOnYes) {
    StartGame(3);
    const GridCell open = First(false);
    Type('5', open);
    ASSERT_EQ(Play(open), '5');

    Host.Answer = false; // No or Cancel
    EXPECT_EQ(Game.Play(), GameCore::PlayOutcome::Kept);
    EXPECT_EQ(Game.GameState(), Playing);
    EXPECT_EQ(Play(open), '5');
    EXPECT_EQ(Host.Questions, QStringList{"Abbandona il gioco in corso ?"});

    // Abandoning from the solution view asks the same question.
    Game.Run(GameCommand::ToggleView);
    Host.Answer = true;
    EXPECT_EQ(Game.Play(), GameCore::PlayOutcome::Abandoned);
    EXPECT_EQ(Host.Questions.size(), 2);
    EXPECT_EQ(Game.GameState(), PuzzleView);
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            EXPECT_EQ(Game.PlayGrid()[r][c], Game.PuzzleGrid()[r][c]);
}

TEST_F(GameTest, ClosingAsksOnlyDuringAGameAndOnlyYesLetsItClose) {
    EXPECT_TRUE(Game.MayClose());
    Generate(3);
    EXPECT_TRUE(Game.MayClose());
    EXPECT_TRUE(Host.Questions.isEmpty());
    Game.Play();
    for (int view = 0; view < 2; ++view) {
        Host.Answer = false;
        EXPECT_FALSE(Game.MayClose());
        EXPECT_TRUE(IsGameRunning(Game.GameState()));
        Host.Answer = true;
        EXPECT_TRUE(Game.MayClose());
        Game.Run(GameCommand::ToggleView);
    }
    EXPECT_EQ(Host.Questions, QStringList(4, kAbandonQuestion));
}

TEST_F(GameTest, ErrorCheckingIsKeptFromStateToStateAndIntoTheNextGame) {
    int changes = 0;
    QObject::connect(&Game, &GameCore::checkingChanged, [&] { ++changes; });
    Game.Run(GameCommand::Checking);
    Generate(3);
    Game.Play();
    EXPECT_TRUE(Game.Checking());
    Host.Answer = true;
    Game.Play();
    Game.Play();
    EXPECT_TRUE(Game.Checking());
    EXPECT_EQ(changes, 1);
}

// The window offers play only on a puzzle and generation only outside a game; the game holds
// to that by itself too.
TEST_F(GameTest, NoGameWithoutAPuzzleAndNoNewPuzzleDuringAGame) {
    EXPECT_EQ(Game.Play(), GameCore::PlayOutcome::Refused);
    EXPECT_EQ(Game.GameState(), NoPuzzle);
    StartGame(3);
    const CellGrid puzzle = Game.PuzzleGrid();
    EXPECT_FALSE(Game.Generate(1, 0).generated);
    EXPECT_EQ(Game.PuzzleGrid(), puzzle);
    EXPECT_EQ(Game.GameState(), Playing);
}
