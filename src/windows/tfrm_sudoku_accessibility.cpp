// What a screen reader hears: the grid's cells by their content, and a name for every control
// that shows a picture or a sign instead of words. Nothing here changes what the eye sees.
#include "toolkit/action_button.h"
#include "toolkit/draw_grid.h"
#include "toolkit/segment_clock.h"
#include "view/cell_painter.h"
#include "view/cell_speech.h"
#include "windows/tfrm_sudoku.h"

#include <QLabel>
#include <QPushButton>

void TfrmSudoku::NameForScreenReaders() {
    sg1->setAccessibleName(QStringLiteral("Griglia"));
    sg1->setAccessibleDescription(
        QStringLiteral("Frecce per spostarsi, un simbolo per scriverlo, spazio per cancellare"));
    sg1->setCellNameFn(
        [this](int row, int column) { return CellSpeech(GridViewOf(Core), row, column); });
    connect(&Core, &GameCore::playGridChanged, sg1, &DrawGrid::cellChanged);

    Image1->setAccessibleName(QStringLiteral("Logo di Caselio"));
    Image1->setAccessibleDescription(
        QStringLiteral("Due ruote dentate accanto a una pila di schemi di Sudoku"));
    btnHelp->setAccessibleName(QStringLiteral("Guida [F1]"));
    btnHelp->setAccessibleDescription(QStringLiteral("Apre nel browser la pagina di guida"));
    btnFontPiu->setAccessibleName(QStringLiteral("Ingrandisci"));
    btnFontPiu->setAccessibleDescription(QStringLiteral("Ingrandisce i caratteri e la griglia"));
    btnFontMeno->setAccessibleName(QStringLiteral("Riduci"));
    btnFontMeno->setAccessibleDescription(QStringLiteral("Riduce i caratteri e la griglia"));
    // The clock's name is its reading, in words.
    Clock1->setAccessibleDescription(QStringLiteral("Tempo di gioco"));
}
