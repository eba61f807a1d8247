// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The decisions of the one-second heartbeat: poll the meter, watch that frames
// keep coming (the link is lost at the fifth silent tick), take the live graph's
// and the log's samples at their rates, and retune the interval so that ticks
// come once a second on average. Each tick returns what is due; its owner sends
// the poll and hands the samples on. Widget-free; tests feed a clock.

#include "base/app_state.h"
#include "meter/sample.h"

#include <cstdint>
#include <functional>
#include <optional>

class Heartbeat {
public:
    static constexpr int InitialInterval = 700; // ms, the timer's interval at creation
    static constexpr int MinInterval = 500;

    // Wall-clock time stamps the samples; the interval is measured on a monotonic
    // clock, so a clock change (daylight saving, a time server) cannot stall the ticks.
    struct Clock {
        std::function<double()> Now;        // local date-time as a day count
        std::function<int64_t()> ElapsedMs; // monotonic milliseconds
        static Clock System();
    };

    // What the tick needs to know of its owner.
    struct Inputs {
        bool PortOpen = false;
        bool GraphEmpty = true; // the live graph holds no point: it takes one at once
        bool LogEmpty = true;   // nothing recorded in the log: it takes a row at once
    };

    // What the tick saw, whether or not anything records: the alarms watch it.
    struct Watch {
        Sample Now;                // the reading at this tick, and its time
        int64_t ElapsedMs = 0;     // the tick on the monotonic clock
        bool FrameArrived = false; // a frame came since the last tick: Now is fresh
        bool Linked = false;       // the meter counts as linked after this tick
    };

    // What is due at one tick, to be done in this order.
    struct Due {
        int NextInterval = 0;  // the timer's next interval
        bool Poll = false;     // send the poll byte
        bool LinkLost = false; // the fifth tick without a frame
        std::optional<Sample> GraphPoint;
        std::optional<Sample> LogRow;
        Watch Seen;
    };

    Heartbeat(AppState& state, Clock clock = Clock::System());

    // One tick; interval is the timer's current interval.
    Due Tick(int interval, const Inputs& inputs);

private:
    void TakeSamples(const Sample& sample, const Inputs& inputs, Due& due);

    AppState& state_;
    Clock clock_;
    int32_t GraphTickCount = 0;
    int32_t ListTickCount = 0;
    int64_t LastTickMs = 0;
    bool FirstTick = true;
};
