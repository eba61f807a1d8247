#include "meter/heartbeat.h"

#include "app/day_count.h"
#include "app/log_categories.h"
#include "link/serial_port.h"

#include <QElapsedTimer>
#include <algorithm>
#include <memory>

namespace {
uint8_t PollByte = 'A'; // static storage: the write completes after the tick
} // namespace

Heartbeat::Clock Heartbeat::Clock::System() {
    auto monotonic = std::make_shared<QElapsedTimer>();
    monotonic->start();
    return {CurrentDayCount, [monotonic] { return static_cast<int64_t>(monotonic->elapsed()); }};
}

Heartbeat::Heartbeat(AppState& state, TSerialPort& port, Targets targets, Clock clock)
    : state_(state), port_(port), targets_(std::move(targets)), clock_(std::move(clock)) {}

int Heartbeat::Tick(int interval) {
    const double now = clock_.Now();
    const int64_t tickMs = clock_.ElapsedMs();
    LinkState& link = state_.Link;

    link.PortBusy = true;
    if (port_.Active()) {
        try {
            port_.WriteData(&PollByte, 1, false);
        } catch (const std::exception& e) {
            // A lost device shows as missing frames and, in time, as the lost link.
            qCInfo(lcLink) << "poll not sent:" << e.what();
        }
    }
    link.PortBusy = false;

    if (link.MeterConnected) {
        if (link.FrameSeen) {
            Sample(now);
            link.FrameSeen = false;
        } else if (++link.MissedTicks > 4) {
            link.MeterConnected = false;
            link.MissedTicks = 0;
            targets_.LinkLost();
        }
    }

    int next = interval;
    if (FirstTick) {
        FirstTick = false;
    } else {
        const int64_t drift = (tickMs - LastTickMs) - 1000;
        next = static_cast<int>(std::max<int64_t>(interval - drift, MinInterval));
    }
    LastTickMs = tickMs;
    return next;
}

void Heartbeat::Sample(double now) {
    const CurrentReading& r = state_.Reading;
    const SettingsVars& settings = state_.Settings;
    if (state_.Recording.GraphRunning) {
        ++GraphTickCount;
        if (GraphTickCount >= settings.GraphingRate || targets_.GraphNextPoint() == 0) {
            GraphTickCount = 0;
            // A display without a number is left out of the graph like an overload.
            targets_.AddPoint(r.MainOverload || !r.MainValid, r.SubOverload || !r.SubValid,
                              static_cast<float>(r.MainValue), now, static_cast<float>(r.SubValue));
        }
    }
    if (state_.Recording.ListRunning) {
        ++ListTickCount;
        if (ListTickCount >= settings.ListingRate || targets_.LogRow1Empty()) {
            ListTickCount = 0;
            targets_.AppendLogRow(now);
        }
    }
}
