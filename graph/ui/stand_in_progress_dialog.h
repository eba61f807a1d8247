#pragma once
// Stand-in for the shared progress dialog of the long log operations: a text line,
// a bar and a Cancel button that marks the dialog cancelled without closing it.
// The running operation polls the mark and hides the dialog when it ends.

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

class StandInProgressDialog : public QDialog {
    Q_OBJECT
public:
    enum Result { None = 0, Ok = 1, Cancel = 2 };

    explicit StandInProgressDialog(QWidget* parent = nullptr);

    QLabel* Label1;
    QPushButton* BitBtn1; // Cancel
    QProgressBar* ProgressBar1;

protected:
    // Closing by the frame cancels too; the operation closes the dialog when it stops.
    void closeEvent(QCloseEvent* event) override;
};
