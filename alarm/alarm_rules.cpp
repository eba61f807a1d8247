// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm/alarm_rules.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <cmath>

namespace {
bool IsFahrenheit(const QString& unit) {
    return unit == QLatin1String("F");
}

// A number as the C locale writes it; a finite value only.
std::optional<double> ReadNumber(const QString& text) {
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}
} // namespace

double ConvertTemperature(double value, const QString& from, const QString& to) {
    if (from.isEmpty() || to.isEmpty() || from == to)
        return value;
    return IsFahrenheit(to) ? value * 9.0 / 5.0 + 32.0 : (value - 32.0) * 5.0 / 9.0;
}

double ConvertDifference(double degrees, const QString& from, const QString& to) {
    if (from.isEmpty() || to.isEmpty() || from == to)
        return degrees;
    return IsFahrenheit(to) ? degrees * 9.0 / 5.0 : degrees * 5.0 / 9.0;
}

QString ParseLimitRange(const QString& text, ChannelLimits& limits) {
    const qsizetype dots = text.indexOf(QLatin1String(".."));
    if (dots < 0 || text.indexOf(QLatin1String(".."), dots + 2) >= 0)
        return QCoreApplication::translate(
                   "AlarmRules", "a range is LOW..HIGH, either end may be empty (not \"%1\")")
            .arg(text);
    const QString low = text.left(dots).trimmed();
    const QString high = text.mid(dots + 2).trimmed();
    if (low.isEmpty() && high.isEmpty())
        return QCoreApplication::translate("AlarmRules",
                                           "the range \"%1\" has neither a low nor a high limit")
            .arg(text);
    ChannelLimits parsed = limits;
    parsed.Low.reset();
    parsed.High.reset();
    for (const auto& [part, target] : {std::pair{&low, &parsed.Low}, {&high, &parsed.High}}) {
        if (part->isEmpty())
            continue;
        *target = ReadNumber(*part);
        if (!*target)
            return QCoreApplication::translate("AlarmRules",
                                               "\"%1\" in \"%2\" is not a number of degrees")
                .arg(*part, text);
    }
    if (parsed.Low && parsed.High && *parsed.Low >= *parsed.High)
        return QCoreApplication::translate("AlarmRules",
                                           "in \"%1\" the low limit is not below the high one")
            .arg(text);
    limits = parsed;
    return {};
}

QString DegreesText(double value) {
    return QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest);
}

QString DescribeRules(const AlarmRules& rules) {
    const QString unit = rules.Unit.isEmpty() ? QString() : QLatin1Char(' ') + rules.Unit;
    QStringList parts;
    QStringList delays;
    QStringList margins;
    for (int c = 0; c < AlarmRules::Channels; ++c) {
        const ChannelLimits& limits = rules.Channel[size_t(c)];
        if (!limits.Any())
            continue;
        QStringList bounds;
        if (limits.Low)
            bounds << QCoreApplication::translate("AlarmRules", "below %1%2")
                          .arg(DegreesText(*limits.Low), unit);
        if (limits.High)
            bounds << QCoreApplication::translate("AlarmRules", "above %1%2")
                          .arg(DegreesText(*limits.High), unit);
        //: A channel's two limits: "below -5 C or above 30 C"
        const QString limitsText =
            bounds.size() == 2
                ? QCoreApplication::translate("AlarmRules", "%1 or %2").arg(bounds[0], bounds[1])
                : bounds[0];
        //: %1 the channel's number, %2 its limits
        parts << QCoreApplication::translate("AlarmRules", "channel %1 %2")
                     .arg(c + 1)
                     .arg(limitsText);
        delays << QString::number(limits.DelaySeconds);
        margins << DegreesText(limits.Hysteresis);
    }
    QStringList out;
    if (!parts.isEmpty()) {
        QString text = parts.join(QStringLiteral(", "));
        delays.removeDuplicates();
        margins.removeDuplicates();
        if (delays != QStringList{QStringLiteral("0")})
            text += QCoreApplication::translate("AlarmRules", "; after %1 s beyond")
                        .arg(delays.join(QLatin1Char('/')));
        if (margins != QStringList{QStringLiteral("0")})
            text += QCoreApplication::translate("AlarmRules", "; clearing %1 degrees inside")
                        .arg(margins.join(QLatin1Char('/')));
        out << text;
    }
    if (rules.NoReadingSeconds > 0)
        out << QCoreApplication::translate("AlarmRules", "no reading for %1 s")
                   .arg(rules.NoReadingSeconds);
    return out.join(QStringLiteral("; "));
}
