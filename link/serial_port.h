// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one serial port to the meter: 9600 baud 8N1, exclusive open (also against
// root and other paths to the same device), input that arrived before the open
// discarded, asynchronous ordered writes, a receive event on the main thread, and
// every failure reported through OnError.

#include <QSerialPort>
#include <QStringList>
#include <functional>
#include <stdexcept>

enum class TSerialAction { saFail, saAbort };

class ESerialError : public std::runtime_error {
public:
    ESerialError(const QString& message, int errorCode);
    QString Message() const { return QString::fromLocal8Bit(what()); }
    int ErrorCode; // the operating system's error number, 0 for the port's own conditions
};

class TSerialPort : public QObject {
    Q_OBJECT
public:
    using RxCharHandler = std::function<void(TSerialPort* sender)>;
    using ErrorHandler =
        std::function<void(TSerialPort* sender, const ESerialError& error, TSerialAction& action)>;

    static QString ClosedPortText();
    static QString OpenPortText();
    static QString TimeoutText();

    explicit TSerialPort(QObject* parent = nullptr);
    ~TSerialPort() override;

    // Appends the machine's serial ports, then the extra devices not already listed
    // (pseudo-terminals and other ports the platform does not enumerate).
    static void ListPortNames(QStringList& list, const QStringList& extraDevices = {});
    // The name the operating system opens for a listed port.
    static QString NativeName(const QString& listedName);
    // A listed port is there now (a device given by path may not be, yet or any more).
    static bool Present(const QString& listedName);

    QString DeviceName() const { return deviceName_; }
    void SetDeviceName(const QString& name);

    bool Active() const { return port_.isOpen(); }
    // The system's error number of the last failure reported through OnError.
    int LastErrorCode() const { return lastErrorCode_; }
    // The last open failed because another program holds the device.
    bool InUseElsewhere() const;
    void SetActive(bool active);

    uint32_t BytesWaiting();
    void ReadData(void* buffer, int length, bool waitOnCompletion);
    void WriteData(const void* buffer, int length, bool waitOnCompletion);

    void SetOnRxChar(RxCharHandler handler);
    bool HasOnRxChar() const { return static_cast<bool>(onRxChar_); }
    RxCharHandler OnRxChar() const { return onRxChar_; }
    void SetOnError(ErrorHandler handler) { onError_ = std::move(handler); }

signals:
    // The port was opened.
    void Opened();
    // The device went away under the open port (an unplugged cable); the port is closed.
    void Vanished();

private:
    [[noreturn]] void RaiseError(const QString& text, int errorCode);
    [[noreturn]] void RaisePortError();
    void Open();
    void Close();
    void DispatchRx();
    void PortError(QSerialPort::SerialPortError error);

    QSerialPort port_;
    QString deviceName_;
    RxCharHandler onRxChar_;
    ErrorHandler onError_;
    int lastErrorCode_ = 0;
    bool vanishing_ = false; // the device is gone; its close is queued
    bool rxQueued_ = false;
};
