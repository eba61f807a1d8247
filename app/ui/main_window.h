// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main menu window: a picture of the product whose parts open the working
// windows, with the link status line. Closing it ends the program. The link, the
// heartbeat and the settings belong to the recording core it shows.

#include "app/ui/journal_questions.h"
#include "recording/recording_session.h"

#include <QComboBox>
#include <QLabel>
#include <QStatusBar>
#include <QStringListModel>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class HotImage;
class QDialog;
class SvgPicture;
class TfrmPrintProgress;

class TfrmMain : public QWidget {
    Q_OBJECT
public:
    // Creating the window runs loadDigitImages and centres the window.
    TfrmMain(RecordingSession& session, const std::function<void()>& loadDigitImages = {},
             QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The windows the pictures open; they are created after this one.
    void SetWorkingWindows(QWidget* panel, QWidget* graph, QWidget* list);
    // The port search window that Image6 opens, modally.
    void SetLinkTestWindow(QDialog* linkTest) { linkTest_ = linkTest; }
    // Where the exit question's Save shows its progress.
    void SetProgressDialog(TfrmPrintProgress* progress) { progress_ = progress; }

    // Who asked the program to end: a user at the window can be shown a problem,
    // a termination signal (logout, kill) cannot wait for anyone to read it.
    enum class ExitRequest { User, Signal };

    // Ends the program: waits briefly for a port operation in progress, stops the
    // sampling timer, stores the settings, closes the port and quits the event loop
    // (at once when no port operation is in progress, else once it has ended).
    // Settings that cannot be stored are reported in a box, or on standard error
    // when a signal ended the program. A user is first asked whether to save rows
    // not saved yet, and may cancel: then it returns false and nothing ends. A
    // signal never asks; the journal keeps those rows for the next start.
    bool ShutDown(ExitRequest request = ExitRequest::User);

    // The questions about unsaved rows, here and in the start's recovery.
    const JournalQuestions& Questions() const { return questions_; }
    void SetJournalQuestions(JournalQuestions questions) { questions_ = std::move(questions); }

    // ShutDown has begun: nothing more may start.
    bool ShuttingDown() const { return shuttingDown_; }

    // The hover text of the picture under the mouse.
    QString StatusText() const { return hint_->text(); }
    // The publisher's state: the status line shows brief below the link's state,
    // where hover texts never go, and the whole line in its tool tip.
    void SetPublishStatus(const QString& brief, const QString& line);

    // Whether the desktop decides where windows go (Wayland): Arrange then only
    // shows the windows at their arranged sizes and says so. Taken from the platform.
    void SetDesktopPlacesWindows(bool places) { desktopPlacesWindows_ = places; }

    // Restores a window from minimised, shows it in front and repaints it.
    static void ShowNormal(QWidget* window);

    void Image2Click();
    void Image4Click();
    void Image5Click();
    void Image6Click();
    void Image7Click();
    void Image8Click();
    void Image9Click();

    QComboBox* ComboBoxDeviceName; // hidden; its items are the core's port list
    SvgPicture* Image1;
    static constexpr QRect Image3Rect{200, 64, 105, 105}; // decoration drawn in Image1
    QLabel* Label1;
    HotImage* Image2;
    HotImage* Image4;
    HotImage* Image5;
    HotImage* Image6;
    HotImage* Image7;
    HotImage* Image8;
    HotImage* Image9;
    QStatusBar* StatusBar1;
    QLabel* lblComStatus;

signals:
    // The step of shut-down where the tray icon goes away.
    void TrayIconRemovalDue();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FormCreate(const std::function<void()>& loadDigitImages);
    HotImage* AddHotImage(const QString& name, const QRect& geometry, const QString& hint);
    QRect Screen() const;
    static void PlaceAndShow(QWidget* window, const QRect& frame);
    // False when the user cancels the exit, or saving the rows failed.
    bool AskToSaveUnsavedRows();
    void ShutDownFinished(const QString& problem);
    // The status line: the alarms up, or else the link's state, and the
    // publisher's state below, in the largest font at which they fit.
    void ShowStatusLine();
    QString LinkStatusStyle() const;

    RecordingSession& session_;
    QLabel* hint_;
    QString publishStatus_;
    QString publishLine_;
    QString linkStatus_;
    // What the status line was last fitted for.
    QStringList statusShown_;
    QWidget* panel_ = nullptr;
    QWidget* graph_ = nullptr;
    QWidget* list_ = nullptr;
    QDialog* linkTest_ = nullptr;
    TfrmPrintProgress* progress_ = nullptr;
    JournalQuestions questions_;
    bool shuttingDown_ = false;
    bool desktopPlacesWindows_;
    ExitRequest exitRequest_ = ExitRequest::User;
};
