#pragma once
// The decisions of the one-second heartbeat: poll the meter, watch that frames
// keep coming (the link is lost at the fifth silent tick), take the live graph's
// and the log's samples at their rates, and retune the interval so that ticks
// come once a second on average. Widget-free: the main window's timer calls
// Tick and the windows are reached through the targets; tests feed a clock.

#include "app/app_state.h"

#include <cstdint>
#include <functional>

class TSerialPort;

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

    struct Targets {
        std::function<int()> GraphNextPoint; // 0: the live graph holds no point yet
        std::function<void(bool mainOverload, bool subOverload, float mainValue, double now,
                           float subValue)>
            AddPoint;
        std::function<bool()> LogRow1Empty; // column 1 of log row 1: nothing recorded yet
        std::function<void(double now)> AppendLogRow;
        std::function<void()> LinkLost; // "No Connection", the Run/Pause buttons, "No Link"
    };

    Heartbeat(AppState& state, TSerialPort& port, Targets targets, Clock clock = Clock::System());

    // One tick; interval is the timer's current interval, the result its next one.
    int Tick(int interval);

private:
    void Sample(double now);

    AppState& state_;
    TSerialPort& port_;
    Targets targets_;
    Clock clock_;
    int32_t GraphTickCount = 0;
    int32_t ListTickCount = 0;
    int64_t LastTickMs = 0;
    bool FirstTick = true;
};
