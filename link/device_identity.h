// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What identifies the meter's serial device beyond the moment it is open: the
// path it was opened by (a symbolic link stays a link and is followed again each
// time), its stable name under /dev/serial/by-id where the system makes one, and
// the USB adapter's serial number where it has one. With these the device is
// found again after an unplug, also when it comes back under another ttyUSB number.

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// One serial port as the system lists it.
struct PortFacts {
    QString Location; // the device node, e.g. /dev/ttyUSB0
    QString SerialNumber;
    quint16 VendorId = 0;
    quint16 ProductId = 0;
};

// The questions asked of the system; tests answer them with a made-up machine.
struct DeviceProbe {
    std::function<bool(const QString& path)> Exists;      // links followed
    std::function<QString(const QString& path)> Resolved; // the node a path leads to
    std::function<QStringList()> StableNames;             // the links in /dev/serial/by-id
    std::function<QList<PortFacts>()> Ports;
    static DeviceProbe System();
};

struct DeviceIdentity {
    QString Path;       // as the user or the search gave it
    QString StableName; // /dev/serial/by-id/..., or empty
    QString SerialNumber;
    quint16 VendorId = 0; // 0 with ProductId 0: unknown, the serial number alone counts
    quint16 ProductId = 0;
};

// Learns the identity of a device while it is present.
DeviceIdentity CaptureIdentity(const QString& path, const DeviceProbe& probe);
// The path to open the same device by now, or empty when it is not (yet) back:
// its own path first, then its stable name, then any port with its serial number.
// A device at the old path with another serial number is not the meter.
QString FindDevice(const DeviceIdentity& identity, const DeviceProbe& probe);
// The device's own path leads to an adapter with another serial number now.
bool AnotherDeviceAt(const DeviceIdentity& identity, const DeviceProbe& probe);
