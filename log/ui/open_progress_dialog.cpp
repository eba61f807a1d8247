// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/ui/open_progress_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

TfrmOpenProgress::TfrmOpenProgress(QWidget* parent)
    : ProgressDialog(parent), Label1(new QLabel(tr("listing ..."), this)),
      lblCount(new QLabel(QStringLiteral("0"), this)) {
    setObjectName(QStringLiteral("frmOpenProgress"));
    setWindowTitle(tr("File Open Progress"));
    // Room for a month of rows, so the dialog keeps its size while the count grows.
    lblCount->setMinimumWidth(
        lblCount->fontMetrics().horizontalAdvance(QStringLiteral("88888888")));
    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(12);
    layout->addWidget(Label1, 0, 0);
    layout->addWidget(lblCount, 0, 1);
    layout->addWidget(BitBtn1, 1, 0, 1, 2, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmOpenProgress::Start() {
    lblCount->setText(QStringLiteral("0"));
    Begin();
}

void TfrmOpenProgress::ShowProgress(int count) {
    lblCount->setText(QString::number(count));
}
