// The help page of each state, installed or in a web folder, and the link scheme rule.
#include "windows/help_pages.h"
#include "windows/site_addresses.h"
#include "windows/window_fixture.h"

#include <QFileInfo>
#include <gtest/gtest.h>

TEST(HelpPages, EachStateOpensItsPageInTheFolderGiven) {
    // A distributor's web folder, with and without its closing slash.
    for (const char* folder :
         {"https://help.example.net/caselio/guida", "https://help.example.net/caselio/guida/"}) {
        SCOPED_TRACE(folder);
        const QString base = QStringLiteral("https://help.example.net/caselio/guida/"
                                            "w_velmora-caselio0-hlp");
        const auto pageFor = [&](int state) {
            const HelpTarget target = HelpTargetFor(static_cast<std::uint8_t>(state), QUrl(folder));
            EXPECT_EQ(target.kind, HelpTarget::OpenPage);
            return target.page.toString();
        };
        EXPECT_EQ(pageFor(0), base + "0.html");
        EXPECT_EQ(pageFor(1), base + "1.html");
        EXPECT_EQ(pageFor(2), base + "1.html");
        EXPECT_EQ(pageFor(4), base + "2.html");
        EXPECT_EQ(pageFor(5), base + "2.html");
    }
}

TEST(HelpPages, StateThreeDoesNothingAndOthersAreReported) {
    const QUrl folder = HelpFolder();
    EXPECT_EQ(HelpTargetFor(3, folder).kind, HelpTarget::Nothing);
    const HelpTarget six = HelpTargetFor(6, folder);
    EXPECT_EQ(six.kind, HelpTarget::ReportState);
    EXPECT_EQ(six.message, "Internal error showHelp001: stato:6 non gestito!");
    EXPECT_EQ(HelpTargetFor(255, folder).message,
              "Internal error showHelp001: stato:255 non gestito!");
}

TEST_F(WindowTest, HelpOpensTheInstalledPageOfEachState) {
    const struct {
        GameStateValue state;
        const char* page;
    } cases[] = {{NoPuzzle, "0"},
                 {PuzzleView, "1"},
                 {SolutionView, "1"},
                 {Playing, "2"},
                 {PlayingSolutionView, "2"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        Restart();
        Urls.clear();
        EnterState(c.state);
        Press(Qt::Key_F1);
        QTest::mouseClick(Find<ActionButton>("btnHelp"), Qt::LeftButton);
        ASSERT_EQ(Urls.size(), 2);
        EXPECT_EQ(Urls[0], Urls[1]);
        const QUrl page(Urls[0]);
        EXPECT_EQ(page.fileName(), QStringLiteral("w_velmora-caselio0-hlp%1.html").arg(c.page));
        // A build configured with a web folder for help has nothing local to find.
        if (QLatin1String(kConfiguredHelpBase).isEmpty()) {
            EXPECT_EQ(page.scheme(), "file");
            EXPECT_TRUE(QFileInfo(page.toLocalFile()).isFile()) << page.toLocalFile().toStdString();
        }
        if (c.state != 0) {
            EXPECT_TRUE(Grid()->hasFocus());
        }
    }
}
