// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Date-times as a day count: days since 30 December 1899, the time of day as the
// fraction. Sample times, log rows and graph X values all use it.

#include <QDateTime>

double DayCountFromDateTime(const QDateTime& dateTime);
double DayCount(QDate date, QTime time);
// Rounded to the millisecond, so a count read back formats as the second it was taken in.
QDateTime DateTimeFromDayCount(double days);
// The current local date and time.
double CurrentDayCount();
// The local time to the second with its offset from UTC, in ISO 8601:
// 2024-07-14T13:05:09+02:00.
QString IsoLocalTime(double days);
