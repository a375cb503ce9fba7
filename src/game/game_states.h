#pragma once

#include <QDateTime>
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
    bool gamePanel = false; // pnlGameOn, with the clock shown afresh
    bool popup = false;     // the grid menu is rebuilt for the state and pops up
};

StateLook StateLookFor(std::uint8_t state);

// The one question the program asks: before a running game is lost, by abandoning it or by
// closing the window.
inline const QString kAbandonQuestion = QStringLiteral("Abbandona il gioco in corso ?");

// The message for a state value the machine does not know.
QString UnknownStateMessage(std::uint8_t state);

// A local date-time as days since 30 December 1899, the time of day as the fraction.
double DateTimeToDays(const QDateTime& moment);
