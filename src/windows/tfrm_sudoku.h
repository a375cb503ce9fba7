#pragma once

#include "desktop/desktop_services.h"
#include "game/game_core.h"
#include "geometry/grid_geometry.h"
#include "windows/desktop_game_host.h"
#include "windows/print_command.h"

#include <QMainWindow>
#include <cstdint>
#include <optional>

class ActionButton;
class BevelPanel;
class DrawGrid;
class KeyPreview;
class LinkLabel;
class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPainter;
class QKeyEvent;
class QMouseEvent;
class QPushButton;
class RadioGroup;
class SegmentClock;
class Tfrmhlpi;

// The main window: the game's front end. Its handlers turn the player's events into calls on
// the game core and reflect the core's answers onto the controls; no rule of the game is
// decided here. The controls are public fields, read by the tests by these names; every
// control also carries its field name as its object name. The controls are built by
// LayOutMainWindow; sizing, the grid's menu and printing have their own helpers.
class TfrmSudoku : public QMainWindow {
    Q_OBJECT
public:
    // The window reaches the desktop (boxes, browser, time, waits, print dialog) only through
    // `services`.
    explicit TfrmSudoku(DesktopServices services, QWidget* parent = nullptr);
    ~TfrmSudoku() override;

    // Controls, in the order the window declares them.
    BevelPanel* pnlTopMain;
    BevelPanel* Panel1;
    QLabel* Image1;
    QLabel* StaticText1;
    QLabel* StaticText2;
    BevelPanel* pnlTopControlsClient;
    ActionButton* btnGenera;
    RadioGroup* cbg1;
    RadioGroup* cbgLivello;
    BevelPanel* Panel3;
    ActionButton* btnHelp;
    QLabel* cxLabel3;
    LinkLabel* cxHyperLinkEdit2;
    BevelPanel* pnlGrid;
    DrawGrid* sg1;
    BevelPanel* pnlRight;
    BevelPanel* pnlButtons;
    ActionButton* btnPlay;
    ActionButton* btnToggleView;
    ActionButton* btnPrint;
    BevelPanel* pnlGameOn;
    QCheckBox* cbxHideTimer;
    SegmentClock* Clock1;
    QCheckBox* cbxControllo;
    ActionButton* cxButton1;
    // The play comforts' boxes, below the design's controls of the game panel.
    QCheckBox* cbxMatita;
    QCheckBox* cbxEvidenzia;
    BevelPanel* pnlLayout;
    QLabel* StaticText3;
    QLabel* StaticText4;
    QPushButton* btnFontPiu;
    QPushButton* btnFontMeno;
    QMenu* popm1;
    // The menu's two design-time items; the first BuildGridMenu removes them (null after).
    QAction* N11;
    QAction* N21;
    // ActionList1, in its declared order.
    QAction* ActPrint;
    QAction* ActGenera;
    QAction* ActToggleView;
    QAction* ActPlay;
    QAction* ActSuggerisci;
    QAction* ActHelp;
    // The play comforts' actions, for the grid's menu.
    QAction* ActCandidati;
    QAction* ActAnnulla;
    QAction* ActRipeti;

    // The desktop, as handed in.
    const DesktopServices Services;
    // The game: its data and its decisions.
    const GameCore& Game() const { return Core; }
    // The grid font's size in points, 8 to 48: it lives as long as the window, so the zoom
    // carries over to every puzzle and size.
    int GridFontPoints = 8;
    // The hidden window holding the printed page's background; none in some tests.
    const Tfrmhlpi* frmhlpi = nullptr;

    // Generation.
    void ActGeneraExecute();

    // States and the game panel.
    void ApplyGameState();
    void ActPlayExecute();
    void ActToggleViewExecute();
    void cbxControlloClick();
    void cbxHideTimerClick();
    // The pencil mode or the highlighting changed, by its box, its key or a new game.
    void cbxMatitaClick();
    void cbxEvidenziaClick();
    void cbgLivelloClick() {}
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

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectHandlers();
    // The action that runs a command.
    QAction* ActionFor(GameCommand command) const;
    bool GridShown() const;
    void FocusGridIfShown();
    // After a box or a key changed what the grid shows: the grid is repainted and takes the
    // keyboard back.
    void RepaintAndFocusGridIfShown();
    void FitGridToItsCells();

    DesktopGameHost Host;
    GameCore Core;
    PrintCommand Printing;
    KeyPreview* Preview = nullptr;
    bool Shown = false;
};
