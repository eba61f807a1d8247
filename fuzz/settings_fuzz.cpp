// SPDX-License-Identifier: GPL-3.0-or-later
// The settings reader on arbitrary stored values: the value rule on every kind of
// value a store can hand back (texts in any encoding, integers of every width,
// numbers with fractions, truth values, bytes, nothing), each value read on its
// own with a value that does not count named and defaulted, the alarm rules, and
// the date pattern rule.
#include "recording/settings_store.h"

#include <QRegularExpression>
#include <QVariant>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {
class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    template <typename T> T Number() {
        T value{};
        uint8_t bytes[sizeof(T)] = {};
        for (uint8_t& b : bytes)
            b = Byte();
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }
    QByteArray Chunk() {
        const size_t length = std::min<size_t>(Byte() % 32, size_ - pos_);
        QByteArray bytes(reinterpret_cast<const char*>(data_ + pos_), qsizetype(length));
        pos_ += length;
        return bytes;
    }
    QByteArray Rest() {
        QByteArray bytes(reinterpret_cast<const char*>(data_ + pos_), qsizetype(size_ - pos_));
        pos_ = size_;
        return bytes;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

QVariant Value(Input& in) {
    switch (in.Byte() % 11) {
    case 0:
        return {};
    case 1:
        return QString::fromUtf8(in.Chunk());
    case 2:
        return QString::fromLatin1(in.Chunk());
    case 3: {
        const QByteArray raw = in.Chunk();
        return QString(reinterpret_cast<const QChar*>(raw.constData()), raw.size() / 2);
    }
    case 4:
        return in.Number<int32_t>();
    case 5:
        return in.Number<uint32_t>();
    case 6:
        return qlonglong(in.Number<int64_t>());
    case 7:
        return qulonglong(in.Number<uint64_t>());
    case 8:
        return in.Number<double>();
    case 9:
        return bool(in.Byte() & 1);
    default:
        return in.Chunk();
    }
}

// What the rule must say, where it can be told without repeating it: integers
// count exactly when they fit 32 bits; other kinds never count; a text counts
// only as a decimal number of that value, and plain short decimals always count.
void Check(const QVariant& v, bool counted, int32_t read) {
    static const QRegularExpression decimal(QStringLiteral("^[+-]?[0-9]+$"));
    static const QRegularExpression plain(QStringLiteral("^[+-]?[0-9]{1,9}$"));
    constexpr long long Min = std::numeric_limits<int32_t>::min();
    constexpr long long Max = std::numeric_limits<int32_t>::max();
    switch (v.typeId()) {
    case QMetaType::Int:
        if (!counted || read != v.toInt())
            __builtin_trap();
        return;
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        if (counted != (v.toULongLong() <= qulonglong(Max)) || (counted && read != v.toLongLong()))
            __builtin_trap();
        return;
    case QMetaType::LongLong:
        if (counted != (v.toLongLong() >= Min && v.toLongLong() <= Max) ||
            (counted && read != v.toLongLong()))
            __builtin_trap();
        return;
    case QMetaType::QString: {
        const QString text = v.toString();
        if (plain.match(text).hasMatch() && !counted)
            __builtin_trap();
        if (counted) {
            const QString number = text.trimmed();
            if (!decimal.match(number).hasMatch())
                __builtin_trap();
            QString digits = number;
            const bool negative = digits.startsWith(QLatin1Char('-'));
            if (negative || digits.startsWith(QLatin1Char('+')))
                digits.remove(0, 1);
            while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
                digits.remove(0, 1);
            const long long magnitude = read < 0 ? -(long long)read : read;
            if (digits != QString::number(magnitude) || (read < 0 && !negative))
                __builtin_trap();
        }
        return;
    }
    default:
        if (counted)
            __builtin_trap();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    static const std::array<QString, 7> keys = {
        QStringLiteral("GraphingRate"), QStringLiteral("ListingRate"),
        QStringLiteral("MaxScale"),     QStringLiteral("MinScale"),
        QStringLiteral("ShowReso"),     QStringLiteral("LastConnectedPort"),
        QStringLiteral("LastModel")};
    std::array<QVariant, 7> values;
    for (QVariant& v : values)
        v = Value(in);

    constexpr int32_t Untouched = 77777;
    SettingsVars vars;
    for (int32_t* field : {&vars.GraphingRate, &vars.ListingRate, &vars.MaxScale, &vars.MinScale,
                           &vars.ShowReso, &vars.LastConnectedPort, &vars.LastModel})
        *field = Untouched;
    vars.SettingsMissing = in.Byte() & 1;
    const QList<UnreadSetting> unread = ReadSettingsValues(
        [&](const QString& key) {
            for (size_t i = 0; i < keys.size(); ++i)
                if (keys[i] == key)
                    return values[i];
            __builtin_trap();
        },
        vars);

    const std::array<int32_t, 7> got = {vars.GraphingRate, vars.ListingRate, vars.MaxScale,
                                        vars.MinScale,     vars.ShowReso,    vars.LastConnectedPort,
                                        vars.LastModel};
    // Each value read alone: one that counts is taken, one that does not takes a
    // default and, unless it is missing, is named with that default.
    bool missing = false;
    qsizetype named = 0;
    for (size_t i = 0; i < keys.size(); ++i) {
        int32_t read = 0;
        const bool counted = ReadStoredInt32(values[i], read);
        Check(values[i], counted, read);
        missing = missing || !counted;
        if (counted) {
            if (got[i] != read)
                __builtin_trap();
            continue;
        }
        if (got[i] == Untouched)
            __builtin_trap();
        if (!values[i].isValid())
            continue;
        if (named >= unread.size() || unread[named].Key != keys[i] ||
            unread[named].Default != got[i] || unread[named].Value.size() > 41)
            __builtin_trap();
        ++named;
    }
    if (vars.SettingsMissing != missing || named != unread.size())
        __builtin_trap();

    // The alarm rules from whatever is stored: the rules read are always ones the
    // program can use, and a value that was left off is named.
    QString problem;
    int asked = 0;
    const AlarmRules rules = ReadAlarmValues(
        [&](const QString&) {
            ++asked;
            return Value(in);
        },
        &problem);
    for (const ChannelLimits& limits : rules.Channel) {
        for (const std::optional<double>& limit : {limits.Low, limits.High})
            if (limit && (!std::isfinite(*limit) || std::abs(*limit) > 1e6))
                __builtin_trap();
        if (limits.Low && limits.High && !(*limits.Low < *limits.High))
            __builtin_trap();
        if (limits.DelaySeconds < 0 || limits.DelaySeconds > AlarmRules::MaxSeconds ||
            !std::isfinite(limits.Hysteresis) || limits.Hysteresis < 0)
            __builtin_trap();
    }
    if (!rules.Unit.isEmpty() && rules.Unit != QLatin1String("C") &&
        rules.Unit != QLatin1String("F"))
        __builtin_trap();
    if (rules.NoReadingSeconds != 0 && (rules.NoReadingSeconds < AlarmRules::MinNoReadingSeconds ||
                                        rules.NoReadingSeconds > AlarmRules::MaxSeconds))
        __builtin_trap();
    if (asked == 0 || (!problem.isEmpty() && !problem.contains(QLatin1String("Alarms/"))))
        __builtin_trap();

    // The date pattern rule: the short format unchanged, or its year widened by two digits.
    const QString pattern = QString::fromUtf8(in.Rest());
    const QString widened = LogDateFormatFor(pattern);
    if (widened != pattern &&
        (widened.size() != pattern.size() + 2 || !widened.contains(QLatin1String("yyyy"))))
        __builtin_trap();
    QtDateTimePattern(pattern, PatternSeparator(pattern, QLatin1Char('/')), QLatin1Char(':'));
    return 0;
}
