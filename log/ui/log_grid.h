// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The log window's grid: a table of text cells with lines between them, a header
// row of column titles and a fixed left column of row numbers, over a table that
// may hold millions of rows. Every row has the same height, so where a row stands
// is arithmetic: the grid keeps nothing per row, and appending a row costs the
// same at any length (the rows above move as pixels, only the new one is drawn).
// The row numbers are a header over the stretch of rows in view. Selection,
// scrolling and keyboard movement work as in a table view scrolling by rows.
// Screen readers read it as a table (log_grid_accessible.h).

#include <QAbstractItemView>

class QAbstractButton;
class QHeaderView;
class RowNumberHeader;
class RowNumbers;

class LogGrid : public QAbstractItemView {
    Q_OBJECT
public:
    explicit LogGrid(QWidget* parent = nullptr);
    ~LogGrid() override;

    void setModel(QAbstractItemModel* model) override;

    QHeaderView* horizontalHeader() const { return columns_; }
    // The row numbers; its default section size is the height of every row.
    QHeaderView* verticalHeader() const;
    int rowHeight() const;

    int columnWidth(int column) const;
    void setColumnWidth(int column, int width);
    bool isColumnHidden(int column) const;
    void setColumnHidden(int column, bool hide);

    // Viewport positions: -1 from rowAt and columnAt where no cell is.
    int rowViewportPosition(int row) const;
    int rowAt(int y) const;
    int columnViewportPosition(int column) const;
    int columnAt(int x) const;

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;
    int sizeHintForColumn(int column) const override;

public slots:
    void selectRow(int row);
    void selectColumn(int column);
    void resizeColumnToContents(int column);
    void doItemsLayout() override;
    void reset() override;

protected slots:
    void rowsInserted(const QModelIndex& parent, int first, int last) override;
    // Screen readers follow the current cell.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void updateGeometries() override;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex& index) const override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    QModelIndexList selectedIndexes() const override;
    void initViewItemOption(QStyleOptionViewItem* option) const override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    int RowCount() const;
    // The contents' vertical offset that the scroll bar's value stands for: the
    // value's row at the top, or at the end the last row at the bottom edge.
    void FollowScrollBar();
    void FollowColumns();
    void SetOffset(int offset);
    // The row numbers' window covers the rows in view, and their offset follows the grid's.
    void FollowRows(bool repaint);
    void SelectSections(Qt::Orientation orientation, int section, bool anchor);
    void DrawCell(QPainter& painter, const QStyleOptionViewItem& option, const QModelIndex& index);
    bool CellEnabled(int row, int column) const;

    QHeaderView* columns_;
    RowNumbers* numbers_;
    RowNumberHeader* rows_;
    QAbstractButton* corner_;
    int offset_ = 0;
    bool inGeometries_ = false;
    bool followEnd_ = false;
    bool newTable_ = true; // the rows shown next come from a table new since the last drawing
    QPersistentModelIndex hover_;
    int rowAnchor_ = 0;
    int columnAnchor_ = 0;
};
