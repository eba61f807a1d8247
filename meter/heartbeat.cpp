// SPDX-License-Identifier: GPL-3.0-or-later
#include "meter/heartbeat.h"

#include "base/day_count.h"

#include <QElapsedTimer>
#include <algorithm>
#include <memory>

Heartbeat::Clock Heartbeat::Clock::System() {
    auto monotonic = std::make_shared<QElapsedTimer>();
    monotonic->start();
    return {CurrentDayCount, [monotonic] { return static_cast<int64_t>(monotonic->elapsed()); }};
}

Heartbeat::Heartbeat(AppState& state, Clock clock) : state_(state), clock_(std::move(clock)) {}

Heartbeat::Due Heartbeat::Tick(int interval, const Inputs& inputs) {
    const double now = clock_.Now();
    const int64_t tickMs = clock_.ElapsedMs();
    LinkState& link = state_.Link;
    Due due;
    due.Poll = inputs.PortOpen;
    due.Seen.Now = {now, state_.Reading};
    due.Seen.ElapsedMs = tickMs;
    due.Seen.FrameArrived = link.MeterConnected && link.FrameSeen;

    if (link.MeterConnected) {
        if (link.FrameSeen) {
            TakeSamples({now, state_.Reading}, inputs, due);
            link.FrameSeen = false;
        } else if (++link.MissedTicks > 4) {
            link.MeterConnected = false;
            link.MissedTicks = 0;
            due.LinkLost = true;
        }
    }
    due.Seen.Linked = link.MeterConnected;

    due.NextInterval = interval;
    if (FirstTick) {
        FirstTick = false;
    } else {
        const int64_t drift = (tickMs - LastTickMs) - 1000;
        due.NextInterval = static_cast<int>(std::max<int64_t>(interval - drift, MinInterval));
    }
    LastTickMs = tickMs;
    return due;
}

void Heartbeat::TakeSamples(const Sample& sample, const Inputs& inputs, Due& due) {
    const SettingsVars& settings = state_.Settings;
    if (state_.Recording.GraphRunning) {
        ++GraphTickCount;
        if (GraphTickCount >= settings.GraphingRate || inputs.GraphEmpty) {
            GraphTickCount = 0;
            due.GraphPoint = sample;
        }
    }
    if (state_.Recording.ListRunning) {
        ++ListTickCount;
        if (ListTickCount >= settings.ListingRate || inputs.LogEmpty) {
            ListTickCount = 0;
            due.LogRow = sample;
        }
    }
}
