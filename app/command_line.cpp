#include "app/command_line.h"

#include "brackwater_version.h"

#include <QFileInfo>

namespace {
constexpr int MaxDemoHistory = 31 * 86400;

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
        } else if (arg == QLatin1String("--demo-history")) {
            bool ok = false;
            cl.DemoHistory = i + 1 < arguments.size() ? arguments[++i].toInt(&ok) : 0;
            if (!ok || cl.DemoHistory < 1 || cl.DemoHistory > MaxDemoHistory) {
                cl.Error = QStringLiteral("--demo-history takes a number of seconds from 1 to %1")
                               .arg(MaxDemoHistory);
                return cl;
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
    if (cl.DemoHistory > 0 && !cl.Demo)
        cl.Error = QStringLiteral("--demo-history needs --demo");
    return cl;
}

QString CommandLineUsage() {
    return QStringLiteral(
        "Usage: brackwater [--port DEVICE]... [--demo [MODEL]] [--demo-history SECONDS]\n"
        "  --port DEVICE   add a serial device to the port list (repeatable), for ports\n"
        "                  the system does not list, such as pseudo-terminals\n"
        "  --demo [MODEL]  run a built-in simulated meter (300, 301, 302 or 303;\n"
        "                  default 303) and add its device to the port list\n"
        "  --demo-history SECONDS\n"
        "                  with --demo: start the log and the live graph with that\n"
        "                  much of the simulated meter's past (up to 31 days)\n"
        "  --help          show this help\n"
        "  --version       show the program's version\n");
}

QString VersionText() {
    return QStringLiteral("brackwater " BRACKWATER_VERSION "\n");
}
