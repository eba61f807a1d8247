// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/window_set.h"

#include "app/session_platform.h"
#include "app/ui/main_menu_accessibility.h"
#include "app/window_placement.h"
#include "base/handler_guard.h"
#include "base/ui/close_shortcut.h"
#include "base/ui/help.h"
#include "base/ui/title_fit.h"
#include "graph/ui/chart_output.h"
#include "graph/ui/plot_chart.h"
#include "log/ui/log_file_dialogs.h"
#include "recording/journal_recovery.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

WindowSet::WindowSet(RecordingSession& session) : session_(session) {
    // Every window of the program wide enough for its title.
    TitleFit::Install();
    InstallMainMenuAccessibility();
    Form1 = std::make_unique<TForm1>();
    frmMain =
        std::make_unique<TfrmMain>(session, [this] { Digits = std::make_unique<DigitBitmaps>(); });
    frmPanel = std::make_unique<TfrmPanel>(session, *Digits);
    frmList = std::make_unique<TfrmList>(session);
    frmGraph = std::make_unique<TfrmGraph>(session);
    frmResolu = std::make_unique<TfrmResolu>(session);
    frmSetupScale = std::make_unique<TfrmSetupScale>();
    frmLinkTest = std::make_unique<TfrmLinkTest>(session);
    frmGraphList = std::make_unique<TfrmGraphList>(session);
    frmEditTitle = std::make_unique<TfrmEditTitle>();
    frmScope = std::make_unique<TfrmScope>();
    frmPrintProgress = std::make_unique<TfrmPrintProgress>();
    frmOpenProgress = std::make_unique<TfrmOpenProgress>();

    frmList->SetFileDialogs(frmScope.get(), frmPrintProgress.get(), frmOpenProgress.get());
    frmGraphList->SetProgressDialog(frmPrintProgress.get());
    frmMain->SetProgressDialog(frmPrintProgress.get());
    frmGraphList->SetDialogs(frmEditTitle.get(), frmSetupScale.get());
    frmGraph->SetDialogs(frmEditTitle.get(), frmSetupScale.get());
    for (GraphWindow* graph :
         std::initializer_list<GraphWindow*>{frmGraph.get(), frmGraphList.get()})
        graph->PlotChart1->Output().SetFolder(
            {[this] { return session_.FileFolder(); },
             [this](const QString& folder) { NoteFolderUsed(session_, folder); }});
    QObject::connect(frmList.get(), &TfrmList::GraphRequested, frmGraphList.get(), [this] {
        RunGuarded([this] {
            PlaceLogGraph();
            frmGraphList->BuildLogGraph();
        });
    });

    for (QWidget* window : std::initializer_list<QWidget*>{frmPanel.get(), frmList.get(),
                                                           frmGraph.get(), frmGraphList.get()})
        AddCloseShortcut(window);
    // The Help key opens the window's own section of the help page, where it has one.
    const std::pair<QWidget*, const char*> helpSections[] = {{frmMain.get(), "main_menu"},
                                                             {frmPanel.get(), "panel"},
                                                             {frmList.get(), "Hlp_Tabular1"},
                                                             {frmScope.get(), "Hlp_Tabular1"},
                                                             {frmGraph.get(), "Hlp_RT_Graph"},
                                                             {frmGraphList.get(), "Hlp_Graph"},
                                                             {frmLinkTest.get(), "Hlp_Link_Test"},
                                                             {frmResolu.get(), ""},
                                                             {frmSetupScale.get(), ""},
                                                             {frmEditTitle.get(), ""},
                                                             {frmPrintProgress.get(), ""},
                                                             {frmOpenProgress.get(), ""}};
    for (const auto& [window, section] : helpSections)
        AddHelpShortcut(window, QLatin1String(section));

    frmMain->SetWorkingWindows(frmPanel.get(), frmGraph.get(), frmList.get());
    frmMain->SetLinkTestWindow(frmLinkTest.get());

    TForm1* tray = Form1.get();
    QObject::connect(tray, &TForm1::MainMenu1Click, tray,
                     [this] { TfrmMain::ShowNormal(frmMain.get()); });
    QObject::connect(tray, &TForm1::Panel1Click, tray,
                     [this] { TfrmMain::ShowNormal(frmPanel.get()); });
    QObject::connect(tray, &TForm1::Graph1Click, tray,
                     [this] { TfrmMain::ShowNormal(frmGraph.get()); });
    QObject::connect(tray, &TForm1::Tabular1Click, tray,
                     [this] { TfrmMain::ShowNormal(frmList.get()); });
    QObject::connect(tray, &TForm1::Exit1Click, frmMain.get(), [this] { frmMain->ShutDown(); });
    QObject::connect(frmMain.get(), &TfrmMain::TrayIconRemovalDue, tray, &TForm1::RemoveIcon);
    QObject::connect(tray, &TForm1::Timer1Timer, tray,
                     [this] { RunGuarded([this] { Timer1Timer(); }); });
    // Shown after the tick that wrote the row, not inside it.
    QObject::connect(
        &session, &RecordingSession::JournalFailed, frmMain.get(),
        [this](const QString& text) { ShowJournalMessage(MessageKind::Error, text); },
        Qt::QueuedConnection);
    QObject::connect(
        &session, &RecordingSession::JournalResumed, frmMain.get(),
        [this](const QString& text) { ShowJournalMessage(MessageKind::Information, text); },
        Qt::QueuedConnection);
    QObject::connect(&session, &RecordingSession::ReconnectEnded, frmMain.get(),
                     [this] { ShowResolutionNoticeIfDue(); });
    ConnectAlarms();
}

void WindowSet::ConnectAlarms() {
    frmAlarms = std::make_unique<TfrmAlarms>(session_);
    TfrmAlarms* alarms = frmAlarms.get();
    AddHelpShortcut(alarms, QStringLiteral("alarms"));
    QObject::connect(frmPanel.get(), &TfrmPanel::AlarmsRequested, alarms, &TfrmAlarms::ShowRules);
    QObject::connect(frmGraph.get(), &TfrmGraph::AlarmsRequested, alarms, &TfrmAlarms::ShowRules);
    TForm1* tray = Form1.get();
    QObject::connect(tray, &TForm1::Alarms1Click, alarms, &TfrmAlarms::ShowRules);
    QObject::connect(tray, &TForm1::Acknowledge1Click, frmMain.get(),
                     [this] { session_.AcknowledgeAlarms(); });
    const auto showState = [this, tray] {
        const AlarmMonitor& monitor = session_.Alarms();
        QStringList up;
        for (const Alarm& alarm : monitor.Active())
            up << BriefAlarm(alarm);
        tray->ShowAlarm(up.isEmpty() ? QString()
                                     : QCoreApplication::translate("WindowSet", "ALARM: %1")
                                           .arg(up.join(QLatin1Char('\n'))));
        tray->Acknowledge1->setEnabled(!up.isEmpty() && !monitor.Acknowledged());
    };
    QObject::connect(&session_, &RecordingSession::AlarmChanged, tray,
                     [tray, showState](const AlarmEvent& event) {
                         const QString text = DescribeAlarm(event.What, event.Raised);
                         tray->Notify(event.Raised ? QCoreApplication::translate(
                                                         "WindowSet", "Brackwater: alarm")
                                                   : QCoreApplication::translate(
                                                         "WindowSet", "Brackwater: alarm cleared"),
                                      text.left(1).toUpper() + text.mid(1), event.Raised);
                         showState();
                     });
    QObject::connect(&session_, &RecordingSession::AlarmsWatched, tray, showState);
    QObject::connect(&session_, &RecordingSession::AlarmsAcknowledged, tray, showState);
    QObject::connect(&session_, &RecordingSession::AlarmSoundDue, tray,
                     [] { QApplication::beep(); });
}

WindowSet::~WindowSet() {
    delete journalBox_.data();
}

void WindowSet::ShowJournalMessage(MessageKind kind, const QString& text) {
    if (journalBox_)
        journalBox_->close();
    // Not modal: recording goes on, and the user may save the rows meanwhile.
    journalBox_ = NewMessageBox(nullptr, kind, text, QMessageBox::Ok).release();
    journalBox_->setAttribute(Qt::WA_DeleteOnClose);
    journalBox_->show();
}

void WindowSet::PlaceLogGraph() {
    // Where the desktop places windows, a move would only be ignored.
    if (logGraphPlaced_ || frmGraphList->isVisible() ||
        DesktopPlacesWindows(QGuiApplication::platformName()))
        return;
    logGraphPlaced_ = true;
    const QScreen* screen = frmList->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    // A window never shown has no frame yet: the window manager will give it one
    // like the log's.
    const QRect logFrame = frmList->frameGeometry();
    const QSize frame = logFrame.size() - frmList->geometry().size();
    frmGraphList->move(
        PlaceBesideLog(available, logFrame, frmMain->frameGeometry(), frmGraphList->size() + frame)
            .topLeft());
}

void WindowSet::Timer1Timer() {
    TfrmMain::ShowNormal(frmMain.get());
    if (!session_.SettingsReadProblem().isEmpty())
        ShowException(session_.SettingsReadProblem());
    RecoverJournal();
    if (frmMain->ShuttingDown())
        return; // a termination signal came while the start asked
    // Settings from runs that never found a meter name no device: opening a port by
    // position then would poll whatever sits there, so such a start searches.
    if (session_.NeedsSearch()) {
        frmLinkTest->exec();
        ShowResolutionNoticeIfDue();
    } else {
        session_.Reconnect();
    }
}

void WindowSet::ShowResolutionNoticeIfDue() {
    if (frmMain->ShuttingDown())
        return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && TfrmResolu::Due(screen->geometry().width(), session_.Settings().ShowReso))
        frmResolu->show();
}

void WindowSet::RecoverJournal() {
    if (!session_.Journal())
        return;
    using Recovery = JournalQuestions::Recovery;
    const JournalQuestions& ask = frmMain->Questions();
    // A termination signal while a question is open ends the program: what is not
    // settled yet stays as it is for the next start.
    const auto ending = [this] { return frmMain->ShuttingDown(); };
    JournalRecovery recovery(session_);
    for (const QString& problem : recovery.Problems())
        ShowException(problem);
    for (const JournalContents& journal : recovery.Pending()) {
        const QString offer = recovery.Offer(journal);
        for (bool settled = false; !settled;) {
            const Recovery answer = ask.AskRecovery(offer);
            if (ending() || answer == Recovery::Later)
                return;
            if (answer == Recovery::Restore) {
                const QString problem = recovery.Restore(journal);
                settled = problem.isEmpty();
                if (!settled)
                    ShowException(problem);
            } else if (answer == Recovery::SaveAs) {
                const QString fileName = ask.AskSaveFileName();
                if (ending())
                    return;
                if (fileName.isEmpty())
                    continue;
                const QString problem =
                    recovery.SaveAs(journal, fileName, [this, &journal](BackgroundTask& task) {
                        frmPrintProgress->RunModal(
                            task, QCoreApplication::translate("WindowSet", "Saving Progress"),
                            QCoreApplication::translate("WindowSet", "savint....."),
                            journal.RowCount());
                    });
                settled = problem.isEmpty();
                if (!settled)
                    ShowException(problem);
            } else {
                //: %1 and %2 are the times of the first and the last row
                settled = ask.ConfirmDiscard(
                    QCoreApplication::translate("WindowSet",
                                                "Discard the %n rows from %1 to %2 for good?",
                                                nullptr, journal.RowCount())
                        .arg(journal.FirstTime(), journal.LastTime()));
                if (ending())
                    return;
                if (settled)
                    recovery.Discard(journal);
            }
        }
    }
    recovery.Finish();
}
