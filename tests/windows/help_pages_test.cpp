// The help page of each state in a web folder, and the link scheme rule.
#include "toolkit/link_label.h"
#include "windows/help_pages.h"

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

TEST(LinkLabel, AddsTheSecureSchemeOnlyWhenMissing) {
    EXPECT_EQ(WithSecureScheme("caselio.example.org"), "https://caselio.example.org");
    EXPECT_EQ(WithSecureScheme("https://caselio.example.org/a"), "https://caselio.example.org/a");
    EXPECT_EQ(WithSecureScheme("http://caselio.example.org"), "http://caselio.example.org");
}
