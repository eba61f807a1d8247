#pragma once
// Finds the meter again after its device went away (an unplugged cable, a
// suspended laptop) and reopens the port quietly. It learns the device's identity
// each time the port is opened for the meter's frames; once the device vanishes it
// looks for it every 2 seconds, on a timer, until it is back: through the path the
// port was opened by (a symbolic link is followed anew), its stable name, or its
// USB serial number under another ttyUSB number. The heartbeat's polls then bring
// the frames, and with them the link, back.

#include "link/device_identity.h"

#include <QObject>
#include <QTimer>

class TSerialPort;

class ReplugWatch : public QObject {
    Q_OBJECT
public:
    static constexpr int RetryMs = 2000;

    explicit ReplugWatch(TSerialPort& port, DeviceProbe probe = DeviceProbe::System(),
                         QObject* parent = nullptr);

    // A search or the shut-down takes the port over: no more attempts.
    void Stop();
    bool Watching() const { return retry_.isActive(); }
    const DeviceIdentity& Identity() const { return identity_; }
    // Looks for the device since it vanished.
    int Attempts() const { return attempts_; }
    void SetProbe(DeviceProbe probe) { probe_ = std::move(probe); }

signals:
    // The device is back and the port open again, by this path.
    void Reopened(const QString& device);

private:
    void PortOpened();
    void PortVanished();
    void Attempt();

    TSerialPort& port_;
    DeviceProbe probe_;
    DeviceIdentity identity_;
    QTimer retry_;
    int attempts_ = 0;
    bool reopening_ = false;
};
