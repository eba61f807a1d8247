// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/ui/log_grid_accessible.h"

#include "log/ui/log_grid.h"
#include "log/ui/log_grid_cell_accessible.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <algorithm>
#include <climits>

namespace {
// A kept cell's key: its row (from -1, the titles) and its column.
constexpr qint64 KeyColumns = 1 << 16;

qint64 Key(int row, int column) {
    return (qint64(row) + 1) * KeyColumns + column;
}

int KeyRow(qint64 key) {
    return int(key / KeyColumns) - 1;
}

QAccessibleInterface* Make(const QString& className, QObject* object) {
    if (className != QLatin1String(LogGrid::staticMetaObject.className()))
        return nullptr;
    auto* grid = qobject_cast<LogGrid*>(object);
    return grid ? new LogGridAccessible(grid) : nullptr;
}
} // namespace

LogGridAccessible::Kept::~Kept() {
    QAccessible::deleteAccessibleInterface(Id);
}

LogGridAccessible::LogGridAccessible(LogGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

void LogGridAccessible::Install() {
    QAccessible::installFactory(&Make);
}

void LogGridAccessible::AnnounceCurrent(LogGrid& grid, const QModelIndex& index) {
    if (!QAccessible::isActive() || !index.isValid() || !grid.hasFocus())
        return;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&grid);
    if (!table || !table->tableInterface())
        return;
    QAccessibleEvent event(&grid, QAccessible::Focus);
    event.setChild(
        table->indexOfChild(table->tableInterface()->cellAt(index.row(), index.column())));
    QAccessible::updateAccessibility(&event);
}

LogGrid* LogGridAccessible::Grid() const {
    return static_cast<LogGrid*>(widget());
}

int LogGridAccessible::columnCount() const {
    const LogGrid* grid = Grid();
    return grid->model() ? grid->model()->columnCount(grid->rootIndex()) : 0;
}

int LogGridAccessible::rowCount() const {
    const LogGrid* grid = Grid();
    return grid->model() ? grid->model()->rowCount(grid->rootIndex()) : 0;
}

int LogGridAccessible::childCount() const {
    return int(std::min<qint64>((qint64(rowCount()) + 1) * columnCount(), INT_MAX));
}

QAccessibleInterface* LogGridAccessible::child(int index) const {
    const int columns = columnCount();
    return index < 0 || columns == 0 ? nullptr : cellAt(index / columns - 1, index % columns);
}

int LogGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* cell = dynamic_cast<const LogGridCellAccessible*>(child);
    if (!cell || cell->Grid() != Grid() || !cell->isValid())
        return -1;
    const qint64 index = (qint64(cell->rowIndex()) + 1) * columnCount() + cell->columnIndex();
    return index <= INT_MAX ? int(index) : -1;
}

// The titles are row -1, the row numbers column 0.
QAccessibleInterface* LogGridAccessible::childAt(int x, int y) const {
    const LogGrid* grid = Grid();
    const QPoint point = grid->mapFromGlobal(QPoint(x, y));
    const QHeaderView* titles = grid->horizontalHeader();
    const QHeaderView* numbers = grid->verticalHeader();
    const QWidget* view = grid->viewport();
    const auto within = [](int at, int start, int length) {
        return at >= start && at < start + length;
    };
    int row = -2;
    if (titles->isVisible() && within(point.y(), titles->y(), titles->height()))
        row = -1;
    else if (within(point.y(), view->y(), view->height()) &&
             grid->rowAt(point.y() - view->y()) >= 0)
        row = grid->rowAt(point.y() - view->y());
    int column = -1;
    if (numbers->isVisible() && within(point.x(), numbers->x(), numbers->width()))
        column = 0;
    else if (within(point.x(), view->x(), view->width()))
        column = grid->columnAt(point.x() - view->x());
    return cellAt(row, column);
}

QAccessibleInterface* LogGridAccessible::focusChild() const {
    const QModelIndex current = Grid()->currentIndex();
    return current.isValid() ? cellAt(current.row(), current.column()) : nullptr;
}

void* LogGridAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString LogGridAccessible::columnDescription(int column) const {
    const LogGrid* grid = Grid();
    return grid->model() ? grid->model()->headerData(column, Qt::Horizontal).toString() : QString();
}

QString LogGridAccessible::rowDescription(int row) const {
    const LogGrid* grid = Grid();
    return grid->model() ? grid->model()->headerData(row, Qt::Vertical).toString() : QString();
}

QAccessibleInterface* LogGridAccessible::cellAt(int row, int column) const {
    if (row < -1 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    const qint64 key = Key(row, column);
    if (const Kept* kept = cells_.object(key))
        return QAccessible::accessibleInterface(kept->Id);
    auto* cell = new LogGridCellAccessible(Grid(), row, column);
    cells_.insert(key, new Kept{QAccessible::registerAccessibleInterface(cell)});
    lastRow_ = std::max(lastRow_, row);
    return cell;
}

int LogGridAccessible::selectedCellCount() const {
    const QItemSelectionModel* selection = Grid()->selectionModel();
    if (!selection)
        return 0;
    qint64 count = 0;
    for (const QItemSelectionRange& range : selection->selection())
        count += qint64(range.width()) * range.height();
    return int(std::min<qint64>(count, INT_MAX));
}

QList<QAccessibleInterface*> LogGridAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    const QItemSelectionModel* selection = Grid()->selectionModel();
    if (!selection)
        return cells;
    for (const QItemSelectionRange& range : selection->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            for (int column = range.left(); column <= range.right(); ++column) {
                if (cells.size() == CachedCells)
                    return cells;
                cells.append(cellAt(row, column));
            }
    return cells;
}

QList<int> LogGridAccessible::selectedColumns() const {
    QList<int> columns;
    for (int column = 0; column < columnCount(); ++column)
        if (isColumnSelected(column))
            columns.append(column);
    return columns;
}

// Rows whose every column is selected: the rows of ranges across the whole table.
QList<int> LogGridAccessible::selectedRows() const {
    QList<int> rows;
    const QItemSelectionModel* selection = Grid()->selectionModel();
    if (!selection)
        return rows;
    for (const QItemSelectionRange& range : selection->selection())
        if (range.left() == 0 && range.right() == columnCount() - 1)
            for (int row = range.top(); row <= range.bottom(); ++row)
                rows.append(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

bool LogGridAccessible::isColumnSelected(int column) const {
    const LogGrid* grid = Grid();
    return grid->selectionModel() &&
           grid->selectionModel()->isColumnSelected(column, grid->rootIndex());
}

bool LogGridAccessible::isRowSelected(int row) const {
    const LogGrid* grid = Grid();
    return grid->selectionModel() && grid->selectionModel()->isRowSelected(row, grid->rootIndex());
}

bool LogGridAccessible::selectRow(int row) {
    return Select(row, 0, row, columnCount() - 1, true);
}

bool LogGridAccessible::selectColumn(int column) {
    return Select(0, column, rowCount() - 1, column, true);
}

bool LogGridAccessible::unselectRow(int row) {
    return Select(row, 0, row, columnCount() - 1, false);
}

bool LogGridAccessible::unselectColumn(int column) {
    return Select(0, column, rowCount() - 1, column, false);
}

bool LogGridAccessible::Select(int top, int left, int bottom, int right, bool select) {
    LogGrid* grid = Grid();
    QItemSelectionModel* selection = grid->selectionModel();
    const QAbstractItemView::SelectionMode mode = grid->selectionMode();
    const QModelIndex first =
        grid->model() ? grid->model()->index(top, left, grid->rootIndex()) : QModelIndex();
    const QModelIndex last =
        grid->model() ? grid->model()->index(bottom, right, grid->rootIndex()) : QModelIndex();
    if (!selection || !first.isValid() || !last.isValid() ||
        mode == QAbstractItemView::NoSelection ||
        (select && mode == QAbstractItemView::SingleSelection && first != last))
        return false;
    // Where only one stretch of cells can be selected, a new one replaces the old.
    const bool replaces = mode == QAbstractItemView::SingleSelection ||
                          mode == QAbstractItemView::ContiguousSelection;
    selection->select(QItemSelection(first, last), !select    ? QItemSelectionModel::Deselect
                                                   : replaces ? QItemSelectionModel::ClearAndSelect
                                                              : QItemSelectionModel::Select);
    return true;
}

void LogGridAccessible::modelChange(QAccessibleTableModelChangeEvent* event) {
    switch (event->modelChangeType()) {
    case QAccessibleTableModelChangeEvent::DataChanged:
        break; // cells read the table when asked
    case QAccessibleTableModelChangeEvent::RowsInserted:
    case QAccessibleTableModelChangeEvent::RowsRemoved:
        DropRows(event->firstRow());
        break;
    default:
        cells_.clear();
        lastRow_ = -1;
    }
}

// Rows appended below every kept cell cost nothing here.
void LogGridAccessible::DropRows(int first) {
    if (first > lastRow_)
        return;
    lastRow_ = -1;
    for (const qint64 key : cells_.keys()) {
        if (KeyRow(key) >= first)
            cells_.remove(key);
        else
            lastRow_ = std::max(lastRow_, KeyRow(key));
    }
}
