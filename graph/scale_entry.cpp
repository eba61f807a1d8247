// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/scale_entry.h"

#include <QCoreApplication>
#include <cmath>

namespace {
using ScaleEntry::Bound;

[[noreturn]] void Fail(Bound bound, const QString& text, bool whole) {
    static const char* const messages[2][2] = {
        {QT_TRANSLATE_NOOP("ScaleEntry", "The maximum \"%1\" is not a number."),
         QT_TRANSLATE_NOOP("ScaleEntry", "The maximum \"%1\" is not a whole number.")},
        {QT_TRANSLATE_NOOP("ScaleEntry", "The minimum \"%1\" is not a number."),
         QT_TRANSLATE_NOOP("ScaleEntry", "The minimum \"%1\" is not a whole number.")}};
    const char* message = messages[bound == Bound::Maximum ? 0 : 1][whole ? 1 : 0];
    throw EConvertError(QCoreApplication::translate("ScaleEntry", message).arg(text));
}

int WholeNumber(const QString& text, Bound bound) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        Fail(bound, text, true);
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

double LiveValue(const QString& text, Bound bound, const QLocale& locale) {
    QLocale strict = locale;
    strict.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = strict.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        Fail(bound, text, false);
    return value;
}

Range LogRange(const QString& maxText, const QString& minText) {
    const float max = static_cast<float>(WholeNumber(maxText, Bound::Maximum));
    const float min = static_cast<float>(WholeNumber(minText, Bound::Minimum));
    Range range{min, max};
    if (range.min > range.max)
        std::swap(range.min, range.max);
    return range;
}
} // namespace ScaleEntry
