#include "view/state_captions.h"

#include "game/game_state.h"

StateCaptions StateCaptionsFor(std::uint8_t state) {
    switch (state) {
    case PuzzleView:
        return {QStringLiteral(" Mostra soluzione [F6] "), QStringLiteral(" Gioca [F5] ")};
    case SolutionView:
        return {QStringLiteral(" Mostra gioco [F6]"), QStringLiteral(" Gioca [F5]")};
    case Playing:
        return {QStringLiteral(" Mostra soluzione [F6]"), QStringLiteral(" Abbandona gioco [F5] ")};
    case PlayingSolutionView:
        return {QStringLiteral(" Mostra gioco [F6]"), QStringLiteral(" Abbandona gioco [F5]")};
    default: // no puzzle yet, and states never entered, leave both as they are
        return {};
    }
}
