// SPDX-License-Identifier: GPL-3.0-or-later
#include "publish/reading_message.h"

#include "base/day_count.h"
#include "brackwater_version.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cmath>

namespace ReadingMessage {
namespace {
// The value as the row shows it, to the display's tenth; null where the row has no number.
QJsonValue Value(bool overload, bool valid, double value) {
    if (overload || !valid)
        return QJsonValue::Null;
    return std::round(value * 10.0) / 10.0;
}

QString NodeId(const QString& base) {
    static const QRegularExpression other(QStringLiteral("[^A-Za-z0-9_-]"));
    return QStringLiteral("brackwater_") + QString(base).replace(other, QStringLiteral("_"));
}

QByteArray Channel(const QString& base, const CurrentReading& reading, const char* key,
                   const QString& unit) {
    const QString node = NodeId(base);
    const QString name = QString::fromLatin1(key).toUpper();
    // untranslated: the device's name in the discovery payload
    const QString deviceName = QStringLiteral("Brackwater ") + base;
    const QJsonObject device{
        {QStringLiteral("identifiers"), QJsonArray{node}},
        {QStringLiteral("name"), deviceName},
        {QStringLiteral("model"), reading.ModelText},
        {QStringLiteral("sw_version"), QStringLiteral(BRACKWATER_VERSION)},
    };
    const QJsonObject config{
        {QStringLiteral("name"), name},
        {QStringLiteral("unique_id"), node + QLatin1Char('_') + QLatin1String(key)},
        {QStringLiteral("state_topic"), base + QStringLiteral("/reading")},
        {QStringLiteral("value_template"),
         QStringLiteral("{{ value_json.%1 }}").arg(QLatin1String(key))},
        {QStringLiteral("unit_of_measurement"), QStringLiteral("\u00b0") + unit},
        {QStringLiteral("device_class"), QStringLiteral("temperature")},
        {QStringLiteral("state_class"), QStringLiteral("measurement")},
        {QStringLiteral("availability_topic"), base + QStringLiteral("/status")},
        {QStringLiteral("payload_available"), QStringLiteral("online")},
        {QStringLiteral("payload_not_available"), QStringLiteral("offline")},
        {QStringLiteral("device"), device},
    };
    return QJsonDocument(config).toJson(QJsonDocument::Compact);
}

QByteArray ConfigTopic(const QString& base, const char* key) {
    return QStringLiteral("homeassistant/sensor/%1/%2/config")
        .arg(NodeId(base), QLatin1String(key))
        .toUtf8();
}
} // namespace

QString IsoTime(double dayCount) {
    return IsoLocalTime(dayCount);
}

QByteArray AlarmState(const AlarmEvent& event) {
    const Alarm& a = event.What;
    const bool silence = a.Kind == AlarmKind::NoReading;
    const QJsonObject message{
        {QStringLiteral("state"),
         event.Raised ? QStringLiteral("raised") : QStringLiteral("cleared")},
        {QStringLiteral("channel"), silence ? QJsonValue(QJsonValue::Null) : QJsonValue(a.Channel)},
        {QStringLiteral("kind"), AlarmKindName(a.Kind)},
        {QStringLiteral("value"), Value(a.Overload, true, a.Value)},
        {QStringLiteral("limit"), a.Limit},
        {QStringLiteral("unit"), silence ? QStringLiteral("s") : a.Unit},
        {QStringLiteral("since"), IsoTime(a.Since)},
        {QStringLiteral("time"), IsoTime(event.Time)},
        {QStringLiteral("active"), event.Active},
    };
    return QJsonDocument(message).toJson(QJsonDocument::Compact);
}

QByteArray NoAlarm(double dayCount) {
    const QJsonObject message{
        {QStringLiteral("state"), QStringLiteral("cleared")},
        {QStringLiteral("channel"), QJsonValue::Null},
        {QStringLiteral("kind"), QJsonValue::Null},
        {QStringLiteral("value"), QJsonValue::Null},
        {QStringLiteral("limit"), QJsonValue::Null},
        {QStringLiteral("unit"), QJsonValue::Null},
        {QStringLiteral("since"), IsoTime(dayCount)},
        {QStringLiteral("time"), IsoTime(dayCount)},
        {QStringLiteral("active"), 0},
    };
    return QJsonDocument(message).toJson(QJsonDocument::Compact);
}

QByteArray Reading(const Sample& sample) {
    const CurrentReading& r = sample.Reading;
    QJsonArray annunciators;
    for (const QString& word : r.ModeText.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        annunciators.append(word);
    QJsonObject message{
        {QStringLiteral("time"), IsoTime(sample.Time)},
        {QStringLiteral("model"), r.ModelCode},
        {QStringLiteral("type"), r.TypeText},
        {QStringLiteral("t1"), Value(r.MainOverload, r.MainValid, r.MainValue)},
        {QStringLiteral("t1_unit"), r.UnitText},
        {QStringLiteral("annunciators"), annunciators},
    };
    if (r.IsTwoChannel()) {
        message.insert(QStringLiteral("t2"), Value(r.SubOverload, r.SubValid, r.SubValue));
        message.insert(QStringLiteral("t2_unit"), r.SubUnitText);
    } else if (r.IsOneChannel()) {
        message.insert(QStringLiteral("timer"), r.SubText);
        message.insert(QStringLiteral("timer_unit"), r.SubUnitText);
    }
    return QJsonDocument(message).toJson(QJsonDocument::Compact);
}

QList<Retained> Discovery(const QString& base, const CurrentReading& reading) {
    QList<Retained> configs{
        {ConfigTopic(base, "t1"), Channel(base, reading, "t1", reading.UnitText)}};
    configs.append({ConfigTopic(base, "t2"), reading.IsTwoChannel()
                                                 ? Channel(base, reading, "t2", reading.SubUnitText)
                                                 : QByteArray()});
    return configs;
}

QString DiscoveryKey(const CurrentReading& reading) {
    return QStringLiteral("%1 %2 %3")
        .arg(reading.ModelCode)
        .arg(reading.UnitText, reading.IsTwoChannel() ? reading.SubUnitText : QString());
}

} // namespace ReadingMessage
