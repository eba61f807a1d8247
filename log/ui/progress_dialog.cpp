// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/ui/progress_dialog.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

ProgressDialog::ProgressDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      BitBtn1(new QPushButton(tr("Cancel"), this)) {
    setModal(false);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &ProgressDialog::BitBtn1Click);
    timer_.setInterval(IntervalMs);
    connect(&timer_, &QTimer::timeout, this, &ProgressDialog::Poll);
}

void ProgressDialog::Begin() {
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    result_ = ModalResult::None;
    show();
}

void ProgressDialog::Watch(BackgroundTask& task) {
    task_ = &task;
    if (result_ == ModalResult::Cancel)
        task.Cancel();
    timer_.start();
}

void ProgressDialog::Poll() {
    if (task_)
        ShowProgress(task_->Progress());
}

void ProgressDialog::RunModal(BackgroundTask& task) {
    Watch(task);
    if (task.Ended()) {
        Finish();
        return;
    }
    connect(&task, &BackgroundTask::Done, this, &QDialog::accept, Qt::UniqueConnection);
    // Shown again, modal this time.
    hide();
    exec();
    disconnect(&task, &BackgroundTask::Done, this, &QDialog::accept);
    Finish();
}

void ProgressDialog::Finish() {
    timer_.stop();
    if (task_)
        ShowProgress(task_->Progress());
    task_ = nullptr;
    hide();
}

void ProgressDialog::BitBtn1Click() {
    result_ = ModalResult::Cancel;
    if (task_)
        task_->Cancel();
}

void ProgressDialog::reject() {
    BitBtn1Click();
}

void ProgressDialog::closeEvent(QCloseEvent* event) {
    // The operation still runs: it stops at its next step and hides the dialog then.
    if (isVisible()) {
        BitBtn1Click();
        event->ignore();
    }
}
