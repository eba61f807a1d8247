#include "app/day_count.h"

#include <cmath>

namespace {
constexpr double MsPerDay = 86400000.0;
const QDate DayZero(1899, 12, 30);
} // namespace

double DayCountFromDateTime(const QDateTime& dateTime) {
    return static_cast<double>(DayZero.daysTo(dateTime.date())) +
           dateTime.time().msecsSinceStartOfDay() / MsPerDay;
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
    return QDateTime(DayZero.addDays(day), QTime::fromMSecsSinceStartOfDay(static_cast<int>(rest)));
}

double CurrentDayCount() { return DayCountFromDateTime(QDateTime::currentDateTime()); }
