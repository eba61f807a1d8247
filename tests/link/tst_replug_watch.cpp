// SPDX-License-Identifier: GPL-3.0-or-later
// The meter found again after its device went away: which path the device is
// found by on a made-up machine before and after an unplug, and the real thing on
// pseudo-terminals: the simulated meter unplugged and back at another pty behind
// the same symbolic link, recording resuming by itself, quietly and without
// spinning while the device is gone; another device behind the link is refused and
// said, and so is one at the last run's device at the start, until the meter is back.
#include "base/handler_guard.h"
#include "far_end.h"
#include "link/device_identity.h"
#include "meter_emulator.h"
#include "recording/recording_session.h"
#include "search_to_end.h"
#include "support/scratch_settings.h"

#include <QEventLoop>
#include <QFile>
#include <QMap>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <sys/resource.h>

namespace {
// A machine as the probe sees it: every path that exists and the device node it
// leads to (a node leads to itself), and the serial ports the system lists.
struct Machine {
    QMap<QString, QString> paths;
    QList<PortFacts> ports;

    Machine& Node(const QString& node) {
        paths.insert(node, node);
        return *this;
    }
    Machine& Link(const QString& link, const QString& node) {
        paths.insert(link, node);
        return Node(node);
    }
    Machine& Usb(const QString& node, const QString& serial) {
        ports.append({node, serial, 0x0403, 0x6001});
        return Node(node);
    }
    DeviceProbe Probe() const {
        DeviceProbe probe;
        probe.Exists = [this](const QString& path) { return paths.contains(path); };
        probe.Resolved = [this](const QString& path) { return paths.value(path, path); };
        probe.StableNames = [this] {
            QStringList names;
            for (const QString& path : paths.keys())
                if (path.startsWith(QLatin1String("/dev/serial/by-id/")))
                    names.append(path);
            return names;
        };
        probe.Ports = [this] { return ports; };
        return probe;
    }
};

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}
} // namespace

Q_DECLARE_METATYPE(Machine)

class TestReplugWatch : public QObject {
    Q_OBJECT
    ScratchSettings settings_;

private slots:
    void findsTheDeviceAgain_data() {
        QTest::addColumn<Machine>("before");
        QTest::addColumn<QString>("given");
        QTest::addColumn<Machine>("after");
        QTest::addColumn<bool>("remembered"); // from an earlier run: path and serial number only
        QTest::addColumn<QString>("found");
        QTest::addColumn<bool>("another"); // another adapter sits at the path
        const QString byId = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_A1B2-if00-port0");
        const QString usb0 = QStringLiteral("/dev/ttyUSB0");
        const QString usb1 = QStringLiteral("/dev/ttyUSB1");
        const QString pts3 = QStringLiteral("/dev/pts/3");
        const QString meter = QStringLiteral("/tmp/meter");

        QTest::newRow("pty back") << Machine().Node(pts3) << pts3 << Machine().Node(pts3) << false
                                  << pts3 << false;
        QTest::newRow("pty gone") << Machine().Node(pts3) << pts3 << Machine() << false << ""
                                  << false;
        QTest::newRow("a link is followed anew")
            << Machine().Link(meter, pts3) << meter
            << Machine().Link(meter, QStringLiteral("/dev/pts/7")) << false << meter << false;
        QTest::newRow("a dangling link is gone")
            << Machine().Link(meter, pts3) << meter << Machine() << false << "" << false;
        QTest::newRow("adapter back at its number")
            << Machine().Usb(usb0, "A1B2").Link(byId, usb0) << usb0
            << Machine().Usb(usb0, "A1B2").Link(byId, usb0) << false << usb0 << false;
        QTest::newRow("another number, by the stable name")
            << Machine().Usb(usb0, "A1B2").Link(byId, usb0) << usb0
            << Machine().Usb(usb1, "A1B2").Link(byId, usb1) << false << byId << false;
        QTest::newRow("another number, by the serial number")
            << Machine().Usb(usb0, "A1B2") << usb0 << Machine().Usb(usb1, "A1B2") << false << usb1
            << false;
        QTest::newRow("another adapter took the old number")
            << Machine().Usb(usb0, "A1B2") << usb0 << Machine().Usb(usb0, "Z9Y8").Usb(usb1, "A1B2")
            << false << usb1 << true;
        QTest::newRow("only another adapter") << Machine().Usb(usb0, "A1B2") << usb0
                                              << Machine().Usb(usb0, "Z9Y8") << false << "" << true;
        QTest::newRow("the stable name given")
            << Machine().Usb(usb0, "A1B2").Link(byId, usb0) << byId
            << Machine()
                   .Usb(QStringLiteral("/dev/ttyUSB3"), "A1B2")
                   .Link(byId, QStringLiteral("/dev/ttyUSB3"))
            << false << byId << false;
        QTest::newRow("remembered adapter back")
            << Machine().Usb(usb0, "A1B2") << usb0 << Machine().Usb(usb0, "A1B2") << true << usb0
            << false;
        QTest::newRow("remembered adapter at another number")
            << Machine().Usb(usb0, "A1B2") << usb0 << Machine().Usb(usb0, "Z9Y8").Usb(usb1, "A1B2")
            << true << usb1 << true;
        QTest::newRow("remembered adapter gone, another there")
            << Machine().Usb(usb0, "A1B2") << usb0 << Machine().Usb(usb0, "Z9Y8") << true << ""
            << true;
    }
    void findsTheDeviceAgain() {
        QFETCH(Machine, before);
        QFETCH(QString, given);
        QFETCH(Machine, after);
        QFETCH(bool, remembered);
        DeviceIdentity identity = CaptureIdentity(given, before.Probe());
        QCOMPARE(identity.Path, given);
        if (remembered)
            identity = {given, {}, identity.SerialNumber, 0, 0};
        QTEST(FindDevice(identity, after.Probe()), "found");
        QTEST(AnotherDeviceAt(identity, after.Probe()), "another");
    }

    void reopensAtAnotherPtyBehindTheLink() {
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("meter"));
        MeterEmulator meter(301);
        QVERIFY(meter.OpenPty());
        meter.SetLinkPath(link);
        const QString firstPty = meter.DevicePath();

        RecordingSession s(settings_.Store(CompleteSettings(301, link)), {link});
        QStringList shown;
        const ExceptionDisplay old =
            SetExceptionDisplay([&](const QString& text) { shown.append(text); });
        QSignalSpy status(&s, &RecordingSession::StatusText);
        s.Search().SetDelays({0, 0, 0, 0});
        QCOMPARE(ReconnectToEnd(s), std::optional(true));
        QVERIFY(s.Comm1().Active());
        s.SetListRunning(true);
        QVERIFY(QTest::qWaitFor([&] { return s.Log().RowCount() > 3; }, 8000));

        meter.Unplug();
        QVERIFY(QTest::qWaitFor([&] { return s.Meter().Replug.Watching(); }, 3000));
        QVERIFY(!s.Comm1().Active());
        // The freed pseudo-terminal is taken, so the meter comes back at another one.
        PtyDevice squatter;
        QVERIFY(squatter.OpenPty());
        const int rowsBefore = s.Log().RowCount() - 1;
        const QStringList firstRow = {s.Log().Cell(1, 1), s.Log().Cell(1, 2), s.Log().Cell(1, 3)};

        // Gone for six seconds: the link is declared lost; the watch looks every
        // 2 s and the program stays idle meanwhile.
        const double cpu0 = CpuSeconds();
        QEventLoop idle; // not qWait, which wakes every 10 ms itself
        QTimer::singleShot(6000, &idle, &QEventLoop::quit);
        idle.exec();
        const double cpuGone = CpuSeconds() - cpu0;
        qInfo("CPU while gone: %.4f s in 6 s", cpuGone);
        QVERIFY2(cpuGone < 0.06, qPrintable(QStringLiteral("%1 s of CPU in 6 s").arg(cpuGone)));
        QVERIFY2(s.Meter().Replug.Attempts() >= 2 && s.Meter().Replug.Attempts() <= 4,
                 qPrintable(QString::number(s.Meter().Replug.Attempts())));
        QCOMPARE(status.last().at(0).toString(), QStringLiteral("No Connection"));
        QCOMPARE(s.Log().RowCount() - 1, rowsBefore);

        QVERIFY(meter.Replug());
        QVERIFY(meter.DevicePath() != firstPty);
        QVERIFY(QTest::qWaitFor([&] { return s.Log().RowCount() - 1 > rowsBefore; }, 5000));
        QCOMPARE(s.Comm1().DeviceName(), link); // opened through the link, not its target
        QCOMPARE(status.last().at(0).toString(),
                 QStringLiteral("Thermometer is connected at ") + link);
        QCOMPARE(QStringList({s.Log().Cell(1, 1), s.Log().Cell(1, 2), s.Log().Cell(1, 3)}),
                 firstRow);
        QVERIFY(!s.Meter().Replug.Watching());
        SetExceptionDisplay(old);
        QVERIFY2(shown.isEmpty(), qPrintable(shown.join('\n')));
    }

    // The meter unplugged and something else behind its link: another model, or a
    // device that sends frames but answers no model. Neither is polled or recorded;
    // the status says why, once; the meter back behind the link records again.
    void replacedBehindTheLinkIsNotRecorded_data() {
        QTest::addColumn<int>("model"); // 0: frames to every poll, no model answer
        QTest::addColumn<QString>("said");
        QTest::newRow("another model") << 303 << "A different meter is connected at ";
        QTest::newRow("no model answer") << 0 << "No thermometer answers at ";
    }
    void replacedBehindTheLinkIsNotRecorded() {
        QFETCH(int, model);
        QFETCH(QString, said);
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("meter"));
        MeterEmulator meter(301);
        QVERIFY(meter.OpenPty());
        meter.SetLinkPath(link);
        RecordingSession s(settings_.Store(CompleteSettings(301, link)), {link});
        QSignalSpy status(&s, &RecordingSession::StatusText);
        QSignalSpy refused(&s, &RecordingSession::MeterRefused);
        QCOMPARE(ReconnectToEnd(s), std::optional(true));
        s.SetListRunning(true);
        QVERIFY(QTest::qWaitFor([&] { return s.Log().RowCount() > 2; }, 8000));

        meter.Unplug();
        QVERIFY(QTest::qWaitFor([&] { return s.Meter().Replug.Watching(); }, 3000));
        MeterEmulator other(model ? model : 300);
        FarEnd framesOnly;
        if (model) {
            QVERIFY(other.OpenPty());
            other.SetLinkPath(link);
        } else {
            QVERIFY(framesOnly.Open());
            connect(&framesOnly.device, &PtyDevice::Received, this, [&](const QByteArray& got) {
                if (got.contains('A'))
                    framesOnly.Write(MeterFrame(0x10, 0x00, 0x12, 0x34, 0x56, 0x78));
            });
            QVERIFY(QFile::link(framesOnly.Path(), link));
        }
        const int rows = s.Log().RowCount();
        QVERIFY(QTest::qWaitFor([&] { return refused.count() == 1; }, 5000));
        QCOMPARE(refused.at(0).at(0).toString(), link);
        // Asked again every 2 s meanwhile, said once, never polled, nothing recorded;
        // the lost link names the reason too.
        QTest::qWait(7000);
        QCOMPARE(refused.count(), 1);
        QCOMPARE(status.last().at(0).toString(), said + link);
        QCOMPARE(s.Log().RowCount(), rows);
        QVERIFY(!s.Comm1().Active());
        QCOMPARE(other.PollCount(), 0u);
        QVERIFY(!framesOnly.received.contains('A'));
        QVERIFY(s.Meter().Replug.Watching());

        // The meter back behind its link: found, checked, recorded again.
        other.Unplug();
        QFile::remove(link);
        QVERIFY(meter.Replug());
        QVERIFY(QTest::qWaitFor([&] { return s.Log().RowCount() > rows; }, 8000));
        QCOMPARE(status.last().at(0).toString(),
                 QStringLiteral("Thermometer is connected at ") + link);
        QVERIFY(!s.Meter().Replug.Watching());
    }

    // At a later start the last run's device is asked for its model before it is
    // polled; where the system gives an adapter's serial number, another number is
    // another device, refused without asking. Refused, the device is not polled and
    // the status says why; once the meter answers there, polling starts by itself.
    void startAsksTheLastDevice_data() {
        QTest::addColumn<int>("model"); // at the last device; 0: frames only, no model answer
        QTest::addColumn<QString>("serialThere");
        QTest::addColumn<QString>("storedSerial");
        QTest::addColumn<bool>("polling");
        QTest::addColumn<QString>("said");
        QTest::newRow("the same meter") << 301 << ""
                                        << "" << true << "No Connection";
        QTest::newRow("another model") << 303 << ""
                                       << "" << false << "A different meter is connected at ";
        QTest::newRow("no model answer") << 0 << ""
                                         << "" << false << "No thermometer answers at ";
        QTest::newRow("the same adapter") << 301 << "A1B2"
                                          << "A1B2" << true << "No Connection";
        QTest::newRow("another adapter") << 301 << "Z9Y8"
                                         << "A1B2" << false << "A different meter is connected at ";
    }
    void startAsksTheLastDevice() {
        QFETCH(int, model);
        QFETCH(QString, serialThere);
        QFETCH(QString, storedSerial);
        QFETCH(bool, polling);
        QFETCH(QString, said);
        MeterEmulator meter(model ? model : 301);
        FarEnd framesOnly;
        QString path;
        if (model) {
            QVERIFY(meter.OpenPty());
            path = meter.DevicePath();
        } else {
            QVERIFY(framesOnly.Open());
            path = framesOnly.Path();
        }
        QByteArray stored = CompleteSettings(301, path);
        if (!storedSerial.isEmpty())
            stored += "LastConnectedSerial=" + storedSerial.toUtf8() + "\n";
        RecordingSession s(settings_.Store(stored), {path});
        Machine machine;
        if (!serialThere.isEmpty()) {
            machine.Usb(path, serialThere);
            s.Meter().Replug.SetProbe(machine.Probe());
        }
        QSignalSpy status(&s, &RecordingSession::StatusText);
        QCOMPARE(ReconnectToEnd(s), std::optional(polling));
        QCOMPARE(s.ThTimer1.isActive(), polling);
        QCOMPARE(status.last().at(0).toString(), polling ? said : said + path);
        const QByteArray asked = model ? meter.Received() : framesOnly.received;
        QCOMPARE(asked, QByteArray(serialThere == storedSerial ? "K" : ""));
        if (polling) {
            QVERIFY(QTest::qWaitFor([&] { return meter.PollCount() > 0; }, 3000));
            return;
        }
        QVERIFY(!s.Comm1().Active());
        QVERIFY(s.HotPlug().Watching()); // a meter plugged in elsewhere would be taken
        if (!model || serialThere != storedSerial)
            return;
        // Set to the model of last time, the meter is taken at the next look.
        meter.SetModel(301);
        QVERIFY(QTest::qWaitFor([&] { return s.ThTimer1.isActive(); }, 5000));
        QVERIFY(QTest::qWaitFor([&] { return meter.PollCount() > 0; }, 3000));
        QVERIFY(QTest::qWaitFor(
            [&] {
                return status.last().at(0).toString() ==
                       QStringLiteral("Thermometer is connected at ") + path;
            },
            3000));
        QVERIFY(!s.HotPlug().Watching());
        QVERIFY(!s.State().Recording.ListRunning); // paused, as at every later start
    }

    // The port search takes the port over: the watch stops looking.
    void searchStopsTheWatch() {
        MeterEmulator meter(300);
        QVERIFY(meter.OpenPty());
        RecordingSession s(settings_.Store(CompleteSettings(300, meter.DevicePath())),
                           {meter.DevicePath()});
        s.Search().SetDelays({0, 0, 100, 0});
        QCOMPARE(ReconnectToEnd(s), std::optional(true));
        QVERIFY(s.Comm1().Active());
        meter.Unplug();
        QVERIFY(QTest::qWaitFor([&] { return s.Meter().Replug.Watching(); }, 3000));
        s.RunSearch();
        QVERIFY(!s.Meter().Replug.Watching());
        QVERIFY(SearchToEnd(s.Search(), [] {}));
    }
};

QTEST_GUILESS_MAIN(TestReplugWatch)
#include "tst_replug_watch.moc"
