// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program the recorder runs when an alarm rises (--on-alarm), to send a mail or
// sound a buzzer: started once per rise with the alarm's details in its
// environment, as a program with arguments and never through a shell, so nothing
// in the details can be taken as a command. One that still runs at its time limit
// is ended, with every program it started. What goes wrong is said in one line.

#include "alarm/alarm_monitor.h"

#include <QObject>
#include <QProcessEnvironment>
#include <QStringList>
#include <functional>

struct AlarmCommandOptions {
    static constexpr int DefaultLimitSeconds = 30;
    QString Program; // empty: no command
    QStringList Arguments;
    int LimitSeconds = DefaultLimitSeconds;
    bool IsSet() const { return !Program.isEmpty(); }
};

// Splits the option's text into the program and its arguments (blanks separate
// them, double quotes keep blanks in one; nothing else is interpreted) and checks
// that the program exists and may be run. Returns what is wrong, or an empty text.
QString ParseAlarmCommand(const QString& text, AlarmCommandOptions& options);

class AlarmCommand : public QObject {
    Q_OBJECT
public:
    explicit AlarmCommand(AlarmCommandOptions options, QObject* parent = nullptr);
    // Commands still running are ended.
    ~AlarmCommand() override;

    // Starts the program for this alarm; device is the meter's.
    void Run(const AlarmEvent& event, const QString& device);
    int Running() const { return running_; }
    // Calls then once no command runs any more: at once when none does.
    void WhenDone(std::function<void()> then);

    // The environment the program gets: the program's own, plus BRACKWATER_ALARM_STATE,
    // _CHANNEL, _KIND, _VALUE, _LIMIT, _UNIT, _SINCE, _TIME, _TEXT and BRACKWATER_DEVICE.
    static QProcessEnvironment
    Environment(const AlarmEvent& event, const QString& device,
                QProcessEnvironment base = QProcessEnvironment::systemEnvironment());

signals:
    // One line for the user: the program could not start, failed, or was ended.
    void Said(const QString& line);
    // A command ended; killed when its time limit ended it (for tests and the recorder's end).
    void Ended(int exitCode, bool killed);

private:
    void CheckDone();

    AlarmCommandOptions options_;
    int running_ = 0;
    std::vector<std::function<void()>> whenDone_;
};
