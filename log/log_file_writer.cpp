#include "log/log_file_writer.h"

#include "log/log_line_format.h"
#include "log/log_table.h"

#include <QSaveFile>

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
} // namespace

Result Save(const QString& fileName, const LogTable& table, RowRange range,
            const Progress& progress) {
    Result result;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        result.Error = SaveError(fileName, file.errorString());
        return result;
    }
    const char separator = LogLineFormat::SaveSeparator(fileName).toLatin1();
    const LogRowStore& rows = table.Rows();
    std::array<QByteArray, LogLineFormat::FieldCount> converted;
    QByteArray block;
    block.reserve(BlockBytes + 4096);
    const auto flush = [&] {
        if (file.write(block) != block.size())
            return false;
        block.resize(0);
        return true;
    };
    bool written = true;
    for (int row = range.From; row <= range.To && written; ++row) {
        // Rows past the stored ones are the blank row 1 of an empty table.
        LogLineFormat::AppendRawLine(block, FileFields(rows.RawRow(row - 1), converted), separator);
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
} // namespace LogFileWriter
