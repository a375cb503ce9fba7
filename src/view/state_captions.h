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
// The play comforts: a check box each in the game panel, and the grid's menu.
inline const QString kPencilCaption = QStringLiteral("Note a matita [F2]");
inline const QString kHighlightCaption = QStringLiteral("Evidenzia uguali [F3]");
// Where the grid's menu gathers the symbols when, one under the other, they would not fit the
// screen.
inline const QString kSymbolsMenuCaption = QStringLiteral("Simboli");
inline const QString kNotesMenuCaption = QStringLiteral("Note della casella");
inline const QString kClearNotesCaption = QStringLiteral("Cancella le note");
inline const QString kFillCandidatesCaption = QStringLiteral("Inserisci i candidati [F11]");
inline const QString kUndoCaption = QStringLiteral("Annulla [Ctrl+Z]");
inline const QString kRedoCaption = QStringLiteral("Ripeti [Ctrl+Maiusc+Z]");

// The two button texts a game state sets; none where the state leaves them as they are.
struct StateCaptions {
    std::optional<QString> toggleView;
    std::optional<QString> play;
    friend bool operator==(const StateCaptions&, const StateCaptions&) = default;
};

StateCaptions StateCaptionsFor(std::uint8_t state);
