#pragma once
// The port search window: searches as soon as it is shown, reports the port and
// model found or that no meter answered, and starts recording when the user
// leaves it with OK. It has no title bar, so OK is the only way out.

#include "link/model_identification.h"
#include "link/port_search.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TfrmLinkTest : public QDialog {
    Q_OBJECT
public:
    TfrmLinkTest(AppState& state, MeterLink& meter, QStringListModel& ports,
                 ModelIdentification& models, QWidget* parent = nullptr);

    PortSearch& Search() { return search_; }

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
    void StopHeartbeat();
    void StatusText(const QString& text);
    // OK outside a search: start polling and recording.
    void StartRecording();
    // OK, also during a search: the log refreshes its header.
    void RefreshLogHeader();
    void HelpRequested(const QString& topic);

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override; // Escape does not leave the window

private:
    AppState& state_;
    ModelIdentification& models_;
    PortSearch search_;
    bool waitCursor_ = false;
};
