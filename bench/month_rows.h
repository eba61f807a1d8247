// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A month of one-second rows of a two-channel meter as the log writes them (C
// locale, dates as d/M/yyyy): a slow swing with noise, the odd overload and
// HOLD. The texts are made straight, without a date-time conversion per row, so
// that the benchmarks spend their time on what they measure.

#include "log/log_line_format.h"
#include "log/log_row_store.h"

#include <QDate>
#include <QFile>
#include <QTime>
#include <cmath>
#include <cstdio>

namespace MonthRows {
constexpr int Month = 2600000;
const QDate FirstDay(2026, 11, 1);

// "-12.3": one decimal, as the table formats values.
inline QByteArray Value(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", std::round(value * 10) / 10);
    return QByteArray(text);
}

// Row i, from midnight of the first day on; day is the day of cells' date.
inline void Row(int i, std::array<QByteArray, LogRowStore::CellCount>& cells, int& day) {
    const int second = i % 86400;
    if (i / 86400 != day) {
        day = i / 86400;
        cells[0] = FirstDay.addDays(day).toString(QStringLiteral("d/M/yyyy")).toLatin1();
    }
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", second / 3600, second / 60 % 60,
                  second % 60);
    cells[1] = time;
    cells[2] = i % 10007 == 0 ? QByteArray("OL")
                              : Value(60 + 40 * std::sin(i / 5000.0) + (i * 7919 % 101) / 50.0);
    cells[3] = "C";
    cells[4] = Value(20 + 5 * std::cos(i / 800.0));
    cells[5] = "C";
    cells[6] = "K";
    cells[7] = i % 100 == 0 ? QByteArray(" HOLD") : QByteArray();
}

inline LogRowStore::CellViews Views(const std::array<QByteArray, LogRowStore::CellCount>& cells) {
    LogRowStore::CellViews views;
    for (int k = 0; k < LogRowStore::CellCount; ++k)
        views[size_t(k)] = cells[size_t(k)];
    return views;
}

// Rows 0, step, 2 step, ... of the month.
inline LogRowStore Store(int rows, int step = 1) {
    LogRowStore store;
    std::array<QByteArray, LogRowStore::CellCount> cells;
    int day = -1;
    for (int i = 0; i < rows; ++i) {
        Row(i * step, cells, day);
        store.AppendRaw(Views(cells));
    }
    return store;
}

// The rows as Save writes them, tab-separated.
inline bool WriteFile(const QString& path, int rows) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block;
    std::array<QByteArray, LogRowStore::CellCount> cells;
    int day = -1;
    for (int i = 0; i < rows; ++i) {
        Row(i, cells, day);
        LogLineFormat::AppendRawLine(block, Views(cells), '\t');
        if (block.size() > (1 << 20) || i == rows - 1) {
            if (file.write(block) != block.size())
                return false;
            block.resize(0);
        }
    }
    return file.flush();
}
} // namespace MonthRows
