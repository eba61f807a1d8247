// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the log's date column back into dates, the one rule the CSV export and
// the log graph share: the column's pattern, and a year written with two digits
// taken within fifty years of today (so "07.12.26" is 2026, not 1926).

#include <QDate>
#include <QString>

namespace LogDates {
// The pattern writes the year with two digits.
bool TwoDigitYear(const QString& format);
// The date the text holds in the pattern; invalid when it holds none.
QDate Read(const QString& text, const QString& format);
} // namespace LogDates
