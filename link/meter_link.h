// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The data spine: the serial port to the meter, frame reception, decoding and the
// panel's display state, wired together, and the watch that finds a vanished
// device again. Owned by the recording core.

#include "base/current_reading.h"
#include "base/link_state.h"
#include "link/replug_watch.h"
#include "link/serial_port.h"
#include "meter/frame_assembler.h"
#include "meter/frame_decoder.h"
#include "meter/panel_display.h"

class MeterLink : public QObject {
    Q_OBJECT
public:
    MeterLink(CurrentReading& reading, LinkState& link, QObject* parent = nullptr);

    // The receive handler is detached while the port search talks to the port itself.
    void AttachRxChar();
    void DetachRxChar();

    TSerialPort Comm1;
    PanelDisplay Display;
    FrameDecoder Decoder;
    FrameAssembler Assembler;
    ReplugWatch Replug; // reopens the port when its device comes back after going away

signals:
    // The first frame after the link was down; windows show the connection.
    void ConnectionAnnounced();
    // The receive handler took what was waiting; no port operation is left in progress.
    void Received();
};
