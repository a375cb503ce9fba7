// The main window's controls: names, kinds, nesting, captions, fonts, hidden ones, actions.
#include "desktop/desktop_services.h"
#include "toolkit/action_button.h"
#include "toolkit/bevel_panel.h"
#include "toolkit/draw_grid.h"
#include "toolkit/link_label.h"
#include "toolkit/radio_group.h"
#include "toolkit/segment_clock.h"
#include "windows/help_pages.h"
#include "windows/tfrm_sudoku.h"
#include "windows/tfrmhlpi.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        Window.show();
        Window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
    }
    // The real desktop, but the browser and the boxes recorded or silent.
    DesktopServices Services() {
        DesktopServices services = RealDesktopServices();
        services.openUrl = [this](const QUrl& url) {
            Urls << url.toString();
            return true;
        };
        services.showMessage = [](QWidget*, const QString&) {};
        return services;
    }

    template <typename T = QWidget> T* Find(const char* name) {
        return Window.findChild<T*>(QLatin1String(name));
    }
    QWidget* Child(const char* name) { return Find(name); }
    const GameCore& Game() { return *Find<GameCore>("game"); }

    QStringList Urls;
    TfrmSudoku Window{Services()};
};

TEST_F(LayoutTest, ControlsSitInTheirPanels) {
    const struct {
        const char* name;
        const char* parent;
    } nesting[] = {
        {"Panel1", "pnlTopMain"},
        {"pnlTopControlsClient", "pnlTopMain"},
        {"Image1", "Panel1"},
        {"StaticText1", "Panel1"},
        {"StaticText2", "Panel1"},
        {"btnGenera", "pnlTopControlsClient"},
        {"cbg1", "pnlTopControlsClient"},
        {"cbgLivello", "pnlTopControlsClient"},
        {"btnHelp", "Panel3"},
        {"cxLabel3", "Panel3"},
        {"cxHyperLinkEdit2", "Panel3"},
        {"sg1", "pnlGrid"},
        {"pnlButtons", "pnlRight"},
        {"pnlGameOn", "pnlRight"},
        {"pnlLayout", "pnlRight"},
        {"btnPlay", "pnlButtons"},
        {"btnToggleView", "pnlButtons"},
        {"btnPrint", "pnlButtons"},
        {"cbxHideTimer", "pnlGameOn"},
        {"Clock1", "pnlGameOn"},
        {"cbxControllo", "pnlGameOn"},
        {"cxButton1", "pnlGameOn"},
        {"StaticText3", "pnlLayout"},
        {"StaticText4", "pnlLayout"},
        {"btnFontPiu", "pnlLayout"},
        {"btnFontMeno", "pnlLayout"},
    };
    for (const auto& n : nesting) {
        SCOPED_TRACE(n.name);
        QWidget* child = Child(n.name);
        ASSERT_NE(child, nullptr);
        ASSERT_NE(child->parentWidget(), nullptr);
        EXPECT_EQ(child->parentWidget()->objectName(), n.parent);
    }
    EXPECT_NE(qobject_cast<DrawGrid*>(Child("sg1")), nullptr);
    EXPECT_NE(qobject_cast<SegmentClock*>(Child("Clock1")), nullptr);
    // Absolutely placed controls keep their declared places.
    EXPECT_EQ(Child("btnGenera")->geometry(), QRect(8, 10, 185, 47));
    EXPECT_EQ(Child("Clock1")->geometry(), QRect(18, 32, 156, 32));
    EXPECT_EQ(Child("btnFontMeno")->geometry(), QRect(120, 63, 87, 33));
    EXPECT_EQ(Child("pnlTopMain")->height(), 129);
    EXPECT_EQ(Child("Panel3")->height(), 55);
    EXPECT_EQ(Child("pnlRight")->width(), 225);
}

// The panels' bevels are their only margins: nested panels and the grid sit on their
// declared places, measured at the declared client size.
TEST_F(LayoutTest, NestedPanelsSitOnTheirDeclaredPlaces) {
    Find<QAction>("ActGenera")->trigger(); // the grid shows from the first puzzle on
    Window.resize(984, 728);
    QCoreApplication::processEvents();
    EXPECT_EQ(Child("Panel1")->geometry(), QRect(1, 1, 982, 60));
    EXPECT_EQ(Child("pnlTopControlsClient")->geometry(), QRect(1, 61, 982, 67));
    EXPECT_EQ(Child("pnlButtons")->geometry(), QRect(1, 1, 223, 144));
    EXPECT_EQ(Child("pnlLayout")->geometry(), QRect(1, 384, 223, 159));
    // The grid in the panel's top-left corner, as large as its cells with room for a scroll bar.
    auto* grid = qobject_cast<DrawGrid*>(Child("sg1"));
    const int bar = grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid);
    EXPECT_EQ(grid->geometry(), QRect(QPoint(1, 1), grid->contentSize() + QSize(bar, bar)));
}

TEST_F(LayoutTest, PicturesFitInsideTheirControls) {
    auto* banner = qobject_cast<QLabel*>(Child("Image1"));
    EXPECT_TRUE(QRect(QPoint(), banner->size()).contains(QRect(QPoint(), banner->pixmap().size())));
    // No pixel of the help button's blue face on the button's border.
    QWidget* help = Child("btnHelp");
    const QImage shot = help->grab().toImage();
    const QRect inside = shot.rect().adjusted(2, 2, -2, -2);
    int faceOnBorder = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QColor pixel = shot.pixelColor(x, y);
            faceOnBorder += !inside.contains(x, y) && pixel.blue() > pixel.red() + 60;
        }
    EXPECT_EQ(faceOnBorder, 0);
}

// Away from maximized, the window sits in the middle of the screen, never above its top.
TEST_F(LayoutTest, WindowIsCentredOnTheScreen) {
    ASSERT_FALSE(Window.isMaximized());
    Find<RadioGroup>("cbg1")->setItemIndex(1);
    Find<QAction>("ActGenera")->trigger(); // a new size resizes the window
    const QRect area = Window.screen()->availableGeometry();
    const QRect outer = Window.frameGeometry();
    EXPECT_EQ(outer.width(), 752);
    EXPECT_NEAR(outer.center().x(), area.center().x(), 1);
    EXPECT_EQ(outer.top(), std::max(area.top(), area.center().y() - outer.height() / 2));
}

TEST_F(LayoutTest, CaptionsAndSelectorsStartAsDeclared) {
    EXPECT_EQ(Window.windowTitle(), "Caselio Vers.1.3");
    EXPECT_EQ(qobject_cast<QLabel*>(Child("StaticText1"))->text(), "Caselio");
    EXPECT_EQ(qobject_cast<QLabel*>(Child("StaticText2"))->text(), "Vers.1.3");
    auto* size = qobject_cast<RadioGroup*>(Child("cbg1"));
    auto* level = qobject_cast<RadioGroup*>(Child("cbgLivello"));
    EXPECT_EQ(size->title(), "Dimensione ");
    EXPECT_EQ(level->title(), "Livello di difficoltà ");
    EXPECT_EQ(size->itemIndex(), 0);
    EXPECT_EQ(level->itemIndex(), 0);
    EXPECT_EQ(level->item(0)->text(), "Semplice    ");
    EXPECT_EQ(size->item(2)->text(), "5x5");
    EXPECT_EQ(qobject_cast<QCheckBox*>(Child("cbxHideTimer"))->text(), "Nascondi timer [F9]");
    EXPECT_EQ(qobject_cast<QCheckBox*>(Child("cbxControllo"))->text(), "Controllo attivo [F8]");
    EXPECT_FALSE(qobject_cast<QCheckBox*>(Child("cbxControllo"))->isChecked());
    // The help button keeps its own two-line caption; the action has one line.
    EXPECT_EQ(qobject_cast<ActionButton*>(Child("btnHelp"))->text(), "Guida \n[F1]");
    EXPECT_EQ(Find<QAction>("ActHelp")->text(), "Guida [F1]");
    EXPECT_FALSE(qobject_cast<ActionButton*>(Child("btnHelp"))->icon().isNull());
    EXPECT_FALSE(qobject_cast<QLabel*>(Child("Image1"))->pixmap().isNull());
    EXPECT_EQ(Child("btnGenera")->font().family(), "Verdana");
    EXPECT_EQ(Child("btnGenera")->font().pixelSize(), 15);
    EXPECT_EQ(Child("StaticText1")->font().pixelSize(), 32);
    EXPECT_TRUE(Child("StaticText1")->font().italic());
}

TEST_F(LayoutTest, ActionsAreListedInOrderWithTheirCaptions) {
    const QStringList names = {"ActPrint", "ActGenera",     "ActToggleView",
                               "ActPlay",  "ActSuggerisci", "ActHelp"};
    const QStringList captions = {"Stampa [F7]", "Genera [F10]",       "Visualizza soluzione",
                                  "Gioca",       "Suggerimento! [F4]", "Guida [F1]"};
    QStringList found;
    for (QAction* action : Window.findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly))
        if (names.contains(action->objectName()))
            found << action->objectName();
    EXPECT_EQ(found, names);
    for (int i = 0; i < names.size(); ++i) {
        auto* action = Window.findChild<QAction*>(names[i]);
        EXPECT_EQ(action->text(), captions[i]);
        EXPECT_TRUE(action->shortcut().isEmpty());
    }
}

TEST_F(LayoutTest, StartsInStateZeroWithGridAndHiddenControlsHidden) {
    EXPECT_EQ(Game().GameState(), NoPuzzle);
    EXPECT_TRUE(Child("sg1")->isHidden());
    EXPECT_TRUE(Child("pnlGameOn")->isHidden());
    EXPECT_TRUE(Child("btnPrint")->isHidden());
    EXPECT_TRUE(Child("cbgLivello")->isHidden());
    EXPECT_EQ(Game().SymbolAlphabet(), "123456789");
    EXPECT_EQ(Game().BoxSize(), 3);
}

TEST_F(LayoutTest, MakersLinkOpensOurSiteOnOneClick) {
    QTest::mouseClick(Child("cxHyperLinkEdit2"), Qt::LeftButton);
    EXPECT_EQ(Urls, QStringList{WithSecureScheme(MakerSiteAddress())});
}

TEST_F(LayoutTest, ZoomStaysBetweenEightAndFortyEightPoints) {
    auto* grid = qobject_cast<DrawGrid*>(Child("sg1"));
    // The grid's font is sized in pixels at 96 dots per inch: 8 points are 11 pixels.
    QTest::mouseClick(Child("btnFontMeno"), Qt::LeftButton);
    EXPECT_EQ(grid->font().pixelSize(), 11);
    for (int i = 0; i < 30; ++i)
        QTest::mouseClick(Child("btnFontPiu"), Qt::LeftButton);
    EXPECT_EQ(grid->font().pixelSize(), 64);
    // Generating a 9x9 puzzle then sets the cells from the zoomed font.
    Find<QAction>("ActGenera")->trigger();
    EXPECT_EQ(grid->defaultColWidth(), 156);
    EXPECT_EQ(grid->defaultRowHeight(), 126);
}

TEST(WatermarkHolder, IsNeverShownAndKeepsNoPagePicture) {
    Tfrmhlpi holder;
    EXPECT_FALSE(holder.isVisible());
    EXPECT_TRUE(holder.imgWaterMark->pixmap().isNull());
}
