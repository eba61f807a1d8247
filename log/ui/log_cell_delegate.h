// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The painter of the log grid's cells. Every cell is plain text, so it draws the
// text straight away, with the selection and the focus frame, instead of going
// through the full item style: a repaint of the grid then costs a fraction.

#include <QStyledItemDelegate>

class LogCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
