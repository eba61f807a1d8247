// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/serial_port.h"

#include "base/handler_guard.h"
#include "base/log_categories.h"
#include "platform/device_access.h"

#include <QFileInfo>
#include <QSerialPortInfo>
#include <QTimer>
#include <cerrno>
#include <cstring>

QString TSerialPort::ClosedPortText() {
    return tr("Can't perform this operation on a closed port");
}
QString TSerialPort::OpenPortText() {
    return tr("Can't perform this operation on an open port");
}
QString TSerialPort::TimeoutText() {
    return tr("Timeout");
}

namespace {
// QSerialPort keeps the system's error number to itself; this recovers the usual one.
int SystemErrorNumber(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return ENOENT;
    case QSerialPort::PermissionError:
        return EACCES;
    case QSerialPort::OpenError:
        return EBUSY;
    case QSerialPort::UnsupportedOperationError:
        return ENOTSUP;
    case QSerialPort::TimeoutError:
        return ETIMEDOUT;
    case QSerialPort::NoError:
        return 0;
    default:
        return EIO;
    }
}

bool DeviceVanished(QSerialPort::SerialPortError error) {
    return error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
           error == QSerialPort::WriteError;
}
} // namespace

ESerialError::ESerialError(const QString& message, int errorCode)
    : std::runtime_error(message.toLocal8Bit().toStdString()), ErrorCode(errorCode) {}

TSerialPort::TSerialPort(QObject* parent)
    : QObject(parent),
#ifdef Q_OS_WIN
      deviceName_(QStringLiteral("COM1"))
#else
      deviceName_(QStringLiteral("/dev/ttyS0"))
#endif
{
    connect(&port_, &QSerialPort::readyRead, this, &TSerialPort::DispatchRx);
    connect(&port_, &QSerialPort::errorOccurred, this, &TSerialPort::PortError);
}

TSerialPort::~TSerialPort() {
    Close();
}

void TSerialPort::ListPortNames(QStringList& list, const QStringList& extraDevices) {
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
#ifdef Q_OS_WIN
        list.append(info.portName());
#else
        list.append(info.systemLocation());
#endif
    }
    for (const QString& device : extraDevices)
        if (!device.isEmpty() && !list.contains(device))
            list.append(device);
}

QString TSerialPort::NativeName(const QString& listedName) {
#ifdef Q_OS_WIN
    return QStringLiteral("\\\\.\\") + listedName;
#else
    return listedName;
#endif
}

bool TSerialPort::Present(const QString& listedName) {
#ifdef Q_OS_WIN
    Q_UNUSED(listedName);
    return true; // the system lists only the ports that are there
#else
    return QFileInfo::exists(listedName);
#endif
}

bool TSerialPort::InUseElsewhere() const {
    // Without the right to open a device the system says "permission denied" too.
    return lastErrorCode_ == EBUSY ||
           (lastErrorCode_ == EACCES && !DevicePermissionDenied(deviceName_));
}

void TSerialPort::RaiseError(const QString& text, int errorCode) {
    lastErrorCode_ = errorCode;
    ESerialError error(text, errorCode);
    TSerialAction action = TSerialAction::saFail;
    if (onError_)
        onError_(this, error, action);
    if (action == TSerialAction::saAbort)
        Abort();
    throw error;
}

void TSerialPort::RaisePortError() {
    const QSerialPort::SerialPortError error = port_.error();
    const QString text = port_.errorString();
    port_.clearError();
    RaiseError(text, SystemErrorNumber(error));
}

void TSerialPort::SetDeviceName(const QString& name) {
    if (name == deviceName_)
        return;
    if (Active())
        RaiseError(OpenPortText(), 0);
    deviceName_ = name;
}

void TSerialPort::SetActive(bool active) {
    if (active == Active())
        return;
    if (active)
        Open();
    else
        Close();
}

void TSerialPort::Open() {
    vanishing_ = false;
    port_.clearError();
    port_.setPortName(deviceName_);
    if (!port_.open(QIODevice::ReadWrite))
        RaisePortError();
    // The port's lock file is named after the path it was opened by, and root passes
    // over it: a lock on the device itself keeps a second copy off through any path.
    int lockError = 0;
    if (!LockDevice(port_.handle(), lockError)) {
        Close();
        RaiseError(tr("%1 is in use by another program").arg(deviceName_), lockError);
    }
    qCInfo(lcLink) << "opened" << deviceName_;
    // Flow control is off: the meter's link has no handshake lines, and a
    // pseudo-terminal does not even offer them.
    const bool configured =
        port_.setBaudRate(QSerialPort::Baud9600) && port_.setDataBits(QSerialPort::Data8) &&
        port_.setParity(QSerialPort::NoParity) && port_.setStopBits(QSerialPort::OneStop) &&
        port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        const QSerialPort::SerialPortError error = port_.error();
        const QString text = port_.errorString();
        Close();
        port_.clearError();
        RaiseError(text, SystemErrorNumber(error));
    }
    // A newly opened port never delivers what arrived before the open.
    port_.clear(QSerialPort::AllDirections);
    port_.readAll();
    emit Opened();
}

void TSerialPort::Close() {
    if (port_.isOpen()) {
        port_.close();
        qCInfo(lcLink) << "closed" << deviceName_;
    }
    rxQueued_ = false;
}

uint32_t TSerialPort::BytesWaiting() {
    if (!Active())
        RaiseError(QString::fromLocal8Bit(std::strerror(EBADF)), EBADF);
    return static_cast<uint32_t>(port_.bytesAvailable());
}

void TSerialPort::ReadData(void* buffer, int length, bool waitOnCompletion) {
    Q_UNUSED(waitOnCompletion); // bytes already counted as waiting are in hand at once
    if (!Active())
        RaiseError(ClosedPortText(), 0);
    if (length <= 0)
        return;
    const qint64 got = port_.read(static_cast<char*>(buffer), length);
    if (got < 0)
        RaisePortError();
    if (got < length)
        RaiseError(TimeoutText(), 0);
}

void TSerialPort::WriteData(const void* buffer, int length, bool waitOnCompletion) {
    if (!Active())
        RaiseError(ClosedPortText(), 0);
    if (length <= 0)
        return;
    // QSerialPort copies the bytes and sends them in order as the line drains.
    if (port_.write(static_cast<const char*>(buffer), length) != length)
        RaisePortError();
    if (waitOnCompletion) {
        while (port_.bytesToWrite() > 0)
            if (!port_.waitForBytesWritten(5000))
                RaiseError(TimeoutText(), 0);
    }
}

void TSerialPort::SetOnRxChar(RxCharHandler handler) {
    onRxChar_ = std::move(handler);
}

void TSerialPort::DispatchRx() {
    rxQueued_ = false;
    if (!onRxChar_ || !Active() || vanishing_)
        return;
    const qint64 before = port_.bytesAvailable();
    RunGuarded([this] { onRxChar_(this); });
    // Bytes left over (the handler reads a limited count) get an event of their
    // own, so they are not stranded until the meter sends again.
    if (onRxChar_ && Active() && !rxQueued_ && port_.bytesAvailable() > 0 &&
        port_.bytesAvailable() < before) {
        rxQueued_ = true;
        QTimer::singleShot(0, this, &TSerialPort::DispatchRx);
    }
}

void TSerialPort::PortError(QSerialPort::SerialPortError error) {
    if (!DeviceVanished(error) || !Active() || vanishing_)
        return;
    // A device that went away keeps reporting errors in a tight loop while it
    // stays open; close it once, from the event loop, and report it once.
    vanishing_ = true;
    const QString text = port_.errorString();
    qCInfo(lcLink) << deviceName_ << "went away:" << text;
    QTimer::singleShot(0, this, [this, text, error] {
        if (!vanishing_)
            return; // reopened meanwhile
        Close();
        port_.clearError();
        RunGuarded([&] { RaiseError(text, SystemErrorNumber(error)); });
        emit Vanished();
    });
}
