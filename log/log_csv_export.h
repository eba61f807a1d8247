// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Export of the log table for spreadsheets and scripts: UTF-8 CSV with a header
// line, ISO 8601 times with the UTC offset of each local moment (so rows on
// either side of a change of daylight-saving time stay in order), a point as
// decimal separator whatever the system uses, an empty value where the meter
// showed "OL" or no number, and RFC 4180 quoting. Unlike a saved log it reads
// into a data frame without any set-up. It is written as a saved log is.

#include "log/log_file_writer.h"
#include "log/log_row_range.h"

#include <QByteArray>
#include <QString>

class LogTable;

namespace LogCsvExport {
extern const QByteArray HeaderLine;
using Progress = LogFileWriter::Progress;
using Result = LogFileWriter::Result;

// dateFormat is the pattern the table's dates were written with (empty: the
// table locale's short format); a two-digit year is read within fifty years of
// today. Dates and times that do not follow it are kept as they stand. A cancel
// keeps the rows exported so far.
Result Save(const QString& fileName, const LogTable& table, const QString& dateFormat,
            const Progress& progress = {});
// The lines of the data rows from..to, for tests and the file alike.
QByteArray Lines(const LogTable& table, const QString& dateFormat, RowRange range);
} // namespace LogCsvExport
