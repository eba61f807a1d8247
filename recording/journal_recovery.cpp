// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/journal_recovery.h"

#include "base/log_categories.h"
#include "recording/recording_session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

JournalRecovery::JournalRecovery(RecordingSession& session) : session_(session) {
    const RowJournal& journal = *session.Journal();
    // This run's own files (a Clear before the start sequence) are not an earlier run's.
    QStringList own = journal.KeptPaths();
    own.append(journal.CurrentPath());
    std::vector<JournalContents> read;
    for (const QString& path : journal.Files()) {
        if (own.contains(path))
            continue;
        QString problem;
        JournalContents contents = JournalContents::Read(path, &problem);
        if (contents.NotAFile())
            problems_.append(SetAside(path, QStringLiteral("not-a-file"), problem));
        else if (!problem.isEmpty())
            problems_.append(problem);
        else if (contents.Damaged())
            problems_.append(SetAside(path, QStringLiteral("damaged"),
                                      tr("The journal \"%1\" holds no recognisable row.")
                                          .arg(QDir::toNativeSeparators(path))));
        else
            read.push_back(std::move(contents));
    }

    // A finished restore holds the rows of the journals it names; one cut short
    // holds nothing beyond some of their rows, while they are all still there.
    QSet<QString> names;
    for (const JournalContents& contents : read)
        names.insert(QFileInfo(contents.Path()).fileName());
    QSet<QString> copied;
    QSet<QString> cutShort;
    for (const JournalContents& contents : read) {
        const QStringList& sources = contents.RestoredFrom();
        if (sources.isEmpty())
            continue;
        if (contents.RestoreComplete())
            copied.unite(QSet<QString>(sources.begin(), sources.end()));
        else if (std::all_of(sources.begin(), sources.end(),
                             [&](const QString& name) { return names.contains(name); }))
            cutShort.insert(contents.Path());
    }
    for (JournalContents& contents : read) {
        const QString path = contents.Path();
        if (cutShort.contains(path) || copied.contains(QFileInfo(path).fileName()) ||
            !contents.HasUnsaved()) {
            settled_.append(path);
            continue;
        }
        if (contents.DroppedLines() > 0)
            qCInfo(lcJournal) << path << ":" << contents.DroppedLines()
                              << "lines that are not whole rows were left out";
        pending_.push_back(std::move(contents));
    }
}

QString JournalRecovery::SetAside(const QString& path, const QString& suffix, const QString& why) {
    const QString aside = RowJournal::AsidePath(path, suffix);
    // QDir's rename moves the entry itself: a link, not what it leads to.
    if (QDir().rename(path, aside))
        //: %1 says what is wrong with the journal
        return tr("%1 It was set aside as \"%2\".").arg(why, QDir::toNativeSeparators(aside));
    //: %1 says what is wrong with the journal
    return tr("%1 It could not be set aside as \"%2\".").arg(why, QDir::toNativeSeparators(aside));
}

QString JournalRecovery::Offer(const JournalContents& journal) const {
    if (!pending_.empty() && &journal != &pending_.back())
        //: %1 and %2 are the times of the first and the last row; a later recording
        //: was not saved either and is offered next
        return tr("An earlier recording was not saved: %n rows from %1 to %2", nullptr,
                  journal.RowCount())
            .arg(journal.FirstTime(), journal.LastTime());
    //: %1 and %2 are the times of the first and the last row
    return tr("The last recording was not saved: %n rows from %1 to %2", nullptr,
              journal.RowCount())
        .arg(journal.FirstTime(), journal.LastTime());
}

QString JournalRecovery::Restore(const JournalContents& journal) {
    const QString problem = session_.RestoreRows(journal);
    if (problem.isEmpty())
        restored_.append(journal.Path());
    return problem;
}

QString JournalRecovery::SaveAs(const JournalContents& journal, const QString& fileName,
                                const LogFiles::WaitFor& wait) {
    LogFiles& files = session_.Files();
    const LogFiles::Result result = files.RunToEnd(files.SaveRows(fileName, journal), wait);
    QString problem = result.Error;
    if (problem.isEmpty() && result.Cancelled)
        problem = tr("Saving to \"%1\" was cancelled.").arg(fileName);
    if (problem.isEmpty() && !QFile::remove(journal.Path()))
        settled_.append(journal.Path());
    return problem;
}

void JournalRecovery::Discard(const JournalContents& journal) {
    settled_.append(journal.Path());
}

void JournalRecovery::Finish() {
    session_.StartJournal(restored_);
    // Once the copy is on the disk the journals it came from go, now rather than
    // at the first sync.
    if (!restored_.isEmpty())
        session_.Journal()->SyncNow();
    for (const QString& path : settled_)
        QFile::remove(path);
}
