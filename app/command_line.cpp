#include "app/command_line.h"

#include <QFileInfo>

CommandLine ParseCommandLine(const QStringList& arguments) {
    CommandLine cl;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QLatin1String("--port") || arg.startsWith(QLatin1String("--port="))) {
            QString device = arg.mid(7);
            if (arg.size() == 6) {
                if (i + 1 >= arguments.size()) {
                    cl.Error = QStringLiteral("--port needs a device path");
                    return cl;
                }
                device = arguments[++i];
            }
            // A bare name would be taken as a name under /dev; keep what the user meant.
            if (device.contains(QLatin1Char('/')))
                device = QFileInfo(device).absoluteFilePath();
            cl.Ports.append(device);
        } else if (arg == QLatin1String("--demo")) {
            cl.Demo = true;
            if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1Char('-'))) {
                const int model = arguments[++i].toInt();
                if (model < 300 || model > 303) {
                    cl.Error = QStringLiteral("--demo takes a model of 300, 301, 302 or 303");
                    return cl;
                }
                cl.DemoModel = model;
            }
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            cl.Help = true;
        } else {
            cl.Error = QStringLiteral("unknown option: %1").arg(arg);
            return cl;
        }
    }
    return cl;
}

QString CommandLineUsage() {
    return QStringLiteral(
        "Usage: brackwater [--port DEVICE]... [--demo [MODEL]]\n"
        "  --port DEVICE   add a serial device to the port list (repeatable), for ports\n"
        "                  the system does not list, such as pseudo-terminals\n"
        "  --demo [MODEL]  run a built-in simulated meter (300, 301, 302 or 303;\n"
        "                  default 303) and add its device to the port list\n"
        "  --help          show this help\n");
}
