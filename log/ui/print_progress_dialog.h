// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress dialog of saving, printing, exporting and graphing the log: a text
// line, a bar and Cancel. Each caller sets its own caption, text and number of steps.

#include "log/ui/progress_dialog.h"

class QLabel;
class QProgressBar;

class TfrmPrintProgress : public ProgressDialog {
    Q_OBJECT
public:
    explicit TfrmPrintProgress(QWidget* parent = nullptr);

    // Caption, text line and a bar from 0 to steps at 0; shows the dialog.
    void Start(const QString& caption, const QString& text, int steps);
    // The same, holding the caller's window until the task has ended.
    void RunModal(BackgroundTask& task, const QString& caption, const QString& text, int steps);

    QLabel* Label1;
    QProgressBar* ProgressBar1;

protected:
    void ShowProgress(int position) override;
};
