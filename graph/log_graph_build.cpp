#include "graph/log_graph_build.h"

#include "base/day_count.h"
#include "graph/chart_data.h"
#include "graph/graph_progress.h"
#include "log/log_dates.h"
#include "log/log_table.h"

#include <cmath>

namespace {
constexpr int DateColumn = 1;
constexpr int TimeColumn = 2;
constexpr int MainColumn = 3;
constexpr int SecondColumn = 5;
constexpr int SecondUnitColumn = 6;

// Reads up to maxDigits decimal digits at p; false when there is none.
bool Digits(const QChar*& p, const QChar* end, int maxDigits, int& value) {
    value = 0;
    int n = 0;
    while (p < end && n < maxDigits && p->unicode() >= '0' && p->unicode() <= '9') {
        value = value * 10 + (p->unicode() - '0');
        ++p;
        ++n;
    }
    return n > 0;
}
} // namespace

LogGraphBuild::LogGraphBuild(const LogTable& table, const QString& dateFormat)
    : table_(table), rows_(table.RowCount() - 1),
      dateFormat_(dateFormat.isEmpty() ? table.Locale().dateFormat(QLocale::ShortFormat)
                                       : dateFormat),
      timeFormat_(table.TimeFormat()), locale_(table.Locale()) {
    timeSeparator_ = timeFormat_.size() > 2 ? timeFormat_[2] : QLatin1Char(':');
    lenientTimeFormat_ = QStringLiteral("H%1m%1s").arg(timeSeparator_);
    locale_.setNumberOptions(QLocale::RejectGroupSeparator);
    decimalPoint_ = locale_.decimalPoint().at(0);
}

int LogGraphBuild::SeriesCount() const {
    const QString unit = table_.Cell(1, SecondUnitColumn);
    return unit.contains(QLatin1Char('F')) || unit.contains(QLatin1Char('C')) ? 2 : 1;
}

LogGraphBuild::Span LogGraphBuild::FirstAndLast() const {
    Span span;
    for (const int row : {1, rows_}) {
        const QString date = table_.Cell(row, DateColumn);
        const QString time = table_.Cell(row, TimeColumn);
        double days = 0;
        if (!DateTime(date, time, days)) {
            span.error = QStringLiteral("Row %1 of the log has no valid date and time (\"%2 %3\"), "
                                        "so the graph's time axis starts at day 0.")
                             .arg(row)
                             .arg(date, time);
            if (row != 1)
                span.error.replace(QLatin1String("starts"), QLatin1String("ends"));
            return span;
        }
        (row == 1 ? span.first : span.last) = days;
    }
    return span;
}

int LogGraphBuild::Fill(ChartData& data, GraphProgress& progress, double first) const {
    const bool two = SeriesCount() == 2 && data.Subsets() > 1;
    double* x0 = data.XArray(0);
    float* y0 = data.YArray(0);
    double* x1 = two ? data.XArray(1) : nullptr;
    float* y1 = two ? data.YArray(1) : nullptr;
    double x = first; // the last date and time that converted
    int done = 0;
    for (int row = 1; row <= rows_; ++row) {
        if (progress.Step(row))
            break;
        double t = 0;
        const bool timed = DateTime(table_.Cell(row, DateColumn), table_.Cell(row, TimeColumn), t);
        if (timed)
            x = t;
        float y = 0;
        if (timed && Number(table_.Cell(row, MainColumn), y)) {
            x0[row - 1] = x;
            y0[row - 1] = y;
        }
        if (two && Number(table_.Cell(row, SecondColumn), y)) {
            x1[row - 1] = x;
            y1[row - 1] = y;
        }
        done = row;
    }
    for (int s = 0; s < (two ? 2 : 1); ++s)
        data.Changed(s, 0, done - 1);
    return done;
}

bool LogGraphBuild::DateTime(const QString& date, const QString& time, double& days) const {
    qint64 day = 0;
    int ms = 0;
    if (!Date(date, day) || !Time(time, ms))
        return false;
    days = DayCount(QDate::fromJulianDay(day), QTime::fromMSecsSinceStartOfDay(ms));
    return true;
}

bool LogGraphBuild::Date(const QString& text, qint64& day) const {
    if (!lastDateText_.isNull() && text == lastDateText_) {
        day = lastDay_;
        return true;
    }
    const QDate date = LogDates::Read(text.trimmed(), dateFormat_);
    if (!date.isValid())
        return false;
    lastDateText_ = text;
    lastDay_ = day = date.toJulianDay();
    return true;
}

bool LogGraphBuild::Time(const QString& text, int& ms) const {
    // The table's own form first: hours, minutes and seconds with its separator.
    const QChar* p = text.constData();
    const QChar* end = p + text.size();
    int h = 0, m = 0, s = 0;
    if (Digits(p, end, 2, h) && p < end && *p++ == timeSeparator_ && Digits(p, end, 2, m) &&
        p < end && *p++ == timeSeparator_ && Digits(p, end, 2, s) && p == end && h < 24 && m < 60 &&
        s < 60) {
        ms = ((h * 60 + m) * 60 + s) * 1000;
        return true;
    }
    const QString trimmed = text.trimmed();
    QTime t = QTime::fromString(trimmed, lenientTimeFormat_);
    if (!t.isValid())
        t = QTime::fromString(trimmed, lenientTimeFormat_.left(3));
    if (!t.isValid())
        return false;
    ms = t.msecsSinceStartOfDay();
    return true;
}

bool LogGraphBuild::Number(const QString& text, float& value) const {
    // The table's own form first: an optional sign, digits, a decimal separator and digits.
    const QChar* p = text.constData();
    const QChar* end = p + text.size();
    const bool negative = p < end && *p == QLatin1Char('-');
    if (negative)
        ++p;
    double whole = 0, fraction = 0, scale = 1;
    int digits = 0;
    const QChar* start = p;
    while (p < end && p->unicode() >= '0' && p->unicode() <= '9' && digits < 15)
        whole = whole * 10 + (p++->unicode() - '0'), ++digits;
    bool fast = p > start;
    if (fast && p < end && *p == decimalPoint_) {
        const QChar* fractionStart = ++p;
        while (p < end && p->unicode() >= '0' && p->unicode() <= '9' && digits < 15)
            fraction = fraction * 10 + (p++->unicode() - '0'), scale *= 10, ++digits;
        fast = p > fractionStart;
    }
    if (fast && p == end) {
        // Exact integers divided once: rounded as the library's own conversion rounds.
        const double v = (whole * scale + fraction) / scale;
        value = static_cast<float>(negative ? -v : v);
        return true;
    }
    bool ok = false;
    const double v = locale_.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(static_cast<float>(v)))
        return false;
    value = static_cast<float>(v);
    return true;
}
