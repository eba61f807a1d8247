#pragma once
// The log window's grid. Recording appends a row at a time to a table that may
// hold millions, so an append repaints only what changed: the new rows (the rows
// above them scroll as pixels), not every visible cell. The row numbers' width
// follows the digits of the row count instead of measuring hundreds of rows.

#include <QTableView>

class LogGrid : public QTableView {
    Q_OBJECT
public:
    explicit LogGrid(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    void doItemsLayout() override;

private:
    // Rows from firstNew_ on were appended since the last layout, and nothing else changed.
    int firstNew_ = -1;
    bool otherChange_ = true;
};
