// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/rate_entry.h"

const QString RateEntryMask = QStringLiteral("  99 : 99  ;_");

namespace {
QString EntryText(const QString& minutes, const QString& seconds) {
    return QStringLiteral("  ") + minutes + QStringLiteral(" : ") + seconds + QLatin1Char(' ');
}

// One two-digit field; unreadable digits become "00", values above 60 become "60".
int32_t ReadField(QString& field, bool& rewrite) {
    const auto digit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    if (field.size() != 2 || !digit(field[0]) || !digit(field[1])) {
        field = QStringLiteral("00");
        rewrite = true;
        return 0;
    }
    const int32_t value = field.toInt();
    if (value > 60) {
        field = QStringLiteral("60");
        rewrite = true;
        return 60;
    }
    return value;
}

QString TwoDigits(int32_t value) {
    return (QLatin1Char('0') + QString::number(value)).right(2);
}
} // namespace

RateEntry ParseRateEntry(const QString& text) {
    QString minutesText = text.mid(2, 2);
    QString secondsText = text.mid(7, 2);
    RateEntry entry;
    const int32_t minutes = ReadField(minutesText, entry.Rewrite);
    const int32_t seconds = ReadField(secondsText, entry.Rewrite);
    entry.Rate = minutes * 60 + seconds;
    if (entry.Rewrite)
        entry.Text = EntryText(minutesText, secondsText);
    return entry;
}

QString RateEntryText(int32_t rate) {
    return EntryText(TwoDigits(rate / 60), TwoDigits(rate % 60));
}
