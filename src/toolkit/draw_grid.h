#pragma once

#include <QAbstractScrollArea>
#include <QPoint>
#include <QRect>
#include <functional>
#include <optional>

class QMenu;

// The design's cell rectangles have inclusive left/top and exclusive right/bottom edges.
// A QRect's right() and bottom() are inclusive (one less), so owner drawing that needs the
// exclusive edges reads them through these two helpers.
inline int ExclusiveRight(const QRect& rect) {
    return rect.x() + rect.width();
}
inline int ExclusiveBottom(const QRect& rect) {
    return rect.y() + rect.height();
}

// A grid of equally sized, owner-drawn cells with one current cell.
//
// Cell (col, row) sits at x = col * (columnWidth + lineWidth), y = row * (rowHeight +
// lineWidth) in content coordinates; the grid draws the silver lines after each column and
// row itself and scrolls when the cells outgrow the control. The draw callback gets the
// cell's rectangle in viewport coordinates, the painter already set to the grid's font, and
// whether the cell is the current one while the grid is the window's active control; the
// dotted focus rectangle is drawn afterwards by the grid.
class DrawGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    using DrawCellFn =
        std::function<void(QPainter&, int col, int row, const QRect& rect, bool focused)>;
    // Sees every key press before the grid's own navigation; it cannot consume the key.
    using KeyDownFn = std::function<void(QKeyEvent&)>;
    // Sees every mouse press before the grid's own selection.
    using MouseDownFn = std::function<void(QMouseEvent&)>;

    explicit DrawGrid(QWidget* parent = nullptr);

    int rowCount() const { return RowCount; }
    int colCount() const { return ColCount; }
    void setRowCount(int rows);
    void setColCount(int cols);
    int defaultColWidth() const { return ColWidth; }
    int defaultRowHeight() const { return RowHeight; }
    void setDefaultColWidth(int width);
    void setDefaultRowHeight(int height);
    int gridLineWidth() const { return LineWidth; }
    void setGridLineWidth(int width);

    int currentCol() const { return CurrentCol; }
    int currentRow() const { return CurrentRow; }
    // Clamped to the grid; scrolls the cell into view.
    void setCurrentCell(int col, int row);
    // The grid is its window's focus widget. Unlike hasFocus(), this stays true while a modal
    // box is up or another application is active, so the current cell keeps its marks then.
    bool isActiveControl() const;

    // The cell under a viewport point, none beyond the last column or row.
    std::optional<QPoint> cellAt(const QPoint& viewportPos) const;
    // A cell's rectangle in viewport coordinates (scroll position applied).
    QRect cellRect(int col, int row) const;
    // Total size of the cells with their lines.
    QSize contentSize() const;

    void setDrawCell(DrawCellFn fn) { DrawCell = std::move(fn); }
    void setKeyDownHook(KeyDownFn fn) { KeyDown = std::move(fn); }
    void setMouseDownHook(MouseDownFn fn) { MouseDown = std::move(fn); }

    void setPopupMenu(QMenu* menu) { Popup = menu; }
    QMenu* popupMenu() const { return Popup; }
    // While off, a right click shows no menu.
    void setAutoPopup(bool on) { AutoPopup = on; }
    bool autoPopup() const { return AutoPopup; }

signals:
    void currentCellChanged(int col, int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void updateScrollBars();
    void scrollToCurrent();
    int visibleRows() const;

    int RowCount = 5;
    int ColCount = 5;
    int ColWidth = 64;
    int RowHeight = 24;
    int LineWidth = 1;
    int CurrentCol = 0;
    int CurrentRow = 0;
    bool AutoPopup = true;
    QMenu* Popup = nullptr;
    DrawCellFn DrawCell;
    KeyDownFn KeyDown;
    MouseDownFn MouseDown;
};
