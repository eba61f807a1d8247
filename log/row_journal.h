// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The row journal: every row the recording adds to the log table is also
// appended, as it is added, to a file in the user's data folder, so that a crash,
// a kill or a power cut loses no recorded row. Each row goes through to the
// operating system at once; a worker thread syncs the file to the disk a few
// seconds later, so the window never waits for the disk. Rows that cannot be
// written (a full disk) wait in memory and are written, in order, as soon as
// writing works again; the journal says once that it stopped and once that it
// is back. Its folder and files are readable by the user only.
//
// A generation is one file: the table's recorded rows since a Clear or an Open
// (or since the start), with notes of how many of them were saved. When a new
// generation begins, every earlier one that holds rows never saved is kept, so
// that the next start can offer them.

#include "log/log_line_format.h"
#include "platform/appending_file.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class RowJournal : public QObject {
    Q_OBJECT
public:
    static constexpr int SyncDelayMs = AppendingFile::SyncDelayMs;
    using RowSource = std::function<LogLineFormat::Fields(int index)>;

    explicit RowJournal(const QString& folder, QObject* parent = nullptr);
    ~RowJournal() override;

    QString Folder() const { return folder_; }
    // Everything in the folder named as a journal, oldest first (not only files).
    QStringList Files() const;
    // The name a generation numbered like path has once set aside with suffix.
    static QString AsidePath(const QString& path, const QString& suffix);

    // Starts a new generation holding count rows taken from row (the table's
    // recorded rows at this moment). When those rows were restored from earlier
    // journals (restoredFrom), the new file names them first and notes when all
    // are in it; the earlier journals are removed once that note is on the disk.
    // False when the file cannot be written now; the rows wait, and Failed has
    // said why.
    bool Begin(int count = 0, const RowSource& row = {}, const QStringList& restoredFrom = {});
    bool Started() const { return started_; }
    // False when the row waits instead of being written now.
    bool Append(const LogLineFormat::Fields& fields);
    // The first rows of this generation are in a file now.
    void NoteSaved(int rows);
    // The rows of this generation are given up: its file is removed.
    void Discard();

    int Rows() const { return rows_; }
    int SavedRows() const { return saved_; }
    bool HasUnsaved() const { return rows_ > saved_; }
    // A generation is open, its file takes the rows and none waits.
    bool Writing() const;
    // Rows and notes of every generation that wait for the disk.
    qint64 WaitingRows() const;
    QString CurrentPath() const;
    // This run's earlier generations, kept for their rows never saved.
    const QStringList& KeptPaths() const { return kept_; }

    // Writes what waits if it can, and waits until what was written is on the disk.
    bool SyncNow();
    // At the end of the run: everything written out and synced, the files closed.
    void Close();

    void SetSyncDelay(int ms);
    void SetRetryDelay(int ms);
    int SyncsDone() const;

signals:
    // The journal cannot be written: which file and why. Recording goes on.
    void Failed(const QString& message);
    // The journal is written again; the rows that waited are in it.
    void Resumed(const QString& message);

private:
    QString NextPath() const;
    // A writer for a new generation file, its signals followed.
    std::unique_ptr<AppendingFile> NewFile(const QString& path);
    void FileStopped(AppendingFile* file, const QString& reason);
    void FileResumed(AppendingFile* file, qint64 rows);
    void FileSynced(AppendingFile* file, qint64 position);
    // Writers of earlier generations with nothing left to write or sync are closed.
    void CloseDone();
    // The earlier journals a restore copied are removed once its end is on the disk.
    void RemoveRestored();

    const QString folder_;
    std::unique_ptr<AppendingFile> file_;
    // Earlier generations' writers with rows still waiting for the disk.
    std::vector<std::unique_ptr<AppendingFile>> ending_;
    QStringList kept_;
    bool started_ = false;
    int rows_ = 0;
    int saved_ = 0;
    int syncDelay_ = SyncDelayMs;
    int retryDelay_ = AppendingFile::RetryDelayMs;
    int syncsDone_ = 0; // of the writers closed since
    bool failed_ = false; // said so, not said it is back yet
    qint64 waitedRows_ = 0; // written since, of the rows that waited
    QStringList restoredFrom_; // removed once the position below is on the disk
    qint64 restoredAt_ = 0;
};
