#pragma once
// Saving rows of the log table to a log file. The file is written beside the
// target and takes its place only when complete, so a failed save never damages
// a file that was there; rows go out in large blocks rather than line by line.
// A cancelled save still keeps the rows written so far, as a complete file.

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

// Rows of the range with the separator the file name asks for.
Result Save(const QString& fileName, const LogTable& table, RowRange range,
            const Progress& progress = {});
// Rows that are not in the table (a journal's): count rows, row(i) the i-th.
Result SaveRows(const QString& fileName, int count,
                const std::function<LogLineFormat::Fields(int index)>& row,
                const Progress& progress = {});
} // namespace LogFileWriter
