#pragma once
// The program's command-line options.

#include <QString>
#include <QStringList>

struct CommandLine {
    QStringList Ports; // --port DEVICE, repeatable: added to the port list
    bool Demo = false; // --demo [MODEL]: a simulated meter on a pseudo-terminal
    int DemoModel = 303;
    bool Help = false;
    QString Error; // set when the arguments cannot be understood
};

CommandLine ParseCommandLine(const QStringList& arguments);
QString CommandLineUsage();
