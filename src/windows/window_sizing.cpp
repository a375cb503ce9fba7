#include "windows/window_sizing.h"

#include "toolkit/draw_grid.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

void FitWindow(QWidget& window, const WindowLayout& layout) {
    // A maximized window keeps the screen's size.
    if (window.isMaximized() || window.isFullScreen())
        return;
    // The sizes are outer sizes; the frame takes the difference from the client area.
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    window.resize(layout.windowWidth - frame.width(), layout.windowHeight - frame.height());
    CentreOnScreen(window);
}

void CentreOnScreen(QWidget& window) {
    const QRect area = window.screen()->availableGeometry();
    const QSize outer = window.frameGeometry().size();
    window.move(std::max(area.left(), area.center().x() - outer.width() / 2),
                std::max(area.top(), area.center().y() - outer.height() / 2));
}

void ApplyGridLayout(DrawGrid& grid, const GridLayout& layout) {
    grid.setRowCount(layout.side);
    grid.setColCount(layout.side);
    grid.setDefaultColWidth(layout.columnWidth);
    grid.setDefaultRowHeight(layout.rowHeight);
    grid.setGridLineWidth(layout.lineWidth);
}

int ZoomGrid(DrawGrid& grid, int boxSize, int fontPoints, bool larger) {
    const int points = ZoomStep(fontPoints, larger);
    if (points == fontPoints)
        return fontPoints;
    grid.setFont(GridFont(points));
    if (const auto layout = GridLayoutFor(boxSize, points)) {
        grid.setDefaultColWidth(layout->columnWidth);
        grid.setDefaultRowHeight(layout->rowHeight);
    }
    return points;
}
