#pragma once
// The progress dialog of saving, printing and exporting the log: a text line, a
// bar and Cancel. Each caller sets its own caption, text and number of steps.

#include "log/ui/progress_dialog.h"

class QLabel;
class QProgressBar;

class TfrmPrintProgress : public ProgressDialog {
    Q_OBJECT
public:
    explicit TfrmPrintProgress(QWidget* parent = nullptr);

    // Caption, text line and a bar from 0 to steps at 0; shows the dialog.
    void Start(const QString& caption, const QString& text, int steps);
    // The bar at position; false once Cancel was pressed.
    bool Step(int position);

    QLabel* Label1;
    QProgressBar* ProgressBar1;
};
