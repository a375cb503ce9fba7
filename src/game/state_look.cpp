#include "game/state_look.h"

#include "game/game_state.h"

StateLook StateLookFor(std::uint8_t state) {
    StateLook look;
    look.known = state <= 5;
    switch (state) {
    case NoPuzzle:
        look.genera = look.selectors = true;
        break;
    case PuzzleView:
    case SolutionView:
        look.toggleViewText = state == PuzzleView ? QStringLiteral(" Mostra soluzione [F6] ")
                                                  : QStringLiteral(" Mostra gioco [F6]");
        look.playText =
            state == PuzzleView ? QStringLiteral(" Gioca [F5] ") : QStringLiteral(" Gioca [F5]");
        look.genera = look.selectors = look.print = look.toggleView = look.play = true;
        look.popup = true;
        break;
    case Playing:
        look.toggleViewText = QStringLiteral(" Mostra soluzione [F6]");
        look.playText = QStringLiteral(" Abbandona gioco [F5] ");
        look.print = look.toggleView = look.play = look.suggerisci = true;
        look.gamePanel = look.popup = true;
        break;
    case PlayingSolutionView:
        look.toggleViewText = QStringLiteral(" Mostra gioco [F6]");
        look.playText = QStringLiteral(" Abbandona gioco [F5]");
        look.print = look.toggleView = look.play = true;
        look.popup = true;
        break;
    default: // 3 is never entered and leaves everything off, like unknown values
        break;
    }
    return look;
}
