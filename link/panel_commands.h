// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sends the panel's key bytes to the meter. The panel never changes its own
// display on a key: the meter's next frames show what the key did.

#include "base/link_state.h"
#include "meter/meter_protocol.h"

#include <cstdint>

class TSerialPort;

// Writes one command byte while the meter is connected and returns true; without
// a link it sends nothing and returns false. A failing write goes through the
// port's error path (on the program's port: a silent abort).
bool SendPanelCommand(const LinkState& link, TSerialPort& port, uint8_t command);
