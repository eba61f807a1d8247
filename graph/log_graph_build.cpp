// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/log_graph_build.h"

#include "base/day_count.h"
#include "graph/chart_data.h"
#include "graph/graph_progress.h"
#include "log/log_dates.h"
#include "log/log_table.h"

#include <cmath>
#include <cstring>

namespace {
// Cells of a stored row (table columns 1 to 8 are cells 0 to 7).
constexpr int DateCell = 0;
constexpr int TimeCell = 1;
constexpr int MainCell = 2;
constexpr int SecondCell = 4;
constexpr int SecondUnitColumn = 6;

// Reads up to maxDigits decimal digits at p; false when there is none.
bool Digits(const char*& p, const char* end, int maxDigits, int& value) {
    value = 0;
    int n = 0;
    while (p < end && n < maxDigits && *p >= '0' && *p <= '9') {
        value = value * 10 + (*p - '0');
        ++p;
        ++n;
    }
    return n > 0;
}

// Skips the bytes of mark at p; false when they are not there.
bool Skip(const char*& p, const char* end, const QByteArray& mark) {
    if (mark.isEmpty() || end - p < mark.size() ||
        std::memcmp(p, mark.constData(), size_t(mark.size())) != 0)
        return false;
    p += mark.size();
    return true;
}
} // namespace

LogGraphBuild::LogGraphBuild(const LogTable& table, const QString& dateFormat)
    : table_(table), rows_(table.RowCount() - 1),
      dateFormat_(dateFormat.isEmpty() ? table.Locale().dateFormat(QLocale::ShortFormat)
                                       : dateFormat),
      timeFormat_(table.TimeFormat()), locale_(table.Locale()) {
    const QChar separator = timeFormat_.size() > 2 ? timeFormat_[2] : QLatin1Char(':');
    timeSeparator_ = QString(separator).toUtf8();
    lenientTimeFormat_ = QStringLiteral("H%1m%1s").arg(separator);
    locale_.setNumberOptions(QLocale::RejectGroupSeparator);
    decimalPoint_ = locale_.decimalPoint().toUtf8();
}

int LogGraphBuild::SeriesCount() const {
    const QString unit = table_.Cell(1, SecondUnitColumn);
    return unit.contains(QLatin1Char('F')) || unit.contains(QLatin1Char('C')) ? 2 : 1;
}

LogGraphBuild::Span LogGraphBuild::FirstAndLast() const {
    Span span;
    for (const int row : {1, rows_}) {
        const QString date = table_.Cell(row, DateCell + 1);
        const QString time = table_.Cell(row, TimeCell + 1);
        double days = 0;
        if (!DateTime(date, time, days)) {
            span.error = (row == 1 ? tr("Row %1 of the log has no valid date and time (\"%2 %3\"), "
                                        "so the graph's time axis starts at day 0.")
                                   : tr("Row %1 of the log has no valid date and time (\"%2 %3\"), "
                                        "so the graph's time axis ends at day 0."))
                             .arg(row)
                             .arg(date, time);
            return span;
        }
        (row == 1 ? span.first : span.last) = days;
    }
    return span;
}

int LogGraphBuild::Fill(ChartData& data, GraphProgress& progress, double first) const {
    const bool two = SeriesCount() == 2 && data.Subsets() > 1;
    LogRowStore::Reader reader(table_.Rows(), 0);
    LogRowStore::CellViews cells{};
    double x = first; // the last date and time that converted
    int done = 0;
    for (int row = 1; row <= rows_; ++row) {
        if (progress.Step(row))
            break;
        if (!reader.Next(cells))
            cells = {}; // the blank row 1 of an empty table
        double t = 0;
        const bool timed = RowDateTime(cells[DateCell], cells[TimeCell], t);
        if (timed)
            x = t;
        float y = 0;
        if (timed && ReadNumber(cells[MainCell], y))
            data.Put(0, row - 1, x, y);
        if (two && ReadNumber(cells[SecondCell], y))
            data.Put(1, row - 1, x, y);
        done = row;
    }
    for (int s = 0; s < (two ? 2 : 1); ++s)
        data.Changed(s, 0, done - 1);
    return done;
}

bool LogGraphBuild::DateTime(const QString& date, const QString& time, double& days) const {
    return RowDateTime(date.toUtf8(), time.toUtf8(), days);
}

bool LogGraphBuild::Number(const QString& text, float& value) const {
    return ReadNumber(text.toUtf8(), value);
}

bool LogGraphBuild::RowDateTime(QByteArrayView date, QByteArrayView time, double& days) const {
    qint64 day = 0;
    int ms = 0;
    if (!Date(date, day) || !Time(time, ms))
        return false;
    days = DayCount(QDate::fromJulianDay(day), QTime::fromMSecsSinceStartOfDay(ms));
    return true;
}

bool LogGraphBuild::Date(QByteArrayView text, qint64& day) const {
    if (haveDate_ && text == QByteArrayView(lastDate_)) {
        day = lastDay_;
        return true;
    }
    const QDate date = LogDates::Read(QString::fromUtf8(text).trimmed(), dateFormat_);
    if (!date.isValid())
        return false;
    lastDate_ = text.toByteArray();
    haveDate_ = true;
    lastDay_ = day = date.toJulianDay();
    return true;
}

bool LogGraphBuild::Time(QByteArrayView text, int& ms) const {
    // The table's own form first: hours, minutes and seconds with its separator.
    const char* p = text.data();
    const char* end = p + text.size();
    int h = 0, m = 0, s = 0;
    if (Digits(p, end, 2, h) && Skip(p, end, timeSeparator_) && Digits(p, end, 2, m) &&
        Skip(p, end, timeSeparator_) && Digits(p, end, 2, s) && p == end && h < 24 && m < 60 &&
        s < 60) {
        ms = ((h * 60 + m) * 60 + s) * 1000;
        return true;
    }
    const QString trimmed = QString::fromUtf8(text).trimmed();
    QTime t = QTime::fromString(trimmed, lenientTimeFormat_);
    if (!t.isValid())
        t = QTime::fromString(trimmed, lenientTimeFormat_.left(3));
    if (!t.isValid())
        return false;
    ms = t.msecsSinceStartOfDay();
    return true;
}

bool LogGraphBuild::ReadNumber(QByteArrayView text, float& value) const {
    // The table's own form first: an optional sign, digits, a decimal separator and digits.
    const char* p = text.data();
    const char* end = p + text.size();
    const bool negative = p < end && *p == '-';
    if (negative)
        ++p;
    double whole = 0, fraction = 0, scale = 1;
    int digits = 0;
    const char* start = p;
    while (p < end && *p >= '0' && *p <= '9' && digits < 15)
        whole = whole * 10 + (*p++ - '0'), ++digits;
    bool fast = p > start;
    if (fast && Skip(p, end, decimalPoint_)) {
        const char* fractionStart = p;
        while (p < end && *p >= '0' && *p <= '9' && digits < 15)
            fraction = fraction * 10 + (*p++ - '0'), scale *= 10, ++digits;
        fast = p > fractionStart;
    }
    if (fast && p == end) {
        // Exact integers divided once: rounded as the library's own conversion rounds.
        const double v = (whole * scale + fraction) / scale;
        value = static_cast<float>(negative ? -v : v);
        return true;
    }
    bool ok = false;
    const double v = locale_.toDouble(QString::fromUtf8(text).trimmed(), &ok);
    if (!ok || !std::isfinite(static_cast<float>(v)))
        return false;
    value = static_cast<float>(v);
    return true;
}
