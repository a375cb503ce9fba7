#pragma once

#include "game/elapsed_time.h"
#include "game/game_core.h"
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

// A cell, addressed (row, column) as the game's grids are.
struct Cell {
    int row = -1;
    int column = -1;
};

// The game core on its own, as the window starts it, with a replayable random stream.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override { Game.Start(); }

    // A puzzle of box size n, generated as the window's generate action does.
    void Generate(int n) {
        ASSERT_TRUE(Game.Generate(n - 3, 0).generated);
        ASSERT_EQ(Game.GameState, PuzzleView);
        ASSERT_EQ(Game.BoxSize, n);
    }

    void StartGame(int n) {
        Generate(n);
        ASSERT_EQ(Game.Play(), GameCore::PlayOutcome::Started);
        ASSERT_EQ(Game.GameState, Playing);
    }

    int Side() const { return Game.BoxSize * Game.BoxSize; }

    // The first cell, row by row, that is open (given == false) or a given.
    Cell First(bool given) const {
        for (int r = 0; r < Side(); ++r)
            for (int c = 0; c < Side(); ++c)
                if ((Game.PuzzleGrid[r][c] != ' ') == given)
                    return {r, c};
        ADD_FAILURE() << "no such cell";
        return {};
    }

    char& Play(Cell cell) { return Game.PlayGrid[cell.row][cell.column]; }
    char Solution(Cell cell) const { return Game.SolutionGrid[cell.row][cell.column]; }

    // A key press that enters `value` into the cell.
    void Type(char value, Cell cell) {
        Game.PressKey(GridKey{value, false}, cell.row, cell.column);
    }

    PinnedRandomStream Random{20261209};
    RecordingHost Host;
    GameCore Game{Host};
};
