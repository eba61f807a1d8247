// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the start offers from journals that an earlier run left with rows never
// saved (a crash, a kill, a power cut, a logout, or a Clear): each such recording,
// oldest first, can be restored into the table, written to a file, or discarded.
// Runs before anything is recorded; Finish then begins this run's journal.
//
// Journals are read in bounded memory. What is not a regular file under a
// journal's name (a FIFO, a folder, a link) is set aside, and a journal without
// one recognisable row is kept aside as journal-N.damaged; both are named in a
// message. A restore that a kill cut short is recognised by its notes: the
// journals it came from are offered again, and it is not.

#include "log/journal_contents.h"
#include "recording/log_files.h"

#include <QCoreApplication>
#include <QStringList>
#include <vector>

class RecordingSession;

class JournalRecovery {
    Q_DECLARE_TR_FUNCTIONS(JournalRecovery)

public:
    // Reads the journal folder of the session (which must keep a journal).
    explicit JournalRecovery(RecordingSession& session);

    // The recordings with unsaved rows, oldest first.
    const std::vector<JournalContents>& Pending() const { return pending_; }
    // Journals that could not be read, or were set aside: which file and why.
    const QStringList& Problems() const { return problems_; }

    // "The last recording was not saved: N rows from <first time> to <last time>"
    // for the newest of the pending recordings, "An earlier recording …" for the others.
    QString Offer(const JournalContents& journal) const;

    // Its rows go into the table after the rows restored before them, so that
    // restored recordings stand in time order; the log's recording stays paused.
    // Returns what went wrong (nothing changed then), or an empty text.
    QString Restore(const JournalContents& journal);
    // Its rows are written to a file, on the log's worker while wait shows the
    // progress; returns what went wrong, or an empty text. Once the file is
    // complete and on the disk the journal is removed at once, so a kill after
    // this cannot offer it again.
    QString SaveAs(const JournalContents& journal, const QString& fileName,
                   const LogFiles::WaitFor& wait = {});
    void Discard(const JournalContents& journal);

    // Begins this run's journal with the restored rows (it removes the journals
    // they came from once its copy is on the disk), and removes the journals
    // that are settled now.
    void Finish();

private:
    // Moves what is at path out of the way as journal-N.suffix; the message.
    static QString SetAside(const QString& path, const QString& suffix, const QString& why);

    RecordingSession& session_;
    std::vector<JournalContents> pending_;
    QStringList settled_; // read, and nothing in them left to offer
    QStringList restored_;
    QStringList problems_;
};
