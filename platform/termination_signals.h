// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns SIGTERM, SIGINT and SIGHUP (logout, Ctrl+C, a closed terminal) into a
// signal on the main thread, so the program ends through its normal shut-down
// and keeps its settings. The handler only writes to a pipe; the main loop
// reads it.

#include <QObject>
#include <memory>

class QSocketNotifier;

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void Received(int signalNumber);

private:
    void ReadPipe();

    std::unique_ptr<QSocketNotifier> notifier_;
};
