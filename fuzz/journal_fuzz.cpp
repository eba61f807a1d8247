// Arbitrary journal files read back: never more saved rows than rows, every row
// eight fields, and the rows written out again read back the same.
#include "log/journal_contents.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const JournalContents journal = JournalContents::Parse(bytes);
    if (journal.SavedRows() < 0 || journal.SavedRows() > journal.RowCount() ||
        journal.RowCount() + journal.DroppedLines() > bytes.count("\r\n") + 1)
        __builtin_trap();

    QByteArray again;
    for (int i = 0; i < journal.RowCount(); ++i)
        LogLineFormat::AppendLine(again, journal.Row(i), QLatin1Char(JournalContents::Separator));
    again += JournalContents::SavedNote + QByteArray::number(journal.SavedRows()) + "\r\n";
    const JournalContents back = JournalContents::Parse(again);
    if (back.RowCount() != journal.RowCount() || back.SavedRows() != journal.SavedRows() ||
        back.DroppedLines() != 0)
        __builtin_trap();
    for (int i = 0; i < journal.RowCount(); ++i)
        if (back.Row(i) != journal.Row(i))
            __builtin_trap();
    return 0;
}
