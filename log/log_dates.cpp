// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/log_dates.h"

namespace LogDates {
bool TwoDigitYear(const QString& format) {
    return format.contains(QLatin1String("yy")) && !format.contains(QLatin1String("yyyy"));
}

QDate Read(const QString& text, const QString& format) {
    QDate date = QDate::fromString(text, format);
    // A two-digit year reads as 19xx; one more than fifty years ago is this century's.
    if (date.isValid() && TwoDigitYear(format) && date.year() < QDate::currentDate().year() - 50)
        date = date.addYears(100);
    return date;
}
} // namespace LogDates
