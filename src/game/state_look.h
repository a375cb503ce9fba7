#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// What the window looks like in each game state: the two button texts (none where a state
// leaves them as they are) and which actions, selectors and panels are on.
struct StateLook {
    bool known = false; // false for values above 5: nothing is enabled and an error is shown
    std::optional<QString> toggleViewText;
    std::optional<QString> playText;
    bool genera = false;
    bool print = false;
    bool toggleView = false;
    bool play = false;
    bool suggerisci = false;
    bool selectors = false; // cbg1 and cbgLivello
    bool gamePanel = false; // pnlGameOn, with its clock
    bool popup = false;     // the grid menu is rebuilt for the state and pops up
};

StateLook StateLookFor(std::uint8_t state);
