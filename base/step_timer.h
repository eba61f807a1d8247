// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The waits between the steps of a sequence that holds the port (the search, the
// reopen, the start's reconnect), without blocking: After runs the next step once,
// a little more than the given time later, from the event loop, and takes the place
// of a step still pending, so one sequence at a time waits on it. A test may step
// through a sequence by hand: it overrides Arm and calls Due itself.

#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>
#include <functional>

class StepTimer {
public:
    StepTimer();
    virtual ~StepTimer() = default;
    StepTimer(const StepTimer&) = delete;
    StepTimer& operator=(const StepTimer&) = delete;

    // Runs step once, strictly more than ms milliseconds from now.
    void After(uint32_t ms, std::function<void()> step);
    // Drops the pending step.
    void Stop();
    bool Pending() const { return static_cast<bool>(step_); }

protected:
    // Lets ms pass, then calls Due.
    virtual void Arm(uint32_t ms);
    virtual void Disarm();
    // Runs the pending step, at the boundary of an event handler.
    void Due();

private:
    QTimer timer_;
    QElapsedTimer clock_;
    uint32_t ms_ = 0;
    std::function<void()> step_;
};
