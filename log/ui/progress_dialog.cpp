#include "log/ui/progress_dialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

ProgressDialog::ProgressDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      BitBtn1(new QPushButton(QStringLiteral("Cancel"), this)) {
    setModal(false);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &ProgressDialog::BitBtn1Click);
}

void ProgressDialog::Begin() {
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    result_ = ModalResult::None;
    throttle_.Restart();
    show();
}

bool ProgressDialog::Poll(const std::function<void()>& show) {
    if (throttle_.Due()) {
        show();
        QCoreApplication::processEvents();
    }
    return result_ != ModalResult::Cancel;
}

void ProgressDialog::Finish() {
    hide();
}

void ProgressDialog::BitBtn1Click() {
    result_ = ModalResult::Cancel;
}

void ProgressDialog::reject() {
    result_ = ModalResult::Cancel;
}

void ProgressDialog::closeEvent(QCloseEvent* event) {
    // The operation still runs: it stops at its next step and hides the dialog then.
    if (isVisible()) {
        result_ = ModalResult::Cancel;
        event->ignore();
    }
}
