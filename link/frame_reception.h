// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The port's receive handler: takes what the meter sent and hands it to frame assembly.

class TSerialPort;
class FrameAssembler;

// Reads at most FrameAssembler::ReadLimit waiting bytes; the rest stay queued for the
// next receive event. A failing port call leaves PortBusy set, as a stuck operation.
void Comm1RxChar(TSerialPort& sender, FrameAssembler& assembler);
