// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary journal files read back: never more saved rows than rows, every row
// eight fields, and the rows written out again read back the same.
#include "log/journal_contents.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {
std::vector<LogLineFormat::Fields> RowsOf(const JournalContents& journal) {
    std::vector<LogLineFormat::Fields> rows;
    JournalContents::RowReader reader(journal);
    LogLineFormat::Fields fields;
    while (reader.Next(fields))
        rows.push_back(fields);
    if (!reader.Error().isEmpty())
        __builtin_trap();
    return rows;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const JournalContents journal = JournalContents::Parse(bytes);
    if (journal.SavedRows() < 0 || journal.SavedRows() > journal.RowCount() ||
        journal.RowCount() + journal.DroppedLines() > bytes.count("\r\n") + 1)
        __builtin_trap();

    const std::vector<LogLineFormat::Fields> rows = RowsOf(journal);
    if (int(rows.size()) != journal.RowCount())
        __builtin_trap();
    QByteArray again;
    for (const LogLineFormat::Fields& row : rows)
        LogLineFormat::AppendLine(again, row, QLatin1Char(JournalContents::Separator));
    again += JournalContents::SavedNote + QByteArray::number(journal.SavedRows()) + "\r\n";
    const JournalContents back = JournalContents::Parse(again);
    if (back.RowCount() != journal.RowCount() || back.SavedRows() != journal.SavedRows() ||
        back.DroppedLines() != 0)
        __builtin_trap();
    if (RowsOf(back) != rows)
        __builtin_trap();
    return 0;
}
