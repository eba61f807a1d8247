#pragma once
// What the two progress dialogs share: created once and reused, shown without
// blocking while a long operation runs, on top and centred on the screen. Cancel
// (the button, Escape or the frame's close box) only sets the cancel mark, which
// the operation polls; the operation itself hides the dialog when it stops.

#include "log/progress_throttle.h"

#include <QDialog>
#include <functional>

class QPushButton;

class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    enum class ModalResult { None, Ok, Cancel };

    ModalResult Result() const { return result_; }
    // Hides the dialog at the end of the operation, also after a cancel.
    void Finish();

    QPushButton* BitBtn1; // Cancel

protected:
    explicit ProgressDialog(QWidget* parent);
    // Shows the dialog centred on the screen with the cancel mark cleared.
    void Begin();
    // About 30 times a second: shows the progress set by the caller and lets the
    // window system run, so the dialog repaints and Cancel can be pressed. True
    // while the operation may go on.
    bool Poll(const std::function<void()>& show);

    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BitBtn1Click();

    ModalResult result_ = ModalResult::None;
    ProgressThrottle throttle_;
};
