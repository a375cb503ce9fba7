#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// The captions of the window's controls, as the player reads them. Their blanks matter: they
// are shown exactly so.
inline const QString kGeneraCaption = QStringLiteral("Genera [F10]");
inline const QString kRigeneraCaption = QStringLiteral("Rigenera [F10]");
inline const QString kCheckingCaption = QStringLiteral("Controllo attivo [F8]");
inline const QString kCheckingOffMenuCaption = QStringLiteral("Disattiva controllo [F8]");
inline const QString kHideTimerCaption = QStringLiteral("Nascondi timer [F9]");
inline const QString kHintCaption = QStringLiteral("Suggerimento! [F4]");

// The two button texts a game state sets; none where the state leaves them as they are.
struct StateCaptions {
    std::optional<QString> toggleView;
    std::optional<QString> play;
    friend bool operator==(const StateCaptions&, const StateCaptions&) = default;
};

StateCaptions StateCaptionsFor(std::uint8_t state);
