#pragma once

#include <QFont>

// The program asks for "Verdana" and "MS Sans Serif", which Debian lacks; fontconfig picks a
// substitute from whatever is installed. Tests that read pixels or printed text pin it to
// DejaVu Sans, which the set-up installs, so another installed font cannot change them.
inline void PinTestFonts() {
    for (const char* family : {"Verdana", "MS Sans Serif"})
        QFont::insertSubstitution(QLatin1String(family), QStringLiteral("DejaVu Sans"));
}
