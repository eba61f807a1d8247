// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the vertical range dialog and the two rules that read them back:
// the live graph takes fractions in the order entered, the log graph whole numbers
// with the smaller one below. An entry that does not convert throws
// EConvertError naming the field and the text.

#include <QLocale>
#include <QString>
#include <stdexcept>

class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const QString& message)
        : std::runtime_error(message.toLocal8Bit().toStdString()) {}
};

namespace ScaleEntry {
// The live graph's limit cut toward zero: 99.7 shows as "99".
QString LiveText(double value);
// The log graph's limit as the shortest general number: 1370 shows as "1370".
QString LogText(double value, const QLocale& locale = QLocale());

// Which limit an entry is, for the message when it does not convert.
enum class Bound { Maximum, Minimum };

// A live limit: a number with the locale's decimal separator.
double LiveValue(const QString& text, Bound bound, const QLocale& locale = QLocale());

struct Range {
    double min = 0;
    double max = 0;
};
// The log limits: both whole numbers, read before anything changes; swapped when
// the minimum is above the maximum.
Range LogRange(const QString& maxText, const QString& minText);
} // namespace ScaleEntry
