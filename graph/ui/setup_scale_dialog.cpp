// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/ui/setup_scale_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TfrmSetupScale::TfrmSetupScale(QWidget* parent)
    : QDialog(parent), edtMaxScale(new QLineEdit(this)), edtMinScale(new QLineEdit(this)),
      BitBtn1(new QPushButton(tr("OK"), this)), BitBtn2(new QPushButton(tr("Cancel"), this)) {
    setWindowTitle(tr("maximum and minimum scale setup"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* group = new QGroupBox(tr("Vertical maximum and minimum scale setup"), this);
    auto* fields = new QFormLayout(group);
    fields->addRow(tr("maximum"), edtMaxScale);
    fields->addRow(tr("minimum"), edtMinScale);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &TfrmSetupScale::BitBtn2Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(274, 183);
}

bool TfrmSetupScale::Ask(const QString& maximum, const QString& minimum) {
    edtMaxScale->setText(maximum);
    edtMinScale->setText(minimum);
    edtMaxScale->setFocus();
    edtMaxScale->selectAll();
    return exec() == QDialog::Accepted;
}

void TfrmSetupScale::BitBtn2Click() {
    reject();
}
