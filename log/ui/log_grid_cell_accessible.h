// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One cell of the log grid as screen readers see it: the text shown at a row and
// a column, or, at row -1, a column's title. A cell stands for its place in the
// table, not for a row's data, and holds nothing else; the grid's accessible
// table makes cells when asked and keeps only the last few thousand.

#include <QAccessible>
#include <QAccessibleTableCellInterface>
#include <QPointer>

class LogGrid;

class LogGridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    LogGridCellAccessible(LogGrid* grid, int row, int column);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    // The row number, which the grid shows left of the row, stands for the row.
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    const LogGrid* Grid() const { return grid_; }

private:
    bool Header() const { return row_ < 0; }
    QModelIndex Index() const;
    QRect Area(QRect* shown) const;

    QPointer<LogGrid> grid_;
    int row_;
    int column_;
};
