// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The title dialog both graph windows share: the chart's main and sub title,
// filled from the chart before every showing and written back only on OK.

#include <QDialog>

class PlotChart;
class QLabel;
class QLineEdit;
class QPushButton;

class TfrmEditTitle : public QDialog {
    Q_OBJECT
public:
    explicit TfrmEditTitle(QWidget* parent = nullptr);

    // Fills the edits from the chart, shows the dialog modally and, on OK, sets the
    // titles (empty ones remove the title) and redraws. True on OK.
    bool EditTitlesOf(PlotChart& chart);

    QLineEdit* edtMainTitle;
    QLineEdit* edtSubTitle;
    QLabel* Memo1;
    QPushButton* BitBtn1; // OK
    QPushButton* BitBtn2; // Cancel
};
