#pragma once
// Waits that keep the windows, timers and port events alive. They sleep in the
// event loop, so a waiting program uses no CPU.

#include <cstdint>
#include <functional>

// How long shut-down and the port search wait for a port operation in progress:
// 0.00003 of a day.
constexpr uint32_t PortBusyWaitMs = 2592;

// Waits a little more than ms milliseconds; returns the milliseconds elapsed.
uint32_t DelayWithMessages(uint32_t ms);

// Processes events while condition holds, for at most maxMs milliseconds; the
// condition is checked again after every event. Returns the milliseconds elapsed.
uint32_t WaitWhile(const std::function<bool()>& condition, uint32_t maxMs);
