// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the two progress dialogs share: created once and reused, shown without
// blocking while a long operation runs on its worker thread, on top and centred on
// the screen. A timer shows the task's progress about 30 times a second; Cancel
// (the button, Escape or the frame's close box) sets the task's cancel mark and
// the dialog's; the operation itself hides the dialog when it has stopped.

#include "base/background_task.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>

class QPushButton;

class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    enum class ModalResult { None, Ok, Cancel };
    static constexpr int IntervalMs = 33;

    ModalResult Result() const { return result_; }
    // An operation shows its progress here now: another one must not start.
    bool InUse() const { return isVisible(); }
    // Follows the task's progress until Finish; Cancel cancels it.
    void Watch(BackgroundTask& task);
    // Holds the caller's window until the task has ended (the questions at start
    // and exit, which wait for their file); the dialog shows its progress meanwhile.
    void RunModal(BackgroundTask& task);
    // Hides the dialog at the end of the operation, also after a cancel.
    void Finish();

    QPushButton* BitBtn1; // Cancel

protected:
    explicit ProgressDialog(QWidget* parent);
    // Shows the dialog centred on the screen with the cancel mark cleared.
    void Begin();
    // Shows the task's position.
    virtual void ShowProgress(int position) = 0;

    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BitBtn1Click();
    void Poll();

    ModalResult result_ = ModalResult::None;
    QPointer<BackgroundTask> task_;
    QTimer timer_;
};
