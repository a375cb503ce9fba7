#pragma once

#include "geometry/grid_geometry.h"

#include <QAbstractScrollArea>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

class QMenu;

// A grid of equally sized, owner-drawn cells with one current cell.
//
// Cells sit where the grid geometry puts them, in content coordinates; the grid scrolls when
// they outgrow the control. The owner paints the whole grid, lines and cells, through one
// callback per repaint: the painter is set to the grid's font with its origin on the grid's
// top-left corner (scrolling applied) and clipped to the part to repaint, and gets the
// current cell while the grid is the window's active control. The dotted focus rectangle is
// drawn afterwards by the grid. The control grows no larger than its cells and a scroll bar,
// so its scroll bars stay beside the cells.
class DrawGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    using PaintCellsFn = std::function<void(QPainter&, std::optional<GridCell> focused)>;
    // Sees every key press before the grid's own navigation; it cannot consume the key.
    using KeyDownFn = std::function<void(QKeyEvent&)>;
    // Sees every mouse press before the grid's own selection.
    using MouseDownFn = std::function<void(QMouseEvent&)>;
    // What a screen reader says for a cell.
    using CellNameFn = std::function<QString(int row, int column)>;

    explicit DrawGrid(QWidget* parent = nullptr);

    int rowCount() const { return Cells.rows; }
    int colCount() const { return Cells.columns; }
    void setRowCount(int rows);
    void setColCount(int cols);
    int defaultColWidth() const { return Cells.columnWidth; }
    int defaultRowHeight() const { return Cells.rowHeight; }
    void setDefaultColWidth(int width);
    void setDefaultRowHeight(int height);
    int gridLineWidth() const { return Cells.lineWidth; }
    void setGridLineWidth(int width);
    const GridGeometry& cellGeometry() const { return Cells; }

    int currentRow() const { return CurrentRow; }
    int currentColumn() const { return CurrentColumn; }
    GridCell currentCell() const { return {CurrentRow, CurrentColumn}; }
    // Clamped to the grid; scrolls the cell into view.
    void setCurrentCell(int row, int column);
    // The grid is its window's focus widget. Unlike hasFocus(), this stays true while a modal
    // box is up or another application is active, so the current cell keeps its marks then.
    bool isActiveControl() const;

    // The cell under a viewport point, none beyond the last column or row.
    std::optional<GridCell> cellAt(const QPoint& viewportPos) const;
    // A cell's rectangle in viewport coordinates (scroll position applied).
    QRect cellRect(int row, int column) const;
    // Total size of the cells with their lines.
    QSize contentSize() const;

    void setPaintCells(PaintCellsFn fn) { PaintCells = std::move(fn); }
    void setKeyDownHook(KeyDownFn fn) { KeyDown = std::move(fn); }
    void setMouseDownHook(MouseDownFn fn) { MouseDown = std::move(fn); }
    void setCellNameFn(CellNameFn fn) { CellName = std::move(fn); }
    // The name of a cell, with the news before it while they are the current cell's.
    QString cellName(int row, int column) const;
    // The owner changed what cell (row, column) holds: screen readers hear its new name, and
    // which cell it is when it is not the current one.
    void cellChanged(int row, int column);
    // Screen readers hear `news` (what just changed) and the current cell, while the grid has
    // the keyboard's focus. The news go with the current cell's name until the next move.
    void tellScreenReader(const QString& news);

    // As large as it may grow: a layout that aligns the grid gives it no more than it needs.
    QSize sizeHint() const override { return maximumSize(); }

    void setPopupMenu(QMenu* menu) { Popup = menu; }
    // While off, a right click shows no menu.
    void setAutoPopup(bool on) { AutoPopup = on; }
    bool autoPopup() const { return AutoPopup; }

signals:
    void currentCellChanged(int row, int column);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    QPoint scrollOffset() const;
    void updateScrollBars();
    void scrollToCurrent();
    int visibleRows() const;

    GridGeometry Cells{5, 5, 64, 24, 1};
    int CurrentRow = 0;
    int CurrentColumn = 0;
    bool AutoPopup = true;
    QMenu* Popup = nullptr;
    PaintCellsFn PaintCells;
    KeyDownFn KeyDown;
    MouseDownFn MouseDown;
    CellNameFn CellName;
    QString News;
};
