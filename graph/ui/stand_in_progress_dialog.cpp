#include "graph/ui/stand_in_progress_dialog.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

StandInProgressDialog::StandInProgressDialog(QWidget* parent)
    : QDialog(parent), Label1(new QLabel(this)),
      BitBtn1(new QPushButton(QStringLiteral("Cancel"), this)),
      ProgressBar1(new QProgressBar(this)) {
    setWindowTitle(QStringLiteral("Print Progress"));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ProgressBar1->setRange(0, 100);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { setResult(Cancel); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ProgressBar1);
    layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);
    resize(300, 120);
}

void StandInProgressDialog::closeEvent(QCloseEvent* event) {
    setResult(Cancel);
    event->ignore();
}
