#include "app/command_line.h"

#include "brackwater_version.h"

#include <QFileInfo>

namespace {
// Options the Qt application object reads itself; the first group takes a value.
bool IsQtOption(const QString& arg, bool& takesValue) {
    static const QStringList withValue{
        QStringLiteral("-platform"),        QStringLiteral("-platformpluginpath"),
        QStringLiteral("-platformtheme"),   QStringLiteral("-plugin"),
        QStringLiteral("-qwindowgeometry"), QStringLiteral("-geometry"),
        QStringLiteral("-qwindowtitle"),    QStringLiteral("-title"),
        QStringLiteral("-qwindowicon"),     QStringLiteral("-icon"),
        QStringLiteral("-display"),         QStringLiteral("-style"),
        QStringLiteral("-stylesheet"),      QStringLiteral("-session")};
    static const QStringList flags{QStringLiteral("-reverse"), QStringLiteral("-nograb"),
                                   QStringLiteral("-dograb"), QStringLiteral("-sync"),
                                   QStringLiteral("-widgetcount")};
    const QString name = arg.section(QLatin1Char('='), 0, 0);
    takesValue = withValue.contains(name) && !arg.contains(QLatin1Char('='));
    return withValue.contains(name) || flags.contains(arg);
}
} // namespace

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
        } else if (arg == QLatin1String("--version")) {
            cl.Version = true;
        } else if (bool takesValue = false; IsQtOption(arg, takesValue)) {
            if (takesValue)
                ++i;
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
        "  --help          show this help\n"
        "  --version       show the program's version\n");
}

QString VersionText() {
    return QStringLiteral("brackwater " BRACKWATER_VERSION "\n");
}
