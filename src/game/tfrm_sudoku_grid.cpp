// The grid's hooks, its pop-up menu, sizing, zoom and printing as the state machine needs
// them. The full cell painting, key mapping, sizing table, menu model, completion rules and
// the printed page come from the view and print code and plug in here.
#include "game/game_states.h"
#include "game/rules/completion_check.h"
#include "game/rules/elapsed_time.h"
#include "toolkit/action_button.h"
#include "toolkit/bevel_panel.h"
#include "toolkit/draw_grid.h"
#include "toolkit/seams.h"
#include "windows/tfrm_sudoku.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPrinter>

namespace {

QString Trimmed(const QString& text) {
    return text.trimmed();
}

} // namespace

void TfrmSudoku::sg1DrawCell(QPainter& painter, int col, int row, const QRect& rect, bool focused) {
    painter.fillRect(rect, Qt::white);
    const bool given = PuzzleGrid[row][col] != ' ';
    QFont font = painter.font();
    font.setBold(given);
    painter.setFont(font);
    painter.setPen(given ? QColor(0, 0, 255) : QColor(0, 0, 0));
    if (focused && GameState == 4) {
        painter.save();
        painter.setPen(QPen(QColor(255, 0, 0), 1));
        painter.drawEllipse(rect.adjusted(2, 2, -2, -2));
        painter.restore();
    }
    const bool showsPlayer = GameState == 1 || GameState == 4;
    const char symbol = showsPlayer ? PlayGrid[row][col] : SolutionGrid[row][col];
    painter.drawText(rect, Qt::AlignCenter, QString(QChar::fromLatin1(symbol)));
    const int right = ExclusiveRight(rect);
    const int bottom = ExclusiveBottom(rect);
    painter.setPen(QPen(Qt::black, SeparatorWidth));
    if ((col + 1) % BoxSize == 0 && col != 0)
        painter.drawLine(right, rect.top(), right, bottom);
    if ((row + 1) % BoxSize == 0 && row != 0)
        painter.drawLine(rect.left(), bottom, right, bottom);
}

void TfrmSudoku::StoreEntry(char value) {
    const int c = sg1->currentCol();
    const int r = sg1->currentRow();
    if (!Board || PuzzleGrid[r][c] != ' ')
        return;
    if (value != ' ' && !Board->IsSymbol(value))
        return;
    PlayGrid[r][c] = value;
    sg1->viewport()->update();
    CheckCompletion();
}

void TfrmSudoku::sg1KeyDown(QKeyEvent& key) {
    switch (GameState) {
    case 4:
        // Plain keys of the main block carry their character code as the key value.
        if (key.key() < 0x100 && !(key.modifiers() & Qt::KeypadModifier))
            StoreEntry(static_cast<char>(key.key() & 0xFF));
        break;
    case 0:
    case 1:
    case 2:
        CurrentSeams().showMessage(
            this, QStringLiteral("Per iniziare a giocare clicka su [Gioca] o premi [F5] !"));
        break;
    case 5:
        CurrentSeams().showMessage(
            this, QStringLiteral("Per giocare clicka su [Visualizza gioco] o premi [F6] !"));
        break;
    default:
        break;
    }
}

void TfrmSudoku::sg1MouseDown(QMouseEvent& event) {
    if (GameState != 4 || event.button() != Qt::RightButton)
        return;
    if (const auto cell = sg1->cellAt(event.position().toPoint()))
        sg1->setCurrentCell(cell->x(), cell->y());
}

void TfrmSudoku::BuildGridMenu(std::uint8_t state) {
    popm1->clear();
    N11 = nullptr;
    N21 = nullptr;
    auto addBound = [this](QAction* action, const QString& caption) {
        QAction* item = popm1->addAction(caption);
        item->setEnabled(action->isEnabled());
        connect(item, &QAction::triggered, action, &QAction::trigger);
    };
    if (state == 4) {
        auto addSymbol = [this](const QString& caption, char tag) {
            QAction* item = popm1->addAction(caption);
            item->setData(static_cast<int>(static_cast<unsigned char>(tag)));
            connect(item, &QAction::triggered, this, [this, item] { N11Click(item); });
        };
        addSymbol(QStringLiteral("Cancella "), ' ');
        for (char symbol : SymbolAlphabets[BoxSize])
            addSymbol(QString(QChar::fromLatin1(symbol)), symbol);
    }
    if (state == 1 || state == 2) {
        addBound(ActPlay, Trimmed(btnPlay->text()));
        addBound(ActToggleView, btnToggleView->text());
    }
    if (state == 4 || state == 5) {
        if (state == 4) {
            QAction* checking = popm1->addAction(cbxControllo->isChecked()
                                                     ? QStringLiteral("Disattiva controllo [F8]")
                                                     : Trimmed(cbxControllo->text()));
            connect(checking, &QAction::triggered, this, &TfrmSudoku::N21Click);
            addBound(ActSuggerisci, ActSuggerisci->text());
        }
        addBound(ActPlay, Trimmed(btnPlay->text()));
        addBound(ActToggleView, Trimmed(btnToggleView->text()));
    }
}

void TfrmSudoku::N11Click(QAction* item) {
    if (!item || !GridShown() || !Board || GameState != 4)
        return;
    StoreEntry(static_cast<char>(item->data().toInt()));
}

void TfrmSudoku::N21Click() {
    if (!cbxControllo->isVisible() || !cbxControllo->isEnabled())
        return;
    cbxControllo->setChecked(!cbxControllo->isChecked());
    cbxControlloClick();
}

void TfrmSudoku::ActSuggerisciExecute() {
    const int c = sg1->currentCol();
    const int r = sg1->currentRow();
    if (PuzzleGrid[r][c] == ' ')
        CurrentSeams().showMessage(
            this, QStringLiteral("Per questa casella il miglior simbolo e' :") +
                      QChar::fromLatin1(SolutionGrid[r][c]) + QStringLiteral(": "));
    FocusGridIfShown();
}

void TfrmSudoku::PrepareGrid(std::int32_t boxSize) {
    if (sg1->isHidden())
        sg1->show();
    PlayGrid = MakeCellGrid('.');
    sg1->setCurrentCell(0, 0);
    if (boxSize >= 3 && boxSize <= 5) {
        const int side = boxSize * boxSize;
        const int points = sg1->font().pointSize();
        const bool small = boxSize == 3;
        sg1->setRowCount(side);
        sg1->setColCount(side);
        sg1->setDefaultColWidth(points + (small ? 36 : 26));
        sg1->setDefaultRowHeight(points + (small ? 26 : 16));
        sg1->setGridLineWidth(small ? 3 : 2);
        SeparatorWidth = 3;
        static constexpr int kHeights[] = {335, 418, 507};
        RequestedGridHeight = kHeights[boxSize - 3];
    }
    update();
    sg1->setCurrentCell(0, 0);
    sg1->viewport()->update();
}

void TfrmSudoku::FitWindowToBoxSize(std::int32_t boxSize) {
    if (boxSize < 3 || boxSize > 5)
        return;
    RequestedWindowWidth = boxSize == 3 ? 598 : 752;
    RequestedGridPanelWidth = boxSize == 3 ? 428 : 582;
    RequestedWindowHeight = 688;
    if (!isMaximized() && !isFullScreen()) {
        // The sizes are outer sizes; the frame takes the difference from the client area.
        const QSize frame = frameGeometry().size() - geometry().size();
        resize(RequestedWindowWidth - frame.width(), RequestedWindowHeight - frame.height());
    }
}

void TfrmSudoku::btnFontPiuClick() {
    QFont font = sg1->font();
    if (font.pointSize() > 15)
        return;
    font.setPointSize(font.pointSize() + 1);
    sg1->setFont(font);
    sg1->setDefaultColWidth(sg1->defaultColWidth() + 1);
    sg1->setDefaultRowHeight(sg1->defaultRowHeight() + 1);
    update();
}

void TfrmSudoku::btnFontMenoClick() {
    QFont font = sg1->font();
    if (font.pointSize() <= 8)
        return;
    font.setPointSize(font.pointSize() - 1);
    sg1->setFont(font);
    sg1->setDefaultColWidth(sg1->defaultColWidth() - 1);
    sg1->setDefaultRowHeight(sg1->defaultRowHeight() - 1);
    update();
}

void TfrmSudoku::ActPrintExecute() {
    QPrinter printer(QPrinter::HighResolution);
    if (CurrentSeams().printDialog(printer, this)) {
        FitWindowToBoxSize(BoxSize);
        repaint();
        CurrentSeams().wait(1000);
        PrintPuzzlePage(printer);
        CurrentSeams().wait(1000);
    }
    FocusGridIfShown();
}

// The page itself is drawn by the print code, which plugs in here.
void TfrmSudoku::PrintPuzzlePage(QPrinter&) {}

// Any full grid without a repeat counts as solved, whatever the stored solution says.
void TfrmSudoku::CheckCompletion() {
    if (!Board || !IsGridSolved(*Board, PlayGrid))
        return;
    const double now = DateTimeToDays(CurrentSeams().now());
    const ElapsedTime elapsed = ComputeElapsedTime(now, PlayStartTime);
    CurrentSeams().showMessage(this, QString::fromStdString(CongratulationText(elapsed)));
}
