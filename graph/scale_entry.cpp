// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/scale_entry.h"

#include <cmath>

namespace {
[[noreturn]] void Fail(const QString& field, const QString& text, const char* expected) {
    throw EConvertError(
        QStringLiteral("The %1 \"%2\" is not %3.").arg(field, text, QString::fromLatin1(expected)));
}

int WholeNumber(const QString& text, const QString& field) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        Fail(field, text, "a whole number");
    return value;
}
} // namespace

namespace ScaleEntry {
QString LiveText(double value) {
    // Adding 0 turns the -0 of a small negative fraction into 0.
    return QString::number(std::trunc(value) + 0.0, 'f', 0);
}

QString LogText(double value, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', QLocale::FloatingPointShortest);
}

double LiveValue(const QString& text, const QString& field, const QLocale& locale) {
    QLocale strict = locale;
    strict.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = strict.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        Fail(field, text, "a number");
    return value;
}

Range LogRange(const QString& maxText, const QString& minText) {
    const float max = static_cast<float>(WholeNumber(maxText, QStringLiteral("maximum")));
    const float min = static_cast<float>(WholeNumber(minText, QStringLiteral("minimum")));
    Range range{min, max};
    if (range.min > range.max)
        std::swap(range.min, range.max);
    return range;
}
} // namespace ScaleEntry
