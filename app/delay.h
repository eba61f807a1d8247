#pragma once
// A wait that keeps the windows, timers and port events alive. It sleeps in a
// nested event loop, so a waiting program uses no CPU.

#include <cstdint>

// Waits a little more than ms milliseconds; returns the milliseconds elapsed.
uint32_t DelayWithMessages(uint32_t ms);
