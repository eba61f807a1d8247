// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/ui/edit_title_dialog.h"

#include "graph/ui/plot_chart.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TfrmEditTitle::TfrmEditTitle(QWidget* parent)
    : QDialog(parent), edtMainTitle(new QLineEdit(this)), edtSubTitle(new QLineEdit(this)),
      Memo1(new QLabel(this)), BitBtn1(new QPushButton(tr("OK"), this)),
      BitBtn2(new QPushButton(tr("Cancel"), this)) {
    setWindowTitle(tr("Edit Graph Title"));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* fields = new QFormLayout;
    fields->addRow(tr("Main Title"), edtMainTitle);
    fields->addRow(tr("Sub Title"), edtSubTitle);
    Memo1->setText(tr("These two edit-boxes allow adding, editing, and deletion \n"
                      "of main and sub titles.  "));
    Memo1->setTextInteractionFlags(Qt::NoTextInteraction);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(Memo1);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(321, 195);
}

bool TfrmEditTitle::EditTitlesOf(PlotChart& chart) {
    edtSubTitle->setText(chart.SubTitle());
    edtMainTitle->setText(chart.MainTitle());
    edtMainTitle->setFocus();
    if (exec() != QDialog::Accepted)
        return false;
    chart.SetSubTitle(edtSubTitle->text());
    chart.SetMainTitle(edtMainTitle->text());
    chart.Redraw();
    return true;
}
