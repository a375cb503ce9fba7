#include "game/game_states.h"

#include <QDateTime>

StateLook StateLookFor(std::uint8_t state) {
    StateLook look;
    look.known = state <= 5;
    switch (state) {
    case 0:
        look.genera = look.selectors = true;
        break;
    case 1:
    case 2:
        look.toggleViewText = state == 1 ? QStringLiteral(" Mostra soluzione [F6] ")
                                         : QStringLiteral(" Mostra gioco [F6]");
        look.playText = state == 1 ? QStringLiteral(" Gioca [F5] ") : QStringLiteral(" Gioca [F5]");
        look.genera = look.selectors = look.print = look.toggleView = look.play = true;
        look.popup = true;
        break;
    case 4:
        look.toggleViewText = QStringLiteral(" Mostra soluzione [F6]");
        look.playText = QStringLiteral(" Abbandona gioco [F5] ");
        look.print = look.toggleView = look.play = look.suggerisci = true;
        look.gamePanel = look.popup = true;
        break;
    case 5:
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

QString UnknownStateMessage(std::uint8_t state) {
    return QStringLiteral("Internal error 001: stato:%1 non gestito !")
        .arg(static_cast<unsigned>(state));
}

double DateTimeToDays(const QDateTime& moment) {
    static const QDate epoch(1899, 12, 30);
    const double days = static_cast<double>(epoch.daysTo(moment.date()));
    return days + moment.time().msecsSinceStartOfDay() / 86'400'000.0;
}
