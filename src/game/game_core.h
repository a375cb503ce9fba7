#pragma once

#include "engine/cell_grid.h"
#include "engine/tsd_board.h"
#include "game/cell_notes.h"
#include "game/game_command.h"
#include "game/game_host.h"
#include "game/game_state.h"
#include "game/grid_key.h"
#include "game/move_history.h"
#include "game/shown_cell.h"

#include <QDateTime>
#include <QObject>
#include <cstdint>
#include <memory>
#include <string>

// The game: its data and every decision about it, with no widget in sight. It learns what the
// player did through its operations, talks to the world through its GameHost (messages, the
// question, the time) and announces what changed through its signals; the window draws and
// applies the answers. Its data is read through the accessors below and changed only by its
// own operations.
class GameCore : public QObject {
    Q_OBJECT
public:
    explicit GameCore(GameHost& host, QObject* parent = nullptr);
    ~GameCore() override;

    // The game data, read by the window, the grid view and the printed page.
    const TsdBoard* Board() const { return board_.get(); }
    std::int32_t BoxSize() const { return boxSize_; }
    // The symbols of the current box size, in their order.
    const std::string& SymbolAlphabet() const { return SymbolAlphabetFor(boxSize_); }
    const CellGrid& PlayGrid() const { return playGrid_; }
    const CellGrid& PuzzleGrid() const { return puzzleGrid_; }
    const CellGrid& SolutionGrid() const { return solutionGrid_; }
    std::uint8_t GameState() const { return gameState_; }
    // The start of the running game, with its zone: the clock and the congratulation both
    // count from it.
    const QDateTime& PlayStartTime() const { return playStart_; }
    bool Checking() const { return checking_; }       // repeated symbols are marked during a game
    bool TimerHidden() const { return timerHidden_; } // the clock is hidden during a game
    // The player's notes in a cell: only open blank cells of a game have any.
    CellNotes NotesAt(int row, int column) const;
    bool PencilMode() const { return pencilMode_; }     // symbol keys toggle notes
    bool Highlighting() const { return highlighting_; } // equal symbols are tinted
    // The game's steps, for undo and redo.
    const MoveHistory& History() const { return history_; }
    // A symbol's place in the alphabet of the current size (letters in either case), or -1.
    int SymbolIndex(char symbol) const;

    // What the grid shows, cell by cell, with `highlight` as the highlighted symbol.
    ShownCell CellShown(int row, int column, char highlight = ' ') const;
    // The symbol highlighted while cell (row, column) is selected: the one the player's grid
    // holds there while highlighting is on, a blank otherwise.
    char HighlightedSymbol(int row, int column) const;

    // Whether a command can run now: undo and redo only while there is a step to take back or
    // to do again.
    bool Available(GameCommand command) const;
    // Whether a key of the command is the game's now, so that it goes no further: whenever the
    // command is available, and undo and redo throughout a game, with or without a step.
    bool TakesKeyOf(GameCommand command) const;
    // Runs one of the game's own commands when it is available: a switch flips, the view
    // toggles, the candidates are filled in, a step is undone or redone. False when it did
    // not run. Play, Generate and Hint have their entries below; help, printing and the
    // clock's reading are the window's.
    bool Run(GameCommand command);
    // A generation has put a puzzle in the grids: generating again makes a new one.
    bool HasPuzzle() const;
    // A game is running with the player's grid on view.
    bool GameOnView() const { return gameState_ == Playing; }
    // A right press selects the cell under it only during a game.
    bool RightPressSelects() const { return GameOnView(); }

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

    // The play action: starts a game on the puzzle shown, or asks to abandon the running one.
    enum class PlayOutcome { Started, Abandoned, Kept, Refused };
    PlayOutcome Play();
    // Whether the window may close now: outside a game at once, during one only when the
    // player agrees to lose it.
    bool MayClose();

    // A key press on the grid with cell (row, column) selected: an entry during a game,
    // guidance outside one.
    void PressKey(const GridKey& key, int row, int column);
    // A symbol or the clear item (a blank) chosen from the grid's menu.
    void EnterFromMenu(char tag, int row, int column);
    // Names the solution's symbol for an open cell, during a game with its grid on view.
    void Hint(int row, int column);

    // The play comforts: each acts only during a game with its grid on view.
    // Notes `symbol` in an open blank cell, or takes the note away.
    void ToggleNote(char symbol, int row, int column);
    void ClearNotes(int row, int column);

signals:
    // After every change of state, and after every generation attempt that reached the engine.
    void gameStateChanged();
    // A new grid shape is ready: the window sizes itself first when the box size is new.
    void gridPrepared(int boxSize, bool newBoxSize);
    // After every entry stored in the player's grid, before the completion test.
    void playGridChanged(int row, int column);
    // A key in a game would have changed a given cell, which keeps its symbol.
    void entryRefused(int row, int column);
    // A new puzzle is in the grids; the change of state follows.
    void puzzleGenerated();
    void checkingChanged();
    void timerHiddenChanged();
    void pencilModeChanged();
    void highlightingChanged();
    // What Available answers has changed for at least one command.
    void availabilityChanged();

private:
    // Shows the solution in place of the puzzle or the player's grid, and back.
    void ToggleView();
    // Every open blank cell gets as notes the symbols its row, column and box do not hold.
    void FillCandidates();
    void Undo();
    void Redo();
    // Announces a change of what is available, once, after whatever changed it.
    void AnnounceAvailability();
    // One generation attempt; true when a new puzzle is in the grids.
    bool GeneratePuzzle(int sizeIndex, int levelIndex);
    // A blank grid of a box size, announced before the engine fills it.
    void ClearGridFor(int boxSize);
    // Removes the player's entries, keeping the givens.
    void ResetPlayGrid();
    // Every change of state goes through here, and is announced.
    void EnterState(std::uint8_t state);
    // A cell of the board, open for the player.
    bool IsOpenCell(int row, int column) const;
    // An open cell takes a blank or one of the board's symbols; a given refuses everything.
    bool CellAccepts(int row, int column, char value) const;
    void StoreEntry(int row, int column, char value);
    // Notes, history and pencil mode as a game starts or ends.
    void ForgetSteps();
    // Applies a step forward (new values) or backward (old values), then announces it as an
    // entry: repaint, and the completion test when an entry changed.
    void ApplyStep(const MoveStep& step, bool forward);
    // Records a step the player made and applies it.
    void MakeStep(MoveStep step);
    void CheckCompletion();

    GameHost& host_;
    std::unique_ptr<TsdBoard> board_;
    std::int32_t boxSize_ = kSmallestBoxSize;
    CellGrid playGrid_ = MakeCellGrid();
    CellGrid puzzleGrid_ = MakeCellGrid();
    CellGrid solutionGrid_ = MakeCellGrid();
    std::uint8_t gameState_ = NoPuzzle;
    QDateTime playStart_;
    bool checking_ = false;
    bool timerHidden_ = false;
    bool gridPrepared_ = false; // a grid has been cleared for a box size
    NotesGrid notes_{};
    MoveHistory history_;
    bool pencilMode_ = false;
    bool highlighting_ = false;
    std::uint32_t available_ = 0; // one bit per command, as last announced
};
