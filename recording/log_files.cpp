// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/log_files.h"

#include "log/journal_contents.h"
#include "log/log_csv_export.h"
#include "log/log_file_reader.h"
#include "log/log_file_writer.h"
#include "log/log_line_format.h"
#include "log/log_table.h"
#include "recording/recording_session.h"

#include <algorithm>
#include <stdexcept>

struct LogFiles::Job {
    Operation op = Operation::Save;
    QString fileName;
    std::unique_ptr<LogTable> table; // a snapshot, for the writers
    RowRange range;
    int resets = 0; // the table's resets at the start: its row numbers still hold while equal
    const JournalContents* rows = nullptr;
    QString dateFormat;
    std::unique_ptr<LogFileReader> reader;
    bool refused = false;    // the file could not be opened: nothing was started
    bool wasRunning = false; // the recording before Open paused it

    LogFileWriter::Result written;
    bool read = false;
};

namespace {
QString RowsBefore(int rows) {
    if (rows == 0)
        return LogFiles::tr("No row before it was loaded.");
    return LogFiles::tr("The %n rows before it were loaded.", nullptr, rows);
}
} // namespace

LogFiles::LogFiles(RecordingSession& session, QObject* parent)
    : QObject(parent), session_(session) {
    connect(&session, &RecordingSession::RowAppended, this, [this] {
        if (job_ && job_->op == Operation::Open)
            ++appendedDuringOpen_;
    });
}

LogFiles::~LogFiles() {
    Wait();
}

BackgroundTask* LogFiles::Running() const {
    return task_ && task_->Running() ? task_.get() : nullptr;
}

BackgroundTask* LogFiles::Start(std::unique_ptr<Job> job) {
    if (Busy())
        return nullptr;
    // The last task may still be emitting its end: it goes once that is done.
    if (task_)
        task_.release()->deleteLater();
    job_ = std::move(job);
    Job* j = job_.get();
    task_ = std::make_unique<BackgroundTask>([j](BackgroundTask& task) {
        const auto progress = [&task](int rows) { return task.Step(rows); };
        switch (j->op) {
        case Operation::Save:
            j->written = LogFileWriter::Save(j->fileName, *j->table, j->range, progress);
            break;
        case Operation::SaveAll:
            j->written = LogFileWriter::Save(j->fileName, *j->table, j->range, progress,
                                             LogFileWriter::OnCancel::KeepOldFile);
            break;
        case Operation::SaveRows: {
            // Read again as they are written: a journal is never held whole.
            JournalContents::RowReader reader(*j->rows);
            j->written = LogFileWriter::SaveRows(
                j->fileName, j->rows->RowCount(),
                [&reader](int) {
                    LogLineFormat::Fields fields;
                    // A journal that fails now ends the work: the old file stays.
                    if (!reader.Next(fields))
                        throw std::runtime_error(reader.Error().toStdString());
                    return fields;
                },
                progress);
            break;
        }
        case Operation::Export:
            j->written = LogCsvExport::Save(j->fileName, *j->table, j->dateFormat, progress);
            break;
        case Operation::Open:
            if (!j->refused)
                j->read = j->reader->ReadAll(progress);
            break;
        }
    });
    connect(task_.get(), &BackgroundTask::Done, this, &LogFiles::Complete);
    task_->Start();
    return task_.get();
}

std::unique_ptr<LogFiles::Job> LogFiles::NewJob(Operation op, const QString& fileName,
                                                bool snapshot) const {
    auto job = std::make_unique<Job>();
    job->op = op;
    job->fileName = fileName;
    if (snapshot) {
        job->table = session_.Log().Snapshot();
        job->resets = session_.Log().Resets();
    }
    return job;
}

BackgroundTask* LogFiles::Save(const QString& fileName, RowRange range) {
    auto job = NewJob(Operation::Save, fileName, true);
    job->range = range;
    return Start(std::move(job));
}

BackgroundTask* LogFiles::SaveAll(const QString& fileName) {
    auto job = NewJob(Operation::SaveAll, fileName, true);
    job->range = {1, std::max(session_.TableRows(), 1)};
    return Start(std::move(job));
}

BackgroundTask* LogFiles::SaveRows(const QString& fileName, const JournalContents& rows) {
    auto job = NewJob(Operation::SaveRows, fileName, false);
    job->rows = &rows;
    return Start(std::move(job));
}

BackgroundTask* LogFiles::ExportCsv(const QString& fileName) {
    auto job = NewJob(Operation::Export, fileName, true);
    job->dateFormat = session_.Settings().LogDateFormat;
    return Start(std::move(job));
}

BackgroundTask* LogFiles::Open(const QString& fileName) {
    if (Busy())
        return nullptr;
    auto job = NewJob(Operation::Open, fileName, false);
    job->reader = std::make_unique<LogFileReader>(LogLineFormat::OpenSeparator(fileName));
    // Opening does not wait (a FIFO is refused, not waited for): a file that cannot
    // be read is refused before the recording is touched.
    job->refused = !job->reader->Open(fileName);
    if (!job->refused) {
        job->wasRunning = session_.State().Recording.ListRunning;
        session_.SetListRunning(false);
    }
    appendedDuringOpen_ = 0;
    return Start(std::move(job));
}

LogFiles::Result LogFiles::RunToEnd(BackgroundTask* task, const WaitFor& wait) {
    if (!task) {
        Result busy;
        busy.Error = tr("Another file operation of the log is still running.");
        return busy;
    }
    if (wait)
        wait(*task);
    if (!task->Ended())
        task->Wait();
    return last_;
}

void LogFiles::Wait() {
    if (BackgroundTask* task = Running())
        task->Wait();
}

void LogFiles::Complete() {
    if (!job_)
        return;
    const std::unique_ptr<Job> job = std::move(job_);
    Result result;
    result.Op = job->op;
    result.FileName = job->fileName;
    const QString failure = task_ ? task_->Failure() : QString();
    result.Cancelled = task_ && task_->CancelRequested();

    if (job->op == Operation::Open) {
        result.Rows = job->reader->RowCount();
        result.Cancelled = job->reader->Cancelled();
        CompleteOpen(*job);
        if (!failure.isEmpty())
            result.Error =
                tr("The log file \"%1\" could not be read: %2.").arg(job->fileName, failure);
        else if (job->refused || !job->read)
            result.Error = job->reader->ErrorText();
        else if (job->reader->LongLine() > 0)
            //: %4 says how many rows before that line were loaded
            result.Notice = tr("Reading \"%1\" stopped at line %2, which is longer than %3 KiB. %4")
                                .arg(job->fileName, QString::number(job->reader->LongLine()),
                                     QString::number(LogFileReader::MaxLineBytes / 1024),
                                     RowsBefore(result.Rows));
    } else {
        result.Rows = job->written.Rows;
        result.Cancelled = job->written.Cancelled;
        result.Error = job->written.Error;
        if (!failure.isEmpty())
            result.Error =
                tr("The log could not be written to \"%1\": %2.").arg(job->fileName, failure);
        // Rows keep their numbers unless the table was cleared or replaced meanwhile.
        const bool sameRows = job->table && session_.Log().Resets() == job->resets;
        if (result.Error.isEmpty() && result.Rows > 0 && sameRows &&
            (job->op == Operation::Save || job->op == Operation::SaveAll))
            NoteSaved(job->range.From, job->range.From + result.Rows - 1);
    }
    last_ = result;
    emit Finished(last_);
}

void LogFiles::CompleteOpen(Job& job) {
    if (job.refused)
        return;
    if (!job.read || !task_->Failure().isEmpty()) {
        // Nothing changes; the recording runs again as before, unless the user
        // chose meanwhile.
        if (job.wasRunning && !session_.State().Recording.ListRunning)
            session_.SetListRunning(true);
        return;
    }
    // Rows the user recorded while the file was read (Run pressed meanwhile) follow
    // the file's rows, and they alone make up the new journal generation.
    LogTable& table = session_.Log();
    const int recorded = std::min(appendedDuringOpen_, session_.TableRows());
    LogRowStore rows = job.reader->TakeRows();
    const int loaded = rows.Count();
    LogRowStore::Reader recordedRows(table.Rows(), session_.TableRows() - recorded);
    for (LogRowStore::CellViews cells; recordedRows.Next(cells);)
        rows.AppendRaw(cells);
    table.ReplaceRows(std::move(rows));
    if (RowJournal* journal = session_.Journal())
        journal->Begin(recorded,
                       [&table, loaded](int i) { return table.LineFields(loaded + 1 + i); });
}

void LogFiles::NoteSaved(int firstRow, int lastRow) {
    RowJournal* journal = session_.Journal();
    if (!journal || journal->Rows() == 0)
        return;
    // The journal's rows are the table's last ones (after the rows of an opened file).
    const int tableRows = session_.TableRows();
    const int firstJournaled = tableRows - journal->Rows() + 1;
    if (firstRow <= firstJournaled && lastRow >= firstJournaled)
        journal->NoteSaved(std::min(lastRow, tableRows) - firstJournaled + 1);
}
