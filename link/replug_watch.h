// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds the meter again after its device went away (an unplugged cable, a
// suspended laptop), and takes its frames again only from the same meter. It
// learns the device's identity each time the port is opened for the meter's
// frames; once the device vanishes it looks for it every 2 seconds, on a timer,
// until it is back: through the path the port was opened by (a symbolic link is
// followed anew), its stable name, or its USB serial number under another ttyUSB
// number. A device found is asked for its model before its frames are taken;
// another model, no answer, or another adapter's serial number at the old path
// and the port is closed again, the device refused (said once) and the look goes
// on. The start's reopen of the last run's device is checked the same way.

#include "link/device_identity.h"
#include "link/serial_port.h"

#include <QObject>
#include <QTimer>
#include <functional>

class ReplugWatch : public QObject {
    Q_OBJECT
public:
    static constexpr int RetryMs = 2000;
    enum class Refusal { None, OtherMeter, NoAnswer, InUse };

    explicit ReplugWatch(TSerialPort& port, DeviceProbe probe = DeviceProbe::System(),
                         QObject* parent = nullptr);

    // The model the meter answered with before; without it any model will do.
    void SetExpectedModel(std::function<int32_t()> model) { expected_ = std::move(model); }
    // A search or the shut-down takes the port over: no more attempts or checks.
    void Stop();
    bool Watching() const { return retry_.isActive(); }
    const DeviceIdentity& Identity() const { return identity_; }
    // Looks for the device since it vanished.
    int Attempts() const { return attempts_; }
    void SetProbe(DeviceProbe probe) { probe_ = std::move(probe); }

    // The port was just opened on the last run's device for the meter's frames:
    // checks that it is the same meter (the adapter's serial number where one is
    // known, then the model) before its frames are taken. then(true) with the port
    // open for frames; then(false) when refused: the port is closed and the look
    // every 2 seconds goes on.
    void Confirm(const QString& serialNumber, std::function<void(bool same)> then);

signals:
    // The same meter is back and the port open again for its frames, by this
    // path; it answered as this model.
    void Reopened(const QString& device, int32_t model);
    // The device at this path is not the meter (or, with None, the device refused
    // before has gone).
    void Refused(const QString& device, ReplugWatch::Refusal why);

private:
    void PortOpened();
    void PortVanished();
    void Attempt();
    void Check(const QString& device);
    void AnswerDue();
    void EndCheck();
    void Refuse(const QString& device, Refusal why);

    TSerialPort& port_;
    DeviceProbe probe_;
    DeviceIdentity identity_;
    std::function<int32_t()> expected_;
    QTimer retry_;
    QTimer answer_;
    int attempts_ = 0;
    bool reopening_ = false;
    // The check under way: the device asked, the frame handler set aside meanwhile,
    // and the start's wait for the result.
    QString checked_;
    bool checking_ = false;
    TSerialPort::RxCharHandler frames_;
    std::function<void(bool)> confirmed_;
    // The refusal last said.
    QString refusedDevice_;
    Refusal refusal_ = Refusal::None;
};
