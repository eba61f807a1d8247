// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/step_timer.h"

#include "base/handler_guard.h"

StepTimer::StepTimer() {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
        // A timer may fire a little early on some platforms; the step never does.
        const qint64 elapsed = clock_.elapsed();
        if (elapsed <= qint64(ms_))
            timer_.start(int(qint64(ms_) - elapsed) + 1);
        else
            Due();
    });
}

void StepTimer::After(uint32_t ms, std::function<void()> step) {
    Disarm();
    step_ = std::move(step);
    Arm(ms);
}

void StepTimer::Stop() {
    Disarm();
    step_ = nullptr;
}

void StepTimer::Arm(uint32_t ms) {
    ms_ = ms;
    clock_.start();
    timer_.start(int(ms) + 1);
}

void StepTimer::Disarm() {
    timer_.stop();
}

void StepTimer::Due() {
    if (!step_)
        return;
    // The step may arm the next one.
    const std::function<void()> step = std::move(step_);
    step_ = nullptr;
    RunGuarded(step);
}
