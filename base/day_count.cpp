// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/day_count.h"

#include <cmath>
#include <cstdlib>

namespace {
constexpr double MsPerDay = 86400000.0;
constexpr qint64 DayZero = 2415019; // 30 December 1899 as a Julian day
} // namespace

double DayCountFromDateTime(const QDateTime& dateTime) {
    return DayCount(dateTime.date(), dateTime.time());
}

double DayCount(QDate date, QTime time) {
    return static_cast<double>(date.toJulianDay() - DayZero) +
           time.msecsSinceStartOfDay() / MsPerDay;
}

QDateTime DateTimeFromDayCount(double days) {
    const int64_t ms = std::llround(days * MsPerDay);
    const int64_t perDay = static_cast<int64_t>(MsPerDay);
    int64_t day = ms / perDay;
    int64_t rest = ms % perDay;
    if (rest < 0) {
        rest += perDay;
        --day;
    }
    return QDateTime(QDate::fromJulianDay(DayZero + day),
                     QTime::fromMSecsSinceStartOfDay(static_cast<int>(rest)));
}

double CurrentDayCount() {
    return DayCountFromDateTime(QDateTime::currentDateTime());
}

QString IsoLocalTime(double days) {
    const QDateTime time = DateTimeFromDayCount(days);
    const int offset = time.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
           QLatin1Char(offset < 0 ? '-' : '+') +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}
