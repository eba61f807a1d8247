// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/device_identity.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

namespace {
const QString StableFolder = QStringLiteral("/dev/serial/by-id");

bool SameAdapter(const PortFacts& port, const DeviceIdentity& identity) {
    // Remembered from an earlier run, an adapter is known by its serial number alone.
    const bool kindKnown = identity.VendorId != 0 || identity.ProductId != 0;
    return port.SerialNumber == identity.SerialNumber &&
           (!kindKnown ||
            (port.VendorId == identity.VendorId && port.ProductId == identity.ProductId));
}

// The system's facts about the port at a device node, if it lists one there.
const PortFacts* PortAt(const QString& node, const QList<PortFacts>& ports,
                        const DeviceProbe& probe) {
    for (const PortFacts& port : ports)
        if (probe.Resolved(port.Location) == node)
            return &port;
    return nullptr;
}
} // namespace

DeviceProbe DeviceProbe::System() {
    DeviceProbe probe;
    probe.Exists = [](const QString& path) { return QFileInfo::exists(path); };
    probe.Resolved = [](const QString& path) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        return canonical.isEmpty() ? path : canonical;
    };
    probe.StableNames = [] {
        QStringList names;
        const QDir dir(StableFolder);
        for (const QString& name : dir.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot))
            names.append(dir.filePath(name));
        return names;
    };
    probe.Ports = [] {
        QList<PortFacts> ports;
        for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
            ports.append({info.systemLocation(), info.serialNumber(), info.vendorIdentifier(),
                          info.productIdentifier()});
        return ports;
    };
    return probe;
}

DeviceIdentity CaptureIdentity(const QString& path, const DeviceProbe& probe) {
    DeviceIdentity identity;
    identity.Path = path;
    const QString node = probe.Resolved(path);
    if (path.startsWith(StableFolder + QLatin1Char('/'))) {
        identity.StableName = path;
    } else {
        for (const QString& name : probe.StableNames())
            if (probe.Resolved(name) == node) {
                identity.StableName = name;
                break;
            }
    }
    const QList<PortFacts> ports = probe.Ports();
    if (const PortFacts* port = PortAt(node, ports, probe)) {
        identity.SerialNumber = port->SerialNumber;
        identity.VendorId = port->VendorId;
        identity.ProductId = port->ProductId;
    }
    return identity;
}

bool AnotherDeviceAt(const DeviceIdentity& identity, const DeviceProbe& probe) {
    if (identity.SerialNumber.isEmpty() || identity.Path.isEmpty() || !probe.Exists(identity.Path))
        return false;
    const QList<PortFacts> ports = probe.Ports();
    const PortFacts* port = PortAt(probe.Resolved(identity.Path), ports, probe);
    return port && !SameAdapter(*port, identity);
}

QString FindDevice(const DeviceIdentity& identity, const DeviceProbe& probe) {
    // Another adapter may have taken the number the meter's had.
    if (!identity.Path.isEmpty() && probe.Exists(identity.Path) &&
        !AnotherDeviceAt(identity, probe))
        return identity.Path;
    if (!identity.StableName.isEmpty() && probe.Exists(identity.StableName))
        return identity.StableName;
    if (!identity.SerialNumber.isEmpty())
        for (const PortFacts& port : probe.Ports())
            if (SameAdapter(port, identity) && probe.Exists(port.Location))
                return port.Location;
    return {};
}
