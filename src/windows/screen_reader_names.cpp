// What a screen reader hears: the grid's cells by their content, and a name for every control
// that shows a picture or a sign instead of words. Nothing here changes what the eye sees.
#include "windows/screen_reader_names.h"

#include "toolkit/action_button.h"
#include "toolkit/draw_grid.h"
#include "toolkit/segment_clock.h"
#include "view/cell_painter.h"
#include "view/cell_speech.h"
#include "windows/tfrm_sudoku.h"

#include <QLabel>
#include <QPushButton>

void NameForScreenReaders(TfrmSudoku& w) {
    w.sg1->setAccessibleName(QStringLiteral("Griglia"));
    w.sg1->setAccessibleDescription(
        QStringLiteral("Spostati con le frecce, scrivi un simbolo con il suo tasto e svuota la "
                       "casella con la barra spaziatrice."));
    w.sg1->setCellNameFn(
        [&w](int row, int column) { return CellSpeech(GridViewOf(w.Game()), row, column); });
    QObject::connect(&w.Game(), &GameCore::playGridChanged, w.sg1, &DrawGrid::cellChanged);

    w.Image1->setAccessibleName(QStringLiteral("Logo di Caselio"));
    w.Image1->setAccessibleDescription(
        QStringLiteral("Due ruote dentate accanto a una pila di griglie di Sudoku"));
    w.btnHelp->setAccessibleName(QStringLiteral("Guida [F1]"));
    w.btnHelp->setAccessibleDescription(QStringLiteral("Apre nel browser la pagina della guida"));
    w.btnFontPiu->setAccessibleName(QStringLiteral("Ingrandisci"));
    w.btnFontPiu->setAccessibleDescription(QStringLiteral("Ingrandisce i caratteri e la griglia"));
    w.btnFontMeno->setAccessibleName(QStringLiteral("Rimpicciolisci"));
    w.btnFontMeno->setAccessibleDescription(
        QStringLiteral("Rimpicciolisce i caratteri e la griglia"));
    // The clock's name is its reading, in words.
    w.Clock1->setAccessibleDescription(QStringLiteral("Timer della partita"));
}
