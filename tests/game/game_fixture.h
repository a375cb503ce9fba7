#pragma once

#include "game/game_core.h"
#include "support/game_cells.h"
#include "support/pinned_random_stream.h"

#include <QDateTime>
#include <QStringList>
#include <gtest/gtest.h>

// The game's world, recorded: every message and question, answered as the test says, and a
// clock the test sets.
class RecordingHost : public GameHost {
public:
    void ShowMessage(const QString& text) override { Messages << text; }
    bool ConfirmYes(const QString& question) override {
        Questions << question;
        return Answer;
    }
    QDateTime Now() override { return Time; }

    QStringList Messages;
    QStringList Questions;
    bool Answer = false;
    QDateTime Time = QDateTime(QDate(2024, 3, 9), QTime(10, 20, 30, 400));
};

// The game core on its own, as the window starts it, with a replayable random stream.
// Positions are set up as the player makes them: generation, a game, entries.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override { Game.Start(); }

    // A puzzle of box size n, generated as the window's generate action does.
    void Generate(int n) {
        ASSERT_TRUE(Game.Generate(n - 3, 0).generated);
        ASSERT_EQ(Game.GameState(), PuzzleView);
        ASSERT_EQ(Game.BoxSize(), n);
    }

    void StartGame(int n) {
        Generate(n);
        ASSERT_EQ(Game.Play(), GameCore::PlayOutcome::Started);
        ASSERT_EQ(Game.GameState(), Playing);
    }

    int Side() const { return ::Side(Game); }
    GridCell First(bool given) const { return FirstCell(Game, given); }
    char Play(GridCell cell) const { return PlayAt(Game, cell); }
    char Solution(GridCell cell) const { return SolutionAt(Game, cell); }

    // A key press that enters `value` into the cell.
    void Type(char value, GridCell cell) {
        Game.PressKey(GridKey{value, false}, cell.row, cell.column);
    }

    PinnedRandomStream Random{20261209};
    RecordingHost Host;
    GameCore Game{Host};
};
