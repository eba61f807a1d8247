// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The meter's end of a serial line: the master side of a new pseudo-terminal, or
// a real serial device opened raw at 9600 baud. Reads arrive as a signal.

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

class PtyDevice : public QObject {
    Q_OBJECT
public:
    explicit PtyDevice(QObject* parent = nullptr);
    ~PtyDevice() override;

    // A new pseudo-terminal; Path() is the device the program opens.
    bool OpenPty(QString* error = nullptr);
    bool OpenDevice(const QString& path, QString* error = nullptr);
    void Close();

    bool IsOpen() const { return fd_ >= 0; }
    QString Path() const { return path_; }
    // Queues bytes for the other end; false when the line is closed or full.
    bool Write(const QByteArray& bytes);

signals:
    void Received(const QByteArray& bytes);

private:
    void ReadReady();
    void Watch();

    int fd_ = -1;
    int slaveKeepAlive_ = -1; // holding the slave open keeps the master from hanging up
    QString path_;
    QSocketNotifier* notifier_ = nullptr;
};
