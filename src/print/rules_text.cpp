#include "print/rules_text.h"

#include "engine/symbol_alphabets.h"

namespace {

QString alphabetOf(int boxSize) {
    const std::string_view symbols = SymbolAlphabetFor(boxSize);
    return QString::fromLatin1(symbols.data(), static_cast<qsizetype>(symbols.size()));
}

const QString kAlphabet16 = alphabetOf(4);
const QString kAlphabet25 = alphabetOf(5);
const QString kEachOfThese = QStringLiteral("Ognuno di questi caratteri: ");
const QString kOncePerRowAndColumn =
    QStringLiteral("Deve apparire almeno e non piu' di 1 volta in ogni riga e in ogni colonna.");

} // namespace

QString JoinWithDashes(const QString& text) {
    QString result;
    for (const QChar ch : text) {
        if (!result.isEmpty())
            result += u'-';
        result += ch;
    }
    return result;
}

QStringList RulesLines(int boxSize) {
    switch (boxSize) {
    case 3:
        return {
            QStringLiteral("Bisogna riempire la griglia di 81 caselle con queste regole:"),
            QStringLiteral("In ogni riga devono apparire tutti i numeri da 1 a 9 (non ripetuti)"),
            QStringLiteral(
                "In ogni colonna devono apparire tutti i numeri da 1 a 9 (non ripetuti)"),
            QStringLiteral(
                "In ogni riquadro 3x3 devono apparire tutti i numeri 1 a 9 (non ripetuti)"),
        };
    case 4:
        return {
            QStringLiteral("Bisogna riempire la griglia di 256 caselle con queste regole:"),
            kEachOfThese + JoinWithDashes(kAlphabet16),
            kOncePerRowAndColumn,
            QStringLiteral("Deve apparire almeno e non piu' di 1 volta in ogni riquadro 4x4."),
        };
    case 5:
        return {
            QStringLiteral("Bisogna riempire la griglia di 25x25 caselle con queste regole:"),
            kEachOfThese + JoinWithDashes(kAlphabet25),
            kOncePerRowAndColumn,
            QStringLiteral("Deve apparire almeno e non piu' di 1 volta in ogni riquadro 5x5."),
        };
    default:
        return {QString(), QString(), QString(), QString()};
    }
}
