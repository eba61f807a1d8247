// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Asking the device on an open port which meter it is: the identification request
// "K" and, after the reply wait, its answer (three digits and 0x13). The port
// search, the check of a device that came back and the watch for ports plugged in
// all ask this way; the receive handler must be detached meanwhile, so that the
// answer stays waiting on the port.

#include <QByteArray>
#include <cstdint>

class TSerialPort;

namespace ModelQuery {
// How long the meter takes to answer.
constexpr uint32_t ReplyMs = 500;

// Sends the request; a failure is noticed as a missing answer.
void Ask(TSerialPort& port);
// Takes everything waiting on the port. Empty when fewer bytes than a model reply
// wait; a longer answer keeps enough of its start not to match any model.
QByteArray Answer(TSerialPort& port);
// The model whose reply this is exactly, or 0.
int32_t ModelOf(const QByteArray& answer);
} // namespace ModelQuery
