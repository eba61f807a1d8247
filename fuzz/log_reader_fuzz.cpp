// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes, in arbitrary pieces, through the log file reader with either
// separator. Whatever it reads, writing those rows and reading them back gives the
// same rows.
#include "log/log_file_reader.h"
#include "log/log_line_format.h"

#include <cstddef>
#include <cstdint>

namespace {
LogRowStore Read(LogFileReader& reader, const uint8_t* data, size_t size, uint8_t chunkSeed) {
    size_t pos = 0;
    for (size_t step = 0; pos < size; ++step) {
        const size_t chunk = 1 + (chunkSeed * 131 + step * 71) % 97;
        const size_t n = chunk < size - pos ? chunk : size - pos;
        reader.Feed(QByteArrayView(reinterpret_cast<const char*>(data + pos), qsizetype(n)));
        pos += n;
    }
    reader.Finish();
    return reader.TakeRows();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const QChar separator = (data[0] & 1) ? QLatin1Char(',') : QLatin1Char('\t');
    LogFileReader reader(separator);
    const LogRowStore rows = Read(reader, data + 2, size - 2, data[1]);
    if (reader.LongLine() != 0 && size < size_t(LogFileReader::MaxLineBytes))
        __builtin_trap();

    QByteArray written;
    for (int r = 0; r < rows.Count(); ++r) {
        const LogRowStore::RawCells cells = rows.RawRow(r);
        LogLineFormat::RawFields fields;
        for (int k = 0; k < LogLineFormat::FieldCount; ++k)
            fields[k] = cells[k];
        LogLineFormat::AppendRawLine(written, fields, separator.toLatin1());
    }
    LogFileReader again(separator);
    const LogRowStore reread = Read(again, reinterpret_cast<const uint8_t*>(written.constData()),
                                    size_t(written.size()), data[1]);
    if (reread.Count() != rows.Count())
        __builtin_trap();
    for (int r = 0; r < rows.Count(); ++r)
        if (reread.RawRow(r) != rows.RawRow(r))
            __builtin_trap();
    return 0;
}
