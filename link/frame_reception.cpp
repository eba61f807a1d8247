// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/frame_reception.h"

#include "link/serial_port.h"
#include "meter/frame_assembler.h"

#include <algorithm>
#include <array>

void Comm1RxChar(TSerialPort& sender, FrameAssembler& assembler) {
    LinkState& link = assembler.Link();
    std::array<uint8_t, FrameAssembler::ReadLimit> scratch;
    link.PortBusy = true;
    const uint32_t waiting = sender.BytesWaiting();
    const int count = static_cast<int>(std::min<uint32_t>(waiting, scratch.size()));
    if (count > 0)
        sender.ReadData(scratch.data(), count, false);
    link.PortBusy = false;
    assembler.Feed(scratch.data(), count);
}
