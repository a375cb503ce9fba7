#pragma once

class QCoreApplication;

// Qt's own texts (the Yes / No / Cancel box, the print dialog) in Italian like the rest of the
// program, whatever the system's language. Without the translation file they stay English and
// the program starts all the same.
void UseItalianQtTexts(QCoreApplication& app);
