// The two button texts of each game state, blanks included.
#include "view/state_captions.h"

#include <gtest/gtest.h>

namespace {

TEST(StateCaptions, EachStateSetsItsTextsOrLeavesThem) {
    const struct {
        std::uint8_t state;
        StateCaptions captions;
    } cases[] = {
        {0, {}},
        {1, {" Mostra soluzione [F6] ", " Gioca [F5] "}},
        {2, {" Mostra gioco [F6]", " Gioca [F5]"}},
        {3, {}},
        {4, {" Mostra soluzione [F6]", " Abbandona gioco [F5] "}},
        {5, {" Mostra gioco [F6]", " Abbandona gioco [F5]"}},
        {6, {}},
        {255, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StateCaptionsFor(c.state), c.captions) << int(c.state);
}

} // namespace
