#include "game/game_texts.h"

QString SizeIndexMessage(int index) {
    return QStringLiteral("index of checkbox errato:%1").arg(index);
}

QString HintText(char symbol) {
    return QStringLiteral("Per questa casella il miglior simbolo e' :") + QLatin1Char(symbol) +
           QStringLiteral(": ");
}

QString CongratulationText(const ElapsedTime& elapsed) {
    return QStringLiteral("Congratulazioni !\r\nhai completato CORRETTAMENTE\r\nil Sudoku in:%1: "
                          "ore, :%2 min. e %3 secondi.")
        .arg(elapsed.hours)
        .arg(elapsed.minutes)
        .arg(elapsed.seconds);
}
