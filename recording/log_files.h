// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The log's files, in one place: Save (a range of rows), the exit question's
// Save of the whole table, the recovery's Save As of an earlier run's rows, Open
// and Export CSV. Each runs on a worker thread over a snapshot of the table (or
// into a new store), so recording goes on meanwhile; windows only ask for names
// and ranges, watch the progress and show the result.
//
// The journal moves here and nowhere else: a save is noted only once its file is
// complete and on the disk; an opened file replaces the table, and begins a new
// journal generation, only once it was read to its end (or to the user's
// Cancel). A failed operation changes nothing: not the table, not the journal,
// not the recording.

#include "base/background_task.h"
#include "log/log_row_range.h"
#include "log/log_row_store.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class JournalContents;
class RecordingSession;

class LogFiles : public QObject {
    Q_OBJECT
public:
    enum class Operation { Save, SaveAll, SaveRows, Open, Export };
    struct Result {
        Operation Op = Operation::Save;
        QString FileName;
        int Rows = 0; // rows written or read
        bool Cancelled = false;
        QString Error;  // what failed and why; nothing was changed or noted
        QString Notice; // the reading stopped early by the file's content: where and why
    };
    // Blocks the caller's window until the task has ended, showing its progress.
    using WaitFor = std::function<void(BackgroundTask& task)>;

    explicit LogFiles(RecordingSession& session, QObject* parent = nullptr);
    // Waits for an operation still running: a file is never left half written.
    ~LogFiles() override;

    // The operation running, or null.
    BackgroundTask* Running() const;
    bool Busy() const { return Running() != nullptr; }
    const Result& LastResult() const { return last_; }

    // Each starts its operation and returns it; null while another one runs. Its
    // progress counts rows; a Cancel of Save or Export keeps the rows written so
    // far as a complete file, of SaveAll and SaveRows the old file as it was.
    BackgroundTask* Save(const QString& fileName, RowRange range);
    // Every row of the table (the exit question's Save).
    BackgroundTask* SaveAll(const QString& fileName);
    // Rows not in the table (an earlier run's journal), which must stay until the end.
    BackgroundTask* SaveRows(const QString& fileName, const JournalContents& rows);
    // Refused at once, with nothing changed, when the file cannot be opened or is
    // not a regular file; otherwise recording pauses while the file is read.
    BackgroundTask* Open(const QString& fileName);
    BackgroundTask* ExportCsv(const QString& fileName);

    // Runs an operation to its end and returns its result: what the exit question
    // and the recovery use between their questions.
    Result RunToEnd(BackgroundTask* task, const WaitFor& wait);
    // Waits for the running operation and finishes it now (the end of the program).
    void Wait();

signals:
    // An operation ended; the table and the journal are up to date.
    void Finished(const LogFiles::Result& result);

private:
    struct Job;
    // A job for the file; writers of the table take a snapshot of it.
    std::unique_ptr<Job> NewJob(Operation op, const QString& fileName, bool snapshot) const;
    BackgroundTask* Start(std::unique_ptr<Job> job);
    void Complete();
    void CompleteOpen(Job& job);
    // Table rows firstRow to lastRow are in a file now: the journal learns which
    // of its rows are safe.
    void NoteSaved(int firstRow, int lastRow);

    RecordingSession& session_;
    std::unique_ptr<Job> job_;
    std::unique_ptr<BackgroundTask> task_;
    Result last_;
    int appendedDuringOpen_ = 0;
};
