// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/log_file_writer.h"

#include "log/log_line_format.h"
#include "log/log_table.h"
#include "platform/checked_file.h"

#include <QCoreApplication>

namespace LogFileWriter {
namespace {
constexpr int RowsPerPoll = 1024;
QString SaveFailure() {
    return QCoreApplication::translate("LogFileWriter",
                                       "The log could not be saved to \"%1\": %2.");
}

// Store texts are UTF-8; files are in the system's 8-bit encoding.
LogLineFormat::RawFields FileFields(const LogRowStore::RawCells& cells,
                                    std::array<QByteArray, LogLineFormat::FieldCount>& converted) {
    LogLineFormat::RawFields fields;
    for (int k = 0; k < LogLineFormat::FieldCount; ++k) {
        if (LogLineFormat::LocalIsUtf8()) {
            fields[k] = cells[k];
        } else {
            converted[k] = QString::fromUtf8(cells[k]).toLocal8Bit();
            fields[k] = converted[k];
        }
    }
    return fields;
}
} // namespace

Result Write(const QString& fileName, const Lines& lines, const Progress& progress,
             OnCancel onCancel) {
    Result result;
    CheckedFileWriter file(fileName);
    const auto failed = [&] {
        result.Error = lines.FailureFormat.arg(fileName, file.ErrorText());
        result.Rows = 0;
        return result;
    };
    if (!file.Open())
        return failed();
    QByteArray block = lines.Head;
    block.reserve(CheckedFileWriter::BlockBytes + 4096);
    for (int i = 0; i < lines.Count; ++i) {
        lines.Line(block, i);
        ++result.Rows;
        if (block.size() >= CheckedFileWriter::BlockBytes) {
            if (!file.Write(block))
                return failed();
            block.resize(0);
        }
        if (result.Rows % RowsPerPoll == 0 && progress && !progress(result.Rows)) {
            result.Cancelled = true;
            if (onCancel == OnCancel::KeepOldFile) {
                file.Cancel();
                result.Rows = 0;
                return result;
            }
            break;
        }
    }
    if (!file.Write(block) || !file.Commit())
        return failed();
    return result;
}

Result Save(const QString& fileName, const LogTable& table, RowRange range,
            const Progress& progress, OnCancel onCancel) {
    const LogRowStore& rows = table.Rows();
    std::array<QByteArray, LogLineFormat::FieldCount> converted;
    const char separator = LogLineFormat::SaveSeparator(fileName).toLatin1();
    return Write(fileName,
                 {.Count = range.Count(),
                  .Line =
                      [&](QByteArray& block, int i) {
                          // Rows past the stored ones are the blank row 1 of an empty table.
                          LogLineFormat::AppendRawLine(
                              block, FileFields(rows.RawRow(range.From + i - 1), converted),
                              separator);
                      },
                  .Head = {},
                  .FailureFormat = SaveFailure()},
                 progress, onCancel);
}

Result SaveRows(const QString& fileName, int count,
                const std::function<LogLineFormat::Fields(int index)>& row,
                const Progress& progress, OnCancel onCancel) {
    const QChar separator = LogLineFormat::SaveSeparator(fileName);
    return Write(fileName,
                 {.Count = count,
                  .Line = [&](QByteArray& block,
                              int i) { LogLineFormat::AppendLine(block, row(i), separator); },
                  .Head = {},
                  .FailureFormat = SaveFailure()},
                 progress, onCancel);
}
} // namespace LogFileWriter
