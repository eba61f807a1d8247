// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving rows of the log table to a log file, and the one way any of the log's
// files is written. Lines are built into large blocks that go through a
// CheckedFileWriter: the file takes the target's place only when complete and on
// the disk, so a failed save never damages a file that was there, and a failure
// names the file and the system's reason.

#include "log/log_line_format.h"
#include "log/log_row_range.h"

#include <QString>
#include <functional>

class LogTable;

namespace LogFileWriter {
// Told the number of rows handled so far now and then; false cancels.
using Progress = std::function<bool(int rows)>;

struct Result {
    int Rows = 0;           // lines in the file
    bool Cancelled = false; // stopped by the progress callback
    QString Error;          // empty when the file was written; else what failed and why
};

// What a cancel leaves: the rows written so far as a complete file (the log
// window's Save), or the target as it was.
enum class OnCancel { KeepRowsWritten, KeepOldFile };

// Appends the line of the index-th row (from 0) to the block.
using AppendLine = std::function<void(QByteArray& block, int index)>;
struct Lines {
    int Count = 0;
    AppendLine Line;
    QByteArray Head;       // written before the first line
    QString FailureFormat; // "%1" the file, "%2" the reason
};
Result Write(const QString& fileName, const Lines& lines, const Progress& progress,
             OnCancel onCancel);

// Rows of the range with the separator the file name asks for.
Result Save(const QString& fileName, const LogTable& table, RowRange range,
            const Progress& progress = {}, OnCancel onCancel = OnCancel::KeepRowsWritten);
// Rows that are not in the table (a journal's): count rows, row(i) the i-th.
Result SaveRows(const QString& fileName, int count,
                const std::function<LogLineFormat::Fields(int index)>& row,
                const Progress& progress = {}, OnCancel onCancel = OnCancel::KeepOldFile);
} // namespace LogFileWriter
