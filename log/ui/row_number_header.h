// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The log grid's column of row numbers: a vertical header over the stretch of
// rows in view. Its width follows the last (largest) number of the table,
// measured once per number of digits. Below the table's last row it is blank,
// as the cells beside it are.

#include <QHeaderView>

class RowNumbers;

class RowNumberHeader : public QHeaderView {
public:
    RowNumberHeader(const RowNumbers& numbers, QWidget* parent);

    QSize sizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    const RowNumbers& numbers_;
    mutable int hintDigits_ = -1;
    mutable QSize hint_;
};
