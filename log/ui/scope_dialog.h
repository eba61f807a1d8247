// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The row range dialog of saving and printing: all rows, or the rows between two
// numbers. The choice of radio button stays from one use to the next, and both
// numbers can be typed whichever is chosen; the caller turns them into rows.

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

class TfrmScope : public QDialog {
    Q_OBJECT
public:
    explicit TfrmScope(QWidget* parent = nullptr);

    QRadioButton* radAll;
    QRadioButton* radNo;
    QLineEdit* edtSelFrom;
    QLineEdit* edtSelTo;
    QPushButton* BitBtn1; // OK
    QPushButton* BitBtn2; // Cancel

protected:
    void showEvent(QShowEvent* event) override;
};
