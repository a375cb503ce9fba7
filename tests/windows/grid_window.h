#pragma once

#include "support/game_cells.h"
#include "windows/window_fixture.h"

#include <QBackingStore>
#include <QContextMenuEvent>
#include <QImage>
#include <QMenu>
#include <QPoint>
#include <QTimer>
#include <optional>

// The main window with a puzzle of a chosen size, and ways to reach its cells.
class GridWindowTest : public WindowTest {
protected:
    // Generates a puzzle of box size n with the size selector and F10.
    void Generate(int n) {
        Find<RadioGroup>("cbg1")->setItemIndex(n - 3);
        Press(Qt::Key_F10);
        ASSERT_EQ(Game().GameState(), PuzzleView);
        ASSERT_EQ(Game().BoxSize(), n);
    }

    void StartGame(int n) {
        Generate(n);
        Press(Qt::Key_F5);
        ASSERT_EQ(Game().GameState(), Playing);
    }

    int Side() const { return ::Side(Game()); }
    GridCell FirstCell(bool given) const { return ::FirstCell(Game(), given); }
    char Solution(GridCell cell) const { return SolutionAt(Game(), cell); }

    void Select(GridCell cell) { Grid()->setCurrentCell(cell.row, cell.column); }
    GridCell Selection() const { return Grid()->currentCell(); }
    char Cell(GridCell cell) const { return PlayAt(Game(), cell); }

    // The key that types a symbol on the main block.
    static Qt::Key KeyFor(char symbol) {
        if (symbol >= '0' && symbol <= '9')
            return static_cast<Qt::Key>(Qt::Key_0 + (symbol - '0'));
        return static_cast<Qt::Key>(Qt::Key_A + (symbol - 'A'));
    }

    QStringList MenuCaptions() const {
        QStringList captions;
        for (QAction* item : Find<QMenu>("popm1")->actions())
            captions << item->text();
        return captions;
    }

    QAction* MenuItem(const QString& caption) const {
        for (QAction* item : Find<QMenu>("popm1")->actions())
            if (item->text() == caption)
                return item;
        return nullptr;
    }

    // A real right click at a viewport point. A menu that pops up is closed again; the result
    // says whether one did.
    bool RightClick(QPoint viewportPoint) {
        bool popped = false;
        QTimer closer;
        closer.setInterval(10);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                popped = true;
                popup->close();
            }
        });
        closer.start();
        QTest::mouseClick(Grid()->viewport(), Qt::RightButton, Qt::NoModifier, viewportPoint);
        // Test events carry no context-menu request, so send the one the desktop sends after a
        // right press.
        QContextMenuEvent request(QContextMenuEvent::Mouse, viewportPoint,
                                  Grid()->viewport()->mapToGlobal(viewportPoint));
        QApplication::sendEvent(Grid()->viewport(), &request);
        QTest::qWait(30);
        return popped;
    }

    QPoint CentreOf(GridCell cell) const {
        return Grid()->cellRect(cell.row, cell.column).center();
    }

    // What the window shows now: the pixels it last painted, after the repaints already asked
    // for, as the offscreen platform keeps them in the window's backing store. Nothing is
    // painted afresh, so a missing repaint shows as an old picture, and the grid is at its real
    // place in the window, at the screen's pixel ratio.
    QImage Shown() const {
        QCoreApplication::processEvents();
        const auto* painted = dynamic_cast<const QImage*>(Window->backingStore()->paintDevice());
        return painted ? *painted : QImage();
    }

    // A rectangle of a control, in the pixels of Shown().
    QRect ShownRect(const QWidget* control, QRect rect) const {
        const double ratio = Window->devicePixelRatioF();
        const QRectF inWindow(control->mapTo(Window.get(), rect.topLeft()), rect.size());
        return QRectF(inWindow.topLeft() * ratio, inWindow.size() * ratio).toAlignedRect();
    }
};
