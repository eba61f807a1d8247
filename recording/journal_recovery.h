#pragma once
// What the start offers from journals that an earlier run left with rows never
// saved (a crash, a kill, a power cut, a logout, or a Clear): each such recording
// can be restored into the table, written to a file, or discarded. Runs before
// anything is recorded; Finish then begins this run's journal.

#include "log/journal_contents.h"
#include "recording/log_files.h"

#include <QStringList>
#include <vector>

class RecordingSession;

class JournalRecovery {
public:
    // Reads the journal folder of the session (which must keep a journal).
    explicit JournalRecovery(RecordingSession& session);

    // The recordings with unsaved rows, oldest first.
    const std::vector<JournalContents>& Pending() const { return pending_; }
    // Journals that could not be read: which file and why. They are left alone.
    const QStringList& Problems() const { return problems_; }

    // "The last recording was not saved: N rows from <first time> to <last time>"
    static QString Offer(const JournalContents& journal);

    // Its rows go back into the table, numbered; the log's recording stays paused.
    void Restore(const JournalContents& journal);
    // Its rows are written to a file, on the log's worker while wait shows the
    // progress; returns what went wrong, or an empty text. The journal is removed
    // (at Finish) only once the file is complete and on the disk.
    QString SaveAs(const JournalContents& journal, const QString& fileName,
                   const LogFiles::WaitFor& wait = {});
    void Discard(const JournalContents& journal);

    // Begins this run's journal with the restored rows, and removes the journals
    // that are settled now: restored ones once their rows are safe in the new one.
    void Finish();

private:
    RecordingSession& session_;
    std::vector<JournalContents> pending_;
    QStringList settled_; // read, and nothing in them left to offer
    QStringList restored_;
    QStringList problems_;
};
