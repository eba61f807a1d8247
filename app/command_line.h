// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's command-line options. They are read before any window system
// object exists, so --help, --version and mistakes work without a display.

#include "alarm/alarm_command.h"
#include "alarm/alarm_rules.h"
#include "publish/broker_address.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    QStringList Ports; // --port DEVICE, repeatable: added to the port list
    bool Demo = false; // --demo [MODEL]: a simulated meter on a pseudo-terminal
    int DemoModel = 303;
    QString Record; // --record FILE: record without windows into this file (absolute path)
    int Every = 0;  // --every SECONDS; 0: the stored listing rate
    // --demo-history SECONDS: with --demo, the log and the live graph start with
    // that much of the simulated meter's past, as if recording had run all along.
    int DemoHistory = 0;
    // --publish URL, --ha-discovery: each recorded row also goes to an MQTT broker.
    // The password is read later, from --publish-password-file FILE or the environment.
    PublishOptions Publish;
    QString PublishPasswordFile;
    // --alarm CHANNEL=LOW..HIGH (repeatable), --alarm-delay SECONDS, --alarm-hysteresis
    // DEGREES, --alarm-no-reading SECONDS: the recorder's alarms, in the meter's unit.
    AlarmRules Alarms;
    // --on-alarm COMMAND, --on-alarm-limit SECONDS: run once for each alarm that rises.
    AlarmCommandOptions OnAlarm;
    bool Help = false;
    bool Version = false;
    QString Error; // set when the arguments cannot be understood
};

// arguments[0] is the program. Qt's own options (-platform NAME, -style NAME …)
// are passed over, as the application object takes them.
CommandLine ParseCommandLine(const QStringList& arguments);
QString CommandLineUsage();
// What the program prints for a mistake: the problem, then where the options are told.
QString CommandLineErrorText(const QString& error);
QString VersionText();
