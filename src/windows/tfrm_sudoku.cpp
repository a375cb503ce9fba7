// The main window's handlers. Each reads its event, asks the game core and applies the
// answer to the controls; the core decides.
#include "windows/tfrm_sudoku.h"

#include "game/elapsed_time.h"
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

namespace {

// The commands with an action of their own that the game enables and disables; help is
// always on.
constexpr GameCommand kActionCommands[] = {
    GameCommand::Generate, GameCommand::Print,          GameCommand::ToggleView, GameCommand::Play,
    GameCommand::Hint,     GameCommand::FillCandidates, GameCommand::Undo,       GameCommand::Redo};

} // namespace

TfrmSudoku::TfrmSudoku(DesktopServices services, QWidget* parent)
    : QMainWindow(parent), Services(std::move(services)), Host(Services, *this), Core(Host, this),
      Ui(LayOutMainWindow(*this, Services, GridFontPoints)) {
    Core.setObjectName(QStringLiteral("game"));
    ConnectHandlers();
    NameForScreenReaders(Ui, Core);
    new KeyPreview(this, [this](QKeyEvent& key) { return FormKeyDown(key); });
    // Beyond the window's own actions: a booklet of puzzles, on a chord of no other use.
    new BookletCommand(*this, Services);
}

TfrmSudoku::~TfrmSudoku() = default;

void TfrmSudoku::ConnectHandlers() {
    connect(Ui.ActPrint, &QAction::triggered, this, &TfrmSudoku::ActPrintExecute);
    connect(Ui.ActGenera, &QAction::triggered, this, &TfrmSudoku::ActGeneraExecute);
    connect(Ui.ActToggleView, &QAction::triggered, this, &TfrmSudoku::ActToggleViewExecute);
    connect(Ui.ActPlay, &QAction::triggered, this, &TfrmSudoku::ActPlayExecute);
    connect(Ui.ActSuggerisci, &QAction::triggered, this, &TfrmSudoku::ActSuggerisciExecute);
    connect(Ui.ActHelp, &QAction::triggered, this, &TfrmSudoku::ActHelpExecute);
    // The boxes ask the game to flip its switch; the game's answer comes back through its
    // signals.
    connect(Ui.cbxControllo, &QCheckBox::clicked, this, &TfrmSudoku::cbxControlloClick);
    connect(Ui.cbxHideTimer, &QCheckBox::clicked, this, &TfrmSudoku::cbxHideTimerClick);
    connect(Ui.cbxPencil, &QCheckBox::clicked, this, &TfrmSudoku::cbxPencilClick);
    connect(Ui.cbxHighlight, &QCheckBox::clicked, this, &TfrmSudoku::cbxHighlightClick);
    for (const GameCommand command :
         {GameCommand::FillCandidates, GameCommand::Undo, GameCommand::Redo})
        connect(ActionFor(command), &QAction::triggered, this,
                [this, command] { Core.Run(command); });
    // The notes items show the selected cell's notes as the menu opens.
    connect(Ui.popm1, &QMenu::aboutToShow, this, &TfrmSudoku::RefreshGridMenu);
    connect(Ui.btnFontPiu, &QPushButton::clicked, this, &TfrmSudoku::btnFontPiuClick);
    connect(Ui.btnFontMeno, &QPushButton::clicked, this, &TfrmSudoku::btnFontMenoClick);
    Ui.sg1->setPaintCells([this](QPainter& painter, std::optional<GridCell> focused) {
        sg1DrawCell(painter, focused);
    });
    Ui.sg1->setKeyDownHook([this](QKeyEvent& key) { sg1KeyDown(key); });
    Ui.sg1->setMouseDownHook([this](QMouseEvent& event) { sg1MouseDown(event); });

    // The only place where the game's announcements arrive.
    connect(&Core, &GameCore::gameStateChanged, this, &TfrmSudoku::ApplyGameState);
    connect(&Core, &GameCore::availabilityChanged, this, &TfrmSudoku::ApplyAvailability);
    connect(&Core, &GameCore::gridPrepared, this, &TfrmSudoku::PrepareGrid);
    connect(&Core, &GameCore::playGridChanged, Ui.sg1->viewport(), qOverload<>(&QWidget::update));
    connect(&Core, &GameCore::checkingChanged, this, &TfrmSudoku::ShowChecking);
    connect(&Core, &GameCore::timerHiddenChanged, this, &TfrmSudoku::ShowTimerHidden);
    connect(&Core, &GameCore::pencilModeChanged, this, &TfrmSudoku::ShowPencilMode);
    connect(&Core, &GameCore::highlightingChanged, this, &TfrmSudoku::ShowHighlighting);
    // The tint follows the selection.
    connect(Ui.sg1, &DrawGrid::currentCellChanged, this, [this] {
        if (Core.Highlighting())
            Ui.sg1->viewport()->update();
    });
}

QAction* TfrmSudoku::ActionFor(GameCommand command) const {
    switch (command) {
    case GameCommand::Help:
        return Ui.ActHelp;
    case GameCommand::Hint:
        return Ui.ActSuggerisci;
    case GameCommand::Play:
        return Ui.ActPlay;
    case GameCommand::ToggleView:
        return Ui.ActToggleView;
    case GameCommand::Print:
        return Ui.ActPrint;
    case GameCommand::Generate:
        return Ui.ActGenera;
    case GameCommand::FillCandidates:
        return Ui.ActFillCandidates;
    case GameCommand::Undo:
        return Ui.ActUndo;
    case GameCommand::Redo:
        return Ui.ActRedo;
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
    return !Ui.sg1->isHidden();
}

void TfrmSudoku::FocusGridIfShown() {
    if (GridShown())
        Ui.sg1->setFocus();
}

void TfrmSudoku::RepaintAndFocusGridIfShown() {
    if (GridShown()) {
        Ui.sg1->viewport()->update();
        Ui.sg1->setFocus();
    }
}

// ---- Generation, states and the game panel ----

void TfrmSudoku::ActGeneraExecute() {
    const GameCore::GenerateOutcome outcome =
        Core.Generate(Ui.cbg1->itemIndex(), Ui.cbgLivello->itemIndex());
    if (outcome.generated)
        Ui.sg1->setFocus();
    if (!outcome.gaveUp && Core.HasPuzzle())
        Ui.ActGenera->setText(kRigeneraCaption);
}

void TfrmSudoku::ApplyGameState() {
    Ui.Clock1->hide();
    Ui.pnlGameOn->hide();
    Ui.sg1->setAutoPopup(false);

    if (Core.GameOnView()) {
        Ui.pnlGameOn->show();
        // The readout reads 00:00:00 at the game's start and counts the time since.
        const ClockOffset offset = ClockOffsetFor(Core.PlayStartTime());
        Ui.Clock1->setTimeOffset(0, offset.hours, offset.minutes, offset.seconds,
                                 offset.utcOffsetSeconds);
        // Shows the clock afresh, repaints the grid and gives it the focus.
        ShowTimerHidden();
    }
    const StateCaptions captions = StateCaptionsFor(Core.GameState());
    if (captions.toggleView)
        Ui.btnToggleView->setText(*captions.toggleView);
    if (captions.play)
        Ui.btnPlay->setText(*captions.play);
    ApplyAvailability();
    if (Core.HasPuzzle()) {
        RefreshGridMenu();
        Ui.sg1->setAutoPopup(true);
        if (GridShown())
            Ui.sg1->viewport()->update();
    }
}

void TfrmSudoku::ApplyAvailability() {
    for (const GameCommand command : kActionCommands)
        ActionFor(command)->setEnabled(Core.Available(command));
    Ui.cbg1->setEnabled(Core.Available(GameCommand::Generate));
    Ui.cbgLivello->setEnabled(Core.Available(GameCommand::Generate));
}

void TfrmSudoku::ActToggleViewExecute() {
    Core.Run(GameCommand::ToggleView);
}

void TfrmSudoku::ActPlayExecute() {
    if (Core.Play() == GameCore::PlayOutcome::Kept)
        FocusGridIfShown();
}

// A box asks the game to flip its switch; a refused flip puts the box back as the game has it.
void TfrmSudoku::cbxControlloClick() {
    if (!Core.Run(GameCommand::Checking))
        ShowChecking();
}

void TfrmSudoku::cbxHideTimerClick() {
    if (!Core.Run(GameCommand::HideTimer))
        ShowTimerHidden();
}

void TfrmSudoku::cbxPencilClick() {
    if (!Core.Run(GameCommand::PencilMode))
        ShowPencilMode();
}

void TfrmSudoku::cbxHighlightClick() {
    if (!Core.Run(GameCommand::Highlight))
        ShowHighlighting();
}

// The game's checking changed, by the box, F8 or the menu.
void TfrmSudoku::ShowChecking() {
    Ui.cbxControllo->setChecked(Core.Checking());
    RepaintAndFocusGridIfShown();
    RefreshGridMenu();
}

void TfrmSudoku::ShowPencilMode() {
    Ui.cbxPencil->setChecked(Core.PencilMode());
    FocusGridIfShown();
}

void TfrmSudoku::ShowHighlighting() {
    Ui.cbxHighlight->setChecked(Core.Highlighting());
    RepaintAndFocusGridIfShown();
}

// The clock was hidden or shown, by the box or F9, or the game panel came back.
void TfrmSudoku::ShowTimerHidden() {
    Ui.cbxHideTimer->setChecked(Core.TimerHidden());
    Ui.Clock1->setVisible(!Core.TimerHidden());
    RepaintAndFocusGridIfShown();
}

bool TfrmSudoku::FormKeyDown(QKeyEvent& key) {
    const std::optional<GameCommand> command =
        CommandForKey(key.key(), key.modifiers(), QApplication::mouseButtons() != Qt::NoButton,
                      Core.SymbolAlphabet());
    if (!command || !Core.TakesKeyOf(*command))
        return false;
    // A command with an action runs as its button or menu item would; the rest are the game's
    // switches, but for the clock's reading, which is for the ear.
    if (QAction* action = ActionFor(*command))
        action->trigger();
    else if (*command == GameCommand::ReadClock)
        SayClockReading(Ui);
    else
        Core.Run(*command);
    return true;
}

void TfrmSudoku::FormShow() {
    Ui.sg1->hide();
    Ui.ActPrint->setEnabled(false);
    Ui.cbgLivello->setItemIndex(0);
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
        GridViewOf(Core, Core.HighlightedSymbol(Ui.sg1->currentRow(), Ui.sg1->currentColumn()));
    // The grid has already set the painter to its own font.
    PaintGrid(painter, view, Ui.sg1->cellGeometry(), focused, painter.font());
}

void TfrmSudoku::sg1KeyDown(QKeyEvent& key) {
    Core.PressKey(ReadGridKey(key), Ui.sg1->currentRow(), Ui.sg1->currentColumn());
    // The key is left unconsumed, so the grid still moves its selection afterwards.
}

void TfrmSudoku::sg1MouseDown(QMouseEvent& event) {
    if (event.button() != Qt::RightButton || !Core.RightPressSelects())
        return;
    // A press beyond the last column or row leaves the selection where it was.
    if (const auto cell = Ui.sg1->cellAt(event.position().toPoint())) {
        Ui.sg1->setCurrentCell(cell->row, cell->column);
        Ui.sg1->viewport()->update();
    }
}

void TfrmSudoku::RefreshGridMenu() {
    if (Core.HasPuzzle())
        BuildGridMenu(Core.GameState());
}

void TfrmSudoku::BuildGridMenu(std::uint8_t state) {
    GridMenuHandlers handlers;
    handlers.enter = [this](QAction* item) { N11Click(item); };
    handlers.toggleChecking = [this] { N21Click(); };
    handlers.actionFor = [this](GameCommand command) { return ActionFor(command); };
    handlers.toggleNote = [this](QAction* item) { NoteItemClick(item); };
    handlers.clearNotes = [this] {
        Core.ClearNotes(Ui.sg1->currentRow(), Ui.sg1->currentColumn());
    };
    const QString alphabet = QString::fromStdString(Core.SymbolAlphabet());
    std::vector<GridMenuItem> items = GridMenuItems(state, alphabet, Core.Checking());
    if (state == Playing) {
        const auto notes =
            NotesMenuItems(alphabet, Core.NotesAt(Ui.sg1->currentRow(), Ui.sg1->currentColumn()));
        items.insert(items.end(), notes.begin(), notes.end());
        if (Core.CellShown(Ui.sg1->currentRow(), Ui.sg1->currentColumn()).given)
            DisableCellEntries(items);
    }
    FillGridMenu(*Ui.popm1, items, handlers);
}

void TfrmSudoku::N11Click(QAction* item) {
    if (item)
        Core.EnterFromMenu(static_cast<char>(item->data().toInt()), Ui.sg1->currentRow(),
                           Ui.sg1->currentColumn());
}

void TfrmSudoku::NoteItemClick(QAction* item) {
    if (item)
        Core.ToggleNote(static_cast<char>(item->data().toInt()), Ui.sg1->currentRow(),
                        Ui.sg1->currentColumn());
}

void TfrmSudoku::N21Click() {
    Core.Run(GameCommand::Checking);
}

void TfrmSudoku::ActSuggerisciExecute() {
    Core.Hint(Ui.sg1->currentRow(), Ui.sg1->currentColumn());
    FocusGridIfShown();
}

// ---- Sizing and zoom ----

void TfrmSudoku::PrepareGrid(std::int32_t boxSize, bool newBoxSize) {
    if (newBoxSize)
        FitWindowToBoxSize(boxSize);
    if (Ui.sg1->isHidden())
        Ui.sg1->show();
    Ui.sg1->setCurrentCell(0, 0);
    if (const auto layout = GridLayoutFor(boxSize, GridFontPoints))
        ApplyGridLayout(*Ui.sg1, *layout);
    FitGridToItsCells();
    update();
    Ui.sg1->setCurrentCell(0, 0);
    Ui.sg1->viewport()->update();
}

// The grid's panel gives the grid its new size at once, so that what follows (scrolling to the
// selection, a picture of the window) sees the grid as it will be shown.
void TfrmSudoku::FitGridToItsCells() {
    if (QLayout* layout = Ui.pnlGrid->layout())
        layout->activate();
}

void TfrmSudoku::FitWindowToBoxSize(std::int32_t boxSize) {
    if (const auto layout = WindowLayoutFor(boxSize))
        FitWindow(*this, *layout);
}

// A step of the font and the cells together; the grid takes the keyboard back, as after the
// other buttons.
void TfrmSudoku::btnFontPiuClick() {
    GridFontPoints = ZoomGrid(*Ui.sg1, Core.BoxSize(), GridFontPoints, true);
    FitGridToItsCells();
    update();
    FocusGridIfShown();
}

void TfrmSudoku::btnFontMenoClick() {
    GridFontPoints = ZoomGrid(*Ui.sg1, Core.BoxSize(), GridFontPoints, false);
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
        if (Ui.sg1->isActiveControl())
            focused = Ui.sg1->currentCell();
        return ViewGridPicture(GridViewOf(Core), layout->Cells(), focused,
                               GridFont(GridFontPoints));
    };
    page.background = MakeWatermarkImage;
    page.fitWindow = [this] { FitWindowToBoxSize(Core.BoxSize()); };
    page.repaintWindow = [this] { repaint(); };
    page.focusGridIfShown = [this] { FocusGridIfShown(); };
    Printing.Run(Services, this, page);
}
