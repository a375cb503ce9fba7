// The main window's handlers. Each reads its event, asks the game core and applies the
// answer to the controls; the core decides.
#include "windows/tfrm_sudoku.h"

#include "game/elapsed_time.h"
#include "game/game_texts.h"
#include "print/view_grid_picture.h"
#include "print/watermark_image.h"
#include "toolkit/action_button.h"
#include "toolkit/bevel_panel.h"
#include "toolkit/draw_grid.h"
#include "toolkit/key_preview.h"
#include "toolkit/radio_group.h"
#include "toolkit/segment_clock.h"
#include "view/cell_input.h"
#include "view/cell_painter.h"
#include "view/function_keys.h"
#include "view/grid_menu.h"
#include "view/grid_painter.h"
#include "view/grid_sizing.h"
#include "view/state_captions.h"
#include "windows/booklet_command.h"
#include "windows/grid_menu_builder.h"
#include "windows/help_pages.h"
#include "windows/main_window_layout.h"
#include "windows/screen_reader_names.h"
#include "windows/tfrmhlpi.h"
#include "windows/window_sizing.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

TfrmSudoku::TfrmSudoku(DesktopServices services, QWidget* parent)
    : QMainWindow(parent), Services(std::move(services)), Host(Services, *this), Core(Host) {
    LayOutMainWindow(*this);
    ConnectHandlers();
    NameForScreenReaders(*this);
    Preview = new KeyPreview(this, [this](QKeyEvent& key) { return FormKeyDown(key); });
    // Beyond the window's own actions: a booklet of puzzles, on a chord of no other use.
    new BookletCommand(*this, Services);
}

TfrmSudoku::~TfrmSudoku() = default;

void TfrmSudoku::ConnectHandlers() {
    connect(ActPrint, &QAction::triggered, this, &TfrmSudoku::ActPrintExecute);
    connect(ActGenera, &QAction::triggered, this, &TfrmSudoku::ActGeneraExecute);
    connect(ActToggleView, &QAction::triggered, this, &TfrmSudoku::ActToggleViewExecute);
    connect(ActPlay, &QAction::triggered, this, &TfrmSudoku::ActPlayExecute);
    connect(ActSuggerisci, &QAction::triggered, this, &TfrmSudoku::ActSuggerisciExecute);
    connect(ActHelp, &QAction::triggered, this, &TfrmSudoku::ActHelpExecute);
    // The two boxes tell the game; the game's answer comes back through its signals.
    connect(cbxControllo, &QCheckBox::clicked, &Core, &GameCore::SetChecking);
    connect(cbxHideTimer, &QCheckBox::clicked, &Core, &GameCore::SetTimerHidden);
    connect(cbxMatita, &QCheckBox::clicked, &Core, &GameCore::SetPencilMode);
    connect(cbxEvidenzia, &QCheckBox::clicked, &Core, &GameCore::SetHighlighting);
    connect(ActCandidati, &QAction::triggered, &Core, &GameCore::FillCandidates);
    connect(ActAnnulla, &QAction::triggered, &Core, &GameCore::Undo);
    connect(ActRipeti, &QAction::triggered, &Core, &GameCore::Redo);
    // The notes items show the selected cell's notes as the menu opens.
    connect(popm1, &QMenu::aboutToShow, this, [this] {
        if (Core.GameState() == Playing)
            BuildGridMenu(Playing);
    });
    connect(cbgLivello, &RadioGroup::clicked, this, &TfrmSudoku::cbgLivelloClick);
    connect(btnFontPiu, &QPushButton::clicked, this, &TfrmSudoku::btnFontPiuClick);
    connect(btnFontMeno, &QPushButton::clicked, this, &TfrmSudoku::btnFontMenoClick);
    connect(N11, &QAction::triggered, this, [this] { N11Click(N11); });
    connect(N21, &QAction::triggered, this, &TfrmSudoku::N21Click);
    sg1->setPaintCells([this](QPainter& painter, std::optional<GridCell> focused) {
        sg1DrawCell(painter, focused);
    });
    sg1->setKeyDownHook([this](QKeyEvent& key) { sg1KeyDown(key); });
    sg1->setMouseDownHook([this](QMouseEvent& event) { sg1MouseDown(event); });

    // The only place where the game's announcements arrive.
    connect(&Core, &GameCore::gameStateChanged, this, &TfrmSudoku::ApplyGameState);
    connect(&Core, &GameCore::gridPrepared, this, &TfrmSudoku::PrepareGrid);
    connect(&Core, &GameCore::playGridChanged, sg1->viewport(), qOverload<>(&QWidget::update));
    connect(&Core, &GameCore::checkingChanged, this, &TfrmSudoku::cbxControlloClick);
    connect(&Core, &GameCore::timerHiddenChanged, this, &TfrmSudoku::cbxHideTimerClick);
    connect(&Core, &GameCore::pencilModeChanged, this, &TfrmSudoku::cbxMatitaClick);
    connect(&Core, &GameCore::highlightingChanged, this, &TfrmSudoku::cbxEvidenziaClick);
    // The tint follows the selection.
    connect(sg1, &DrawGrid::currentCellChanged, this, [this] {
        if (Core.Highlighting())
            sg1->viewport()->update();
    });
}

QAction* TfrmSudoku::ActionFor(GameCommand command) const {
    switch (command) {
    case GameCommand::Help:
        return ActHelp;
    case GameCommand::Hint:
        return ActSuggerisci;
    case GameCommand::Play:
        return ActPlay;
    case GameCommand::ToggleView:
        return ActToggleView;
    case GameCommand::Print:
        return ActPrint;
    case GameCommand::Generate:
        return ActGenera;
    case GameCommand::FillCandidates:
        return ActCandidati;
    case GameCommand::Undo:
        return ActAnnulla;
    case GameCommand::Redo:
        return ActRipeti;
    case GameCommand::Checking:
    case GameCommand::HideTimer:
    case GameCommand::PencilMode:
    case GameCommand::Highlight:
        break; // check boxes, not actions
    case GameCommand::ReadClock:
        break; // for the ear alone
    }
    return nullptr;
}

bool TfrmSudoku::GridShown() const {
    return !sg1->isHidden();
}

void TfrmSudoku::FocusGridIfShown() {
    if (GridShown())
        sg1->setFocus();
}

void TfrmSudoku::RepaintAndFocusGridIfShown() {
    if (GridShown()) {
        sg1->viewport()->update();
        sg1->setFocus();
    }
}

// ---- Generation, states and the game panel ----

void TfrmSudoku::ActGeneraExecute() {
    const GameCore::GenerateOutcome outcome =
        Core.Generate(cbg1->itemIndex(), cbgLivello->itemIndex());
    if (outcome.generated)
        sg1->setFocus();
    if (!outcome.gaveUp && Core.HasPuzzle())
        ActGenera->setText(kRigeneraCaption);
}

void TfrmSudoku::ApplyGameState() {
    for (QAction* action : {ActGenera, ActPrint, ActToggleView, ActPlay, ActSuggerisci,
                            ActCandidati, ActAnnulla, ActRipeti})
        action->setEnabled(false);
    Clock1->hide();
    pnlGameOn->hide();
    cbg1->setEnabled(false);
    cbgLivello->setEnabled(false);
    sg1->setAutoPopup(false);

    if (!Core.StateIsKnown()) {
        Host.ShowMessage(UnknownStateMessage(Core.GameState()));
        return;
    }
    if (Core.Available(GameCommand::HideTimer)) {
        pnlGameOn->show();
        // The readout reads 00:00:00 at the game's start and counts the time since.
        const ClockOffset offset = ClockOffsetFor(Core.PlayStartTime());
        Clock1->setTimeOffset(0, offset.hours, offset.minutes, offset.seconds,
                              offset.utcOffsetSeconds);
        // Shows the clock afresh, repaints the grid and gives it the focus.
        cbxHideTimerClick();
    }
    const StateCaptions captions = StateCaptionsFor(Core.GameState());
    if (captions.toggleView)
        btnToggleView->setText(*captions.toggleView);
    if (captions.play)
        btnPlay->setText(*captions.play);
    for (const GameCommand command :
         {GameCommand::Generate, GameCommand::Print, GameCommand::ToggleView, GameCommand::Play,
          GameCommand::Hint, GameCommand::FillCandidates, GameCommand::Undo, GameCommand::Redo})
        ActionFor(command)->setEnabled(Core.Available(command));
    cbg1->setEnabled(Core.Available(GameCommand::Generate));
    cbgLivello->setEnabled(Core.Available(GameCommand::Generate));
    if (Core.HasPuzzle()) {
        BuildGridMenu(Core.GameState());
        sg1->setAutoPopup(true);
        if (GridShown())
            sg1->viewport()->update();
    }
}

void TfrmSudoku::ActToggleViewExecute() {
    Core.ToggleView();
}

void TfrmSudoku::ActPlayExecute() {
    if (Core.Play() == GameCore::PlayOutcome::Kept)
        FocusGridIfShown();
}

// The game's checking changed, by the box, F8 or the menu.
void TfrmSudoku::cbxControlloClick() {
    cbxControllo->setChecked(Core.Checking());
    RepaintAndFocusGridIfShown();
    if (Core.GameState() == Playing)
        BuildGridMenu(Playing);
}

void TfrmSudoku::cbxMatitaClick() {
    cbxMatita->setChecked(Core.PencilMode());
    FocusGridIfShown();
}

void TfrmSudoku::cbxEvidenziaClick() {
    cbxEvidenzia->setChecked(Core.Highlighting());
    RepaintAndFocusGridIfShown();
}

// The clock was hidden or shown, by the box or F9, or the game panel came back.
void TfrmSudoku::cbxHideTimerClick() {
    cbxHideTimer->setChecked(Core.TimerHidden());
    Clock1->setVisible(!Core.TimerHidden());
    RepaintAndFocusGridIfShown();
}

bool TfrmSudoku::FormKeyDown(QKeyEvent& key) {
    const std::optional<GameCommand> command =
        CommandForKey(key.key(), key.modifiers(), QApplication::mouseButtons() != Qt::NoButton,
                      Core.SymbolIndex('Y') >= 0);
    if (!command || !Core.Available(*command))
        return false;
    switch (*command) {
    case GameCommand::Checking:
        Core.SetChecking(!Core.Checking());
        break;
    case GameCommand::HideTimer:
        Core.SetTimerHidden(!Core.TimerHidden());
        break;
    case GameCommand::PencilMode:
        Core.SetPencilMode(!Core.PencilMode());
        break;
    case GameCommand::Highlight:
        Core.SetHighlighting(!Core.Highlighting());
        break;
    case GameCommand::ReadClock:
        SayClockReading(*this);
        break;
    default:
        ActionFor(*command)->trigger();
        break;
    }
    return true;
}

void TfrmSudoku::FormShow() {
    sg1->hide();
    ActPrint->setEnabled(false);
    cbgLivello->setItemIndex(0);
    Core.Start();
    FitWindowToBoxSize(Core.BoxSize());
}

void TfrmSudoku::FormClose() {
    Core.End();
}

void TfrmSudoku::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Restoring from the task bar shows the window again but is not a new start.
    if (!Shown && !event->spontaneous()) {
        Shown = true;
        FormShow();
    }
}

void TfrmSudoku::closeEvent(QCloseEvent* event) {
    // Closing loses a running game, so the game asks first; any answer but Yes keeps the
    // window, the game and its clock.
    if (!Core.MayClose()) {
        event->ignore();
        FocusGridIfShown();
        return;
    }
    FormClose();
    event->accept();
}

// ---- Help ----

void TfrmSudoku::showHelp(std::uint8_t state) {
    const HelpTarget target = HelpTargetFor(state, HelpFolder());
    switch (target.kind) {
    case HelpTarget::OpenPage:
        // The browser's answer is not looked at: a page that cannot open changes nothing.
        Services.openUrl(target.page);
        break;
    case HelpTarget::ReportState:
        Host.ShowMessage(target.message);
        break;
    case HelpTarget::Nothing:
        break;
    }
}

void TfrmSudoku::ActHelpExecute() {
    showHelp(Core.GameState());
    FocusGridIfShown();
}

// ---- The grid: drawing, keys, mouse, its menu and the hint ----

void TfrmSudoku::sg1DrawCell(QPainter& painter, std::optional<GridCell> focused) {
    // The tint is the screen's: the printed page never shows it.
    const GridView view =
        GridViewOf(Core, Core.HighlightedSymbol(sg1->currentRow(), sg1->currentColumn()));
    // The grid has already set the painter to its own font.
    PaintGrid(painter, view, sg1->cellGeometry(), focused, painter.font());
}

void TfrmSudoku::sg1KeyDown(QKeyEvent& key) {
    Core.PressKey(ReadGridKey(key), sg1->currentRow(), sg1->currentColumn());
    // The key is left unconsumed, so the grid still moves its selection afterwards.
}

void TfrmSudoku::sg1MouseDown(QMouseEvent& event) {
    if (event.button() != Qt::RightButton || !Core.RightPressSelects())
        return;
    // A press beyond the last column or row leaves the selection where it was.
    if (const auto cell = sg1->cellAt(event.position().toPoint())) {
        sg1->setCurrentCell(cell->row, cell->column);
        sg1->viewport()->update();
    }
}

void TfrmSudoku::BuildGridMenu(std::uint8_t state) {
    // Removes the design-time items too, on the first build.
    N11 = nullptr;
    N21 = nullptr;
    GridMenuHandlers handlers;
    handlers.enter = [this](QAction* item) { N11Click(item); };
    handlers.toggleChecking = [this] { N21Click(); };
    handlers.actionFor = [this](GameCommand command) { return ActionFor(command); };
    handlers.toggleNote = [this](QAction* item) { NoteItemClick(item); };
    handlers.clearNotes = [this] { Core.ClearNotes(sg1->currentRow(), sg1->currentColumn()); };
    const QString alphabet = QString::fromStdString(Core.SymbolAlphabet());
    std::vector<GridMenuItem> items = GridMenuItems(state, alphabet, Core.Checking());
    if (state == Playing) {
        const auto notes =
            NotesMenuItems(alphabet, Core.NotesAt(sg1->currentRow(), sg1->currentColumn()));
        items.insert(items.end(), notes.begin(), notes.end());
        if (Core.CellShown(sg1->currentRow(), sg1->currentColumn()).given)
            DisableCellEntries(items);
    }
    FillGridMenu(*popm1, items, handlers);
}

void TfrmSudoku::N11Click(QAction* item) {
    if (item)
        Core.EnterFromMenu(static_cast<char>(item->data().toInt()), sg1->currentRow(),
                           sg1->currentColumn());
}

void TfrmSudoku::NoteItemClick(QAction* item) {
    if (item)
        Core.ToggleNote(static_cast<char>(item->data().toInt()), sg1->currentRow(),
                        sg1->currentColumn());
}

void TfrmSudoku::N21Click() {
    if (Core.Available(GameCommand::Checking))
        Core.SetChecking(!Core.Checking());
}

void TfrmSudoku::ActSuggerisciExecute() {
    Core.Hint(sg1->currentRow(), sg1->currentColumn());
    FocusGridIfShown();
}

// ---- Sizing and zoom ----

void TfrmSudoku::PrepareGrid(std::int32_t boxSize, bool newBoxSize) {
    if (newBoxSize)
        FitWindowToBoxSize(boxSize);
    if (sg1->isHidden())
        sg1->show();
    sg1->setCurrentCell(0, 0);
    if (const auto layout = GridLayoutFor(boxSize, GridFontPoints))
        ApplyGridLayout(*sg1, *layout);
    FitGridToItsCells();
    update();
    sg1->setCurrentCell(0, 0);
    sg1->viewport()->update();
}

// The grid's panel gives the grid its new size at once, so that what follows (scrolling to the
// selection, a picture of the window) sees the grid as it will be shown.
void TfrmSudoku::FitGridToItsCells() {
    if (QLayout* layout = pnlGrid->layout())
        layout->activate();
}

void TfrmSudoku::FitWindowToBoxSize(std::int32_t boxSize) {
    if (const auto layout = WindowLayoutFor(boxSize))
        FitWindow(*this, *layout);
}

// A step of the font and the cells together; the grid takes the keyboard back, as after the
// other buttons.
void TfrmSudoku::btnFontPiuClick() {
    GridFontPoints = ZoomGrid(*sg1, Core.BoxSize(), GridFontPoints, true);
    FitGridToItsCells();
    update();
    FocusGridIfShown();
}

void TfrmSudoku::btnFontMenoClick() {
    GridFontPoints = ZoomGrid(*sg1, Core.BoxSize(), GridFontPoints, false);
    FitGridToItsCells();
    update();
    FocusGridIfShown();
}

// ---- Printing ----

void TfrmSudoku::ActPrintExecute() {
    PrintCommand::Page page;
    page.boxSize = Core.BoxSize();
    page.grid = [this] {
        const auto layout = GridLayoutFor(Core.BoxSize(), GridFontPoints);
        if (!layout)
            return GridPicture{};
        // The selection ellipse is on the page exactly when it is on screen.
        std::optional<GridCell> focused;
        if (sg1->isActiveControl())
            focused = sg1->currentCell();
        return ViewGridPicture(GridViewOf(Core), layout->Cells(), focused,
                               GridFont(GridFontPoints));
    };
    page.background = [this] { return frmhlpi ? frmhlpi->watermark() : MakeWatermarkImage(); };
    page.fitWindow = [this] { FitWindowToBoxSize(Core.BoxSize()); };
    page.repaintWindow = [this] { repaint(); };
    page.focusGridIfShown = [this] { FocusGridIfShown(); };
    Printing.Run(Services, this, page);
}
