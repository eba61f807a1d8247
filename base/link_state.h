// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// State of the link to the meter, shared by frame reception, the heartbeat,
// the port search, the panel commands and shut-down.

#include <cstdint>

struct LinkState {
    bool MeterConnected = false; // frames are arriving
    bool FrameSeen = false;      // a good frame arrived since the last heartbeat tick
    int32_t MissedTicks = 0;     // consecutive ticks without a frame
    bool PortBusy = false;       // a read or write on the port is in progress
    int32_t FrameLength = 8;
};

// How long shut-down and the port search wait for a port operation in progress:
// 0.00003 of a day.
constexpr uint32_t PortBusyWaitMs = 2592;
