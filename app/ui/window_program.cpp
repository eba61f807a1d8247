// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/window_program.h"

#include "app/publishing.h"
#include "app/ui/window_set.h"
#include "base/handler_guard.h"
#include "base/ui/message_box.h"
#include "platform/termination_signals.h"
#include "recording/recording_session.h"
#include "recording/settings_store.h"

#include <QApplication>
#include <QStandardPaths>

QString JournalFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

int RunWindowProgram(TerminationSignals& termination, const QStringList& ports,
                     const PublishOptions& publish,
                     const std::function<void(RecordingSession&, WindowSet&)>& started) {
    // Failures inside event handlers are shown in the standard error box.
    SetExceptionDisplay(
        [](const QString& message) { ShowMessage(nullptr, MessageKind::Error, message); });
    RecordingSession session(SettingsStore::OpenPlatformStore(), ports);
    const QString journal = JournalFolder();
    if (!journal.isEmpty())
        session.EnableJournal(journal);
    WindowSet windows(session);
    termination.disconnect();
    QObject::connect(&termination, &TerminationSignals::Received, windows.frmMain.get(),
                     [&windows] { windows.frmMain->ShutDown(TfrmMain::ExitRequest::Signal); });
    // The publisher's state shows in the main menu's status bar, never in a box.
    TfrmMain* main = windows.frmMain.get();
    const auto publisher =
        StartPublishing(session, publish, [main](const QString& line, const QString& brief) {
            main->SetPublishStatus(brief, line);
        });
    if (started)
        started(session, windows);
    QApplication::exec();
    if (publisher)
        publisher->Stop();
    return 0;
}
