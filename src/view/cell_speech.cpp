#include "view/cell_speech.h"

#include "view/cell_facts.h"

QString CellSpeech(const GridView& view, int row, int column) {
    QString text = QStringLiteral("riga %1, colonna %2, ").arg(row + 1).arg(column + 1);
    const char symbol = ShownSymbol(view, row, column);
    if (symbol == ' ') {
        text += QStringLiteral("vuota");
        if (const CellNotes notes = ShownNotes(view, row, column)) {
            text += QStringLiteral(", note");
            for (std::size_t i = 0; i < view.alphabet.size(); ++i)
                if (notes & NoteBit(static_cast<int>(i)))
                    text += QStringLiteral(" ") + QLatin1Char(view.alphabet[i]);
        }
        return text;
    }
    text += QLatin1Char(symbol);
    if (IsGivenCell(view, row, column))
        text += QStringLiteral(", iniziale");
    if (ShowsRepeat(view, row, column))
        text += QStringLiteral(", ripetuto");
    return text;
}
