// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/panel_commands.h"

#include "link/serial_port.h"

namespace {
// One byte of static storage shared by all keys: the write does not wait.
uint8_t CommandByte = 0;
} // namespace

bool SendPanelCommand(const LinkState& link, TSerialPort& port, uint8_t command) {
    if (!link.MeterConnected)
        return false;
    CommandByte = command;
    port.WriteData(&CommandByte, 1, false);
    return true;
}
