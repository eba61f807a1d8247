#include "recording/journal_recovery.h"

#include "base/log_categories.h"
#include "recording/recording_session.h"

#include <QFile>

JournalRecovery::JournalRecovery(RecordingSession& session) : session_(session) {
    const RowJournal& journal = *session.Journal();
    for (const QString& path : journal.Files()) {
        // This run's own files (a Clear before the start sequence) are not an earlier run's.
        if (path == journal.CurrentPath() || path == journal.BackupPath())
            continue;
        QString problem;
        JournalContents contents = JournalContents::Read(path, &problem);
        if (!problem.isEmpty()) {
            problems_.append(problem);
        } else if (contents.HasUnsaved()) {
            if (contents.DroppedLines() > 0)
                qCInfo(lcJournal) << path << ":" << contents.DroppedLines()
                                  << "lines that are not whole rows were left out";
            pending_.push_back(std::move(contents));
        } else {
            settled_.append(path);
        }
    }
}

QString JournalRecovery::Offer(const JournalContents& journal) {
    return QStringLiteral("The last recording was not saved: %1 rows from %2 to %3")
        .arg(journal.RowCount())
        .arg(journal.FirstTime(), journal.LastTime());
}

void JournalRecovery::Restore(const JournalContents& journal) {
    session_.RestoreRows(journal);
    restored_.append(journal.Path());
}

QString JournalRecovery::SaveAs(const JournalContents& journal, const QString& fileName,
                                const LogFiles::WaitFor& wait) {
    LogFiles& files = session_.Files();
    const LogFiles::Result result = files.RunToEnd(files.SaveRows(fileName, journal), wait);
    QString problem = result.Error;
    if (problem.isEmpty() && result.Cancelled)
        problem = QStringLiteral("Saving to \"%1\" was cancelled.").arg(fileName);
    if (problem.isEmpty())
        settled_.append(journal.Path());
    return problem;
}

void JournalRecovery::Discard(const JournalContents& journal) {
    settled_.append(journal.Path());
}

void JournalRecovery::Finish() {
    session_.StartJournal();
    RowJournal& journal = *session_.Journal();
    // The restored rows must be on the disk in the new journal before the old ones go.
    const bool safe = journal.Writing() && journal.SyncNow();
    for (const QString& path : settled_)
        QFile::remove(path);
    if (safe)
        for (const QString& path : restored_)
            QFile::remove(path);
}
