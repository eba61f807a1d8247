// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress dialog of opening a log file: "listing ..." and the number of
// lines read so far, with Cancel.

#include "log/ui/progress_dialog.h"

class QLabel;

class TfrmOpenProgress : public ProgressDialog {
    Q_OBJECT
public:
    explicit TfrmOpenProgress(QWidget* parent = nullptr);

    // The count at "0"; shows the dialog.
    void Start();

    QLabel* Label1;
    QLabel* lblCount;

protected:
    // The count of lines read.
    void ShowProgress(int count) override;
};
