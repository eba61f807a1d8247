#include "link/replug_watch.h"

#include "base/log_categories.h"
#include "link/serial_port.h"

ReplugWatch::ReplugWatch(TSerialPort& port, DeviceProbe probe, QObject* parent)
    : QObject(parent), port_(port), probe_(std::move(probe)) {
    retry_.setInterval(RetryMs);
    connect(&retry_, &QTimer::timeout, this, &ReplugWatch::Attempt);
    connect(&port_, &TSerialPort::Opened, this, &ReplugWatch::PortOpened);
    connect(&port_, &TSerialPort::Vanished, this, &ReplugWatch::PortVanished);
}

void ReplugWatch::Stop() {
    retry_.stop();
}

void ReplugWatch::PortOpened() {
    if (reopening_)
        return; // the same device again: its identity, its path included, stays
    retry_.stop();
    // The search opens every port to ask it; only the port opened for the meter's frames counts.
    if (!port_.HasOnRxChar())
        return;
    identity_ = CaptureIdentity(port_.DeviceName(), probe_);
    qCInfo(lcLink) << "device" << identity_.Path << "stable name" << identity_.StableName
                   << "serial number" << identity_.SerialNumber;
}

void ReplugWatch::PortVanished() {
    // Without the receive handler the port search owns the port and goes on by itself.
    if (!port_.HasOnRxChar() || identity_.Path.isEmpty())
        return;
    attempts_ = 0;
    qCInfo(lcLink) << identity_.Path << "went away; looking for it every" << RetryMs << "ms";
    retry_.start();
}

void ReplugWatch::Attempt() {
    ++attempts_;
    const QString device = FindDevice(identity_, probe_);
    if (device.isEmpty())
        return;
    reopening_ = true;
    try {
        port_.SetDeviceName(device);
        port_.SetActive(true);
    } catch (const std::exception& e) {
        // Just back, the device may not be ready (or not yet ours): the next attempt tries again.
        qCInfo(lcLink) << "reopening" << device << "failed:" << e.what();
    }
    reopening_ = false;
    if (!port_.Active())
        return;
    retry_.stop();
    qCInfo(lcLink) << "reopened" << device;
    emit Reopened(device);
}
