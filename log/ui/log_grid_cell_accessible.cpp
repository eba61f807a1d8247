// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/ui/log_grid_cell_accessible.h"

#include "log/ui/log_grid.h"

#include <QHeaderView>

LogGridCellAccessible::LogGridCellAccessible(LogGrid* grid, int row, int column)
    : grid_(grid), row_(row), column_(column) {}

QModelIndex LogGridCellAccessible::Index() const {
    return grid_ && grid_->model() ? grid_->model()->index(row_, column_, grid_->rootIndex())
                                   : QModelIndex();
}

bool LogGridCellAccessible::isValid() const {
    if (!grid_ || !grid_->model())
        return false;
    return Header() ? column_ < grid_->model()->columnCount(grid_->rootIndex()) : Index().isValid();
}

QWindow* LogGridCellAccessible::window() const {
    return grid_ ? grid_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* LogGridCellAccessible::parent() const {
    return grid_ ? QAccessible::queryAccessibleInterface(grid_.data()) : nullptr;
}

QString LogGridCellAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !isValid())
        return {};
    return Header() ? grid_->model()->headerData(column_, Qt::Horizontal).toString()
                    : Index().data().toString();
}

// Column 0 is hidden in the grid: its row numbers show in the fixed column of
// row numbers, its title in the corner above them. The area is in the grid's
// coordinates; shown is the part of the grid that holds it.
QRect LogGridCellAccessible::Area(QRect* shown) const {
    const QHeaderView* titles = grid_->horizontalHeader();
    const QHeaderView* numbers = grid_->verticalHeader();
    const QWidget* view = grid_->viewport();
    const int left = Header() ? titles->x() : view->x();
    const int top = Header() ? titles->y() : view->y();
    const int height = Header() ? titles->height() : grid_->rowHeight();
    const int y = Header() ? top : top + grid_->rowViewportPosition(row_);
    if (column_ == 0) {
        *shown = QRect(numbers->x(), top, numbers->width(), Header() ? height : view->height());
        return QRect(numbers->x(), y, numbers->width(), height);
    }
    *shown = Header() ? titles->geometry() : view->geometry();
    return QRect(left + titles->sectionViewportPosition(column_), y, titles->sectionSize(column_),
                 height);
}

QRect LogGridCellAccessible::rect() const {
    if (!isValid())
        return {};
    QRect shown;
    const QRect area = Area(&shown);
    return QRect(grid_->mapToGlobal(area.topLeft()), area.size());
}

QAccessible::Role LogGridCellAccessible::role() const {
    return Header() ? QAccessible::ColumnHeader : QAccessible::Cell;
}

QAccessible::State LogGridCellAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.disabled = !grid_->isEnabled();
    QRect shown;
    const QRect area = Area(&shown);
    state.offscreen = !grid_->isVisible() || !shown.intersects(area);
    if (Header())
        return state;
    state.focusable = true;
    state.focused = grid_->hasFocus() && grid_->currentIndex() == Index();
    state.selectable = grid_->selectionMode() != QAbstractItemView::NoSelection;
    state.selected = isSelected();
    return state;
}

void* LogGridCellAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TableCellInterface && !Header()
               ? static_cast<QAccessibleTableCellInterface*>(this)
               : nullptr;
}

bool LogGridCellAccessible::isSelected() const {
    return !Header() && grid_ && grid_->selectionModel() &&
           grid_->selectionModel()->isSelected(Index());
}

QList<QAccessibleInterface*> LogGridCellAccessible::columnHeaderCells() const {
    QAccessibleInterface* table = parent();
    if (!table || !table->tableInterface())
        return {};
    return {table->tableInterface()->cellAt(-1, column_)};
}

QList<QAccessibleInterface*> LogGridCellAccessible::rowHeaderCells() const {
    QAccessibleInterface* table = parent();
    if (!table || !table->tableInterface() || Header())
        return {};
    return {table->tableInterface()->cellAt(row_, 0)};
}
