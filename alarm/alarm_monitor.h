// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Watches the reading at every heartbeat tick against the alarm rules, whether or
// not anything records, and says when an alarm rises and when it clears. A reading
// beyond a limit raises its alarm once it has stayed beyond for the rule's delay;
// "OL" counts as beyond the high limit; dashes and a lost link raise no limit
// alarm and break the delay, but an alarm already up stays up through them, since
// nothing says the temperature came back. It clears when a reading is back inside
// by the margin. A meter silent for the rule's seconds is an alarm of its own.
// Widget-free; tests feed it ticks with a fake clock.

#include "alarm/alarm_rules.h"
#include "meter/heartbeat.h"

#include <QString>
#include <array>
#include <vector>

enum class AlarmKind { Low, High, NoReading };

// One alarm as it stands: values in the meter's unit at the time.
struct Alarm {
    AlarmKind Kind = AlarmKind::High;
    int Channel = 0;       // 1 the main display, 2 the second; 0 for a silent meter
    double Value = 0;      // the latest reading; seconds without one for a silent meter
    bool Overload = false; // the latest reading is "OL"
    double Limit = 0;      // the limit crossed; the seconds allowed for a silent meter
    double Hysteresis = 0; // the margin back inside that clears it
    QString Unit;          // "C" or "F"
    double Since = 0;      // day count: when the reading left its range, or the last frame came
};

struct AlarmEvent {
    bool Raised = true; // else cleared
    Alarm What;         // its values at this tick
    double Time = 0;    // day count of the tick
    int Active = 0;     // alarms up after this event
};

class AlarmMonitor {
public:
    // Ticks come about a second apart, give or take: half a tick of slack keeps a
    // delay of N seconds from taking N + 1 ticks.
    static constexpr int64_t TickSlackMs = 500;

    struct Update {
        std::vector<AlarmEvent> Events;
        bool Beep = false; // an alarm is up, not acknowledged, and the rules ask for sound
    };

    const AlarmRules& Rules() const { return rules_; }
    // New rules: an alarm up whose limit is gone clears now; the others are judged
    // by the new limits at the next tick. Returns the alarms cleared.
    std::vector<AlarmEvent> SetRules(const AlarmRules& rules);

    Update Evaluate(const Heartbeat::Watch& seen);

    // The alarms up now, main display first, its low limit before its high one.
    std::vector<Alarm> Active() const;
    // Silences the sound until the next alarm rises; the alarms stay up.
    void Acknowledge() { acknowledged_ = true; }
    bool Acknowledged() const { return acknowledged_; }

private:
    enum class Phase { Idle, Pending, Up };
    struct Watcher {
        Phase State = Phase::Idle;
        int64_t PendingMs = 0; // when the run of readings beyond began
        double PendingDay = 0;
        Alarm Current;
    };
    static constexpr int NoReadingSlot = 4;
    static int Slot(int channel, AlarmKind kind) {
        return (channel - 1) * 2 + (kind == AlarmKind::High ? 1 : 0);
    }

    void WatchLimit(int channel, AlarmKind kind, const Heartbeat::Watch& seen,
                    std::vector<AlarmEvent>& events);
    // silentMs: since the last frame before this tick.
    void WatchSilence(const Heartbeat::Watch& seen, int64_t silentMs,
                      std::vector<AlarmEvent>& events);
    AlarmEvent Change(Watcher& watcher, bool raised, double time);
    int ActiveCount() const;

    AlarmRules rules_;
    std::array<Watcher, 5> watchers_{};
    bool started_ = false;
    int64_t lastFrameMs_ = 0;
    double lastFrameDay_ = 0;
    double lastTickDay_ = 0;
    bool acknowledged_ = true;
};

// Whom a text is for: a user, in the user's language, or scripts, in English
// whatever the language.
enum class TextFor { User, Scripts };

// What an alarm says, for the desktop notification and, for scripts, the recorder's
// lines and the command's environment: "channel 1 (main) 31.2 C is above the high
// limit 30 C", "channel 1 (main) 27.9 C is back below the high limit 30 C", "no
// reading for 30 s".
QString DescribeAlarm(const Alarm& alarm, bool raised, TextFor reader = TextFor::User);
// The same in a few words, for a status line: "Main 31.2 C above 30 C".
QString BriefAlarm(const Alarm& alarm);
// The reading of an alarm as shown: one decimal, or "OL".
QString AlarmValueText(const Alarm& alarm);
// "high", "low" or "no-reading".
QString AlarmKindName(AlarmKind kind);
