#pragma once

#include <QString>
#include <QStringList>

// The texts of the printed page.

inline const QString kPrintTitle = QStringLiteral("Qualche attimo di relax offerto da");

// The characters of text with "-" between neighbours; an empty text stays empty.
QString JoinWithDashes(const QString& text);

// The four rules lines for a box size of 3, 4 or 5; four empty lines for any other size.
QStringList RulesLines(int boxSize);
