// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The log grid as a table for screen readers. Qt knows only its own table view,
// so without this the grid would be an empty pane to them. Its children are the
// nine column titles, then every row's cells, the row number first (the grid
// shows it left of the row, under the title "NO"). Cells are made when asked for
// and a few thousand are kept, whatever the table's length; the table's changes
// (rows appended, Clear, Open) are announced by the grid itself and drop the
// cells of rows that changed.

#include <QAccessibleTableInterface>
#include <QAccessibleWidget>
#include <QCache>

class LogGrid;

class LogGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    // Cells kept at most.
    static constexpr int CachedCells = 2048;

    explicit LogGridAccessible(LogGrid* grid);

    // Makes every log grid a table for screen readers; the grid calls it when made.
    static void Install();
    // Tells screen readers that the grid's current cell is index.
    static void AnnounceCurrent(LogGrid& grid, const QModelIndex& index);
    // Cells made and not yet deleted.
    int CellsKept() const { return int(cells_.size()); }

    QAccessible::Role role() const override { return QAccessible::Table; }
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    int columnCount() const override;
    int rowCount() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    // Row -1 is the row of column titles.
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    // At most the cells kept: the first ones, row by row.
    QList<QAccessibleInterface*> selectedCells() const override;
    int selectedColumnCount() const override { return int(selectedColumns().size()); }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override;
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int column) override;
    bool unselectRow(int row) override;
    bool unselectColumn(int column) override;
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

private:
    // Deletes its cell when it leaves the cache.
    struct Kept {
        QAccessible::Id Id;
        ~Kept();
    };

    LogGrid* Grid() const;
    // Selects or deselects the rectangle of cells, as the grid's selection mode allows.
    bool Select(int top, int left, int bottom, int right, bool select);
    // Drops the cells from row first on.
    void DropRows(int first);

    mutable QCache<qint64, Kept> cells_{CachedCells};
    mutable int lastRow_ = -1; // no cell kept lies below it
};
