// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The vertical range dialog both graph windows share. Each window fills the two
// edits from its chart and reads them back by its own rule.

#include <QDialog>

class QLineEdit;
class QPushButton;

class TfrmSetupScale : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSetupScale(QWidget* parent = nullptr);

    // Fills the edits, shows the dialog modally; true on OK.
    bool Ask(const QString& maximum, const QString& minimum);

    QLineEdit* edtMaxScale;
    QLineEdit* edtMinScale;
    QPushButton* BitBtn1; // OK
    QPushButton* BitBtn2; // Cancel

public slots:
    void BitBtn2Click();
};
