// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/resolution_notice.h"

#include "app/window_placement.h"

#include <QHBoxLayout>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

TfrmResolu::TfrmResolu(RecordingSession& session, QWidget* parent)
    : QDialog(parent), Memo1(new QLabel(this)), cbk1(new QCheckBox(this)),
      BitBtn1(new QPushButton(this)), session_(session) {
    setWindowTitle(QStringLiteral("BRACKWATER"));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Memo1->setText(tr("800 X 600 or above display resolution is recommended \n"
                      "for using BRACKWATER. Your display resolution is now\n"
                      "640X480, For best result, please change the resulution to \n"
                      "800 x 600 or above later."));
    Memo1->setTextInteractionFlags(Qt::NoTextInteraction);
    cbk1->setText(tr("Don't show this dialog next time."));
    BitBtn1->setText(tr("OK"));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TfrmResolu::BitBtn1Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addWidget(Memo1);
    layout->addStretch();
    layout->addWidget(cbk1);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    resize(325, 201);
    if (const QScreen* screen = this->screen())
        move(CentredOn(screen->geometry(), size()));
}

bool TfrmResolu::Due(int screenWidth, int32_t showReso) {
    return screenWidth < 800 && showReso != 0;
}

void TfrmResolu::BitBtn1Click() {
    session_.SetShowReso(cbk1->isChecked() ? 0 : 1);
    hide();
}
