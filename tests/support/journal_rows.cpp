// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal_rows.h"

QList<LogLineFormat::Fields> RowsOf(const JournalContents& journal) {
    QList<LogLineFormat::Fields> rows;
    JournalContents::RowReader reader(journal);
    LogLineFormat::Fields fields;
    while (reader.Next(fields))
        rows.append(fields);
    return reader.Error().isEmpty() ? rows : QList<LogLineFormat::Fields>();
}
