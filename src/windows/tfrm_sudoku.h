#pragma once

#include "engine/cell_grid.h"
#include "engine/tsd_board.h"

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <memory>

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
class QPrinter;
class QPushButton;
class RadioGroup;
class SegmentClock;
class Tfrmhlpi;
struct GridView;

// The main window and game controller. Its controls and game data are public fields, as the
// grid view, the printed page and the tests read them by these names; every control also
// carries its field name as its object name.
//
// The methods live in files by concern: layout and help in src/windows, generation, the
// state machine, function keys and the grid's hooks in src/game.
class TfrmSudoku : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmSudoku(QWidget* parent = nullptr);
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

    // Game data.
    std::unique_ptr<TsdBoard> Board;
    std::int32_t BoxSize = 3;
    std::array<std::string, 6> SymbolAlphabets; // indexed by box size 3, 4, 5
    CellGrid PlayGrid = MakeCellGrid();
    CellGrid PuzzleGrid = MakeCellGrid();
    CellGrid SolutionGrid = MakeCellGrid();
    std::int32_t SeparatorWidth = 3;
    std::uint8_t GameState = 0;
    double PlayStartTime = 0.0; // days since 1899-12-30, time of day as the fraction
    // The grid font's size in points, 8 to 16: it lives as long as the window, so the zoom
    // carries over to every puzzle and size.
    int GridFontPoints = 8;
    // The hidden window holding the printed page's background; none in some tests.
    const Tfrmhlpi* frmhlpi = nullptr;

    // The sizes last asked for by FitWindowToBoxSize and PrepareGrid. A maximized window
    // keeps its size and the grid fills its panel, so these are what was requested.
    int RequestedWindowWidth = 0;
    int RequestedWindowHeight = 0;
    int RequestedGridPanelWidth = 0;
    int RequestedGridHeight = 0;

    // Game data and generation.
    void ActGeneraExecute();
    bool GeneratePuzzle();
    void ResetPlayGrid();

    // State machine.
    void ApplyGameState();
    void ActPlayExecute();
    void ActToggleViewExecute();
    void cbxControlloClick();
    void cbxHideTimerClick();
    void cbgLivelloClick() {}
    // The window's key preview; true when the key was acted on and consumed.
    bool FormKeyDown(QKeyEvent& key);
    void FormShow();
    void FormClose();

    // Help.
    void showHelp(std::uint8_t state);
    void ActHelpExecute();

    // The grid's hooks, its menu, sizing and zoom.
    void sg1DrawCell(QPainter& painter, int col, int row, const QRect& rect, bool focused);
    void sg1KeyDown(QKeyEvent& key);
    void sg1MouseDown(QMouseEvent& event);
    void BuildGridMenu(std::uint8_t state);
    void N11Click(QAction* item);
    void N21Click();
    void ActSuggerisciExecute();
    void PrepareGrid(std::int32_t boxSize);
    void FitWindowToBoxSize(std::int32_t boxSize);
    void btnFontPiuClick();
    void btnFontMenoClick();
    void ActPrintExecute();
    // True when a page went to the printer.
    bool PrintPuzzlePage(QPrinter& printer);
    void CheckCompletion();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildTopArea(QWidget* client);
    void BuildBottomBar(QWidget* client);
    void BuildGridArea(QWidget* client);
    void BuildRightColumn(QWidget* client);
    void BuildActions();
    void ConnectHandlers();
    // Puts the window, frame included, in the middle of its screen's work area, though never
    // with its title bar above or left of it.
    void CentreOnScreen();
    bool GridShown() const;
    void FocusGridIfShown();
    void StoreEntry(char value);
    // One zoom step of the grid's font and cells; nothing at either end of the range.
    void ApplyZoom(bool larger);
    // What the cell-drawing routine reads, as the window holds it now.
    GridView CurrentGridView() const;

    KeyPreview* Preview = nullptr;
    bool Shown = false;
};
