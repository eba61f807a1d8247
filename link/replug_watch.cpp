// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/replug_watch.h"

#include "base/log_categories.h"
#include "link/model_query.h"

ReplugWatch::ReplugWatch(TSerialPort& port, DeviceProbe probe, QObject* parent)
    : QObject(parent), port_(port), probe_(std::move(probe)) {
    retry_.setInterval(RetryMs);
    connect(&retry_, &QTimer::timeout, this, &ReplugWatch::Attempt);
    answer_.setSingleShot(true);
    answer_.setInterval(int(ModelQuery::ReplyMs));
    connect(&answer_, &QTimer::timeout, this, &ReplugWatch::AnswerDue);
    connect(&port_, &TSerialPort::Opened, this, &ReplugWatch::PortOpened);
    connect(&port_, &TSerialPort::Vanished, this, &ReplugWatch::PortVanished);
}

void ReplugWatch::Stop() {
    retry_.stop();
    EndCheck();
    confirmed_ = {};
    refusedDevice_.clear();
    refusal_ = Refusal::None;
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

void ReplugWatch::Confirm(const QString& serialNumber, std::function<void(bool same)> then) {
    retry_.stop();
    attempts_ = 0;
    if (!serialNumber.isEmpty() && identity_.SerialNumber != serialNumber) {
        // Another adapter sits where the meter's was: from now on the meter's is
        // looked for by its serial number.
        const QString path = port_.DeviceName();
        identity_ = {};
        identity_.Path = path;
        identity_.SerialNumber = serialNumber;
        try {
            port_.SetActive(false);
        } catch (const std::exception&) {
        }
        Refuse(path, Refusal::OtherMeter);
        retry_.start();
        then(false);
        return;
    }
    confirmed_ = std::move(then);
    Check(port_.DeviceName());
}

void ReplugWatch::Attempt() {
    if (checking_)
        return;
    ++attempts_;
    const QString device = FindDevice(identity_, probe_);
    if (device.isEmpty()) {
        if (AnotherDeviceAt(identity_, probe_))
            Refuse(identity_.Path, Refusal::OtherMeter);
        else
            Refuse({}, Refusal::None);
        return;
    }
    reopening_ = true;
    try {
        port_.SetDeviceName(device);
        port_.SetActive(true);
    } catch (const std::exception& e) {
        // Just back, the device may not be ready (or not yet ours): the next attempt tries again.
        qCInfo(lcLink) << "reopening" << device << "failed:" << e.what();
    }
    reopening_ = false;
    if (!port_.Active()) {
        if (port_.InUseElsewhere())
            Refuse(device, Refusal::InUse);
        return;
    }
    Check(device);
}

void ReplugWatch::Check(const QString& device) {
    // The answer must stay waiting on the port, and no frame may be taken before it.
    checked_ = device;
    checking_ = true;
    frames_ = port_.OnRxChar();
    port_.SetOnRxChar({});
    ModelQuery::Ask(port_);
    answer_.start();
}

void ReplugWatch::EndCheck() {
    if (!checking_)
        return;
    answer_.stop();
    checking_ = false;
    port_.SetOnRxChar(std::move(frames_));
    frames_ = {};
}

void ReplugWatch::AnswerDue() {
    const QString device = checked_;
    const QByteArray answer = ModelQuery::Answer(port_);
    const bool open = port_.Active();
    EndCheck();
    auto then = std::move(confirmed_);
    confirmed_ = {};
    const int32_t model = ModelQuery::ModelOf(answer);
    qCInfo(lcLink) << device << "answered" << answer.toHex(' ') << "to the model check";
    if (open && model != 0 && (!expected_ || model == expected_())) {
        retry_.stop();
        refusedDevice_.clear();
        refusal_ = Refusal::None;
        qCInfo(lcLink) << "reopened" << device;
        if (then)
            then(true);
        else
            emit Reopened(device, model);
        return;
    }
    try {
        port_.SetActive(false);
    } catch (const std::exception&) {
    }
    // Gone again during the check, it is simply looked for again.
    if (open)
        Refuse(device, model != 0 ? Refusal::OtherMeter : Refusal::NoAnswer);
    if (!retry_.isActive())
        retry_.start();
    if (then)
        then(false);
}

void ReplugWatch::Refuse(const QString& device, Refusal why) {
    if (device == refusedDevice_ && why == refusal_)
        return;
    refusedDevice_ = device;
    refusal_ = why;
    qCInfo(lcLink) << "refused" << device << int(why);
    emit Refused(device, why);
}
