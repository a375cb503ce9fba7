#include "view/spoken_texts.h"

#include "game/game_state.h"

#include <QRegularExpression>

QString SpokenCaption(const QString& caption) {
    static const QRegularExpression key(QStringLiteral("\\s*\\[([^\\]]*)\\]"));
    return QString(caption).replace(key, QStringLiteral(", \\1")).trimmed();
}

QString StateChangeSpeech(std::uint8_t from, std::uint8_t to, bool newPuzzle) {
    const bool wasPlaying = from == Playing || from == PlayingSolutionView;
    switch (to) {
    case PuzzleView:
        if (newPuzzle)
            return QStringLiteral("nuovo schema");
        return wasPlaying ? QStringLiteral("partita abbandonata") : QStringLiteral("gioco");
    case SolutionView:
    case PlayingSolutionView:
        return QStringLiteral("soluzione");
    case Playing:
        return wasPlaying ? QStringLiteral("gioco") : QStringLiteral("partita iniziata");
    default:
        return {};
    }
}

QString SwitchSpeech(GameCommand command, bool on) {
    switch (command) {
    case GameCommand::Checking:
        return on ? QStringLiteral("controllo attivo") : QStringLiteral("controllo disattivato");
    case GameCommand::HideTimer:
        return on ? QStringLiteral("timer nascosto") : QStringLiteral("timer visibile");
    case GameCommand::PencilMode:
        return on ? QStringLiteral("note a matita attive")
                  : QStringLiteral("note a matita disattivate");
    case GameCommand::Highlight:
        return on ? QStringLiteral("evidenziazione attiva")
                  : QStringLiteral("evidenziazione disattivata");
    default:
        return {};
    }
}
