#include "view/cell_speech.h"

#include "view/cell_facts.h"

QString CellSpeech(const GridView& view, int row, int column) {
    QString text = QStringLiteral("riga %1, colonna %2: ").arg(row + 1).arg(column + 1);
    const char symbol = ShownSymbol(view, row, column);
    if (symbol == ' ')
        return text + QStringLiteral("vuota");
    text += QLatin1Char(symbol);
    if (IsGivenCell(view, row, column))
        text += QStringLiteral(", iniziale");
    if (ShowsRepeat(view, row, column))
        text += QStringLiteral(", ripetuto");
    return text;
}
