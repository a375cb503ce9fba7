#pragma once

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
        Window->cbg1->setItemIndex(n - 3);
        Press(Qt::Key_F10);
        ASSERT_EQ(Window->Game.GameState, 1);
        ASSERT_EQ(Window->Game.BoxSize, n);
    }

    void StartGame(int n) {
        Generate(n);
        Press(Qt::Key_F5);
        ASSERT_EQ(Window->Game.GameState, 4);
    }

    int Side() const { return Window->Game.BoxSize * Window->Game.BoxSize; }

    // The first cell, row by row, that is open (given == false) or a given.
    QPoint FirstCell(bool given) const {
        for (int r = 0; r < Side(); ++r)
            for (int c = 0; c < Side(); ++c)
                if ((Window->Game.PuzzleGrid[r][c] != ' ') == given)
                    return {c, r};
        return {-1, -1};
    }

    void Select(QPoint cell) { Window->sg1->setCurrentCell(cell.x(), cell.y()); }
    QPoint Selection() const { return {Window->sg1->currentCol(), Window->sg1->currentRow()}; }
    char Cell(QPoint cell) const { return Window->Game.PlayGrid[cell.y()][cell.x()]; }

    // The key that types a symbol on the main block.
    static Qt::Key KeyFor(char symbol) {
        if (symbol >= '0' && symbol <= '9')
            return static_cast<Qt::Key>(Qt::Key_0 + (symbol - '0'));
        return static_cast<Qt::Key>(Qt::Key_A + (symbol - 'A'));
    }

    QStringList MenuCaptions() const {
        QStringList captions;
        for (QAction* item : Window->popm1->actions())
            captions << item->text();
        return captions;
    }

    QAction* MenuItem(const QString& caption) const {
        for (QAction* item : Window->popm1->actions())
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
        QTest::mouseClick(Window->sg1->viewport(), Qt::RightButton, Qt::NoModifier, viewportPoint);
        // Test events carry no context-menu request, so send the one the desktop sends after a
        // right press.
        QContextMenuEvent request(QContextMenuEvent::Mouse, viewportPoint,
                                  Window->sg1->viewport()->mapToGlobal(viewportPoint));
        QApplication::sendEvent(Window->sg1->viewport(), &request);
        QTest::qWait(30);
        return popped;
    }

    QPoint CentreOf(QPoint cell) const {
        return Window->sg1->cellRect(cell.x(), cell.y()).center();
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
