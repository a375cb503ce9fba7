// The help page of each state and the link scheme rule.
#include "toolkit/link_label.h"
#include "windows/help_pages.h"

#include <gtest/gtest.h>

TEST(HelpPages, EachStateOpensItsPageOnOurHost) {
    const QString base = QStringLiteral("https://caselio.example.org/w_velmora-caselio0-hlp");
    EXPECT_EQ(HelpTargetFor(0).text, base + "0.aspx");
    EXPECT_EQ(HelpTargetFor(1).text, base + "1.aspx");
    EXPECT_EQ(HelpTargetFor(2).text, base + "1.aspx");
    EXPECT_EQ(HelpTargetFor(4).text, base + "2.aspx");
    EXPECT_EQ(HelpTargetFor(5).text, base + "2.aspx");
    for (int state : {0, 1, 2, 4, 5})
        EXPECT_EQ(HelpTargetFor(static_cast<std::uint8_t>(state)).kind, HelpTarget::OpenPage);
}

TEST(HelpPages, StateThreeDoesNothingAndOthersAreReported) {
    EXPECT_EQ(HelpTargetFor(3).kind, HelpTarget::Nothing);
    const HelpTarget six = HelpTargetFor(6);
    EXPECT_EQ(six.kind, HelpTarget::ReportState);
    EXPECT_EQ(six.text, "Internal error showHelp001: stato:6 non gestito!");
    EXPECT_EQ(HelpTargetFor(255).text, "Internal error showHelp001: stato:255 non gestito!");
}

TEST(LinkLabel, AddsTheSecureSchemeOnlyWhenMissing) {
    EXPECT_EQ(WithSecureScheme("caselio.example.org"), "https://caselio.example.org");
    EXPECT_EQ(WithSecureScheme("https://caselio.example.org/a"), "https://caselio.example.org/a");
    EXPECT_EQ(WithSecureScheme("http://caselio.example.org"), "http://caselio.example.org");
}
