#pragma once

#include "desktop/desktop_services.h"
#include "game/game_core.h"
#include "geometry/grid_geometry.h"
#include "windows/desktop_game_host.h"
#include "windows/main_window_controls.h"
#include "windows/print_command.h"

#include <QMainWindow>
#include <cstdint>
#include <optional>

class QAction;
class QPainter;
class QKeyEvent;
class QMouseEvent;

// The main window: the game's front end. Its handlers turn the player's events into calls on
// the game core and reflect the core's answers onto the controls; no rule of the game is
// decided here. The controls are built by LayOutMainWindow and found from outside by their
// object names; sizing, the grid's menu and printing have their own helpers.
class TfrmSudoku : public QMainWindow {
    Q_OBJECT
public:
    // The window reaches the desktop (boxes, browser, time, waits, print dialog) only through
    // `services`.
    explicit TfrmSudoku(DesktopServices services, QWidget* parent = nullptr);
    ~TfrmSudoku() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectHandlers();

    // Generation.
    void ActGeneraExecute();

    // States and the game panel.
    void ApplyGameState();
    // The actions and selectors, enabled as the game says its commands are available.
    void ApplyAvailability();
    void ActPlayExecute();
    void ActToggleViewExecute();
    // The game's answers to a switch, by its box, its key or the menu: the box follows.
    void ShowChecking();
    void ShowTimerHidden();
    void ShowPencilMode();
    void ShowHighlighting();
    // A switch's box was clicked.
    void cbxControlloClick();
    void cbxHideTimerClick();
    void cbxPencilClick();
    void cbxHighlightClick();
    // The window's key preview; true when the key was acted on and consumed.
    bool FormKeyDown(QKeyEvent& key);
    void FormShow();
    void FormClose();

    // Help.
    void showHelp(std::uint8_t state);
    void ActHelpExecute();

    // The grid's hooks, its menu, the hint, sizing, zoom and printing.
    // The grid's cell drawing: every cell of a repaint in one go, with the fonts made once.
    void sg1DrawCell(QPainter& painter, std::optional<GridCell> focused);
    void sg1KeyDown(QKeyEvent& key);
    void sg1MouseDown(QMouseEvent& event);
    // The grid's menu follows the state, the checking and the selected cell's notes: rebuilt
    // whenever one may have changed, for a state with a puzzle.
    void RefreshGridMenu();
    void BuildGridMenu(std::uint8_t state);
    void N11Click(QAction* item);
    void N21Click();
    // A note item of the grid's menu: toggles its symbol's note in the selected cell.
    void NoteItemClick(QAction* item);
    void ActSuggerisciExecute();
    // Sets the grid up for a new shape, the window first when the box size is new.
    void PrepareGrid(std::int32_t boxSize, bool newBoxSize);
    void FitWindowToBoxSize(std::int32_t boxSize);
    void btnFontPiuClick();
    void btnFontMenoClick();
    void ActPrintExecute();

    // The action that runs a command.
    QAction* ActionFor(GameCommand command) const;
    bool GridShown() const;
    void FocusGridIfShown();
    // After a box or a key changed what the grid shows: the grid is repainted and takes the
    // keyboard back.
    void RepaintAndFocusGridIfShown();
    void FitGridToItsCells();

    // The desktop, as handed in.
    const DesktopServices Services;
    // The grid font's size in points, 8 to 48: it lives as long as the window, so the zoom
    // carries over to every puzzle and size.
    int GridFontPoints = 8;
    DesktopGameHost Host;
    // The game: its data and its decisions. A child of the window named "game", gone before
    // the window's controls.
    GameCore Core;
    const MainWindowControls Ui;
    PrintCommand Printing;
    bool Shown = false;
};
