// Generating puzzles into the game: the grids, the board's life and the retry loop.
#include "bank/seed_bank.h"
#include "game/game_fixture.h"
#include "game/game_texts.h"

#include <utility>
#include <vector>

namespace {

void ExpectGridsConsistent(const GameCore& game) {
    const int side = game.Board()->GetDimension();
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c) {
            EXPECT_EQ(game.PlayGrid()[r][c], game.PuzzleGrid()[r][c]) << r << "," << c;
            if (game.PuzzleGrid()[r][c] != ' ') {
                EXPECT_EQ(game.PuzzleGrid()[r][c], game.SolutionGrid()[r][c]) << r << "," << c;
            }
            EXPECT_TRUE(game.Board()->IsSymbol(game.SolutionGrid()[r][c])) << r << "," << c;
        }
}

} // namespace

class GenerationTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        QObject::connect(&Game, &GameCore::gridPrepared, [this](int n, bool newSize) {
            Prepared.push_back({n, newSize});
        });
    }
    std::vector<std::pair<int, bool>> Prepared;
};

TEST_F(GenerationTest, FirstGenerationPreparesTheGridCreatesTheBoardAndShowsThePuzzle) {
    EXPECT_EQ(Game.Board(), nullptr);
    const GameCore::GenerateOutcome outcome = Game.Generate(0, 0);
    EXPECT_TRUE(outcome.generated);
    EXPECT_FALSE(outcome.gaveUp);
    // 3x3 is the size the window starts with: the grid is prepared, the window not resized.
    EXPECT_EQ(Prepared, (std::vector<std::pair<int, bool>>{{3, false}}));
    ASSERT_NE(Game.Board(), nullptr);
    EXPECT_EQ(Game.GameState(), PuzzleView);
    EXPECT_EQ(Game.Board()->GetDimension(), 9);
    EXPECT_TRUE(Host.Messages.isEmpty());
    ExpectGridsConsistent(Game);
}

TEST_F(GenerationTest, SameSizeReusesTheBoardAndANewSizeReplacesIt) {
    Generate(3);
    const TsdBoard* first = Game.Board();
    const CellGrid firstPuzzle = Game.PuzzleGrid();
    Generate(3);
    EXPECT_EQ(Game.Board(), first);
    EXPECT_NE(Game.PuzzleGrid(), firstPuzzle);
    // The grid is not set up again for the same size.
    EXPECT_EQ(Prepared.size(), 1u);
    ExpectGridsConsistent(Game);

    if (GetSeedCount(4, 'E') == 0) {
        // A bank without 16x16 seeds: every attempt stops before the engine, the 9x9 board
        // and state stay, and the retry loop reports.
        EXPECT_TRUE(Game.Generate(1, 0).gaveUp);
        EXPECT_EQ(Host.Messages.count(kNoSeedMessage), 11);
        EXPECT_EQ(Game.Board(), first);
        return;
    }
    Generate(4);
    EXPECT_EQ(Prepared.back(), std::make_pair(4, true));
    EXPECT_EQ(Game.Board()->GetDimension(), 16);
    ExpectGridsConsistent(Game);
    Generate(5);
    EXPECT_EQ(Prepared.back(), std::make_pair(5, true));
    EXPECT_EQ(Game.Board()->GetDimension(), 25);
    ExpectGridsConsistent(Game);
}

TEST_F(GenerationTest, RetryLoopRunsElevenTimesThenReports) {
    Generate(3);
    const CellGrid puzzle = Game.PuzzleGrid();
    // No size item selected: every attempt fails before reaching the engine.
    const GameCore::GenerateOutcome outcome = Game.Generate(-1, 0);
    EXPECT_FALSE(outcome.generated);
    EXPECT_TRUE(outcome.gaveUp);
    ASSERT_EQ(Host.Messages.size(), 12);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(Host.Messages[i], "index of checkbox errato:-1");
    EXPECT_EQ(Host.Messages[11], "INTERNAL ERROR ENGINE 10 RETRIES");
    // A failure before the engine leaves the state and the puzzle alone.
    EXPECT_EQ(Game.GameState(), PuzzleView);
    EXPECT_EQ(Game.PuzzleGrid(), puzzle);
}

TEST_F(GenerationTest, AbandoningRemovesOnlyThePlayersEntries) {
    StartGame(3);
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            Type('7', {r, c});
    Host.Answer = true;
    ASSERT_EQ(Game.Play(), GameCore::PlayOutcome::Abandoned);
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            EXPECT_EQ(Game.PlayGrid()[r][c], Game.PuzzleGrid()[r][c]);
}

// With the stream pinned, the same seed gives the same puzzles, new boards included.
TEST(GenerationReplay, TheSameSeedGivesTheSamePuzzles) {
    auto puzzles = [](std::uint32_t seed) {
        PinnedRandomStream random(seed);
        RecordingHost host;
        GameCore game(host);
        game.Start();
        std::vector<CellGrid> made;
        for (int sizeIndex : {0, 0, 1, 2, 0}) {
            game.Generate(sizeIndex, 0);
            made.push_back(game.SolutionGrid());
        }
        return made;
    };
    EXPECT_EQ(puzzles(7), puzzles(7));
    EXPECT_NE(puzzles(7), puzzles(8));
}
