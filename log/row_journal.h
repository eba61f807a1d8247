#pragma once
// The row journal: every row the recording adds to the log table is also
// appended, as it is added, to a file in the user's data folder, so that a crash,
// a kill or a power cut loses no recorded row. Each row goes through to the
// operating system at once; a worker thread syncs the file to the disk a few
// seconds later, so the window never waits for the disk.
//
// A generation is one file: the table's recorded rows since a Clear or an Open
// (or since the start), with notes of how many of them were saved. When a new
// generation begins, the one it replaces is kept as the backup while it holds
// rows never saved, so a mistaken Clear can still be undone at the next start.

#include "log/log_line_format.h"

#include <QFile>
#include <QObject>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <functional>

class RowJournal : public QObject {
    Q_OBJECT
public:
    static constexpr int SyncDelayMs = 3000;
    using RowSource = std::function<LogLineFormat::Fields(int index)>;

    explicit RowJournal(const QString& folder, QObject* parent = nullptr);
    ~RowJournal() override;

    QString Folder() const { return folder_; }
    // The journal files in the folder, oldest first.
    QStringList Files() const;

    // Starts a new generation holding count rows taken from row (the table's
    // recorded rows at this moment). False when the file cannot be written; the
    // rows are still counted, and Failed has said why.
    bool Begin(int count = 0, const RowSource& row = {});
    bool Started() const { return started_; }
    bool Append(const LogLineFormat::Fields& fields);
    // The first rows of this generation are in a file now.
    void NoteSaved(int rows);
    // The rows of this generation are given up: its file is removed.
    void Discard();

    int Rows() const { return rows_; }
    int SavedRows() const { return saved_; }
    bool HasUnsaved() const { return rows_ > saved_; }
    // A generation is open and its file takes the rows.
    bool Writing() const { return file_.isOpen() && !failed_; }
    QString CurrentPath() const { return path_; }
    QString BackupPath() const { return backup_; }

    // Waits until what was written is on the disk.
    bool SyncNow();
    // At the end of the run: everything written out and synced, the file closed.
    void Close();

    void SetSyncDelay(int ms) { syncTimer_.setInterval(ms); }
    int SyncsDone() const { return syncsDone_; }

signals:
    // The journal cannot be written: which file and why. Recording goes on.
    void Failed(const QString& message);

private:
    QString NextPath() const;
    // Hands the bytes to the system and arms the sync; a failure ends the journal.
    bool Write(const QByteArray& bytes);
    bool Fail(const QString& path, const QString& reason);
    void CloseFile();
    void SyncInBackground();

    const QString folder_;
    QFile file_;
    QString path_;
    QString backup_;
    bool started_ = false;
    bool failed_ = false;
    int rows_ = 0;
    int saved_ = 0;
    bool dirty_ = false;       // written since the last sync was started
    bool folderDirty_ = false; // a file was created since then
    QTimer syncTimer_;
    QThreadPool syncPool_;
    std::atomic<int> syncsQueued_{0};
    std::atomic<int> syncsDone_{0};
};
