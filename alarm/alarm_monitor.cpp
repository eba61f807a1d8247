// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm/alarm_monitor.h"

#include <QCoreApplication>
#include <limits>

namespace {

struct Reading {
    bool Known = false; // a number or "OL": dashes, a timer or no model are not
    double Value = 0;   // "OL" stands above every limit
    bool Overload = false;
    QString Unit;
};

Reading ChannelReading(const CurrentReading& r, int channel) {
    Reading out;
    if (channel == 1) {
        out.Known = r.MainOverload || r.MainValid;
        out.Overload = r.MainOverload;
        out.Value = r.MainValue;
        out.Unit = r.UnitText;
    } else {
        // A one-channel meter's second display is a timer.
        out.Known = r.IsTwoChannel() && (r.SubOverload || r.SubValid);
        out.Overload = r.SubOverload;
        out.Value = r.SubValue;
        out.Unit = r.SubUnitText;
    }
    if (out.Overload)
        out.Value = std::numeric_limits<double>::infinity();
    return out;
}
} // namespace

std::vector<AlarmEvent> AlarmMonitor::SetRules(const AlarmRules& rules) {
    rules_ = rules;
    std::vector<AlarmEvent> events;
    for (int channel = 1; channel <= AlarmRules::Channels; ++channel) {
        const ChannelLimits& limits = rules_.Channel[size_t(channel - 1)];
        for (const AlarmKind kind : {AlarmKind::Low, AlarmKind::High}) {
            Watcher& w = watchers_[size_t(Slot(channel, kind))];
            const bool kept = kind == AlarmKind::Low ? bool(limits.Low) : bool(limits.High);
            if (w.State == Phase::Up && !kept)
                events.push_back(Change(w, false, lastTickDay_));
            else if (w.State == Phase::Pending)
                w.State = Phase::Idle; // the delay runs again under the new limits
        }
    }
    Watcher& silence = watchers_[NoReadingSlot];
    if (silence.State == Phase::Up && rules_.NoReadingSeconds <= 0)
        events.push_back(Change(silence, false, lastTickDay_));
    return events;
}

AlarmMonitor::Update AlarmMonitor::Evaluate(const Heartbeat::Watch& seen) {
    const int64_t silentMs = started_ ? seen.ElapsedMs - lastFrameMs_ : 0;
    if (!started_ || seen.FrameArrived) {
        // Silence is counted from the last frame, or from the first tick without one.
        lastFrameMs_ = seen.ElapsedMs;
        lastFrameDay_ = seen.Now.Time;
        started_ = true;
    }
    lastTickDay_ = seen.Now.Time;
    Update update;
    for (int channel = 1; channel <= AlarmRules::Channels; ++channel)
        for (const AlarmKind kind : {AlarmKind::Low, AlarmKind::High})
            WatchLimit(channel, kind, seen, update.Events);
    WatchSilence(seen, silentMs, update.Events);
    for (const AlarmEvent& event : update.Events)
        if (event.Raised)
            acknowledged_ = false;
    update.Beep = rules_.Sound && !acknowledged_ && ActiveCount() > 0;
    return update;
}

void AlarmMonitor::WatchLimit(int channel, AlarmKind kind, const Heartbeat::Watch& seen,
                              std::vector<AlarmEvent>& events) {
    Watcher& w = watchers_[size_t(Slot(channel, kind))];
    const ChannelLimits& limits = rules_.Channel[size_t(channel - 1)];
    const std::optional<double>& set = kind == AlarmKind::High ? limits.High : limits.Low;
    if (!set) {
        w.State = Phase::Idle;
        return;
    }
    if (!seen.Linked) {
        // Nothing is known of the temperature: a delay starts again, an alarm stays.
        if (w.State == Phase::Pending)
            w.State = Phase::Idle;
        return;
    }
    if (!seen.FrameArrived)
        return; // one late frame changes nothing
    const Reading r = ChannelReading(seen.Now.Reading, channel);
    if (!r.Known) {
        if (w.State == Phase::Pending)
            w.State = Phase::Idle;
        return;
    }
    const double limit = ConvertTemperature(*set, rules_.Unit, r.Unit);
    const double margin = ConvertDifference(limits.Hysteresis, rules_.Unit, r.Unit);
    const bool high = kind == AlarmKind::High;
    const bool beyond = high ? r.Value > limit : r.Value < limit;

    Alarm& a = w.Current;
    a.Kind = kind;
    a.Channel = channel;
    a.Value = r.Overload ? 0 : r.Value;
    a.Overload = r.Overload;
    a.Limit = limit;
    a.Hysteresis = margin;
    a.Unit = r.Unit;

    switch (w.State) {
    case Phase::Idle:
        if (!beyond)
            return;
        w.State = Phase::Pending;
        w.PendingMs = seen.ElapsedMs;
        w.PendingDay = seen.Now.Time;
        [[fallthrough]];
    case Phase::Pending:
        if (!beyond) {
            w.State = Phase::Idle;
        } else if (seen.ElapsedMs - w.PendingMs >=
                   int64_t(limits.DelaySeconds) * 1000 -
                       (limits.DelaySeconds > 0 ? TickSlackMs : 0)) {
            a.Since = w.PendingDay;
            events.push_back(Change(w, true, seen.Now.Time));
        }
        return;
    case Phase::Up: {
        const bool back = high ? r.Value <= limit - margin : r.Value >= limit + margin;
        if (back)
            events.push_back(Change(w, false, seen.Now.Time));
        return;
    }
    }
}

void AlarmMonitor::WatchSilence(const Heartbeat::Watch& seen, int64_t silentMs,
                                std::vector<AlarmEvent>& events) {
    Watcher& w = watchers_[NoReadingSlot];
    const int seconds = rules_.NoReadingSeconds;
    Alarm& a = w.Current;
    a.Kind = AlarmKind::NoReading;
    a.Channel = 0;
    a.Overload = false;
    a.Unit.clear();
    a.Value = double(silentMs / 1000);
    a.Limit = seconds;
    if (w.State == Phase::Up) {
        if (seen.FrameArrived || seconds <= 0)
            events.push_back(Change(w, false, seen.Now.Time));
        return;
    }
    if (seconds > 0 && !seen.FrameArrived && silentMs >= int64_t(seconds) * 1000 - TickSlackMs) {
        a.Since = lastFrameDay_;
        events.push_back(Change(w, true, seen.Now.Time));
    }
}

AlarmEvent AlarmMonitor::Change(Watcher& watcher, bool raised, double time) {
    watcher.State = raised ? Phase::Up : Phase::Idle;
    AlarmEvent event;
    event.Raised = raised;
    event.What = watcher.Current;
    if (!raised)
        event.What.Since = time;
    event.Time = time;
    event.Active = ActiveCount();
    return event;
}

int AlarmMonitor::ActiveCount() const {
    int count = 0;
    for (const Watcher& w : watchers_)
        count += w.State == Phase::Up ? 1 : 0;
    return count;
}

std::vector<Alarm> AlarmMonitor::Active() const {
    std::vector<Alarm> active;
    for (const Watcher& w : watchers_)
        if (w.State == Phase::Up)
            active.push_back(w.Current);
    return active;
}

QString AlarmValueText(const Alarm& alarm) {
    return alarm.Overload ? QStringLiteral("OL") : QString::number(alarm.Value, 'f', 1);
}

QString AlarmKindName(AlarmKind kind) {
    switch (kind) {
    case AlarmKind::Low:
        return QStringLiteral("low");
    case AlarmKind::High:
        return QStringLiteral("high");
    case AlarmKind::NoReading:
        break;
    }
    return QStringLiteral("no-reading");
}

namespace {
QString WithUnit(const QString& number, const QString& unit) {
    return unit.isEmpty() ? number : number + QLatin1Char(' ') + unit;
}
} // namespace

QString DescribeAlarm(const Alarm& alarm, bool raised, TextFor reader) {
    const auto text = [reader](const char* source) {
        return reader == TextFor::Scripts ? QString::fromLatin1(source)
                                          : QCoreApplication::translate("AlarmMonitor", source);
    };
    if (alarm.Kind == AlarmKind::NoReading)
        return text(raised ? QT_TRANSLATE_NOOP("AlarmMonitor", "no reading for %1 s")
                           : QT_TRANSLATE_NOOP("AlarmMonitor", "readings back after %1 s without"))
            .arg(alarm.Value);
    // By raised, then by the limit's kind (low, high).
    static const char* const sentences[2][2] = {
        {QT_TRANSLATE_NOOP("AlarmMonitor", "channel %1 (%2) %3 is back above the low limit %4"),
         QT_TRANSLATE_NOOP("AlarmMonitor", "channel %1 (%2) %3 is back below the high limit %4")},
        {QT_TRANSLATE_NOOP("AlarmMonitor", "channel %1 (%2) %3 is below the low limit %4"),
         QT_TRANSLATE_NOOP("AlarmMonitor", "channel %1 (%2) %3 is above the high limit %4")}};
    //: The channel's display: "channel 1 (main)", "channel 2 (second)"
    const char* display = QT_TRANSLATE_NOOP("AlarmMonitor", "main");
    if (alarm.Channel != 1)
        display = QT_TRANSLATE_NOOP("AlarmMonitor", "second");
    const QString value =
        alarm.Overload ? QStringLiteral("OL") : WithUnit(AlarmValueText(alarm), alarm.Unit);
    return text(sentences[raised ? 1 : 0][alarm.Kind == AlarmKind::High ? 1 : 0])
        .arg(alarm.Channel)
        .arg(text(display), value, WithUnit(DegreesText(alarm.Limit), alarm.Unit));
}

QString BriefAlarm(const Alarm& alarm) {
    if (alarm.Kind == AlarmKind::NoReading)
        return QCoreApplication::translate("AlarmMonitor", "No reading for %1 s").arg(alarm.Value);
    // By the display (main, second), then by the limit's kind (low, high).
    static const char* const sentences[2][2] = {
        {QT_TRANSLATE_NOOP("AlarmMonitor", "Main %1 below %2"),
         QT_TRANSLATE_NOOP("AlarmMonitor", "Main %1 above %2")},
        {QT_TRANSLATE_NOOP("AlarmMonitor", "Second %1 below %2"),
         QT_TRANSLATE_NOOP("AlarmMonitor", "Second %1 above %2")}};
    const QString value =
        alarm.Overload ? QStringLiteral("OL") : WithUnit(AlarmValueText(alarm), alarm.Unit);
    return QCoreApplication::translate(
               "AlarmMonitor",
               sentences[alarm.Channel == 1 ? 0 : 1][alarm.Kind == AlarmKind::High ? 1 : 0])
        .arg(value, WithUnit(DegreesText(alarm.Limit), alarm.Unit));
}
