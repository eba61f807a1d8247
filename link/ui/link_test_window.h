// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The port search window: searches as soon as it is shown, follows the search's
// steps, reports the port and model found or that no meter answered, and starts
// recording when the user leaves it with OK. It has no title bar, so OK is the
// only way out.

#include "recording/recording_session.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TfrmLinkTest : public QDialog {
    Q_OBJECT
public:
    explicit TfrmLinkTest(RecordingSession& session, QWidget* parent = nullptr);

    void FormActivate();      // the search
    void NoloButton11Click(); // OK
    void btnReLinkClick();    // Retry
    void btnHelpClick();      // Help

    QLabel* imgNoLink;
    QLabel* lblSearch;
    QPlainTextEdit* Memo1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;

signals:
    // Help outside a search; the window opens the help page's topic.
    void HelpRequested(const QString& topic);

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override; // Escape does not leave the window

private:
    void ShowSearching();
    void ShowResult(const PortSearch::Result& result);

    RecordingSession& session_;
    bool waitCursor_ = false;
};
