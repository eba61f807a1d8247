// SPDX-License-Identifier: GPL-3.0-or-later
// The recorder's alarms against the simulated meter on a pseudo-terminal, ticked
// by hand on a fake clock: a reading that crosses its limit and comes back gives
// the rise and the clear lines at the ticks the rules say, the alarm command runs
// once per rise with the alarm in its environment, and with a real broker the
// alarm state is kept (retained) on <base>/alarm. The command runner on its own:
// a program that hangs is ended at its time limit, with what it started.

#include "app/headless_recorder.h"
#include "app/publishing.h"
#include "base/day_count.h"
#include "meter_emulator.h"
#include "search_to_end.h"
#include "support/scratch_settings.h"
#include "test_broker.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/types.h>

class TestRecorderAlarms : public QObject {
    Q_OBJECT
    ScratchSettings settings_;
    QTemporaryDir dir_;

    // The recorder in this process, with its meter, and what it says per tick.
    struct Rig {
        MeterEmulator meter{301};
        double now = CurrentDayCount();
        int64_t ms = 0;
        std::unique_ptr<RecordingSession> session;
        std::unique_ptr<AppendingFile> file;
        std::unique_ptr<HeadlessRecorder> recorder;
        int tick = 0;
        QList<int> rowTicks;      // the ticks that recorded a row
        QList<double> rows;       // the main value of each row
        QList<int> rises, clears; // the ticks of the lines
        QStringList lines;
    };

    bool Begin(Rig& rig, const AlarmRules& rules, const AlarmCommandOptions& command = {}) {
        if (!rig.meter.OpenPty())
            return false;
        rig.meter.SetDrift(false);
        rig.meter.SetTemperature(0, 25.0);
        rig.session = std::make_unique<RecordingSession>(
            settings_.Store(), QStringList{rig.meter.DevicePath()},
            Heartbeat::Clock{[&rig] { return rig.now; }, [&rig] { return rig.ms; }});
        rig.session->ApplyAlarmRules(rules);
        rig.file = std::make_unique<AppendingFile>(
            dir_.filePath(QStringLiteral("run%1.tsv").arg(++files_)), AppendingFile::Mode::Extend);
        if (!rig.file->Open())
            return false;
        rig.recorder = std::make_unique<HeadlessRecorder>(*rig.session, *rig.file, 1);
        rig.recorder->WatchAlarms(command);
        connect(rig.recorder.get(), &HeadlessRecorder::AlarmSaid, this,
                [&rig](const QString& line) {
                    rig.lines << line;
                    if (line.startsWith(QLatin1String("ALARM ")))
                        rig.rises << rig.tick;
                    else if (line.startsWith(QLatin1String("alarm cleared ")))
                        rig.clears << rig.tick;
                });
        connect(rig.session.get(), &RecordingSession::RowRecorded, this, [&rig](const Sample& s) {
            rig.rowTicks << rig.tick;
            rig.rows << s.Reading.MainValue;
        });
        rig.recorder->Start();
        // Found: the recorder starts the heartbeat, which the test then ticks by hand.
        if (!QTest::qWaitFor([&] { return rig.session->ThTimer1.isActive(); }, 15000))
            return false;
        rig.session->ThTimer1.stop();
        return true;
    }

    // The meter shows celsius from now on; one tick a second, whose poll it answers.
    static void Step(Rig& rig, double celsius) {
        rig.meter.SetTemperature(0, celsius);
        rig.now += 1.0 / 86400.0;
        rig.ms += 1000;
        ++rig.tick;
        rig.session->ThTimer1Timer();
        QVERIFY(QTest::qWaitFor([&] { return rig.session->State().Link.FrameSeen; }, 3000));
    }

    static QString Script(const QString& program, const QString& body) {
        QFile file(program);
        if (!file.open(QIODevice::WriteOnly) || file.write(body.toUtf8()) < 0)
            return {};
        file.close();
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        return program;
    }

    int files_ = 0;

private slots:
    // Rows show what each tick saw: the alarm rises at the third tick beyond the
    // limit (a delay of 2 s) and clears at the first tick back inside by the margin.
    void risesAndClearsAtTheRightTicks() {
        AlarmRules rules;
        QVERIFY(ParseLimitRange(QStringLiteral("..30"), rules.Channel[0]).isEmpty());
        rules.Channel[0].DelaySeconds = 2;
        rules.Channel[0].Hysteresis = 2;
        Rig rig;
        QVERIFY(Begin(rig, rules));
        for (const double t :
             {25.0, 25.0, 31.0, 25.0, 31.0, 31.0, 31.0, 31.0, 29.0, 28.5, 27.5, 25.0})
            Step(rig, t);
        Step(rig, 25.0); // the last reading is seen at one more tick
        // A row at each tick from the first frame on, showing what the alarms saw.
        const qsizetype spike = rig.rows.indexOf(31.0);
        const qsizetype run = rig.rows.indexOf(31.0, rig.rows.indexOf(25.0, spike));
        const qsizetype back = rig.rows.indexOf(27.5);
        QVERIFY(spike >= 0 && run > spike && back > run);
        QCOMPARE(rig.rowTicks.mid(run, 3),
                 (QList<int>{rig.rowTicks[run], rig.rowTicks[run] + 1, rig.rowTicks[run] + 2}));
        // The single tick beyond did not ring; three ticks beyond (2 s) did.
        QCOMPARE(rig.rises, QList<int>{rig.rowTicks[run + 2]});
        QCOMPARE(rig.clears, QList<int>{rig.rowTicks[back]});
        const QString rise = rig.lines.filter(QStringLiteral("ALARM ")).value(0);
        QVERIFY2(
            rise.contains(QStringLiteral("channel 1 (main) 31.0 C is above the high limit 30 C")),
            qPrintable(rise));
        QVERIFY2(
            rise.contains(DateTimeFromDayCount(rig.now).toString(QStringLiteral("yyyy-MM-dd"))),
            qPrintable(rise));
        QVERIFY2(rise.contains(QStringLiteral("(since ")), qPrintable(rise));
        const QString clear = rig.lines.filter(QStringLiteral("alarm cleared")).value(0);
        QVERIFY2(clear.contains(QStringLiteral("27.5 C is back below the high limit 30 C")),
                 qPrintable(clear));
    }

    // The command runs once per rise, not per clear, with the alarm's details.
    void commandRunsOncePerRise() {
        const QString out = dir_.filePath(QStringLiteral("calls.txt"));
        const QString program = Script(dir_.filePath(QStringLiteral("on-alarm.sh")),
                                       QStringLiteral("#!/bin/sh\n"
                                                      "env | grep '^BRACKWATER_' | sort >> \"$1\"\n"
                                                      "echo --- >> \"$1\"\n"));
        AlarmCommandOptions command;
        QCOMPARE(ParseAlarmCommand(QStringLiteral("\"%1\" \"%2\"").arg(program, out), command),
                 QString());
        AlarmRules rules;
        rules.Channel[0].Low = 10;
        Rig rig;
        QVERIFY(Begin(rig, rules, command));
        for (const double t : {20.0, 5.0, 20.0, 20.0, 4.0, 4.0, 20.0, 20.0})
            Step(rig, t);
        QCOMPARE(rig.rises.size(), 2);
        QCOMPARE(rig.clears.size(), 2);
        QVERIFY(QTest::qWaitFor([&] { return FileBytes(out).count("---") == 2; }, 10000));
        QTest::qWait(200);
        const QByteArray calls = FileBytes(out);
        QCOMPARE(calls.count("---"), 2);
        const QList<QByteArray> first = calls.left(calls.indexOf("---")).trimmed().split('\n');
        QVERIFY2(first.contains("BRACKWATER_ALARM_STATE=raised"), calls.constData());
        QVERIFY2(first.contains("BRACKWATER_ALARM_CHANNEL=1"), calls.constData());
        QVERIFY2(first.contains("BRACKWATER_ALARM_KIND=low"), calls.constData());
        QVERIFY2(first.contains("BRACKWATER_ALARM_VALUE=5.0"), calls.constData());
        QVERIFY2(first.contains("BRACKWATER_ALARM_LIMIT=10"), calls.constData());
        QVERIFY2(first.contains("BRACKWATER_ALARM_UNIT=C"), calls.constData());
        QVERIFY2(first.contains("BRACKWATER_DEVICE=" + rig.meter.DevicePath().toUtf8()),
                 calls.constData());
        QVERIFY2(calls.contains("BRACKWATER_ALARM_VALUE=4.0"), calls.constData());
        QVERIFY2(calls.contains("BRACKWATER_ALARM_TEXT=channel 1 (main) 5.0 C is below the low "
                                "limit 10 C"),
                 calls.constData());
        // The details are never a command: they reach the program as plain text.
        QVERIFY(!calls.contains("command not found"));
    }

    // Ending the recorder waits for an alarm command still running, so a mail being
    // sent is not cut off; the port is closed meanwhile.
    void endWaitsForTheCommand() {
        const QString done = dir_.filePath(QStringLiteral("done.txt"));
        const QString program = Script(dir_.filePath(QStringLiteral("slow.sh")),
                                       QStringLiteral("#!/bin/sh\nsleep 1\necho done > \"$1\"\n"));
        AlarmCommandOptions command;
        QCOMPARE(ParseAlarmCommand(program + QLatin1Char(' ') + done, command), QString());
        AlarmRules rules;
        rules.Channel[0].High = 20;
        Rig rig;
        QVERIFY(Begin(rig, rules, command));
        Step(rig, 25.0);
        Step(rig, 25.0);
        QCOMPARE(rig.rises.size(), 1);
        QSignalSpy stopped(rig.recorder.get(), &HeadlessRecorder::Stopped);
        rig.recorder->Stop();
        QVERIFY(!rig.session->Comm1().Active());
        QCOMPARE(stopped.count(), 0);
        QVERIFY(stopped.wait(10000));
        QCOMPARE(FileBytes(done), QByteArray("done\n"));
    }

    // With a real broker: the state before any alarm, then raised, then cleared, each
    // kept on <base>/alarm for whoever subscribes later.
    void alarmStateIsRetainedOnTheBroker() {
        if (TestBroker::Program().isEmpty() || TestBroker::ClientProgram("mosquitto_sub").isEmpty())
            QSKIP("mosquitto is not installed (apt install mosquitto mosquitto-clients)");
        TestBroker broker;
        QVERIFY(broker.Start());
        AlarmRules rules;
        rules.Channel[0].High = 30;
        Rig rig;
        QVERIFY(Begin(rig, rules));
        PublishOptions options;
        options.Broker = BrokerAddress::Parse(broker.Url({}, QStringLiteral("lab/kiln")));
        QStringList said;
        const auto publisher = StartPublishing(
            *rig.session, options, [&](const QString& line, const QString&) { said << line; });
        QVERIFY(QTest::qWaitFor([&] { return publisher->Connected(); }, 10000));

        const auto retained = [&](const char* state) -> QJsonObject {
            TestSubscriber late(broker, QStringLiteral("lab/kiln/#"));
            if (!late.WaitSubscribed())
                return {};
            const QList<QByteArray> payloads = late.Payloads(QStringLiteral("lab/kiln/alarm"));
            const QJsonObject m = QJsonDocument::fromJson(payloads.value(0)).object();
            return m.value("state").toString() == QLatin1String(state) ? m : QJsonObject();
        };
        const QJsonObject before = retained("cleared");
        QCOMPARE(before.value("active").toInt(-1), 0);
        QVERIFY(before.value("channel").isNull());

        for (const double t : {25.0, 32.0, 33.0})
            Step(rig, t);
        QCOMPARE(rig.rises.size(), 1);
        const QJsonObject up = retained("raised");
        QCOMPARE(up.value("channel").toInt(), 1);
        QCOMPARE(up.value("kind").toString(), QStringLiteral("high"));
        QCOMPARE(up.value("value").toDouble(), 32.0);
        QCOMPARE(up.value("limit").toDouble(), 30.0);
        QCOMPARE(up.value("unit").toString(), QStringLiteral("C"));
        QCOMPARE(up.value("active").toInt(), 1);
        QVERIFY(QDateTime::fromString(up.value("since").toString(), Qt::ISODate).isValid());

        for (const double t : {20.0, 20.0})
            Step(rig, t);
        QCOMPARE(rig.clears.size(), 1);
        const QJsonObject down = retained("cleared");
        QCOMPARE(down.value("channel").toInt(), 1);
        QCOMPARE(down.value("value").toDouble(), 20.0);
        QCOMPARE(down.value("active").toInt(-1), 0);
        publisher->Stop();
    }

    // A program that does not end is ended at its limit, with the program it started.
    void hangingCommandIsEndedAtItsLimit() {
        const QString pidFile = dir_.filePath(QStringLiteral("child.pid"));
        const QString program =
            Script(dir_.filePath(QStringLiteral("hang.sh")), QStringLiteral("#!/bin/sh\n"
                                                                            "sleep 300 &\n"
                                                                            "echo $! > \"$1\"\n"
                                                                            "wait\n"));
        AlarmCommandOptions options;
        QCOMPARE(ParseAlarmCommand(program + QLatin1Char(' ') + pidFile, options), QString());
        options.LimitSeconds = 1;
        AlarmCommand command(options);
        QSignalSpy said(&command, &AlarmCommand::Said);
        QSignalSpy ended(&command, &AlarmCommand::Ended);
        QElapsedTimer clock;
        clock.start();
        command.Run(AlarmEvent{}, QStringLiteral("/dev/null"));
        QCOMPARE(command.Running(), 1);
        QVERIFY(ended.wait(10000));
        QVERIFY2(clock.elapsed() >= 900, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(ended.at(0).at(1).toBool(), true);
        QCOMPARE(command.Running(), 0);
        QVERIFY(said.value(0).value(0).toString().contains(QStringLiteral("still ran after 1 s")));
        const pid_t child = pid_t(FileBytes(pidFile).trimmed().toInt());
        QVERIFY(child > 0);
        // The child was killed with its group: gone, or a zombie waiting to be reaped.
        const auto dead = [child] {
            const QByteArray stat = FileBytes(QStringLiteral("/proc/%1/stat").arg(child));
            return stat.isEmpty() || stat.mid(stat.lastIndexOf(')') + 2, 1) == "Z";
        };
        QVERIFY(QTest::qWaitFor(dead, 5000));

        bool done = false;
        command.WhenDone([&] { done = true; });
        QVERIFY(done);
    }

    void commandThatCannotRunIsRefused_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        QTest::newRow("empty") << ""
                               << "needs a program";
        QTest::newRow("not in the PATH") << "brackwater-no-such-program"
                                         << "no program";
        QTest::newRow("no such file") << "/nonexistent/alarm"
                                      << "does not exist";
        QTest::newRow("a folder") << "/tmp"
                                  << "not a program";
    }
    void commandThatCannotRunIsRefused() {
        QFETCH(QString, text);
        QFETCH(QString, problem);
        AlarmCommandOptions options;
        const QString said = ParseAlarmCommand(text, options);
        QVERIFY2(said.contains(problem), qPrintable(said));
        QVERIFY(!options.IsSet());
    }

    // Quotes keep blanks within one argument; nothing else is interpreted.
    void commandWordsAreNotAShell() {
        AlarmCommandOptions options;
        QCOMPARE(ParseAlarmCommand(QStringLiteral("sh -c \"echo $HOME; rm x\" '*'"), options),
                 QString());
        QVERIFY(options.Program.endsWith(QLatin1String("/sh")));
        QCOMPARE(options.Arguments,
                 (QStringList{QStringLiteral("-c"), QStringLiteral("echo $HOME; rm x"),
                              QStringLiteral("'*'")}));
    }
};

QTEST_GUILESS_MAIN(TestRecorderAlarms)
#include "tst_recorder_alarms.moc"
