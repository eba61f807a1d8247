// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/ui/scope_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

TfrmScope::TfrmScope(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      radAll(new QRadioButton(tr("&All"), this)), radNo(new QRadioButton(tr("&Select"), this)),
      edtSelFrom(new QLineEdit(this)), edtSelTo(new QLineEdit(this)),
      BitBtn1(new QPushButton(tr("OK"), this)), BitBtn2(new QPushButton(tr("Cancel"), this)) {
    setObjectName(QStringLiteral("frmScope"));
    setWindowTitle(tr("Print Range"));
    radAll->setChecked(true);
    const int numberWidth = edtSelFrom->fontMetrics().horizontalAdvance(QStringLiteral("88888888"));
    for (QLineEdit* edit : {edtSelFrom, edtSelTo})
        edit->setFixedWidth(numberWidth + 12);
    //: The first row of the range
    auto* from = new QLabel(tr("&from"), this);
    from->setBuddy(edtSelFrom);
    //: The last row of the range
    auto* to = new QLabel(tr("&to"), this);
    to->setBuddy(edtSelTo);

    auto* range = new QGroupBox(tr("Range"), this);
    auto* grid = new QGridLayout(range);
    grid->addWidget(radAll, 0, 0);
    grid->addWidget(radNo, 1, 0);
    grid->addWidget(from, 1, 1);
    grid->addWidget(edtSelFrom, 1, 2);
    grid->addWidget(to, 1, 3);
    grid->addWidget(edtSelTo, 1, 4);
    grid->setColumnMinimumWidth(1, 24);

    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(range);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmScope::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
