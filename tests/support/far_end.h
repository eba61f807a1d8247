// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The meter's side of a pseudo-terminal for tests: write raw bytes to the
// program's port and collect what the program sends.

#include "platform/pty_device.h"

#include <QByteArray>

class FarEnd : public QObject {
    Q_OBJECT
public:
    FarEnd();
    bool Open() { return device.OpenPty(); }
    QString Path() const { return device.Path(); }
    bool Write(const QByteArray& bytes) { return device.Write(bytes); }
    // Waits until at least count bytes were received from the program.
    bool WaitReceived(int count, int timeoutMs = 3000);

    PtyDevice device;
    QByteArray received;
};

// A frame as the meter sends it: start marker, six bytes, end marker.
QByteArray MeterFrame(uint8_t status, uint8_t flags, uint8_t main1, uint8_t main2, uint8_t sub1,
                      uint8_t sub2);
