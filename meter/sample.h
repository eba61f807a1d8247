// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One sample: what the meter showed at a heartbeat tick, and when. The heartbeat
// takes it, and the log table and the live graph receive the same value.

#include "base/current_reading.h"

struct Sample {
    double Time = 0; // local date-time as a day count
    CurrentReading Reading;

    // The graph leaves out a display without a number, like an overloaded one.
    bool MainOff() const { return Reading.MainOverload || !Reading.MainValid; }
    bool SubOff() const { return Reading.SubOverload || !Reading.SubValid; }
};
