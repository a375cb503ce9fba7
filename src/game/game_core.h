#pragma once

#include "engine/cell_grid.h"
#include "engine/tsd_board.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/grid_key.h"

#include <QObject>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

// The pen width of the heavy lines between boxes, the same for every size.
inline constexpr std::int32_t kSeparatorWidth = 3;

// The game: its data and every decision about it, with no widget in sight. It learns what the
// player did through its operations, talks to the world through its GameHost (messages, the
// question, the time) and announces what changed through its signals; the window draws and
// applies the answers.
class GameCore : public QObject {
    Q_OBJECT
public:
    explicit GameCore(GameHost& host, QObject* parent = nullptr);
    ~GameCore() override;

    // The game data, read by the window, the grid view and the printed page. Only the core
    // changes it in the program; tests set up positions through it.
    std::unique_ptr<TsdBoard> Board;
    std::int32_t BoxSize = 3;
    std::array<std::string, 6> SymbolAlphabets; // indexed by box size 3, 4, 5
    CellGrid PlayGrid = MakeCellGrid();
    CellGrid PuzzleGrid = MakeCellGrid();
    CellGrid SolutionGrid = MakeCellGrid();
    std::int32_t SeparatorWidth = kSeparatorWidth;
    std::uint8_t GameState = NoPuzzle;
    double PlayStartTime = 0.0; // days since 1899-12-30, time of day as the fraction
    QDateTime PlayStartMoment;  // the same start with its zone, for real elapsed time
    bool Checking = false;      // repeated symbols are marked during a game
    bool TimerHidden = false;   // the clock is hidden during a game
    bool GridShown = false;     // a grid has been prepared and is on view

    // The window is shown: a fresh random stream, no puzzle.
    void Start();
    // The window closes: the engine is released.
    void End();

    // The generate action, with the chosen size (0 to 2 for 3x3 to 5x5) and level items: the
    // first attempt and up to ten retries.
    struct GenerateOutcome {
        bool generated = false; // the last attempt put a new puzzle in the grids
        bool gaveUp = false;    // the first ten attempts failed, and the player was told
    };
    GenerateOutcome Generate(int sizeIndex, int levelIndex);
    // One attempt; true when a new puzzle is in the grids.
    bool GeneratePuzzle(int sizeIndex, int levelIndex);
    // Removes the player's entries, keeping the givens.
    void ResetPlayGrid();

    // The play action: starts a game on the puzzle shown, or asks to abandon the running one.
    enum class PlayOutcome { Started, Abandoned, Kept, Refused };
    PlayOutcome Play();
    // Shows the solution in place of the puzzle or the player's grid, and back.
    void ToggleView();
    void SetChecking(bool on);
    void SetTimerHidden(bool hidden);
    // Whether the window may close now: outside a game at once, during one only when the
    // player agrees to lose it.
    bool MayClose();

    // A key press on the grid with cell (row, column) selected: an entry during a game,
    // guidance outside one.
    void PressKey(const GridKey& key, int row, int column);
    // A symbol or the clear item (a blank) chosen from the grid's menu.
    void EnterFromMenu(char tag, int row, int column);
    // Names the solution's symbol for an open cell.
    void Hint(int row, int column);
    // A right press selects the cell under it only during a game.
    bool RightPressSelects() const { return GameState == Playing; }

signals:
    // After every change of state, and after every generation attempt that reached the engine.
    void gameStateChanged();
    // A new grid shape is ready: the window sizes itself first when the box size is new.
    void gridPrepared(int boxSize, bool newBoxSize);
    // After every entry stored in PlayGrid, before the completion test.
    void playGridChanged(int row, int column);
    void checkingChanged();
    void timerHiddenChanged();

private:
    void EnterState(std::uint8_t state);
    void PrepareGrid(int boxSize);
    void StoreEntry(int row, int column, char value);
    void CheckCompletion();

    GameHost& Host;
};
