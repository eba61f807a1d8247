// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/ui/print_progress_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TfrmPrintProgress::TfrmPrintProgress(QWidget* parent)
    : ProgressDialog(parent), Label1(new QLabel(this)), ProgressBar1(new QProgressBar(this)) {
    setObjectName(QStringLiteral("frmPrintProgress"));
    setWindowTitle(tr("Print Progress"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setMinimumWidth(280);
    Label1->setBuddy(ProgressBar1); // the bar is named by what is in progress
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ProgressBar1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmPrintProgress::Start(const QString& caption, const QString& text, int steps) {
    setWindowTitle(caption);
    Label1->setText(text);
    ProgressBar1->setRange(0, steps);
    ProgressBar1->setValue(0);
    Begin();
}

void TfrmPrintProgress::RunModal(BackgroundTask& task, const QString& caption, const QString& text,
                                 int steps) {
    Start(caption, text, steps);
    ProgressDialog::RunModal(task);
}

void TfrmPrintProgress::ShowProgress(int position) {
    ProgressBar1->setValue(position);
}
