// What the player enters: symbols by key and by menu, clearing, guidance outside a game, the
// hint.
#include "game/game_fixture.h"
#include "game/game_texts.h"

#include <functional>
#include <string>

namespace {

// Each size takes its own alphabet; a blank clears. A lower-case letter passes as its symbol
// but is stored as it came.
struct SizeCase {
    int n;
    std::string accepted;
    std::string refused;
};

const SizeCase kSizes[] = {
    {3, "123456789 ", "0AIa"},
    {4, "0123456789ABCDEF af", "GZg"},
    {5, "ABCDEFGHIJKLMNOPQRSTUVWXY ay", "Z019z"},
};

} // namespace

TEST_F(GameTest, EachSizeTakesItsOwnSymbolsAndABlankIntoAnOpenCell) {
    int stored = 0;
    QObject::connect(&Game, &GameCore::playGridChanged, [&] { ++stored; });
    for (const SizeCase& size : kSizes) {
        SCOPED_TRACE(size.n);
        Game.Start();
        StartGame(size.n);
        const GridCell open = First(false);
        stored = 0;
        for (char value : size.accepted) {
            Type(value, open);
            EXPECT_EQ(Play(open), value) << "'" << value << "'";
        }
        const char held = Play(open);
        for (char value : size.refused) {
            Type(value, open);
            EXPECT_EQ(Play(open), held) << "'" << value << "'";
        }
        // Every stored entry repaints, typing the symbol a cell holds included.
        EXPECT_EQ(stored, static_cast<int>(size.accepted.size()));
        EXPECT_TRUE(Host.Messages.isEmpty());
    }
}

// No message, but the refusal of each key is told, for a screen reader to say it; the menu
// offers no symbol on a given.
TEST_F(GameTest, GivensRefuseEveryEntryWithoutAMessage) {
    StartGame(4);
    const GridCell given = First(true);
    const char held = Play(given);
    int refused = 0;
    QObject::connect(&Game, &GameCore::entryRefused, [&](int row, int column) {
        EXPECT_EQ((GridCell{row, column}), given);
        ++refused;
    });
    for (char value : {' ', '1', 'A', 'B'}) {
        Type(value, given);
        Game.EnterFromMenu(value, given.row, given.column);
    }
    EXPECT_EQ(Play(given), held);
    EXPECT_EQ(refused, 4);
    Type('1', First(false));
    EXPECT_EQ(refused, 4);
    EXPECT_TRUE(Host.Messages.isEmpty());
}

TEST_F(GameTest, KeysOutsideAGameBringGuidanceButAModifierAloneNever) {
    const GridKey keys[] = {{'1', false}, {std::nullopt, false}};
    auto guidance = [&](const GridKey& key) {
        Host.Messages.clear();
        Game.PressKey(key, 0, 0);
        return Host.Messages;
    };
    for (const GridKey& key : keys)
        EXPECT_EQ(guidance(key), QStringList{kStartPlayingMessage}); // state 0, no board yet
    Generate(3);
    const CellGrid before = Game.PlayGrid();
    for (const GridKey& key : keys) {
        EXPECT_EQ(guidance(key), QStringList{kStartPlayingMessage});
        Game.Run(GameCommand::ToggleView);
        EXPECT_EQ(guidance(key), QStringList{kStartPlayingMessage});
        Game.Run(GameCommand::ToggleView);
    }
    Game.Play();
    Game.Run(GameCommand::ToggleView);
    for (const GridKey& key : keys)
        EXPECT_EQ(guidance(key), QStringList{kBackToGameMessage});
    EXPECT_EQ(Game.PlayGrid(), before);
    // Shift, Alt and the like by themselves, in every state: no message and no entry.
    Game.Start();
    const std::function<void()> steps[] = {
        [] {}, [&] { Generate(3); }, [&] { Game.Run(GameCommand::ToggleView); },
        [&] { Game.Play(); }, [&] { Game.Run(GameCommand::ToggleView); }};
    for (const auto& step : steps) {
        step();
        EXPECT_TRUE(guidance(GridKey{std::nullopt, true}).isEmpty()) << int(Game.GameState());
    }
    EXPECT_EQ(Game.GameState(), PlayingSolutionView);
}

TEST_F(GameTest, MenuEntersOnlyDuringAGameOnView) {
    Generate(4);
    const GridCell open = First(false);
    Game.EnterFromMenu('B', open.row, open.column);
    EXPECT_EQ(Play(open), ' ');
    Game.Play();
    Game.EnterFromMenu('B', open.row, open.column);
    EXPECT_EQ(Play(open), 'B');
    Game.EnterFromMenu('G', open.row, open.column);
    EXPECT_EQ(Play(open), 'B');
    Game.EnterFromMenu(' ', open.row, open.column);
    EXPECT_EQ(Play(open), ' ');
    Game.Run(GameCommand::ToggleView);
    Game.EnterFromMenu('C', open.row, open.column);
    EXPECT_EQ(Play(open), ' ');
    // A selection outside the grid is refused.
    Game.Run(GameCommand::ToggleView);
    Game.EnterFromMenu('1', -1, 0);
    Game.EnterFromMenu('1', 0, 65);
    Type('1', {65, 0});
    EXPECT_TRUE(Host.Messages.isEmpty());
}

TEST_F(GameTest, HintNamesTheSolutionsSymbolOfOpenAndFilledCellsButNotGivens) {
    StartGame(5);
    // An open cell whose mirror across the diagonal holds another symbol, so that a row read
    // for a column would name the wrong one.
    GridCell open;
    for (int r = 0; r < Side() && open.row < 0; ++r)
        for (int c = 0; c < Side() && open.row < 0; ++c)
            if (Game.PuzzleGrid()[r][c] == ' ' && Solution({r, c}) != Solution({c, r}))
                open = {r, c};
    ASSERT_GE(open.row, 0);
    const QString expected = QStringLiteral("Per questa casella il miglior simbolo e' :") +
                             QChar::fromLatin1(Solution(open)) + QStringLiteral(": ");
    Game.Hint(open.row, open.column);
    // Filled wrongly, the hint still names the solution's symbol and changes nothing.
    const char wrong = Solution(open) == 'A' ? 'B' : 'A';
    Type(wrong, open);
    Game.Hint(open.row, open.column);
    EXPECT_EQ(Host.Messages, QStringList(2, expected));
    EXPECT_EQ(Play(open), wrong);
    const GridCell given = First(true);
    Game.Hint(given.row, given.column);
    Game.Hint(-1, 0);
    EXPECT_EQ(Host.Messages.size(), 2);
}

TEST_F(GameTest, ARightPressSelectsOnlyDuringAGame) {
    EXPECT_FALSE(Game.RightPressSelects());
    StartGame(3);
    EXPECT_TRUE(Game.RightPressSelects());
    Game.Run(GameCommand::ToggleView);
    EXPECT_FALSE(Game.RightPressSelects());
}
