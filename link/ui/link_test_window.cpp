// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ui/link_test_window.h"

#include "base/ui/help.h"
#include "base/ui/svg_captions.h"
#include "base/ui/text_contrast.h"
#include "meter/ui/digit_bitmaps.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

TfrmLinkTest::TfrmLinkTest(RecordingSession& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      session_(session) {
    setWindowTitle(tr("Link Test"));
    setObjectName(QStringLiteral("frmLinkTest"));
    // Without a title bar the window draws its own edge.
    setStyleSheet(
        QStringLiteral("#frmLinkTest { background: palette(window); border: 1px solid #7b8491; }"));

    imgNoLink = new QLabel(this);
    imgNoLink->setPixmap(LoadPicture(SvgWithCaptions(
        QStringLiteral(":/dialogs/no_link.svg"), "TfrmLinkTest",
        {{QT_TRANSLATE_NOOP("TfrmLinkTest", "No THERMOMETER found"), 190},
         {QT_TRANSLATE_NOOP("TfrmLinkTest", "Check the cable and that the meter"), 190},
         {QT_TRANSLATE_NOOP("TfrmLinkTest", "is switched on, then press Retry."), 190}})));
    imgNoLink->setFixedSize(300, 100);
    imgNoLink->setAccessibleName(tr("No Link"));
    imgNoLink->setAccessibleDescription(
        tr("No THERMOMETER found. Check the cable and that the meter is switched on, then press "
           "Retry."));
    lblSearch = new QLabel(tr("Searching Connected ThermoMeter"), this);
    lblSearch->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;")
                                 .arg(ReadableOnWindow(Qt::blue, palette()).name()));
    lblSearch->setAlignment(Qt::AlignCenter);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    Memo1->setMinimumHeight(60);
    Memo1->setAccessibleName(tr("Search result"));
    Button1 = new QPushButton(tr("OK"), this);
    Button2 = new QPushButton(tr("Retry"), this);
    Button3 = new QPushButton(tr("Help"), this);
    Button1->setDefault(true); // Enter leaves with OK
    Button2->setAutoDefault(false);
    Button3->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    auto* title = new QLabel(windowTitle(), this);
    title->setStyleSheet(QStringLiteral("font-weight: bold; color: %1; padding-bottom: 4px;")
                             .arg(ReadableOnWindow(QColor(0x2f, 0x37, 0x41), palette()).name()));
    layout->addWidget(title);
    layout->addWidget(imgNoLink, 0, Qt::AlignHCenter);
    layout->addWidget(lblSearch, 1);
    layout->addWidget(Memo1, 1);
    layout->addLayout(buttons);
    setFixedSize(340, 270);

    imgNoLink->hide();
    lblSearch->hide();
    Memo1->hide();

    connect(Button1, &QPushButton::clicked, this, &TfrmLinkTest::NoloButton11Click);
    connect(Button2, &QPushButton::clicked, this, &TfrmLinkTest::btnReLinkClick);
    connect(Button3, &QPushButton::clicked, this, &TfrmLinkTest::btnHelpClick);
    connect(this, &TfrmLinkTest::HelpRequested, this,
            [](const QString& topic) { OpenHelpTopic(topic); });
    connect(&session.Search(), &PortSearch::SearchingShown, this, &TfrmLinkTest::ShowSearching);
    connect(&session.Search(), &PortSearch::Finished, this, &TfrmLinkTest::ShowResult);
}

void TfrmLinkTest::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen())
        move(screen->geometry().center() - rect().center());
    // Search once the window is on screen, so the user sees it happen.
    QTimer::singleShot(0, this, [this] {
        if (isVisible())
            FormActivate();
    });
}

void TfrmLinkTest::reject() {}

void TfrmLinkTest::FormActivate() {
    Memo1->clear();
    session_.RunSearch();
}

void TfrmLinkTest::ShowSearching() {
    imgNoLink->hide();
    Memo1->hide();
    lblSearch->show();
    if (!waitCursor_)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    waitCursor_ = true;
}

void TfrmLinkTest::ShowResult(const PortSearch::Result& result) {
    imgNoLink->setVisible(!result.Found);
    Memo1->setPlainText(result.Lines.join(QLatin1Char('\n')));
    Memo1->show();
    lblSearch->hide();
    if (waitCursor_) {
        QApplication::restoreOverrideCursor();
        waitCursor_ = false;
    }
}

void TfrmLinkTest::NoloButton11Click() {
    if (!session_.State().SearchInProgress) {
        session_.StartRecording();
        hide();
        done(Accepted);
    }
    session_.InitLogTable();
}

void TfrmLinkTest::btnReLinkClick() {
    if (!session_.State().SearchInProgress)
        FormActivate();
}

void TfrmLinkTest::btnHelpClick() {
    if (!session_.State().SearchInProgress)
        emit HelpRequested(QStringLiteral("Hlp_Link_Test"));
}
