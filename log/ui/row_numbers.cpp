// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/ui/row_numbers.h"

void RowNumbers::SetSource(QAbstractItemModel* source) {
    beginResetModel();
    source_ = source;
    first_ = count_ = 0;
    endResetModel();
}

bool RowNumbers::SetWindow(int first, int count) {
    if (first != first_) {
        beginResetModel();
        first_ = first;
        count_ = count;
        endResetModel();
        return true;
    }
    if (count > count_) {
        beginInsertRows({}, count_, count - 1);
        count_ = count;
        endInsertRows();
    } else if (count < count_) {
        beginRemoveRows({}, count, count_ - 1);
        count_ = count;
        endRemoveRows();
    }
    return false;
}

int RowNumbers::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count_;
}

int RowNumbers::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

QVariant RowNumbers::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Vertical || !source_ || section < 0)
        return {};
    return source_->headerData(first_ + section, Qt::Vertical, role);
}
