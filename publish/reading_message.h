// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The messages the publisher sends, built from the sample the core records: one
// JSON object per recorded row, and Home Assistant's discovery configuration for
// each channel of the meter.

#include "alarm/alarm_monitor.h"
#include "meter/sample.h"

#include <QByteArray>
#include <QList>

namespace ReadingMessage {

// {"time": ISO 8601 with the UTC offset, "model": 301, "type": "K", "t1": 23.4,
// "t1_unit": "C", "t2": null, "t2_unit": "C", "annunciators": ["HOLD"]}. A value
// is null where the row says "OL" or shows dashes; one-channel models carry their
// timer as "timer" and "timer_unit" instead of t2.
QByteArray Reading(const Sample& sample);

// The sample's local time to the second, as its log row shows it, with its offset from UTC.
QString IsoTime(double dayCount);

// The alarm state after an alarm rose or cleared, kept (retained) on <base>/alarm:
// {"state": "raised" or "cleared", "channel": 1, "kind": "high", "value": 31.2,
// "limit": 30, "unit": "C", "since": ISO 8601, "time": ISO 8601, "active": 1}.
// value is null for "OL"; a silent meter has channel null, kind "no-reading", and
// its value and limit in seconds ("unit": "s"). active counts the alarms up after it.
QByteArray AlarmState(const AlarmEvent& event);
// The state before any alarm, so that one left by an earlier run does not stand.
QByteArray NoAlarm(double dayCount);

struct Retained {
    QByteArray Topic;
    QByteArray Payload; // empty removes an entity announced before
};

// One configuration per channel, under homeassistant/sensor/; a one-channel model
// removes the second channel a two-channel meter may have announced before.
QList<Retained> Discovery(const QString& base, const CurrentReading& reading);
// What the discovery depends on: it is announced again when this changes.
QString DiscoveryKey(const CurrentReading& reading);

} // namespace ReadingMessage
