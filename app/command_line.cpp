// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "brackwater_version.h"

#include <QFileInfo>
#include <QLocale>
#include <optional>

namespace {
constexpr int MaxDemoHistory = 31 * 86400;

// What is said when an option's value is missing, %1 the option.
constexpr const char* NeedsValue = QT_TRANSLATE_NOOP("CommandLine", "%1 needs a value");

// An option's name in a message: never translated.
QString Name(const char* option) {
    return QLatin1String(option);
}

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
    // Taken for every channel with an --alarm, whichever comes first.
    std::optional<int> alarmDelay;
    std::optional<double> alarmHysteresis;
    bool alarmOption = false;
    QString alarmGiven[AlarmRules::Channels]; // each channel's --alarm, once
    const auto wholeSeconds = [&](const QString& text, const char* option, int least) {
        bool ok = false;
        const int seconds = text.toInt(&ok);
        if (cl.Error.isEmpty() &&
            (!ok || seconds < least || seconds > AlarmRules::MaxSeconds || text.trimmed() != text))
            //: %1 is an option, %4 what was given
            cl.Error = CommandLine::tr("%1 takes a whole number of seconds from %2 to %3 (not "
                                       "\"%4\")")
                           .arg(Name(option), QString::number(least),
                                QString::number(AlarmRules::MaxSeconds), text);
        return seconds;
    };
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        // An option's value follows it, as the next argument or after "=". The next
        // option is never taken as a value: "--record --every 5" lacks the file.
        // missing: what is said when the value is missing.
        const auto value = [&](const char* name, QString& out, const char* missing = NeedsValue) {
            const QString option = QLatin1String(name);
            if (arg.startsWith(option + QLatin1Char('='))) {
                out = arg.mid(option.size() + 1);
                return true;
            }
            if (arg != option)
                return false;
            if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(QLatin1String("--")))
                cl.Error = CommandLine::tr(missing).arg(option);
            else
                out = arguments[++i];
            return true;
        };
        QString text;
        if (value("--port", text, QT_TRANSLATE_NOOP("CommandLine", "%1 needs a device"))) {
            // A bare name would be taken as a name under /dev; keep what the user meant.
            if (text.contains(QLatin1Char('/')))
                text = QFileInfo(text).absoluteFilePath();
            if (!text.isEmpty())
                cl.Ports.append(text);
        } else if (value("--record", text,
                         QT_TRANSLATE_NOOP("CommandLine", "%1 needs a file name"))) {
            if (text.isEmpty() && cl.Error.isEmpty())
                cl.Error = CommandLine::tr("%1 needs a file name").arg(Name("--record"));
            else if (!text.isEmpty())
                cl.Record = QFileInfo(text).absoluteFilePath();
        } else if (value("--every", text,
                         QT_TRANSLATE_NOOP("CommandLine", "%1 needs a number of seconds"))) {
            bool ok = false;
            cl.Every = text.toInt(&ok);
            if (cl.Error.isEmpty() && (!ok || cl.Every < 1 || text.trimmed() != text))
                //: %1 is an option, %2 what was given
                cl.Error =
                    CommandLine::tr("%1 takes a whole number of seconds, 1 or more (not \"%2\")")
                        .arg(Name("--every"), text);
        } else if (arg == QLatin1String("--demo")) {
            cl.Demo = true;
            if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1Char('-'))) {
                const int model = arguments[++i].toInt();
                if (model < 300 || model > 303) {
                    //: %1 is an option
                    cl.Error = CommandLine::tr("%1 takes a model of 300, 301, 302 or 303")
                                   .arg(Name("--demo"));
                    return cl;
                }
                cl.DemoModel = model;
            }
        } else if (value("--demo-history", text,
                         QT_TRANSLATE_NOOP("CommandLine", "%1 needs a number of seconds"))) {
            bool ok = false;
            cl.DemoHistory = text.toInt(&ok);
            if (cl.Error.isEmpty() &&
                (!ok || cl.DemoHistory < 1 || cl.DemoHistory > MaxDemoHistory))
                //: %1 is an option
                cl.Error = CommandLine::tr("%1 takes a number of seconds from 1 to %2")
                               .arg(Name("--demo-history"), QString::number(MaxDemoHistory));
        } else if (value("--publish", text, QT_TRANSLATE_NOOP("CommandLine", "%1 needs a URL"))) {
            cl.Publish.Broker = BrokerAddress::Parse(text);
            if (cl.Error.isEmpty())
                cl.Error = cl.Publish.Broker.Error;
        } else if (value("--publish-password-file", text,
                         QT_TRANSLATE_NOOP("CommandLine", "%1 needs a file name"))) {
            if (text.isEmpty() && cl.Error.isEmpty())
                cl.Error =
                    CommandLine::tr("%1 needs a file name").arg(Name("--publish-password-file"));
            cl.PublishPasswordFile = text;
        } else if (value("--alarm", text)) {
            alarmOption = true;
            const QString channel = text.section(QLatin1Char('='), 0, 0);
            const int c = channel == QLatin1String("1")   ? 0
                          : channel == QLatin1String("2") ? 1
                                                          : -1;
            if (c < 0 || !text.contains(QLatin1Char('='))) {
                if (cl.Error.isEmpty())
                    //: %1 is an option, %2 what was given
                    cl.Error = CommandLine::tr("%1 takes CHANNEL=LOW..HIGH with the channel 1 or 2 "
                                               "(not \"%2\")")
                                   .arg(Name("--alarm"), text);
            } else if (!alarmGiven[c].isEmpty()) {
                if (cl.Error.isEmpty())
                    //: %1 is an option, %2 the channel, %3 and %4 what was given
                    cl.Error = CommandLine::tr("%1 gives channel %2 twice (\"%3\" and \"%4\"); "
                                               "give each channel once")
                                   .arg(Name("--alarm"), channel, alarmGiven[c], text);
            } else {
                alarmGiven[c] = text;
                if (const QString problem = ParseLimitRange(text.section(QLatin1Char('='), 1),
                                                            cl.Alarms.Channel[size_t(c)]);
                    !problem.isEmpty() && cl.Error.isEmpty())
                    cl.Error = QStringLiteral("--alarm %1: %2").arg(text, problem);
            }
        } else if (value("--alarm-delay", text)) {
            alarmDelay = wholeSeconds(text, "--alarm-delay", 0);
        } else if (value("--alarm-hysteresis", text)) {
            bool ok = false;
            alarmHysteresis = QLocale::c().toDouble(text, &ok);
            if (cl.Error.isEmpty() && (!ok || !(*alarmHysteresis >= 0) || *alarmHysteresis > 1e6))
                //: %1 is an option, %2 what was given
                cl.Error = CommandLine::tr("%1 takes a number of degrees, 0 or more (not \"%2\")")
                               .arg(Name("--alarm-hysteresis"), text);
        } else if (value("--alarm-no-reading", text)) {
            alarmOption = true;
            cl.Alarms.NoReadingSeconds =
                wholeSeconds(text, "--alarm-no-reading", AlarmRules::MinNoReadingSeconds);
        } else if (value("--on-alarm", text)) {
            if (const QString problem = ParseAlarmCommand(text, cl.OnAlarm);
                !problem.isEmpty() && cl.Error.isEmpty())
                cl.Error = problem;
        } else if (value("--on-alarm-limit", text)) {
            cl.OnAlarm.LimitSeconds = wholeSeconds(text, "--on-alarm-limit", 1);
        } else if (arg == QLatin1String("--ha-discovery")) {
            cl.Publish.HaDiscovery = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            cl.Help = true;
        } else if (arg == QLatin1String("--version")) {
            cl.Version = true;
        } else if (bool takesValue = false; IsQtOption(arg, takesValue)) {
            if (takesValue)
                ++i;
        } else {
            cl.Error = CommandLine::tr("unknown option: %1").arg(arg);
        }
        if (!cl.Error.isEmpty())
            return cl;
    }
    for (ChannelLimits& limits : cl.Alarms.Channel) {
        limits.DelaySeconds = alarmDelay.value_or(0);
        limits.Hysteresis = alarmHysteresis.value_or(0);
    }
    const bool alarmDetail = alarmDelay || alarmHysteresis || cl.OnAlarm.IsSet() ||
                             cl.OnAlarm.LimitSeconds != AlarmCommandOptions::DefaultLimitSeconds;
    if (cl.Every > 0 && cl.Record.isEmpty())
        // untranslated: the options
        //: %1 and %2 are options
        cl.Error = CommandLine::tr("%1 goes with %2").arg(Name("--every"), Name("--record FILE"));
    else if (cl.DemoHistory > 0 && (!cl.Demo || !cl.Record.isEmpty()))
        // untranslated: the options
        //: %1 and %2 are options
        cl.Error = CommandLine::tr("%1 goes with %2, in the window program")
                       .arg(Name("--demo-history"), Name("--demo"));
    else if ((!cl.PublishPasswordFile.isEmpty() || cl.Publish.HaDiscovery) &&
             !cl.Publish.Broker.IsSet())
        // untranslated: the options
        //: %1, %2 and %3 are options
        cl.Error = CommandLine::tr("%1 and %2 go with %3")
                       .arg(Name("--publish-password-file"), Name("--ha-discovery"),
                            Name("--publish URL"));
    else if ((alarmOption || alarmDetail) && cl.Record.isEmpty())
        // untranslated: the options
        //: %1 and %2 are options
        cl.Error = CommandLine::tr("the %1 options go with %2; the window program sets its "
                                   "alarms in the Alarms dialog")
                       .arg(Name("--alarm"), Name("--record FILE"));
    else if (alarmDetail && !alarmOption)
        // untranslated: the options
        //: %1 to %5 are options
        cl.Error = CommandLine::tr("%1, %2 and %3 go with %4 or %5")
                       .arg(Name("--alarm-delay"), Name("--alarm-hysteresis"), Name("--on-alarm"),
                            Name("--alarm CHANNEL=LOW..HIGH"), Name("--alarm-no-reading SECONDS"));
    return cl;
}

QString CommandLineUsage() {
    //: The command line's forms: translate "Usage:" and the values' names (DEVICE,
    //: MODEL ...) if you like; the options (--port ...) stay as they are.
    const QString forms = CommandLine::tr(
        "Usage: brackwater [--port DEVICE]... [--demo [MODEL]] [--demo-history SECONDS]\n"
        "                  [--publish URL [--publish-password-file FILE] [--ha-discovery]]\n"
        "       brackwater --record FILE [--every SECONDS] [--port DEVICE]... [--demo [MODEL]]\n"
        "                  [--publish URL [--publish-password-file FILE] [--ha-discovery]]\n"
        "                  [--alarm CHANNEL=LOW..HIGH]... [--alarm-delay SECONDS]\n"
        "                  [--alarm-hysteresis DEGREES] [--alarm-no-reading SECONDS]\n"
        "                  [--on-alarm COMMAND [--on-alarm-limit SECONDS]]\n");
    //: The options, each with what it does from the 20th column on; the options
    //: (--port ...) stay as they are.
    const QString options = CommandLine::tr(
        "  --port DEVICE    add a serial device to the port list (repeatable), for ports\n"
        "                   the system does not list, such as pseudo-terminals\n"
        "  --demo [MODEL]   run a built-in simulated meter (300, 301, 302 or 303;\n"
        "                   default 303) and add its device to the port list\n"
        "  --demo-history SECONDS\n"
        "                   with --demo: start the log and the live graph with that\n"
        "                   much of the simulated meter's past (up to 31 days)\n"
        "  --record FILE    record without windows: find the meter and append one row\n"
        "                   every SECONDS to FILE (tab-separated, or comma-separated\n"
        "                   when the name ends in csv), until interrupted\n"
        "  --every SECONDS  the recording's interval (default: the stored listing rate)\n"
        "  --publish URL    also publish each recorded row to an MQTT broker, at\n"
        "                   mqtt://[user@]host[:port]/base/topic (mqtts:// for TLS);\n"
        "                   the password comes from BRACKWATER_MQTT_PASSWORD or from\n"
        "  --publish-password-file FILE\n"
        "                   the first line of FILE, never from the URL\n"
        "  --ha-discovery   with --publish: announce the channels to Home Assistant\n"
        "  --alarm CHANNEL=LOW..HIGH\n"
        "                   with --record: an alarm when channel 1 (main display) or 2\n"
        "                   (second display) leaves the range, in the meter's unit;\n"
        "                   either end may be empty (1=..30, 2=-5..); repeatable\n"
        "  --alarm-delay SECONDS\n"
        "                   the reading must stay beyond the limit that long first\n"
        "  --alarm-hysteresis DEGREES\n"
        "                   it clears once back inside the limit by that many degrees\n"
        "  --alarm-no-reading SECONDS\n"
        "                   an alarm when no reading comes for that long (5 or more)\n"
        "  --on-alarm COMMAND\n"
        "                   run COMMAND (no shell) when an alarm rises, its details in\n"
        "                   BRACKWATER_ALARM_* variables; ended after\n"
        "  --on-alarm-limit SECONDS\n"
        "                   seconds (default 30)\n"
        "  --help           show this help\n"
        "  --version        show the program's version\n");
    return forms + options;
}

QString CommandLineErrorText(const QString& error) {
    //: %1 is the command that shows the options
    return QStringLiteral("brackwater: %1\n").arg(error) +
           CommandLine::tr("Try '%1'.").arg(QStringLiteral("brackwater --help")) +
           QLatin1Char('\n');
}

QString VersionText() {
    return QStringLiteral("brackwater " BRACKWATER_VERSION "\n");
}
