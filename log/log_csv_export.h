#pragma once
// Export of the log table for spreadsheets and scripts: UTF-8 CSV with a header
// line, ISO 8601 local times, a point as decimal separator whatever the system
// uses, an empty value where the meter showed "OL" or no number, and RFC 4180
// quoting. Unlike a saved log it reads into a data frame without any set-up.

#include "log/log_row_range.h"

#include <QByteArray>
#include <QString>
#include <functional>

class LogTable;

namespace LogCsvExport {
extern const QByteArray HeaderLine;
using Progress = std::function<bool(int rows)>;

struct Result {
    int Rows = 0;
    bool Cancelled = false;
    QString Error; // empty when the file was written
};

// dateFormat is the pattern the table's dates were written with (empty: the
// table locale's short format). Dates and times that do not follow it are kept
// as they stand.
Result Save(const QString& fileName, const LogTable& table, const QString& dateFormat,
            const Progress& progress = {});
// The lines of the data rows from..to, for tests and the file alike.
QByteArray Lines(const LogTable& table, const QString& dateFormat, RowRange range);
} // namespace LogCsvExport
