// SPDX-License-Identifier: GPL-3.0-or-later
// Command-line options: repeated ports, the demo's optional model, and mistakes.
#include "app/command_line.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTest>

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void parses_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("ports");
        QTest::addColumn<bool>("demo");
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("error");
        QTest::newRow("nothing") << QStringList{} << QStringList{} << false << 303 << false;
        QTest::newRow("ports repeat")
            << QStringList{"--port", "/dev/pts/3", "--port=/dev/ttyUSB0"}
            << QStringList{"/dev/pts/3", "/dev/ttyUSB0"} << false << 303 << false;
        QTest::newRow("relative path made absolute")
            << QStringList{"--port", "./meter"}
            << QStringList{QDir::current().absoluteFilePath("meter")} << false << 303 << false;
        QTest::newRow("bare name kept")
            << QStringList{"--port", "ttyS1"} << QStringList{"ttyS1"} << false << 303 << false;
        QTest::newRow("demo default")
            << QStringList{"--demo"} << QStringList{} << true << 303 << false;
        QTest::newRow("demo model then port") << QStringList{"--demo", "300", "--port", "/dev/x"}
                                              << QStringList{"/dev/x"} << true << 300 << false;
        QTest::newRow("demo bad model")
            << QStringList{"--demo", "304"} << QStringList{} << true << 303 << true;
        QTest::newRow("port without device")
            << QStringList{"--port"} << QStringList{} << false << 303 << true;
        QTest::newRow("unknown option")
            << QStringList{"--fast"} << QStringList{} << false << 303 << true;
        QTest::newRow("Qt's options passed over")
            << QStringList{"-platform", "offscreen", "-style=fusion", "-reverse", "--demo", "301"}
            << QStringList{} << true << 301 << false;
        QTest::newRow("unknown single dash")
            << QStringList{"-x"} << QStringList{} << false << 303 << true;
        QTest::newRow("demo history") << QStringList{"--demo", "301", "--demo-history", "5000"}
                                      << QStringList{} << true << 301 << false;
        QTest::newRow("demo history without the demo")
            << QStringList{"--demo-history", "5000"} << QStringList{} << false << 303 << true;
        QTest::newRow("demo history not a number")
            << QStringList{"--demo", "--demo-history", "lots"} << QStringList{} << true << 303
            << true;
        QTest::newRow("publishing with discovery")
            << QStringList{"--publish=mqtt://u@h/lab", "--ha-discovery", "--publish-password-file",
                           "pw"}
            << QStringList{} << false << 303 << false;
        QTest::newRow("publish without a URL")
            << QStringList{"--publish"} << QStringList{} << false << 303 << true;
        QTest::newRow("password file alone") << QStringList{"--publish-password-file", "pw"}
                                             << QStringList{} << false << 303 << true;
        QTest::newRow("demo history beyond a month")
            << QStringList{"--demo", "--demo-history", "2678401"} << QStringList{} << true << 303
            << true;
    }
    void parses() {
        QFETCH(QStringList, args);
        args.prepend(QStringLiteral("brackwater"));
        const CommandLine cl = ParseCommandLine(args);
        QFETCH(bool, error);
        QCOMPARE(!cl.Error.isEmpty(), error);
        if (error)
            return;
        QTEST(cl.Ports, "ports");
        QTEST(cl.Demo, "demo");
        QTEST(cl.DemoModel, "model");
        QCOMPARE(cl.DemoHistory, args.contains(QStringLiteral("--demo-history")) ? 5000 : 0);
        QCOMPARE(cl.Publish.HaDiscovery, args.contains(QStringLiteral("--ha-discovery")));
        QCOMPARE(cl.Publish.Broker.IsSet(), cl.Publish.HaDiscovery);
        if (cl.Publish.HaDiscovery) {
            QCOMPARE(cl.Publish.Broker.User, QStringLiteral("u"));
            QCOMPARE(cl.PublishPasswordFile, QStringLiteral("pw"));
        }
    }

    // The recorder's alarm options: the rules they give, or what is wrong with them.
    void alarmOptions_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("rules"); // DescribeRules of the result, or a part of the error
        QTest::addColumn<bool>("error");
        const QStringList record{"--record", "run.tsv"};
        QTest::newRow("high on one, low on two, with delay and margin")
            << record + QStringList{"--alarm",
                                    "1=..30",
                                    "--alarm=2=-5..",
                                    "--alarm-delay",
                                    "5",
                                    "--alarm-hysteresis",
                                    "1.5"}
            << "channel 1 above 30, channel 2 below -5; after 5 s beyond; clearing 1.5 degrees "
               "inside"
            << false;
        QTest::newRow("delay before the limits, both ends")
            << record + QStringList{"--alarm-delay", "3", "--alarm", "1=10.5..20"}
            << "channel 1 below 10.5 or above 20; after 3 s beyond" << false;
        QTest::newRow("no reading")
            << record + QStringList{"--alarm-no-reading", "60"} << "no reading for 60 s" << false;
        QTest::newRow("channel 3")
            << record + QStringList{"--alarm", "3=..30"} << "the channel 1 or 2" << true;
        QTest::newRow("a channel twice")
            << record + QStringList{"--alarm", "1=..30", "--alarm=2=..5", "--alarm", "1=..40"}
            << "--alarm gives channel 1 twice (\"1=..30\" and \"1=..40\"); give each channel once"
            << true;
        QTest::newRow("no channel")
            << record + QStringList{"--alarm", "..30"} << "CHANNEL=LOW..HIGH" << true;
        QTest::newRow("empty range")
            << record + QStringList{"--alarm", "1=.."} << "neither a low nor a high limit" << true;
        QTest::newRow("low above high")
            << record + QStringList{"--alarm", "1=40..30"} << "not below the high one" << true;
        QTest::newRow("a word for a limit") << record + QStringList{"--alarm", "1=..hot"}
                                            << "\"hot\" in \"..hot\" is not a number" << true;
        QTest::newRow("negative delay")
            << record + QStringList{"--alarm", "1=..30", "--alarm-delay", "-1"}
            << "--alarm-delay takes a whole number of seconds" << true;
        QTest::newRow("negative margin")
            << record + QStringList{"--alarm", "1=..30", "--alarm-hysteresis", "-2"}
            << "--alarm-hysteresis takes a number of degrees" << true;
        QTest::newRow("silence too short")
            << record + QStringList{"--alarm-no-reading", "2"} << "from 5 to" << true;
        QTest::newRow("delay without a limit")
            << record + QStringList{"--alarm-delay", "5"} << "go with --alarm" << true;
        QTest::newRow("command without a limit")
            << record + QStringList{"--on-alarm", "true"} << "go with --alarm" << true;
        QTest::newRow("command not found")
            << record + QStringList{"--alarm", "1=..30", "--on-alarm", "brackwater-none"}
            << "no program \"brackwater-none\"" << true;
        QTest::newRow("alarms in the window program")
            << QStringList{"--alarm", "1=..30"} << "go with --record" << true;
    }
    void alarmOptions() {
        QFETCH(QStringList, args);
        QFETCH(QString, rules);
        QFETCH(bool, error);
        args.prepend(QStringLiteral("brackwater"));
        const CommandLine cl = ParseCommandLine(args);
        if (error) {
            QVERIFY2(cl.Error.contains(rules), qPrintable(cl.Error));
            return;
        }
        QCOMPARE(cl.Error, QString());
        QCOMPARE(DescribeRules(cl.Alarms), rules);
        QVERIFY(cl.Alarms.Unit.isEmpty()); // the meter's unit
    }

    void alarmCommand() {
        const CommandLine cl = ParseCommandLine(
            {QStringLiteral("brackwater"), QStringLiteral("--record"), QStringLiteral("r.tsv"),
             QStringLiteral("--alarm"), QStringLiteral("2=..0"), QStringLiteral("--on-alarm"),
             QStringLiteral("sh -c \"echo alarm\""), QStringLiteral("--on-alarm-limit"),
             QStringLiteral("5")});
        QCOMPARE(cl.Error, QString());
        QVERIFY(cl.OnAlarm.Program.endsWith(QLatin1String("/sh")));
        QCOMPARE(cl.OnAlarm.Arguments,
                 (QStringList{QStringLiteral("-c"), QStringLiteral("echo alarm")}));
        QCOMPARE(cl.OnAlarm.LimitSeconds, 5);
    }

    // The real program, with no display to connect to: help, version and a
    // mistake are answered on the terminal and the program ends at once.
    void answersWithoutDisplay_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stdoutStart");
        QTest::addColumn<QString>("stderrStart");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: brackwater"
                              << "";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "brackwater 3."
                                 << "";
        // A mistake: one line naming it, then where the options are told; nothing more.
        const QString tryHelp = QStringLiteral("\nTry 'brackwater --help'.\n");
        QTest::newRow("unknown") << QStringList{"--fast"} << 2 << ""
                                 << "brackwater: unknown option: --fast" + tryHelp;
        QTest::newRow("the next option is no file name")
            << QStringList{"--record", "--every", "5"} << 2 << ""
            << "brackwater: --record needs a file name" + tryHelp;
        QTest::newRow("a value missing at the end")
            << QStringList{"--record", "r.tsv", "--every"} << 2 << ""
            << "brackwater: --every needs a number of seconds" + tryHelp;
        QTest::newRow("a value missing before the next option")
            << QStringList{"--record", "r.tsv", "--every", "--port", "/dev/x"} << 2 << ""
            << "brackwater: --every needs a number of seconds" + tryHelp;
        QTest::newRow("a value that is no number")
            << QStringList{"--record", "r.tsv", "--every", "-5"} << 2 << ""
            << "brackwater: --every takes a whole number of seconds, 1 or more (not \"-5\")" +
                   tryHelp;
    }
    void answersWithoutDisplay() {
        QFETCH(QStringList, args);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../brackwater"), args);
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QTEST(p.exitCode(), "exitCode");
        QFETCH(QString, stdoutStart);
        QFETCH(QString, stderrStart);
        // An expected start of "" means nothing at all was written there.
        const auto starts = [](const QString& text, const QString& start) {
            return start.isEmpty() ? text.isEmpty() : text.startsWith(start);
        };
        const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        QVERIFY2(starts(out, stdoutStart), qPrintable(out));
        if (p.exitCode() == 2)
            QCOMPARE(err, stderrStart);
        else
            QVERIFY2(starts(err, stderrStart), qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
