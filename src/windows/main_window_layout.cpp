// The main window's controls: built, named, placed and given their fonts, colours and
// pictures, in the order the window declares them.
#include "windows/main_window_layout.h"

#include "toolkit/action_button.h"
#include "toolkit/bevel_panel.h"
#include "toolkit/draw_grid.h"
#include "toolkit/link_label.h"
#include "toolkit/radio_group.h"
#include "toolkit/segment_clock.h"
#include "view/grid_sizing.h"
#include "view/state_captions.h"
#include "windows/help_pages.h"
#include "windows/window_pictures.h"
#include "windows/window_sizing.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPixmap>
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

// Controls one under the other, with no margin or spacing of the layout's own.
QVBoxLayout* Stack(QWidget* parent) {
    auto* stack = new QVBoxLayout(parent);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    return stack;
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

void BuildActions(QMainWindow& window, MainWindowControls& w) {
    auto make = [&window](const char* name, const QString& caption) {
        auto* action = Named(new QAction(caption, &window), name);
        // Function keys reach the actions only through the window's key handler.
        action->setShortcutContext(Qt::WidgetShortcut);
        return action;
    };
    w.ActPrint = make("ActPrint", QStringLiteral("Stampa [F7]"));
    w.ActGenera = make("ActGenera", kGeneraCaption);
    w.ActToggleView = make("ActToggleView", QStringLiteral("Visualizza soluzione"));
    w.ActPlay = make("ActPlay", QStringLiteral("Gioca"));
    w.ActSuggerisci = make("ActSuggerisci", kHintCaption);
    w.ActHelp = make("ActHelp", QStringLiteral("Guida [F1]"));
    w.ActFillCandidates = make("ActFillCandidates", kFillCandidatesCaption);
    w.ActUndo = make("ActUndo", kUndoCaption);
    w.ActRedo = make("ActRedo", kRedoCaption);
}

void BuildTopArea(MainWindowControls& w, QWidget* client) {
    w.pnlTopMain = Named(new BevelPanel(client), "pnlTopMain");
    w.pnlTopMain->setFixedHeight(129);
    // The panel's bevel is its margin: Panel1 sits at 1, 1 as declared.
    QVBoxLayout* stack = Stack(w.pnlTopMain);

    w.Panel1 = Named(new BevelPanel(w.pnlTopMain), "Panel1");
    w.Panel1->setFixedHeight(60);
    w.Panel1->setBackground(kMaroon);
    w.Image1 = Named(new QLabel(w.Panel1), "Image1");
    w.Image1->setGeometry(1, 1, 152, 58);
    // The picture is a little taller than its control: shown whole, scaled to fit.
    w.Image1->setAlignment(Qt::AlignCenter);
    w.Image1->setPixmap(QPixmap::fromImage(DrawBannerPicture().scaled(
        w.Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    const QFont title = Verdana(32, false, true);
    w.StaticText1 =
        StaticText(w.Panel1, "StaticText1", QStringLiteral("Caselio"), {184, 8, 282, 42}, title);
    w.StaticText2 = StaticText(w.Panel1, "StaticText2", QStringLiteral("Vers.1.3"),
                               {712, 24, 84, 27}, Verdana(19));
    for (QLabel* text : {w.StaticText1, w.StaticText2}) {
        QPalette palette = text->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        text->setPalette(palette);
    }
    stack->addWidget(w.Panel1);

    w.pnlTopControlsClient = Named(new BevelPanel(w.pnlTopMain), "pnlTopControlsClient");
    stack->addWidget(w.pnlTopControlsClient, 1);
    w.btnGenera = Named(new ActionButton(w.ActGenera, w.pnlTopControlsClient), "btnGenera");
    w.btnGenera->setGeometry(8, 10, 185, 47);
    w.btnGenera->setFont(Verdana(15));
    w.cbg1 =
        Named(new RadioGroup(QStringLiteral("Dimensione "),
                             {QStringLiteral("3x3"), QStringLiteral("4x4"), QStringLiteral("5x5")},
                             3, w.pnlTopControlsClient),
              "cbg1");
    w.cbg1->setGeometry(216, 2, 217, 55);
    w.cbg1->setFont(Verdana(15));
    w.cbg1->setItemIndex(0);
    w.cbgLivello = Named(new RadioGroup(QStringLiteral("Livello di difficoltà "),
                                        {QStringLiteral("Semplice    "), QStringLiteral("Medio"),
                                         QStringLiteral("Alto")},
                                        3, w.pnlTopControlsClient),
                         "cbgLivello");
    w.cbgLivello->setGeometry(448, 2, 345, 55);
    w.cbgLivello->setFont(Verdana(15));
    w.cbgLivello->setItemIndex(0);
    w.cbgLivello->hide();
}

void BuildBottomBar(MainWindowControls& w, QWidget* client, const DesktopServices& services) {
    w.Panel3 = Named(new BevelPanel(client), "Panel3");
    w.Panel3->setFixedHeight(55);
    w.btnHelp = Named(new ActionButton(w.ActHelp, w.Panel3), "btnHelp");
    w.btnHelp->setOwnText(QStringLiteral("Guida \n[F1]"));
    w.btnHelp->setGeometry(3, 1, 126, 40);
    w.btnHelp->setFont(Verdana(11));
    w.btnHelp->setCursor(Qt::PointingHandCursor);
    // The face is taller than the button: it is drawn no larger than fits inside the border,
    // scaled once here rather than by the icon at its first paint.
    QStyleOptionButton face;
    face.initFrom(w.btnHelp);
    const QRect inside =
        w.btnHelp->style()->subElementRect(QStyle::SE_PushButtonContents, &face, w.btnHelp);
    const QSize iconSize = QSize(46, 43).scaled(inside.size(), Qt::KeepAspectRatio);
    w.btnHelp->setIcon(
        QIcon(QPixmap::fromImage(DrawHelpButtonPicture())
                  .scaled(iconSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    w.btnHelp->setIconSize(iconSize);

    w.cxLabel3 = StaticText(w.Panel3, "cxLabel3", QStringLiteral("Officina Caselio"),
                            {224, 9, 283, 29}, Verdana(19, true));
    // A palette, not a style sheet: one style sheet brings Qt's whole style-sheet machinery.
    QPalette black = w.cxLabel3->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    w.cxLabel3->setPalette(black);
    // The raised look: a white edge below and right of the black letters.
    auto* raised = new QGraphicsDropShadowEffect(w.cxLabel3);
    raised->setOffset(1, 1);
    raised->setBlurRadius(0);
    raised->setColor(Qt::white);
    w.cxLabel3->setGraphicsEffect(raised);
    w.cxHyperLinkEdit2 =
        Named(new LinkLabel(MakerSiteAddress(), services.openUrl, w.Panel3), "cxHyperLinkEdit2");
    w.cxHyperLinkEdit2->setGeometry(556, 13, 245, 22);
    w.cxHyperLinkEdit2->setFont(Verdana(15));
}

void BuildGridArea(QMainWindow& window, MainWindowControls& w, QWidget* client,
                   int gridFontPoints) {
    w.pnlGrid = Named(new BevelPanel(client), "pnlGrid");
    w.pnlGrid->setBackground(Qt::white);
    auto* fill = new QVBoxLayout(w.pnlGrid);
    fill->setContentsMargins(0, 0, 0, 0);
    w.sg1 = Named(new DrawGrid(w.pnlGrid), "sg1");
    w.sg1->setFrameStyle(QFrame::NoFrame);
    w.sg1->setFont(GridFont(gridFontPoints));
    w.sg1->setColCount(25);
    w.sg1->setRowCount(25);
    w.sg1->setDefaultColWidth(25);
    w.sg1->setDefaultRowHeight(22);
    // The grid keeps to the top-left corner when its cells leave room in the panel.
    fill->addWidget(w.sg1, 1, Qt::AlignLeft | Qt::AlignTop);

    w.popm1 = Named(new QMenu(&window), "popm1");
    w.sg1->setPopupMenu(w.popm1);
}

void BuildRightColumn(MainWindowControls& w, QWidget* client, const DesktopServices& services) {
    w.pnlRight = Named(new BevelPanel(client), "pnlRight");
    w.pnlRight->setFixedWidth(225);
    QVBoxLayout* stack = Stack(w.pnlRight);

    w.pnlButtons = Named(new BevelPanel(w.pnlRight, true), "pnlButtons");
    w.pnlButtons->setFixedHeight(144);
    auto button = [](ActionButton* b, const char* name, const QRect& geometry) {
        Named(b, name)->setGeometry(geometry);
        b->setFont(Verdana(15));
        return b;
    };
    w.btnPlay = button(new ActionButton(w.ActPlay, w.pnlButtons), "btnPlay", {18, 8, 191, 33});
    w.btnToggleView =
        button(new ActionButton(w.ActToggleView, w.pnlButtons), "btnToggleView", {18, 48, 191, 33});
    w.btnPrint = button(new ActionButton(w.ActPrint, w.pnlButtons), "btnPrint", {18, 88, 191, 33});
    w.btnPrint->hide();
    stack->addWidget(w.pnlButtons);

    w.pnlGameOn = Named(new BevelPanel(w.pnlRight, true), "pnlGameOn");
    // Grown downward for the two boxes of the play comforts, as far as the window's height
    // allows with the layout panel below.
    w.pnlGameOn->setFixedHeight(194);
    auto check = [&w](const char* name, const QString& caption, const QRect& geometry) {
        auto* box = Named(new QCheckBox(caption, w.pnlGameOn), name);
        box->setGeometry(geometry);
        box->setFont(Verdana(15));
        QPalette palette = box->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        box->setPalette(palette);
        return box;
    };
    w.cbxHideTimer = check("cbxHideTimer", kHideTimerCaption, {18, 10, 182, 17});
    w.Clock1 = Named(new SegmentClock(w.pnlGameOn), "Clock1");
    w.Clock1->setTimeSource(services.now);
    w.Clock1->setGeometry(18, 32, 156, 32);
    w.cbxControllo = check("cbxControllo", kCheckingCaption, {18, 88, 190, 17});
    w.cxButton1 =
        button(new ActionButton(w.ActSuggerisci, w.pnlGameOn), "cxButton1", {18, 112, 190, 33});
    w.cbxPencil = check("cbxPencil", kPencilCaption, {18, 150, 200, 17});
    w.cbxHighlight = check("cbxHighlight", kHighlightCaption, {18, 171, 200, 17});
    stack->addWidget(w.pnlGameOn);
    stack->addStretch(1);

    w.pnlLayout = Named(new BevelPanel(w.pnlRight, true), "pnlLayout");
    w.pnlLayout->setFixedHeight(159);
    w.StaticText3 = StaticText(w.pnlLayout, "StaticText3", QStringLiteral("Dimensione +/-"),
                               {16, 12, 121, 22}, Verdana(15));
    w.StaticText4 =
        StaticText(w.pnlLayout, "StaticText4", QStringLiteral("dei caratteri e della griglia"),
                   {16, 36, 191, 22}, Verdana(15));
    w.btnFontPiu = Named(new QPushButton(QStringLiteral("+"), w.pnlLayout), "btnFontPiu");
    w.btnFontPiu->setGeometry(18, 63, 87, 33);
    w.btnFontPiu->setFont(Verdana(15));
    w.btnFontMeno = Named(new QPushButton(QStringLiteral("-"), w.pnlLayout), "btnFontMeno");
    w.btnFontMeno->setGeometry(120, 63, 87, 33);
    w.btnFontMeno->setFont(Verdana(15));
    stack->addWidget(w.pnlLayout);
}

} // namespace

MainWindowControls LayOutMainWindow(QMainWindow& window, const DesktopServices& services,
                                    int gridFontPoints) {
    window.setObjectName(QStringLiteral("frmSudoku"));
    window.setWindowTitle(QStringLiteral("Caselio Vers.1.3"));
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(11);
    window.setFont(windowFont);
    // 1000 x 767 outside, 984 x 728 inside, centred: the size it returns to from maximized.
    window.resize(984, 728);
    CentreOnScreen(window);

    MainWindowControls w;
    BuildActions(window, w);
    auto* client = new QWidget(&window);
    QVBoxLayout* column = Stack(client);
    window.setCentralWidget(client);
    BuildTopArea(w, client);
    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    column->addWidget(w.pnlTopMain);
    column->addLayout(middle, 1);
    BuildBottomBar(w, client, services);
    column->addWidget(w.Panel3);
    BuildGridArea(window, w, client, gridFontPoints);
    BuildRightColumn(w, client, services);
    middle->addWidget(w.pnlGrid, 1);
    middle->addWidget(w.pnlRight);
    return w;
}
