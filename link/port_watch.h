// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds a meter plugged in while none is linked: every 2 seconds it looks whether
// the list of serial ports changed and asks each port that appeared since for its
// model. It asks on a port object of its own, so the program's port stays as it
// is. The first port that answers with a model is reported; the watch then stops.
// Looking is cheap: the full port list is taken only when the system's device
// folder, or one of the devices given by path, changed.

#include "link/serial_port.h"

#include <QHash>
#include <QObject>
#include <QTimer>
#include <functional>

class PortWatch : public QObject {
    Q_OBJECT
public:
    static constexpr int LookMs = 2000;
    static constexpr int OpenTries = 5; // looks at a new port that cannot be opened yet

    // ports: the ports present now; mark: changes whenever that list may have
    // changed (empty: unknown, the list is taken at every look).
    PortWatch(std::function<QStringList()> ports, std::function<QString()> mark,
              QObject* parent = nullptr);

    // Watches from now on; the known ports are there already and are not asked.
    void Start(const QStringList& known);
    void Stop();
    bool Watching() const { return look_.isActive() || !asking_.isEmpty(); }
    // Ports asked since the watch started.
    int Asked() const { return asked_; }

signals:
    // A port that appeared answered the identification request with a model's reply.
    void MeterAnswered(const QString& device, const QByteArray& reply);

private:
    void Look();
    void AskNext();
    void AnswerDue();

    std::function<QStringList()> ports_;
    std::function<QString()> mark_;
    QString lastMark_;
    bool marked_ = false;
    QTimer look_;
    QTimer answer_;
    TSerialPort probe_;
    QStringList known_;            // present at the last look, asked or there from the start
    QStringList pending_;          // appeared, not asked yet
    QHash<QString, int> failures_; // failed opens of each new port
    QString asking_;
    int asked_ = 0;
};
