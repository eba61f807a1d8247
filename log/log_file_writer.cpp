#include "log/log_file_writer.h"

#include "log/log_line_format.h"
#include "log/log_table.h"

#include <QSaveFile>
#include <functional>

namespace LogFileWriter {
namespace {
constexpr qsizetype BlockBytes = 1 << 20;
constexpr int RowsPerPoll = 1024;

QString SaveError(const QString& fileName, const QString& reason) {
    return QStringLiteral("The log could not be saved to \"%1\": %2.").arg(fileName, reason);
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

// The one way rows reach a file: appendLine adds the line of the i-th row to the
// block, which goes out in large writes; the file replaces an old one only when
// complete, also after a cancel.
Result Write(const QString& fileName, int count,
             const std::function<void(QByteArray& block, int index, char separator)>& appendLine,
             const Progress& progress) {
    Result result;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        result.Error = SaveError(fileName, file.errorString());
        return result;
    }
    const char separator = LogLineFormat::SaveSeparator(fileName).toLatin1();
    QByteArray block;
    block.reserve(BlockBytes + 4096);
    const auto flush = [&] {
        if (file.write(block) != block.size())
            return false;
        block.resize(0);
        return true;
    };
    bool written = true;
    for (int i = 0; i < count && written; ++i) {
        appendLine(block, i, separator);
        ++result.Rows;
        if (block.size() >= BlockBytes)
            written = flush();
        if (result.Rows % RowsPerPoll == 0 && progress && !progress(result.Rows)) {
            result.Cancelled = true;
            break;
        }
    }
    if (written)
        written = flush();
    if (!written || !file.commit()) {
        result.Error = SaveError(fileName, file.errorString());
        file.cancelWriting();
        result.Rows = 0;
    }
    return result;
}
} // namespace

Result Save(const QString& fileName, const LogTable& table, RowRange range,
            const Progress& progress) {
    const LogRowStore& rows = table.Rows();
    std::array<QByteArray, LogLineFormat::FieldCount> converted;
    return Write(
        fileName, range.Count(),
        [&](QByteArray& block, int i, char separator) {
            // Rows past the stored ones are the blank row 1 of an empty table.
            LogLineFormat::AppendRawLine(
                block, FileFields(rows.RawRow(range.From + i - 1), converted), separator);
        },
        progress);
}

Result SaveRows(const QString& fileName, int count,
                const std::function<LogLineFormat::Fields(int index)>& row,
                const Progress& progress) {
    return Write(
        fileName, count,
        [&](QByteArray& block, int i, char separator) {
            LogLineFormat::AppendLine(block, row(i), QLatin1Char(separator));
        },
        progress);
}
} // namespace LogFileWriter
