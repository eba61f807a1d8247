// The meter found again after its device went away: which path the device is
// found by on a made-up machine before and after an unplug, and the real thing on
// pseudo-terminals: the simulated meter unplugged and back at another pty behind
// the same symbolic link, recording resuming by itself, quietly and without
// spinning while the device is gone.
#include "base/handler_guard.h"
#include "link/device_identity.h"
#include "meter_emulator.h"
#include "recording/recording_session.h"
#include "search_to_end.h"
#include "support/scratch_settings.h"

#include <QEventLoop>
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
        QTest::addColumn<QString>("found");
        const QString byId = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_A1B2-if00-port0");
        const QString usb0 = QStringLiteral("/dev/ttyUSB0");
        const QString usb1 = QStringLiteral("/dev/ttyUSB1");
        const QString pts3 = QStringLiteral("/dev/pts/3");
        const QString meter = QStringLiteral("/tmp/meter");

        QTest::newRow("pty back") << Machine().Node(pts3) << pts3 << Machine().Node(pts3) << pts3;
        QTest::newRow("pty gone") << Machine().Node(pts3) << pts3 << Machine() << "";
        QTest::newRow("a link is followed anew")
            << Machine().Link(meter, pts3) << meter
            << Machine().Link(meter, QStringLiteral("/dev/pts/7")) << meter;
        QTest::newRow("a dangling link is gone")
            << Machine().Link(meter, pts3) << meter << Machine() << "";
        QTest::newRow("adapter back at its number")
            << Machine().Usb(usb0, "A1B2").Link(byId, usb0) << usb0
            << Machine().Usb(usb0, "A1B2").Link(byId, usb0) << usb0;
        QTest::newRow("another number, by the stable name")
            << Machine().Usb(usb0, "A1B2").Link(byId, usb0) << usb0
            << Machine().Usb(usb1, "A1B2").Link(byId, usb1) << byId;
        QTest::newRow("another number, by the serial number")
            << Machine().Usb(usb0, "A1B2") << usb0 << Machine().Usb(usb1, "A1B2") << usb1;
        QTest::newRow("another adapter took the old number")
            << Machine().Usb(usb0, "A1B2") << usb0 << Machine().Usb(usb0, "Z9Y8").Usb(usb1, "A1B2")
            << usb1;
        QTest::newRow("only another adapter")
            << Machine().Usb(usb0, "A1B2") << usb0 << Machine().Usb(usb0, "Z9Y8") << "";
        QTest::newRow("the stable name given")
            << Machine().Usb(usb0, "A1B2").Link(byId, usb0) << byId
            << Machine()
                   .Usb(QStringLiteral("/dev/ttyUSB3"), "A1B2")
                   .Link(byId, QStringLiteral("/dev/ttyUSB3"))
            << byId;
    }
    void findsTheDeviceAgain() {
        QFETCH(Machine, before);
        QFETCH(QString, given);
        QFETCH(Machine, after);
        const DeviceIdentity identity = CaptureIdentity(given, before.Probe());
        QCOMPARE(identity.Path, given);
        QTEST(FindDevice(identity, after.Probe()), "found");
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
