#include "toolkit/draw_grid_accessible.h"

#include "toolkit/draw_grid.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>

namespace {

// Children are numbered row by row, as Qt numbers the cells of its own tables.
int ChildIndex(const DrawGrid& grid, int row, int column) {
    return row * grid.colCount() + column;
}

class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(DrawGrid* grid, int row, int column) : Grid(grid), Row(row), Col(column) {}

    // A cell outlives its place when the grid shrinks; it is then no longer valid.
    bool isValid() const override {
        return Grid && Col < Grid->colCount() && Row < Grid->rowCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Grid ? Grid->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(Grid.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? Grid->cellName(Row, Col) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect cell = Grid->cellRect(Row, Col);
        return {Grid->viewport()->mapToGlobal(cell.topLeft()), cell.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.focusable = true;
        state.selectable = true;
        state.selected = isSelected();
        state.focused = state.selected && Grid->hasFocus();
        state.invisible = !Grid->isVisible();
        state.offscreen = !Grid->viewport()->rect().intersects(Grid->cellRect(Row, Col));
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override {
        return isValid() && Grid->currentColumn() == Col && Grid->currentRow() == Row;
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return Col; }
    int rowIndex() const override { return Row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<DrawGrid> Grid;
    int Row;
    int Col;
};

class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    // A group of cells with a table's interface, not a table: Orca reads a table's whole row
    // at every change of row, and one move should read one cell.
    explicit GridAccessible(DrawGrid* grid) : QAccessibleWidget(grid, QAccessible::Grouping) {}
    ~GridAccessible() override {
        for (const QAccessible::Id id : std::as_const(Cells))
            QAccessible::deleteAccessibleInterface(id);
    }

    // The cells are the children; the viewport and the scroll bars are left out, as Qt leaves
    // them out of its own tables.
    int childCount() const override { return grid()->rowCount() * grid()->colCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        return cellAt(index / grid()->colCount(), index % grid()->colCount());
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        auto* cell = const_cast<QAccessibleInterface*>(child);
        QAccessibleTableCellInterface* place = cell ? cell->tableCellInterface() : nullptr;
        if (!place || place->table() != this || !cell->isValid())
            return -1;
        return ChildIndex(*grid(), place->rowIndex(), place->columnIndex());
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const auto cell = grid()->cellAt(grid()->viewport()->mapFromGlobal(QPoint(x, y)));
        return cell ? cellAt(cell->row, cell->column) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return grid()->hasFocus() ? cellAt(grid()->currentRow(), grid()->currentColumn()) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || column < 0 || row >= grid()->rowCount() || column >= grid()->colCount())
            return nullptr;
        // Made on first use and kept, so a screen reader sees one object per place.
        const quint32 key = (static_cast<quint32>(row) << 16) | static_cast<quint32>(column);
        if (const auto found = Cells.constFind(key); found != Cells.constEnd())
            return QAccessible::accessibleInterface(*found);
        auto* cell = new CellAccessible(grid(), row, column);
        Cells.insert(key, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int selectedCellCount() const override { return childCount() > 0 ? 1 : 0; }
    QList<QAccessibleInterface*> selectedCells() const override {
        if (QAccessibleInterface* current = cellAt(grid()->currentRow(), grid()->currentColumn()))
            return {current};
        return {};
    }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return grid()->colCount(); }
    int rowCount() const override { return grid()->rowCount(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // One cell is selected at a time, the current one: whole rows and columns never are.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    // The cell at (row, column) gets a new object at its next use.
    void forgetCell(int row, int column) {
        const quint32 key = (static_cast<quint32>(row) << 16) | static_cast<quint32>(column);
        if (const auto found = Cells.constFind(key); found != Cells.constEnd()) {
            QAccessible::deleteAccessibleInterface(*found);
            Cells.erase(found);
        }
    }

private:
    DrawGrid* grid() const { return static_cast<DrawGrid*>(widget()); }

    mutable QHash<quint32, QAccessible::Id> Cells;
};

QAccessibleInterface* DrawGridFactory(const QString&, QObject* object) {
    if (auto* grid = qobject_cast<DrawGrid*>(object))
        return new GridAccessible(grid);
    return nullptr;
}

bool HasCell(const DrawGrid& grid, int row, int column) {
    return row >= 0 && column >= 0 && row < grid.rowCount() && column < grid.colCount();
}

} // namespace

void InstallDrawGridAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(DrawGridFactory);
        return true;
    }();
    (void)installed;
}

void AnnounceCurrentCell(DrawGrid& grid) {
    if (!QAccessible::isActive() || !grid.hasFocus() ||
        !HasCell(grid, grid.currentRow(), grid.currentColumn()))
        return;
    QAccessibleEvent event(&grid, QAccessible::Focus);
    event.setChild(ChildIndex(grid, grid.currentRow(), grid.currentColumn()));
    QAccessible::updateAccessibility(&event);
}

void AnnounceCurrentCellAgain(DrawGrid& grid) {
    if (!QAccessible::isActive() || !grid.hasFocus() ||
        !HasCell(grid, grid.currentRow(), grid.currentColumn()))
        return;
    // Orca speaks neither a name change of a cell nor the focus on the object it is already
    // on: the cell takes the focus again as a new object, which Orca reads like any other.
    static_cast<GridAccessible*>(QAccessible::queryAccessibleInterface(&grid))
        ->forgetCell(grid.currentRow(), grid.currentColumn());
    AnnounceCurrentCell(grid);
}

void AnnounceCellName(DrawGrid& grid, int row, int column) {
    if (!QAccessible::isActive() || !HasCell(grid, row, column))
        return;
    QAccessibleEvent event(&grid, QAccessible::NameChanged);
    event.setChild(ChildIndex(grid, row, column));
    QAccessible::updateAccessibility(&event);
}
