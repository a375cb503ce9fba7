#include "view/cell_speech.h"

QString CellSpeech(const GridView& view, int row, int column) {
    QString text = QStringLiteral("riga %1, colonna %2, ").arg(row + 1).arg(column + 1);
    const ShownCell cell = view.cellAt(row, column);
    const char symbol = cell.symbol;
    if (symbol == ' ') {
        text += QStringLiteral("vuota");
        if (const CellNotes notes = cell.notes) {
            text += QStringLiteral(", note");
            for (std::size_t i = 0; i < view.alphabet.size(); ++i)
                if (notes & NoteBit(static_cast<int>(i)))
                    text += QStringLiteral(" ") + QLatin1Char(view.alphabet[i]);
        }
        return text;
    }
    text += QLatin1Char(symbol);
    if (cell.given)
        text += QStringLiteral(", iniziale");
    if (cell.repeat)
        text += QStringLiteral(", ripetuto");
    return text;
}
