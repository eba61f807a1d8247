// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stretch of the log table's rows that the grid's row numbers show: section
// s stands for table row First() + s and shows that row's vertical header.
// Sections past the table's last row are blank; they lie below the view, which
// never shows more than the rows there are.

#include <QAbstractTableModel>
#include <QPointer>

class RowNumbers : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetSource(QAbstractItemModel* source);
    int Total() const { return source_ ? source_->rowCount() : 0; }
    int First() const { return first_; }
    int Count() const { return count_; }
    // True when the sections now stand for other rows.
    bool SetWindow(int first, int count);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex&, int) const override { return {}; }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QPointer<QAbstractItemModel> source_; // a table may go before its grid
    int first_ = 0;
    int count_ = 0;
};
