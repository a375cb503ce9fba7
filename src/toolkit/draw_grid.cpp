#include "toolkit/draw_grid.h"

#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace {
const QColor kSilver(192, 192, 192);
}

DrawGrid::DrawGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(true);
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(palette);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    updateScrollBars();
}

void DrawGrid::setRowCount(int rows) {
    RowCount = std::max(0, rows);
    setCurrentCell(CurrentCol, CurrentRow);
    updateScrollBars();
    viewport()->update();
}

void DrawGrid::setColCount(int cols) {
    ColCount = std::max(0, cols);
    setCurrentCell(CurrentCol, CurrentRow);
    updateScrollBars();
    viewport()->update();
}

void DrawGrid::setDefaultColWidth(int width) {
    ColWidth = std::max(1, width);
    updateScrollBars();
    viewport()->update();
}

void DrawGrid::setDefaultRowHeight(int height) {
    RowHeight = std::max(1, height);
    updateScrollBars();
    viewport()->update();
}

void DrawGrid::setGridLineWidth(int width) {
    LineWidth = std::max(0, width);
    updateScrollBars();
    viewport()->update();
}

void DrawGrid::setCurrentCell(int col, int row) {
    const int newCol = std::clamp(col, 0, std::max(0, ColCount - 1));
    const int newRow = std::clamp(row, 0, std::max(0, RowCount - 1));
    const bool changed = newCol != CurrentCol || newRow != CurrentRow;
    CurrentCol = newCol;
    CurrentRow = newRow;
    scrollToCurrent();
    viewport()->update();
    if (changed)
        emit currentCellChanged(CurrentCol, CurrentRow);
}

bool DrawGrid::isActiveControl() const {
    return window()->focusWidget() == this;
}

QSize DrawGrid::contentSize() const {
    return {ColCount * (ColWidth + LineWidth), RowCount * (RowHeight + LineWidth)};
}

QRect DrawGrid::cellRect(int col, int row) const {
    return {col * (ColWidth + LineWidth) - horizontalScrollBar()->value(),
            row * (RowHeight + LineWidth) - verticalScrollBar()->value(), ColWidth, RowHeight};
}

std::optional<QPoint> DrawGrid::cellAt(const QPoint& viewportPos) const {
    const int x = viewportPos.x() + horizontalScrollBar()->value();
    const int y = viewportPos.y() + verticalScrollBar()->value();
    if (x < 0 || y < 0)
        return std::nullopt;
    const int col = x / (ColWidth + LineWidth);
    const int row = y / (RowHeight + LineWidth);
    if (col >= ColCount || row >= RowCount)
        return std::nullopt;
    return QPoint(col, row);
}

void DrawGrid::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QRect visible = viewport()->rect();
    const QSize content = contentSize();
    const int dx = horizontalScrollBar()->value();
    const int dy = verticalScrollBar()->value();
    if (LineWidth > 0) {
        // The lines after each column and row; cells are painted over the rest.
        for (int c = 0; c < ColCount; ++c)
            painter.fillRect((c + 1) * (ColWidth + LineWidth) - LineWidth - dx, -dy, LineWidth,
                             content.height(), kSilver);
        for (int r = 0; r < RowCount; ++r)
            painter.fillRect(-dx, (r + 1) * (RowHeight + LineWidth) - LineWidth - dy,
                             content.width(), LineWidth, kSilver);
    }
    const bool focused = isActiveControl();
    for (int r = 0; r < RowCount; ++r) {
        for (int c = 0; c < ColCount; ++c) {
            const QRect rect = cellRect(c, r);
            if (!rect.intersects(visible))
                continue;
            const bool isFocusedCell = focused && c == CurrentCol && r == CurrentRow;
            painter.save();
            painter.setFont(font());
            painter.setPen(palette().color(QPalette::WindowText));
            if (DrawCell)
                DrawCell(painter, c, r, rect, isFocusedCell);
            painter.restore();
            if (isFocusedCell) {
                painter.save();
                painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(rect.adjusted(0, 0, -1, -1));
                painter.restore();
            }
        }
    }
}

int DrawGrid::visibleRows() const {
    return std::max(1, viewport()->height() / (RowHeight + LineWidth));
}

void DrawGrid::keyPressEvent(QKeyEvent* event) {
    if (KeyDown)
        KeyDown(*event);
    int col = CurrentCol;
    int row = CurrentRow;
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
        col = ColCount - 1;
        if (event->modifiers() & Qt::ControlModifier)
            row = RowCount - 1;
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
    setCurrentCell(col, row);
    event->accept();
}

void DrawGrid::mousePressEvent(QMouseEvent* event) {
    if (MouseDown)
        MouseDown(*event);
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        if (const auto cell = cellAt(event->position().toPoint()))
            setCurrentCell(cell->x(), cell->y());
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

// Tab moves the focus on instead of being swallowed by the scroll area.
bool DrawGrid::focusNextPrevChild(bool next) {
    return QWidget::focusNextPrevChild(next);
}

void DrawGrid::updateScrollBars() {
    const QSize content = contentSize();
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setSingleStep(ColWidth + LineWidth);
    verticalScrollBar()->setRange(0, std::max(0, content.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(RowHeight + LineWidth);
}

void DrawGrid::scrollToCurrent() {
    const int left = CurrentCol * (ColWidth + LineWidth);
    const int top = CurrentRow * (RowHeight + LineWidth);
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    const QSize view = viewport()->size();
    if (left < h->value())
        h->setValue(left);
    else if (left + ColWidth > h->value() + view.width())
        h->setValue(left + ColWidth - view.width());
    if (top < v->value())
        v->setValue(top);
    else if (top + RowHeight > v->value() + view.height())
        v->setValue(top + RowHeight - view.height());
}
