// SPDX-License-Identifier: GPL-3.0-or-later
// The headless recorder as a user runs it: the real program, no display, the
// built-in simulated meter. Rows are appended as the log file format has them,
// an earlier file is kept, a termination ends it cleanly, a kill loses no row it
// took, bad input is refused before any search, a second recorder on the same
// device is kept off, another meter behind the same path is not recorded, and a
// meter plugged in after the start is found by itself.
#include "app/headless_recorder.h"
#include "base/day_count.h"
#include "platform/checked_file.h"
#include "support/scratch_settings.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/mount.h>
#include <sys/stat.h>

class TestHeadlessRecorder : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    void Start(QProcess& p, const QStringList& args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"),
                   dir_.path()); // no settings: rate from --every
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../brackwater"), args);
    }

    static QList<QByteArray> Lines(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QList<QByteArray> lines = file.readAll().split('\n');
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

    // A recorded row: eight fields, each ended by a tab, the line by CR (LF split off).
    static bool IsRow(const QByteArray& line) {
        static const QRegularExpression shape(
            QStringLiteral("^[^\\t]+\\t\\d\\d:\\d\\d:\\d\\d\\t-?\\d+\\.\\d\\t[CF]\\t"
                           "-?\\d+\\.\\d\\t[CF]\\t[KJ]\\t[^\\t]*\\t\\r$"));
        return shape.match(QString::fromUtf8(line)).hasMatch();
    }

private slots:
    // An earlier recording in the file stays; one whose last line has no line end
    // (a recorder killed in a write, a file edited by hand) is not continued.
    void recordsUntilTerminated_data() {
        QTest::addColumn<QByteArray>("earlier");
        QTest::newRow("earlier lines whole") << QByteArray("an earlier recording\r\n");
        QTest::newRow("earlier line without its end") << QByteArray("an earlier recording");
    }
    void recordsUntilTerminated() {
        QFETCH(QByteArray, earlier);
        const QString path = dir_.filePath(QStringLiteral("run.tsv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(earlier);
        file.close();

        QProcess p;
        Start(p, {QStringLiteral("--record"), path, QStringLiteral("--demo"), QStringLiteral("301"),
                  QStringLiteral("--every"), QStringLiteral("1")});
        QVERIFY(p.waitForStarted(10000));
        QVERIFY(QTest::qWaitFor([&] { return Lines(path).size() >= 5; }, 20000));
        ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);

        const QList<QByteArray> lines = Lines(path);
        QCOMPARE(lines.value(0), QByteArray("an earlier recording\r"));
        QCOMPARE(FileBytes(path).left(earlier.size()), earlier);
        // The rows in the order taken. A row is taken at each tick the meter has answered
        // since the tick before; a loaded machine runs a tick seconds late now and then, or
        // reads the answer only after the next tick, and the row carries the time it was
        // taken: two rows may be seconds apart, never out of order (over midnight too).
        QTime previous;
        for (const QByteArray& line : lines.mid(1)) {
            QVERIFY2(IsRow(line), line.constData());
            const QTime time = QTime::fromString(QString::fromUtf8(line.split('\t').value(1)),
                                                 QStringLiteral("HH:mm:ss"));
            QVERIFY2(time.isValid(), line.constData());
            if (previous.isValid())
                QVERIFY2((previous.secsTo(time) + 86400) % 86400 < 3600, line.constData());
            previous = time;
        }
        const QByteArray err = p.readAllStandardError();
        QVERIFY2(err.contains("meter found: model 301"), err.constData());
        QVERIFY2(!err.contains("link lost"), err.constData());
        QVERIFY2(
            err.contains(QStringLiteral("stopped: %1 rows written").arg(lines.size() - 1).toUtf8()),
            err.constData());
    }

    void killLosesNoRowTaken() {
        const QString path = dir_.filePath(QStringLiteral("killed.csv"));
        QProcess p;
        Start(p, {QStringLiteral("--record"), path, QStringLiteral("--demo"),
                  QStringLiteral("--every"), QStringLiteral("1")});
        QVERIFY(p.waitForStarted(10000));
        QVERIFY(QTest::qWaitFor([&] { return Lines(path).size() >= 3; }, 20000));
        const int seen = int(Lines(path).size());
        p.kill();
        QVERIFY(p.waitForFinished(10000));
        const QList<QByteArray> lines = Lines(path);
        QVERIFY(lines.size() >= seen);
        for (QByteArray line : lines) {
            QCOMPARE(line.count(','), 8); // comma-separated by the name, every line whole
            QVERIFY(line.endsWith(",\r"));
            QVERIFY(IsRow(line.replace(',', '\t')));
        }
    }

    // The recorder's core keeps no table of past rows: after thousands of rows
    // the table holds the newest alone, the file every one in order; while the
    // disk is full a day of rows waits, and no more.
    void keepsNoTableOfPastRows() {
        ScratchSettings settings;
        const std::unique_ptr<RecordingSession> session = settings.Session(301);
        session->Log().SetLocale(QLocale::c());
        const QString path = dir_.filePath(QStringLiteral("core.tsv"));
        AppendingFile file(path, AppendingFile::Mode::Extend);
        QVERIFY(file.Open());
        constexpr int every = 5;
        HeadlessRecorder recorder(*session, file, every);
        double now = DayCountFromDateTime(QDateTime(QDate(2026, 12, 6), QTime(10, 49, 11)));
        QByteArray expected;
        for (int i = 0; i < 5000; ++i, now += every / 86400.0) {
            session->AppendLogRow(now);
            expected += LogLineFormat::Line(session->Log().LineFields(1), QLatin1Char('\t'));
        }
        QCOMPARE(session->Log().Rows().Count(), 1);
        QCOMPARE(FileBytes(path), expected);
        QCOMPARE(recorder.RowsWritten(), 5000);

        file.SetRetryDelay(60 * 60 * 1000);
        FileFaults::Arm({.call = FileFaults::Call::Append, .nth = 1, .error = ENOSPC});
        const int day = HeadlessRecorder::DaySeconds / every;
        QList<QByteArray> waited;
        for (int i = 0; i < day + 10; ++i, now += every / 86400.0) {
            session->AppendLogRow(now);
            waited << LogLineFormat::Line(session->Log().LineFields(1), QLatin1Char('\t'));
        }
        FileFaults::Disarm();
        QCOMPARE(file.WaitingRows(), day);
        QCOMPARE(session->Log().Rows().Count(), 1);
        // Once the disk takes rows again the newest day of them follows, in order.
        QVERIFY(file.Retry());
        QCOMPARE(FileBytes(path), expected + waited.mid(10).join());
        QCOMPARE(recorder.RowsWritten(), 5000 + day);
    }

    // Starts the simulated meter program; its first line is the path to open.
    static QString StartMeter(QProcess& meter, const QStringList& args) {
        meter.start(QCoreApplication::applicationDirPath() +
                        QStringLiteral("/../tools/meter-emulator/meter-emulator"),
                    args);
        if (!meter.waitForReadyRead(10000))
            return {};
        return QString::fromUtf8(meter.readLine()).trimmed();
    }

    // Waits until the process has said text on standard error (collected in said).
    static bool Says(QProcess& p, QByteArray& said, const QByteArray& text, int ms = 20000) {
        return QTest::qWaitFor(
            [&] {
                said += p.readAllStandardError();
                return said.contains(text);
            },
            ms);
    }

    // Two recorders may run side by side; on the same meter the second says the
    // port is busy, once, and keeps trying, also when it opens the device through
    // another path (a link) and runs as root, whom the port's lock file lets pass.
    void secondRecorderOnTheSamePortSaysBusy_data() {
        QTest::addColumn<bool>("throughLink");
        QTest::newRow("same path") << false;
        QTest::newRow("through a link") << true;
    }
    void secondRecorderOnTheSamePortSaysBusy() {
        QFETCH(bool, throughLink);
        QProcess meter;
        const QString device =
            StartMeter(meter, {QStringLiteral("--model"), QStringLiteral("300")});
        QVERIFY2(device.startsWith(QLatin1Char('/')), qPrintable(device));
        const QString link = dir_.filePath(QStringLiteral("second-path"));
        QFile::remove(link);
        QVERIFY(QFile::link(device, link));
        const QString secondPath = throughLink ? link : device;

        QProcess first, second;
        const QString a = dir_.filePath(QStringLiteral("a.tsv"));
        const QString b = dir_.filePath(QStringLiteral("b.tsv"));
        QFile::remove(b);
        Start(first, {QStringLiteral("--record"), a, QStringLiteral("--port"), device});
        QByteArray firstSaid, said;
        QVERIFY(Says(first, firstSaid, "meter found"));
        Start(second, {QStringLiteral("--record"), b, QStringLiteral("--port"), secondPath});
        QVERIFY(Says(second, said, (secondPath + " is in use by another program").toUtf8()));
        QCOMPARE(second.state(), QProcess::Running);
        QCOMPARE(said.count("no meter answered"), 1);
        QVERIFY2(!said.contains("meter found"), said.constData());
        QVERIFY(Lines(b).isEmpty());
        for (QProcess* p : {&first, &second, &meter}) {
            p->terminate();
            QVERIFY(p->waitForFinished(10000));
        }
    }

    // The meter unplugged and another model put behind the same link: its values
    // are not recorded and the recorder says why; the meter back records again.
    void anotherMeterBehindTheLinkIsNotRecorded() {
        const QString link = dir_.filePath(QStringLiteral("swapped-link"));
        // A meter of this model behind the link, showing a steady temperature.
        const auto plugIn = [&](QProcess& meter, const char* model, const char* celsius) {
            return StartMeter(meter, {QStringLiteral("--model"), QLatin1String(model),
                                      QStringLiteral("--link"), link, QStringLiteral("--t1"),
                                      QLatin1String(celsius), QStringLiteral("--steady")}) == link;
        };
        QProcess meter;
        QVERIFY(plugIn(meter, "301", "12.3"));
        const QString path = dir_.filePath(QStringLiteral("swapped.tsv"));
        QProcess p;
        Start(p, {QStringLiteral("--record"), path, QStringLiteral("--port"), link,
                  QStringLiteral("--every"), QStringLiteral("1")});
        QVERIFY(QTest::qWaitFor([&] { return Lines(path).size() >= 3; }, 20000));
        meter.terminate();
        QVERIFY(meter.waitForFinished(10000));

        QProcess other;
        QVERIFY(plugIn(other, "303", "99.9"));
        QByteArray said;
        // One whole sentence, its punctuation once.
        QVERIFY(Says(p, said,
                     "brackwater: a different meter is connected at " + link.toUtf8() +
                         "; not recording from it\n"));
        const int rows = int(Lines(path).size());
        QTest::qWait(5000);
        QCOMPARE(int(Lines(path).size()), rows);
        other.terminate();
        QVERIFY(other.waitForFinished(10000));

        QProcess back;
        QVERIFY(plugIn(back, "301", "12.3"));
        QVERIFY(QTest::qWaitFor([&] { return int(Lines(path).size()) > rows + 1; }, 20000));
        for (QProcess* process : {&p, &back}) {
            process->terminate();
            QVERIFY(process->waitForFinished(10000));
        }
        said += p.readAllStandardError();
        QCOMPARE(said.count("a different meter is connected at"), 1);
        for (const QByteArray& line : Lines(path)) {
            QVERIFY2(IsRow(line), line.constData());
            QVERIFY2(line.split('\t').value(2) == "12.3", line.constData());
        }
    }

    // A meter plugged in after the start (here: its link appears) is found by the
    // watch for new ports, not only by the next search.
    void findsAMeterPluggedInAfterTheStart() {
        const QString link = dir_.filePath(QStringLiteral("later-link"));
        QFile::remove(link);
        const QString path = dir_.filePath(QStringLiteral("later.tsv"));
        QProcess p;
        Start(p, {QStringLiteral("--record"), path, QStringLiteral("--port"), link,
                  QStringLiteral("--every"), QStringLiteral("1")});
        QByteArray said;
        QVERIFY(Says(p, said, "no meter answered"));
        QProcess meter;
        QCOMPARE(StartMeter(meter, {QStringLiteral("--model"), QStringLiteral("303"),
                                    QStringLiteral("--link"), link}),
                 link);
        QVERIFY(Says(p, said, "a meter answers at " + link.toUtf8() + ", plugged in"));
        QVERIFY(Says(p, said, "meter found: model 303"));
        QVERIFY(QTest::qWaitFor([&] { return Lines(path).size() >= 2; }, 20000));
        for (QProcess* process : {&p, &meter}) {
            process->terminate();
            QVERIFY(process->waitForFinished(10000));
        }
        for (const QByteArray& line : Lines(path))
            QVERIFY2(IsRow(line), line.constData());
    }

    // The meter unplugged every 8 s and back 2 s later at another pseudo-terminal
    // behind the same link: the recorder finds it again by itself, says so, and
    // the rows go on within 5 s of its return.
    void resumesAfterUnplugsBehindALink() {
        const QString link = dir_.filePath(QStringLiteral("meter-link"));
        QProcess meter;
        meter.start(QCoreApplication::applicationDirPath() +
                        QStringLiteral("/../tools/meter-emulator/meter-emulator"),
                    {QStringLiteral("--model"), QStringLiteral("301"), QStringLiteral("--link"),
                     link, QStringLiteral("--unplug-every"), QStringLiteral("8")});
        QVERIFY(meter.waitForReadyRead(10000));
        QCOMPARE(QString::fromUtf8(meter.readLine()).trimmed(), link);

        const QString path = dir_.filePath(QStringLiteral("unplugged.tsv"));
        QProcess p;
        Start(p, {QStringLiteral("--record"), path, QStringLiteral("--port"), link,
                  QStringLiteral("--every"), QStringLiteral("1")});
        const auto times = [&] {
            QList<QTime> list;
            for (const QByteArray& line : Lines(path))
                list.append(QTime::fromString(QString::fromUtf8(line.split('\t').value(1)),
                                              QStringLiteral("HH:mm:ss")));
            return list;
        };
        // Two unplugs and returns.
        QVERIFY(QTest::qWaitFor(
            [&] { return times().size() > 1 && times().first().secsTo(times().last()) >= 20; },
            60000));
        for (QProcess* process : {&p, &meter}) {
            process->terminate();
            QVERIFY(process->waitForFinished(10000));
        }
        const QList<QTime> rows = times();
        int unplugs = 0;
        for (int i = 1; i < rows.size(); ++i) {
            const int gap = rows[i - 1].secsTo(rows[i]);
            // Gone for 2 s, then back within 5 s, a row at each second's tick; a loaded
            // machine may notice the return a few seconds late, but a gap longer than
            // the meter's whole unplug period (8 s) plus the search means a return missed.
            QVERIFY2(gap <= 8 + 5, qPrintable(rows[i].toString()));
            unplugs += gap >= 3;
        }
        QVERIFY2(unplugs >= 2, qPrintable(QString::number(unplugs)));
        const QByteArray err = p.readAllStandardError();
        QVERIFY2(!err.contains("failed"), err.constData());
        // Each return is said, though it is too quick for the link to be declared lost.
        QVERIFY2(err.count("brackwater: The port " + link.toUtf8() +
                           " was reopened; the meter answers as model 301.\n") >= 2,
                 err.constData());
    }

    void badInputIsRefusedAtOnce_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        const QString missing = dir_.filePath(QStringLiteral("no-such-folder/out.tsv"));
        const QString fifo = dir_.filePath(QStringLiteral("pipe"));
        QFile::remove(fifo);
        ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
        QTest::newRow("missing folder") << QStringList{"--record", missing} << "does not exist";
        QTest::newRow("a folder") << QStringList{"--record", dir_.path()}
                                  << "cannot record to " + dir_.path() + ": it is a folder";
        // Refused before it is opened: no waiting for a reader, no byte to a device.
        QTest::newRow("a FIFO") << QStringList{"--record", fifo}
                                << "cannot record to " + fifo +
                                       ": it is a pipe (FIFO), not a regular file";
        QTest::newRow("a device") << QStringList{"--record", "/dev/zero"}
                                  << "cannot record to /dev/zero: it is a device, not a "
                                     "regular file";
        QTest::newRow("every 0") << QStringList{"--record", "x.tsv", "--every", "0"}
                                 << "--every takes a whole number";
        QTest::newRow("every -3") << QStringList{"--record", "x.tsv", "--every", "-3"}
                                  << "--every takes a whole number";
        QTest::newRow("every 1.5")
            << QStringList{"--record", "x.tsv", "--every", "1.5"} << "--every takes a whole number";
        QTest::newRow("unknown model")
            << QStringList{"--record", "x.tsv", "--demo", "304"} << "--demo takes a model";
        QTest::newRow("every alone") << QStringList{"--every", "5"} << "--every goes with --record";
        QTest::newRow("publish to a web address")
            << QStringList{"--record", "x.tsv", "--publish", "http://h/x"}
            << "--publish takes mqtt://[user@]host[:port]/base/topic";
        QTest::newRow("password in the URL")
            << QStringList{"--record", "x.tsv", "--publish", "mqtt://u:secret@h/x"}
            << "the URL holds a password";
        QTest::newRow("password file missing")
            << QStringList{"--record",
                           "x.tsv",
                           "--publish",
                           "mqtt://u@h/x",
                           "--publish-password-file",
                           missing}
            << "cannot read the password file " + missing + ": No such file or directory";
        QTest::newRow("discovery without publishing")
            << QStringList{"--record", "x.tsv", "--ha-discovery"} << "go with --publish URL";
        QTest::newRow("an alarm range that is none")
            << QStringList{"--record", "x.tsv", "--alarm", "1=30"} << "LOW..HIGH";
        QTest::newRow("an alarm command that cannot run")
            << QStringList{"--record", "x.tsv", "--alarm", "1=..30", "--on-alarm", missing}
            << "--on-alarm: " + missing + " does not exist";
    }
    void badInputIsRefusedAtOnce() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        QProcess p;
        Start(p, args);
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 2);
        const QList<QByteArray> err = p.readAllStandardError().split('\n');
        QVERIFY2(err.value(0).startsWith("brackwater: ") && err.value(0).contains(message.toUtf8()),
                 err.value(0).constData());
        QVERIFY(!err.join('\n').contains("meter found"));
        // What the output is wrong with is said in one line.
        if (message.startsWith(QStringLiteral("cannot record to")))
            QCOMPARE(err.size(), 2);
    }

    // The recorder's file on a real small file system that is full when a row
    // comes (the row would cross into a page the disk has no room for, so the
    // system takes part of it) and is emptied again: said once with the system's
    // reason, the recorder goes on polling, the rows that waited reach the file
    // in order when it takes them, which is said too; no row is missing, torn or
    // glued.
    void keepsRecordingThroughAFullDisk() {
        QTemporaryDir disk;
        const QByteArray mountPoint = QFile::encodeName(disk.path());
        if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP("no tmpfs can be mounted here");
        const auto unmount = qScopeGuard([&] { ::umount2(mountPoint.constData(), MNT_DETACH); });
        const QString path = disk.filePath(QStringLiteral("run.tsv"));
        const QString filler = disk.filePath(QStringLiteral("filler"));
        const QByteArray earlier = QByteArray(4096 - 22, 'x') + "\r\n";
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(earlier), earlier.size());
            QVERIFY(file.flush());
            QFile fill(filler);
            QVERIFY(fill.open(QIODevice::WriteOnly));
            const QByteArray block(1024, 'x');
            while (fill.write(block) == block.size() && fill.flush()) {
            }
        }
        QProcess p;
        Start(p, {QStringLiteral("--record"), path, QStringLiteral("--demo"),
                  QStringLiteral("--every"), QStringLiteral("1")});
        QByteArray said;
        QVERIFY(Says(p, said,
                     "writing " + path.toUtf8() +
                         " failed: No space left on device; recording "
                         "goes on"));
        QTest::qWait(4000); // rows wait meanwhile
        QCOMPARE(FileBytes(path), earlier);
        QVERIFY(QFile::remove(filler));
        QVERIFY(Says(p, said, "writing " + path.toUtf8() + " works again: "));
        const int rows = int(Lines(path).size());
        QVERIFY(rows >= 5);
        QVERIFY(QTest::qWaitFor([&] { return int(Lines(path).size()) >= rows + 2; }, 20000));
        ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
        said += p.readAllStandardError();
        QCOMPARE(said.count("failed: No space left on device"), 1);
        QCOMPARE(said.count(" works again: "), 1);

        const QList<QByteArray> lines = Lines(path).mid(1);
        QVERIFY2(
            said.contains(QStringLiteral("stopped: %1 rows written").arg(lines.size()).toUtf8()),
            said.constData());
        QTime previous;
        for (const QByteArray& line : lines) {
            QVERIFY2(IsRow(line), line.constData());
            const QTime time = QTime::fromString(QString::fromUtf8(line.split('\t').value(1)),
                                                 QStringLiteral("HH:mm:ss"));
            if (previous.isValid())
                QVERIFY2(previous.secsTo(time) == 1 || previous.secsTo(time) == 2,
                         line.constData());
            previous = time;
        }
    }
};

QTEST_GUILESS_MAIN(TestHeadlessRecorder)
#include "tst_headless_recorder.moc"
