#pragma once
// The key bytes the panel sends to the meter. The panel never changes its own
// display on a key: the meter's next frames show what the key did.

#include "meter/link_state.h"

#include <cstdint>

class TSerialPort;

namespace PanelCommand {
constexpr uint8_t REL = 'R';
constexpr uint8_t HOLD = 'H';
constexpr uint8_t MMA = 'M';       // next AVG/MAX/MIN mode
constexpr uint8_t MMACancel = 'N'; // leave AVG/MAX/MIN
constexpr uint8_t TT = 'T';        // timer start/stop, or the T1/T2/T1-T2 view
constexpr uint8_t CF = 'C';        // degrees C or F
} // namespace PanelCommand

// Writes one command byte while the meter is connected and returns true; without
// a link it sends nothing and returns false. A failing write goes through the
// port's error path (on the program's port: a silent abort).
bool SendPanelCommand(const LinkState& link, TSerialPort& port, uint8_t command);
