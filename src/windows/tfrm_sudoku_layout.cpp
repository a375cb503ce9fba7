#include "toolkit/action_button.h"
#include "toolkit/bevel_panel.h"
#include "toolkit/draw_grid.h"
#include "toolkit/key_preview.h"
#include "toolkit/link_label.h"
#include "toolkit/radio_group.h"
#include "toolkit/segment_clock.h"
#include "view/grid_sizing.h"
#include "windows/help_pages.h"
#include "windows/tfrm_sudoku.h"
#include "windows/window_pictures.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPrinter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

namespace {

const QColor kMaroon(128, 0, 0);

// The design's pixel heights become point sizes at 96 dpi (11 px is 8 pt, 15 px is 11 pt...).
QFont Verdana(int pixels, bool bold = false, bool italic = false) {
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

template <typename W> W* Named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* StaticText(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                   const QFont& font) {
    auto* label = Named(new QLabel(text, parent), name);
    label->setFont(font);
    // The substitute for the design's font can run wider: never clip the text.
    label->setGeometry(
        geometry.adjusted(0, 0, std::max(0, label->sizeHint().width() - geometry.width()), 0));
    return label;
}

} // namespace

TfrmSudoku::TfrmSudoku(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmSudoku"));
    setWindowTitle(QStringLiteral("Caselio Vers.1.3"));
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(11);
    setFont(windowFont);
    // 1000 x 767 outside, 984 x 728 inside, centred: the size it returns to from maximized.
    resize(984, 728);
    CentreOnScreen();

    BuildActions();
    auto* client = new QWidget(this);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(client);
    BuildTopArea(client);
    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    column->addWidget(pnlTopMain);
    column->addLayout(middle, 1);
    BuildBottomBar(client);
    column->addWidget(Panel3);
    BuildGridArea(client);
    BuildRightColumn(client);
    middle->addWidget(pnlGrid, 1);
    middle->addWidget(pnlRight);

    ConnectHandlers();
    Preview = new KeyPreview(this, [this](QKeyEvent& key) { return FormKeyDown(key); });
}

TfrmSudoku::~TfrmSudoku() = default;

void TfrmSudoku::BuildActions() {
    auto make = [this](const char* name, const QString& caption) {
        auto* action = Named(new QAction(caption, this), name);
        // Function keys reach the actions only through the window's key handler.
        action->setShortcutContext(Qt::WidgetShortcut);
        return action;
    };
    ActPrint = make("ActPrint", QStringLiteral("Stampa [F7]"));
    ActGenera = make("ActGenera", QStringLiteral("Genera [F10]"));
    ActToggleView = make("ActToggleView", QStringLiteral("Visualizza soluzione"));
    ActPlay = make("ActPlay", QStringLiteral("Gioca"));
    ActSuggerisci = make("ActSuggerisci", QStringLiteral("Suggerimento! [F4]"));
    ActHelp = make("ActHelp", QStringLiteral("Guida [F1]"));
}

void TfrmSudoku::BuildTopArea(QWidget* client) {
    pnlTopMain = Named(new BevelPanel(client), "pnlTopMain");
    pnlTopMain->setFixedHeight(129);
    auto* stack = new QVBoxLayout(pnlTopMain);
    // The panel's bevel is its margin: Panel1 sits at 1, 1 as declared.
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);

    Panel1 = Named(new BevelPanel(pnlTopMain), "Panel1");
    Panel1->setFixedHeight(60);
    Panel1->setBackground(kMaroon);
    Image1 = Named(new QLabel(Panel1), "Image1");
    Image1->setGeometry(1, 1, 152, 58);
    // The picture is a little taller than its control: shown whole, scaled to fit.
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(QPixmap::fromImage(
        DrawBannerPicture().scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    const QFont title = Verdana(32, false, true);
    StaticText1 =
        StaticText(Panel1, "StaticText1", QStringLiteral("Caselio"), {184, 8, 282, 42}, title);
    StaticText2 = StaticText(Panel1, "StaticText2", QStringLiteral("Vers.1.3"), {712, 24, 84, 27},
                             Verdana(19));
    for (QLabel* text : {StaticText1, StaticText2}) {
        QPalette palette = text->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        text->setPalette(palette);
    }
    stack->addWidget(Panel1);

    pnlTopControlsClient = Named(new BevelPanel(pnlTopMain), "pnlTopControlsClient");
    stack->addWidget(pnlTopControlsClient, 1);
    btnGenera = Named(new ActionButton(ActGenera, pnlTopControlsClient), "btnGenera");
    btnGenera->setGeometry(8, 10, 185, 47);
    btnGenera->setFont(Verdana(15));
    cbg1 =
        Named(new RadioGroup(QStringLiteral("Dimensione "),
                             {QStringLiteral("3x3"), QStringLiteral("4x4"), QStringLiteral("5x5")},
                             3, pnlTopControlsClient),
              "cbg1");
    cbg1->setGeometry(216, 2, 217, 55);
    cbg1->setFont(Verdana(15));
    cbg1->setItemIndex(0);
    cbgLivello = Named(new RadioGroup(QStringLiteral("Livello di difficoltà "),
                                      {QStringLiteral("Semplice    "), QStringLiteral("Medio"),
                                       QStringLiteral("Alto")},
                                      3, pnlTopControlsClient),
                       "cbgLivello");
    cbgLivello->setGeometry(448, 2, 345, 55);
    cbgLivello->setFont(Verdana(15));
    cbgLivello->setItemIndex(0);
    cbgLivello->hide();
}

void TfrmSudoku::BuildBottomBar(QWidget* client) {
    Panel3 = Named(new BevelPanel(client), "Panel3");
    Panel3->setFixedHeight(55);
    btnHelp = Named(new ActionButton(ActHelp, Panel3), "btnHelp");
    btnHelp->setOwnText(QStringLiteral("Guida \n[F1]"));
    btnHelp->setGeometry(3, 1, 126, 40);
    btnHelp->setFont(Verdana(11));
    btnHelp->setCursor(Qt::PointingHandCursor);
    // The face is taller than the button: it is drawn no larger than fits inside the border,
    // scaled once here rather than by the icon at its first paint.
    QStyleOptionButton face;
    face.initFrom(btnHelp);
    const QRect inside =
        btnHelp->style()->subElementRect(QStyle::SE_PushButtonContents, &face, btnHelp);
    const QSize iconSize = QSize(46, 43).scaled(inside.size(), Qt::KeepAspectRatio);
    btnHelp->setIcon(QIcon(QPixmap::fromImage(DrawHelpButtonPicture())
                               .scaled(iconSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    btnHelp->setIconSize(iconSize);

    cxLabel3 = StaticText(Panel3, "cxLabel3", QStringLiteral("Officina Caselio"), {224, 9, 283, 29},
                          Verdana(19, true));
    // A palette, not a style sheet: one style sheet brings Qt's whole style-sheet machinery.
    QPalette black = cxLabel3->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    cxLabel3->setPalette(black);
    // The raised look: a white edge below and right of the black letters.
    auto* raised = new QGraphicsDropShadowEffect(cxLabel3);
    raised->setOffset(1, 1);
    raised->setBlurRadius(0);
    raised->setColor(Qt::white);
    cxLabel3->setGraphicsEffect(raised);
    cxHyperLinkEdit2 = Named(new LinkLabel(MakerSiteAddress(), Panel3), "cxHyperLinkEdit2");
    cxHyperLinkEdit2->setGeometry(556, 13, 245, 22);
    cxHyperLinkEdit2->setFont(Verdana(15));
}

void TfrmSudoku::BuildGridArea(QWidget* client) {
    pnlGrid = Named(new BevelPanel(client), "pnlGrid");
    pnlGrid->setBackground(Qt::white);
    auto* fill = new QVBoxLayout(pnlGrid);
    fill->setContentsMargins(0, 0, 0, 0);
    sg1 = Named(new DrawGrid(pnlGrid), "sg1");
    sg1->setFrameStyle(QFrame::NoFrame);
    sg1->setFont(GridFont(GridFontPoints));
    sg1->setColCount(25);
    sg1->setRowCount(25);
    sg1->setDefaultColWidth(25);
    sg1->setDefaultRowHeight(22);
    fill->addWidget(sg1);

    popm1 = Named(new QMenu(this), "popm1");
    N11 = Named(popm1->addAction(QStringLiteral("1")), "N11");
    N21 = Named(popm1->addAction(QStringLiteral("2")), "N21");
    connect(N11, &QAction::triggered, this, [this] { N11Click(N11); });
    connect(N21, &QAction::triggered, this, &TfrmSudoku::N21Click);
    sg1->setPopupMenu(popm1);
}

void TfrmSudoku::BuildRightColumn(QWidget* client) {
    pnlRight = Named(new BevelPanel(client), "pnlRight");
    pnlRight->setFixedWidth(225);
    auto* stack = new QVBoxLayout(pnlRight);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);

    pnlButtons = Named(new BevelPanel(pnlRight, true), "pnlButtons");
    pnlButtons->setFixedHeight(144);
    auto button = [](ActionButton* b, const char* name, const QRect& geometry) {
        Named(b, name)->setGeometry(geometry);
        b->setFont(Verdana(15));
        return b;
    };
    btnPlay = button(new ActionButton(ActPlay, pnlButtons), "btnPlay", {18, 8, 191, 33});
    btnToggleView =
        button(new ActionButton(ActToggleView, pnlButtons), "btnToggleView", {18, 48, 191, 33});
    btnPrint = button(new ActionButton(ActPrint, pnlButtons), "btnPrint", {18, 88, 191, 33});
    btnPrint->hide();
    stack->addWidget(pnlButtons);

    pnlGameOn = Named(new BevelPanel(pnlRight, true), "pnlGameOn");
    pnlGameOn->setFixedHeight(184);
    auto check = [this](const char* name, const QString& caption, const QRect& geometry) {
        auto* box = Named(new QCheckBox(caption, pnlGameOn), name);
        box->setGeometry(geometry);
        box->setFont(Verdana(15));
        QPalette palette = box->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        box->setPalette(palette);
        return box;
    };
    cbxHideTimer = check("cbxHideTimer", QStringLiteral("Nascondi timer [F9]"), {18, 10, 182, 17});
    Clock1 = Named(new SegmentClock(pnlGameOn), "Clock1");
    Clock1->setGeometry(18, 32, 156, 32);
    cbxControllo =
        check("cbxControllo", QStringLiteral("Controllo attivo [F8]"), {18, 88, 190, 17});
    cxButton1 = button(new ActionButton(ActSuggerisci, pnlGameOn), "cxButton1", {18, 112, 190, 33});
    stack->addWidget(pnlGameOn);
    stack->addStretch(1);

    pnlLayout = Named(new BevelPanel(pnlRight, true), "pnlLayout");
    pnlLayout->setFixedHeight(159);
    StaticText3 = StaticText(pnlLayout, "StaticText3", QStringLiteral("Dimensione +/-"),
                             {16, 12, 121, 22}, Verdana(15));
    StaticText4 =
        StaticText(pnlLayout, "StaticText4", QStringLiteral("dei caratteri e della griglia"),
                   {16, 36, 191, 22}, Verdana(15));
    btnFontPiu = Named(new QPushButton(QStringLiteral("+"), pnlLayout), "btnFontPiu");
    btnFontPiu->setGeometry(18, 63, 87, 33);
    btnFontPiu->setFont(Verdana(15));
    btnFontMeno = Named(new QPushButton(QStringLiteral("-"), pnlLayout), "btnFontMeno");
    btnFontMeno->setGeometry(120, 63, 87, 33);
    btnFontMeno->setFont(Verdana(15));
    stack->addWidget(pnlLayout);
}

void TfrmSudoku::ConnectHandlers() {
    connect(ActPrint, &QAction::triggered, this, &TfrmSudoku::ActPrintExecute);
    connect(ActGenera, &QAction::triggered, this, &TfrmSudoku::ActGeneraExecute);
    connect(ActToggleView, &QAction::triggered, this, &TfrmSudoku::ActToggleViewExecute);
    connect(ActPlay, &QAction::triggered, this, &TfrmSudoku::ActPlayExecute);
    connect(ActSuggerisci, &QAction::triggered, this, &TfrmSudoku::ActSuggerisciExecute);
    connect(ActHelp, &QAction::triggered, this, &TfrmSudoku::ActHelpExecute);
    // The two boxes tell the game; the game's answer comes back through its signals.
    connect(cbxControllo, &QCheckBox::clicked, &Game, &GameCore::SetChecking);
    connect(cbxHideTimer, &QCheckBox::clicked, &Game, &GameCore::SetTimerHidden);
    connect(cbgLivello, &RadioGroup::clicked, this, &TfrmSudoku::cbgLivelloClick);
    connect(btnFontPiu, &QPushButton::clicked, this, &TfrmSudoku::btnFontPiuClick);
    connect(btnFontMeno, &QPushButton::clicked, this, &TfrmSudoku::btnFontMenoClick);
    sg1->setPaintCells([this](QPainter& painter, std::optional<GridCell> focused) {
        sg1DrawCell(painter, focused);
    });
    sg1->setKeyDownHook([this](QKeyEvent& key) { sg1KeyDown(key); });
    sg1->setMouseDownHook([this](QMouseEvent& event) { sg1MouseDown(event); });

    // The only place where the game's announcements arrive.
    connect(&Game, &GameCore::gameStateChanged, this, &TfrmSudoku::ApplyGameState);
    connect(&Game, &GameCore::gridPrepared, this, &TfrmSudoku::PrepareGrid);
    connect(&Game, &GameCore::playGridChanged, sg1->viewport(), qOverload<>(&QWidget::update));
    connect(&Game, &GameCore::checkingChanged, this, &TfrmSudoku::cbxControlloClick);
    connect(&Game, &GameCore::timerHiddenChanged, this, &TfrmSudoku::cbxHideTimerClick);
}

void TfrmSudoku::CentreOnScreen() {
    const QRect area = screen()->availableGeometry();
    const QSize outer = frameGeometry().size();
    move(std::max(area.left(), area.center().x() - outer.width() / 2),
         std::max(area.top(), area.center().y() - outer.height() / 2));
}

bool TfrmSudoku::GridShown() const {
    return Game.GridShown;
}

void TfrmSudoku::FocusGridIfShown() {
    if (GridShown())
        sg1->setFocus();
}
