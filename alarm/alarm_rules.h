// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What counts as an alarm: per channel (the main and the second display) an
// optional low and high limit, the seconds a reading must stay beyond one before
// the alarm rises, and the margin by which it must come back before the alarm
// clears; and whether a silent meter is an alarm. The limits are kept in the unit
// they were set in, so a meter switched between C and F keeps its alarms.

#include <QString>
#include <array>
#include <optional>

struct ChannelLimits {
    std::optional<double> Low;
    std::optional<double> High;
    int DelaySeconds = 0;  // 0: the alarm rises at the first reading beyond
    double Hysteresis = 0; // degrees back inside the limit before it clears

    bool Any() const { return Low || High; }
    bool operator==(const ChannelLimits&) const = default;
};

struct AlarmRules {
    static constexpr int Channels = 2;
    // A meter counts as lost after five silent ticks; a shorter wait would ring
    // at every late frame.
    static constexpr int MinNoReadingSeconds = 5;
    static constexpr int MaxSeconds = 86400;

    std::array<ChannelLimits, Channels> Channel; // [0] main display, [1] second display
    // "C" or "F": the unit of the limits and the margins; empty: the unit the meter shows.
    QString Unit;
    int NoReadingSeconds = 0; // 0: a silent meter raises no alarm
    bool Sound = false;       // the window program beeps until the alarm is acknowledged

    bool Any() const { return Channel[0].Any() || Channel[1].Any() || NoReadingSeconds > 0; }
    bool operator==(const AlarmRules&) const = default;
};

// A temperature from one unit ("C" or "F") to another; an empty or equal unit
// leaves it as it is.
double ConvertTemperature(double value, const QString& from, const QString& to);
// A difference of temperatures, such as a margin, the same way.
double ConvertDifference(double degrees, const QString& from, const QString& to);

// Reads "LOW..HIGH" (either end may be empty, not both) into limits. Returns
// what is wrong with the text, or an empty text.
QString ParseLimitRange(const QString& text, ChannelLimits& limits);
// The rules in a line: "channel 1 above 30, channel 2 below -5; no reading for
// 60 s; after 5 s beyond; clearing 1 degree inside" (units as the rules have them).
QString DescribeRules(const AlarmRules& rules);
// A limit or a margin as the user reads it: shortest decimal text, a point as separator.
QString DegreesText(double value);
