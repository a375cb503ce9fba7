#include "toolkit/draw_grid.h"

#include "toolkit/draw_grid_accessible.h"

#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

DrawGrid::DrawGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(true);
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(palette);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    updateScrollBars();
    InstallDrawGridAccessibility();
}

void DrawGrid::setRowCount(int rows) {
    Cells.rows = std::max(0, rows);
    setCurrentCell(CurrentRow, CurrentColumn);
    updateScrollBars();
    viewport()->update();
}

void DrawGrid::setColCount(int cols) {
    Cells.columns = std::max(0, cols);
    setCurrentCell(CurrentRow, CurrentColumn);
    updateScrollBars();
    viewport()->update();
}

void DrawGrid::setDefaultColWidth(int width) {
    Cells.columnWidth = std::max(1, width);
    updateScrollBars();
    viewport()->update();
}

void DrawGrid::setDefaultRowHeight(int height) {
    Cells.rowHeight = std::max(1, height);
    updateScrollBars();
    viewport()->update();
}

void DrawGrid::setGridLineWidth(int width) {
    Cells.lineWidth = std::max(0, width);
    updateScrollBars();
    viewport()->update();
}

void DrawGrid::setCurrentCell(int row, int column) {
    const int newRow = std::clamp(row, 0, std::max(0, Cells.rows - 1));
    const int newColumn = std::clamp(column, 0, std::max(0, Cells.columns - 1));
    const bool changed = newRow != CurrentRow || newColumn != CurrentColumn;
    CurrentRow = newRow;
    CurrentColumn = newColumn;
    scrollToCurrent();
    viewport()->update();
    if (changed) {
        News.clear();
        AnnounceCurrentCell(*this);
        emit currentCellChanged(CurrentRow, CurrentColumn);
    }
}

QString DrawGrid::cellName(int row, int column) const {
    const QString name = CellName ? CellName(row, column) : QString();
    if (News.isEmpty() || row != CurrentRow || column != CurrentColumn)
        return name;
    return News + QStringLiteral(", ") + name;
}

void DrawGrid::cellChanged(int row, int column) {
    AnnounceCellName(*this, row, column);
    const bool current = row == CurrentRow && column == CurrentColumn;
    // Said anew even when it holds what it held: the player hears that the key was taken.
    tellScreenReader(current ? QString() : cellName(row, column));
}

void DrawGrid::tellScreenReader(const QString& news) {
    if (!hasFocus())
        return;
    News = news;
    AnnounceCurrentCellAgain(*this);
}

bool DrawGrid::isActiveControl() const {
    return window()->focusWidget() == this;
}

QSize DrawGrid::contentSize() const {
    return GridExtent(Cells);
}

QPoint DrawGrid::scrollOffset() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

QRect DrawGrid::cellRect(int row, int column) const {
    return CellRect(Cells, {row, column}).translated(-scrollOffset());
}

std::optional<GridCell> DrawGrid::cellAt(const QPoint& viewportPos) const {
    return CellAt(Cells, viewportPos + scrollOffset());
}

void DrawGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    // The owner may skip what lies outside the clip: the part that needs painting.
    painter.setClipRect(event->rect());
    painter.translate(-scrollOffset());
    std::optional<GridCell> focused;
    if (isActiveControl())
        focused = currentCell();
    if (PaintCells) {
        painter.save();
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        PaintCells(painter, focused);
        painter.restore();
    }
    if (focused) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(CellRect(Cells, *focused).adjusted(0, 0, -1, -1));
    }
}

int DrawGrid::visibleRows() const {
    return std::max(1, viewport()->height() / (Cells.rowHeight + Cells.lineWidth));
}

void DrawGrid::keyPressEvent(QKeyEvent* event) {
    if (KeyDown)
        KeyDown(*event);
    int row = CurrentRow;
    int col = CurrentColumn;
    switch (event->key()) {
    case Qt::Key_Left:
        --col;
        break;
    case Qt::Key_Right:
        ++col;
        break;
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    case Qt::Key_Home:
        col = 0;
        if (event->modifiers() & Qt::ControlModifier)
            row = 0;
        break;
    case Qt::Key_End:
        col = Cells.columns - 1;
        if (event->modifiers() & Qt::ControlModifier)
            row = Cells.rows - 1;
        break;
    case Qt::Key_PageUp:
        row -= visibleRows();
        break;
    case Qt::Key_PageDown:
        row += visibleRows();
        break;
    default:
        event->ignore();
        return;
    }
    setCurrentCell(row, col);
    event->accept();
}

void DrawGrid::mousePressEvent(QMouseEvent* event) {
    if (MouseDown)
        MouseDown(*event);
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        if (const auto cell = cellAt(event->position().toPoint()))
            setCurrentCell(cell->row, cell->column);
    }
    event->accept();
}

void DrawGrid::contextMenuEvent(QContextMenuEvent* event) {
    if (AutoPopup && Popup && !Popup->isEmpty())
        Popup->exec(event->globalPos());
    event->accept();
}

void DrawGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void DrawGrid::focusOutEvent(QFocusEvent* event) {
    News.clear();
    QAbstractScrollArea::focusOutEvent(event);
}

void DrawGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    // Qt announces the grid itself after this handler: the current cell follows it.
    QMetaObject::invokeMethod(
        this, [this] { AnnounceCurrentCell(*this); }, Qt::QueuedConnection);
}

// Tab moves the focus on instead of being swallowed by the scroll area.
bool DrawGrid::focusNextPrevChild(bool next) {
    return QWidget::focusNextPrevChild(next);
}

void DrawGrid::updateScrollBars() {
    const QSize content = contentSize();
    // Never wider or taller than the cells with room for a scroll bar, so that a bar stands
    // beside the cells rather than across the space a layout would give beyond them.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const QSize most = content + QSize(bar, bar) + QSize(2, 2) * frameWidth();
    if (maximumSize() != most) {
        setMaximumSize(most);
        updateGeometry();
    }
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setSingleStep(Cells.columnWidth + Cells.lineWidth);
    verticalScrollBar()->setRange(0, std::max(0, content.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(Cells.rowHeight + Cells.lineWidth);
}

void DrawGrid::scrollToCurrent() {
    const QRect cell = CellRect(Cells, currentCell());
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    const QSize view = viewport()->size();
    if (cell.left() < h->value())
        h->setValue(cell.left());
    else if (cell.left() + cell.width() > h->value() + view.width())
        h->setValue(cell.left() + cell.width() - view.width());
    if (cell.top() < v->value())
        v->setValue(cell.top());
    else if (cell.top() + cell.height() > v->value() + view.height())
        v->setValue(cell.top() + cell.height() - view.height());
}
