// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one writer of files that grow by whole lines (the row journal, the headless
// recorder's file). Each append goes to the system in one write, so a killed
// program leaves whole lines only; a write the disk cuts short is cut back to the
// last whole line at once. Lines that cannot be written (a full disk, an I/O
// error) wait in order and are tried again every few seconds, and at the next
// append once that time has passed; when writing works again every waiting line
// goes out, in order. A worker thread syncs the file to the disk a few seconds
// after each write, so the caller never waits for the disk.
//
// It says once when writing stops and once when it works again, with the
// system's reason; the owner words the message. Appends count rows, and a limit
// on the rows waiting drops the oldest beyond it.

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <deque>

class AppendingFile : public QObject {
    Q_OBJECT
public:
    static constexpr int SyncDelayMs = 3000;
    static constexpr int RetryDelayMs = 3000;

    enum class Mode {
        // A file that must not exist yet, readable by its owner only (a journal).
        NewOwnerOnly,
        // A regular file appended to, or a new one; the first line written to a
        // file whose last line has no line end starts on a new line.
        Extend,
    };

    AppendingFile(const QString& path, Mode mode, QObject* parent = nullptr);
    // Writes what waits if it can, syncs and closes.
    ~AppendingFile() override;

    QString Path() const { return path_; }
    // Opens the file; false with ErrorText() when it cannot be. What is not a
    // regular file (a folder, a FIFO, a device) is refused at once, without
    // waiting for a FIFO's reader. A new file's folder is made (open to its
    // owner only) when missing. Append opens a file not opened yet itself.
    bool Open();
    // Opens the file, or says why it cannot (Stopped) and tries again later, as
    // after a failed write.
    bool Start();
    bool IsOpen() const { return fd_ >= 0; }
    // The reason of the last failure, in the system's words.
    QString ErrorText() const { return error_; }
    // Open failed because of what is at the path, not because of the disk.
    bool NotAFile() const { return notAFile_; }

    // Appends whole lines holding rows rows (0 for a note): written at once while
    // nothing waits, else after the lines waiting. True when written now.
    bool Append(const QByteArray& lines, int rows = 1);
    // Rows waiting beyond this many are dropped, oldest first; 0: no limit.
    void SetWaitLimit(qint64 rows) { limit_ = rows; }

    // Nothing waits and the file is open.
    bool Writing() const { return fd_ >= 0 && waiting_.empty(); }
    qint64 WaitingRows() const { return waitingRows_; }
    qint64 RowsWritten() const { return rowsWritten_; }
    // Bytes handed to Append so far: a position in what this writer was given.
    qint64 Appended() const { return appended_; }
    // Everything appended up to this position is on the disk.
    qint64 SyncedThrough() const { return syncedThrough_; }
    // Written, or created, since the last sync began.
    bool SyncDue() const { return dirty_ || created_; }

    // Tries to write what waits, now; true when nothing waits any more.
    bool Retry();
    // Writes what it can and waits until what was written is on the disk.
    bool SyncNow();
    // SyncNow, then the file is closed; what still waits stays counted.
    void Close();
    // The file is given up: what waits is dropped, nothing more is written or synced.
    void Abandon();

    void SetSyncDelay(int ms) { syncTimer_.setInterval(ms); }
    void SetRetryDelay(int ms);
    int SyncsDone() const { return syncsDone_; }

signals:
    // Writing failed; lines wait from now on. Once until Resumed.
    void Stopped(const QString& reason);
    // Writing works again: rows that waited were written, dropped were given up.
    void Resumed(qint64 rows, qint64 dropped);
    // The wait limit was reached: the oldest rows are dropped from now on.
    void Dropping();
    // A sync to the disk failed (once until a sync succeeds again).
    void SyncFailed(const QString& reason);
    // Everything appended up to this position is on the disk.
    void Synced(qint64 position);

private:
    struct Lines {
        QByteArray bytes;
        int rows = 0;
        qint64 end = 0; // position after these lines among all appended bytes
    };

    bool Fail(int error);
    bool ExtendOpen(const QByteArray& name);
    // Writes bytes in one call, or cuts the file back to its last whole line.
    bool WriteWhole(const QByteArray& bytes);
    // The seam makes this append fail: the error, else 0.
    int Faulted(bool& shortWrite);
    void Wait(const QByteArray& lines, int rows);
    // Writing stopped: said once, tried again from now on.
    void Stop();
    void Written(qint64 end);
    void StartSync();
    void SyncEnded(qint64 position, int error);

    const QString path_;
    const Mode mode_;
    int fd_ = -1;
    QString error_;
    bool notAFile_ = false;
    bool created_ = false;   // the folder's entry is new: the folder is synced too
    QByteArray lineStart_;   // what the first write puts before its line
    qint64 end_ = 0;         // the file's size up to its last whole line
    bool cutPending_ = false; // a cut back to end_ failed: tried before the next write

    std::deque<Lines> waiting_;
    qint64 waitingRows_ = 0;
    qint64 limit_ = 0;
    qint64 appended_ = 0;
    qint64 writtenThrough_ = 0;
    qint64 syncedThrough_ = 0;
    qint64 rowsWritten_ = 0;
    bool stopped_ = false;
    qint64 dropped_ = 0;
    qint64 waitedRows_ = 0; // rows that waited and were written during this outage
    QElapsedTimer lastTry_;
    QTimer retryTimer_;

    // The seam's count of appends since its last arming.
    int arming_ = -1;
    int appendCalls_ = 0;
    bool seamFull_ = false;

    bool dirty_ = false; // written since the last sync began
    bool syncFailed_ = false;
    QTimer syncTimer_;
    QThreadPool syncPool_;
    std::atomic<int> syncsRunning_{0};
    std::atomic<int> syncsDone_{0};
};
