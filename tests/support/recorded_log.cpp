// SPDX-License-Identifier: GPL-3.0-or-later
#include "recorded_log.h"

#include "base/day_count.h"
#include "log/log_table.h"

void RecordLog(LogTable& table, int rows) {
    table.SetLocale(QLocale::c());
    table.WriteHeader();
    CurrentReading r;
    r.ModelCode = 303;
    r.ChannelCount = 2;
    r.UnitText = r.SubUnitText = QStringLiteral("C");
    r.TypeText = QStringLiteral("K");
    const double start = DayCountFromDateTime(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
    for (int i = 0; i < rows; ++i) {
        r.MainValue = 20 + i / 10.0;
        r.MainOverload = i % 7 == 3;
        r.SubValue = -15.5 + i % 11;
        r.ModeText = i % 5 == 0 ? QStringLiteral(" MAX HOLD") : QString();
        table.AppendLogRow({start + i / 86400.0, r}, QStringLiteral("d/M/yyyy"));
    }
}
