// The port search against simulated meters on real pseudo-terminals.
#include "far_end.h"
#include "link/model_identification.h"
#include "link/port_search.h"
#include "meter_emulator.h"

#include <QTemporaryDir>
#include <QTest>

class TestPortSearch : public QObject {
    Q_OBJECT

    struct Rig {
        AppState state;
        MeterLink meter{state.Reading, state.Link};
        QStringListModel ports;
        QStringList listed; // what the system lists at each search
        ModelIdentification models{state};
        PortSearch search{state, meter, ports,
                          [this](const QByteArray& r) { return models.IdentifyModel(r); }};
        QStringList status;
        int lastModelApplied = 0;
        int heartbeatStops = 0;
        QStringList refused;
        SearchHooks hooks;
        Rig() {
            search.SetDelays({0, 0, 150, 0});
            search.SetPortSource([this] { return listed; });
            hooks.StopHeartbeat = [this] { ++heartbeatStops; };
            hooks.ApplyLastModel = [this] { ++lastModelApplied; };
            hooks.SetStatus = [this](const QString& s) { status.append(s); };
            hooks.PermissionDenied = [this](const QString& d) { return refused.contains(d); };
        }
    };

private slots:
    void emptyListNotFound() {
        Rig rig;
        rig.state.Link.MeterConnected = true;
        const PortSearch::Result r = rig.search.Run(rig.hooks);
        QVERIFY(!r.Found);
        QCOMPARE(r.Lines, QStringList{"Can not find any THERMOMETER"});
        QCOMPARE(rig.status, QStringList{"No Connection"});
        QCOMPARE(rig.lastModelApplied, 1);
        QCOMPARE(rig.heartbeatStops, 1);
        QVERIFY(!rig.meter.Comm1.Active());
        QVERIFY(!rig.state.Link.MeterConnected);
        QVERIFY(!rig.state.SearchInProgress);
    }

    void secondPortAnswers() {
        Rig rig;
        MeterEmulator second(301), third(300);
        QVERIFY(second.OpenPty());
        QVERIFY(third.OpenPty());
        rig.listed = {QStringLiteral("/dev/brackwater-missing"), second.DevicePath(),
                      third.DevicePath()};
        rig.state.Settings.LastConnectedPort = 2;
        const PortSearch::Result r = rig.search.Run(rig.hooks);
        QVERIFY(r.Found);
        QCOMPARE(rig.ports.stringList(), (QStringList{second.DevicePath(), third.DevicePath()}));
        QCOMPARE(rig.state.Settings.LastConnectedPort, 0);
        QCOMPARE(rig.state.Settings.LastConnectedDevice, second.DevicePath());
        QCOMPARE(rig.state.Settings.LastModel, 301);
        QCOMPARE(rig.status, QStringList{"Thermometer is connected at " + second.DevicePath()});
        QCOMPARE(r.Lines, (QStringList{"Serial Port :" + second.DevicePath(),
                                       "Model:Two channel, K type thermometer."}));
        QVERIFY(third.Received().isEmpty());
        QCOMPARE(second.Received(), QByteArray("K"));
        // Reopened for reception: frames now reach the decoder.
        QVERIFY(rig.meter.Comm1.Active());
        QVERIFY(rig.meter.Comm1.HasOnRxChar());
        QVERIFY(rig.state.Link.MeterConnected);
        QCOMPARE(rig.lastModelApplied, 0);
    }

    void repliesThatAreNotModels_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("extra bytes") << QByteArray("300\x13\x02\x80\x00\x01", 8);
        QTest::newRow("many extra bytes") << QByteArray("300\x13") + QByteArray(300, '\x55');
        QTest::newRow("no end byte") << QByteArray("300");
        QTest::newRow("unknown model") << QByteArray("304\x13");
    }
    void repliesThatAreNotModels() {
        QFETCH(QByteArray, reply);
        Rig rig;
        FarEnd meter;
        QVERIFY(meter.Open());
        connect(&meter.device, &PtyDevice::Received, &meter, [&](const QByteArray& got) {
            if (got.contains('K'))
                meter.Write(reply);
        });
        rig.listed = {meter.Path()};
        rig.state.Settings.LastModel = 302;
        const PortSearch::Result r = rig.search.Run(rig.hooks);
        QVERIFY(!r.Found);
        QCOMPARE(rig.ports.rowCount(), 1); // it opened, so it stays listed
        QCOMPARE(rig.state.Settings.LastModel, 302);
        QCOMPARE(rig.state.Reading.ModelCode, 0);
        QCOMPARE(rig.lastModelApplied, 1);
        // Not found: back on the last port, listening for frames.
        QVERIFY(rig.meter.Comm1.Active());
    }

    void reopensTheDeviceByName() {
        Rig rig;
        MeterEmulator a(300), b(301);
        QVERIFY(a.OpenPty());
        QVERIFY(b.OpenPty());
        // Last time b answered at position 0; now a port before it is listed too.
        rig.ports.setStringList({a.DevicePath(), b.DevicePath()});
        rig.state.Settings.LastConnectedPort = 0;
        rig.state.Settings.LastConnectedDevice = b.DevicePath();
        QCOMPARE(rig.search.LastPortPosition(), 1);
        rig.search.ReopenLastPort();
        QCOMPARE(rig.meter.Comm1.DeviceName(), b.DevicePath());
        QVERIFY(rig.meter.Comm1.Active());

        // A device no longer listed falls back to the stored position.
        rig.meter.Comm1.SetActive(false);
        rig.state.Settings.LastConnectedDevice = QStringLiteral("/dev/gone");
        rig.search.ReopenLastPort();
        QCOMPARE(rig.meter.Comm1.DeviceName(), a.DevicePath());

        // A position beyond the list leaves the port closed, quietly.
        rig.meter.Comm1.SetActive(false);
        rig.state.Settings.LastConnectedPort = 5;
        rig.search.ReopenLastPort();
        QVERIFY(!rig.meter.Comm1.Active());
    }

    void refusedPortsAreExplained() {
        Rig rig;
        rig.listed = {QStringLiteral("/dev/brackwater-refused")};
        rig.refused = rig.listed;
        const PortSearch::Result r = rig.search.Run(rig.hooks);
        QVERIFY(!r.Found);
        QCOMPARE(r.Lines.value(0), QStringLiteral("Can not find any THERMOMETER"));
        QCOMPARE(r.Lines.value(1),
                 QStringLiteral("/dev/brackwater-refused was skipped: permission denied."));
        QVERIFY(r.Lines.value(2).contains(QStringLiteral("administrator")) ||
                r.Lines.value(2).contains(QStringLiteral("usermod")));
        QCOMPARE(rig.ports.rowCount(), 0);
    }

    // A meter's port held by another program is named as busy, not passed over in silence.
    void busyPortIsExplained() {
        Rig rig;
        MeterEmulator meter(301);
        QVERIFY(meter.OpenPty());
        TSerialPort other;
        other.SetDeviceName(meter.DevicePath());
        other.SetActive(true);
        rig.listed = {meter.DevicePath()};
        const PortSearch::Result r = rig.search.Run(rig.hooks);
        QVERIFY(!r.Found);
        QVERIFY2(r.Lines.contains(meter.DevicePath() + " is in use by another program."),
                 qPrintable(r.Lines.join('|')));
    }

    // A port that could not be opened leaves the list only until the next search:
    // a meter plugged in late, or unplugged during a search, is found by Retry.
    void everySearchStartsFromAFreshList() {
        Rig rig;
        QTemporaryDir dir;
        const QString stable = dir.filePath(QStringLiteral("meter"));
        rig.listed = {stable};
        MeterEmulator meter(302);
        QVERIFY(!rig.search.Run(rig.hooks).Found); // not plugged in yet
        QCOMPARE(rig.ports.rowCount(), 0);

        meter.SetLinkPath(stable);
        QVERIFY(meter.OpenPty());
        QVERIFY(rig.search.Run(rig.hooks).Found);
        QCOMPARE(rig.ports.stringList(), QStringList{stable});
        QCOMPARE(rig.state.Reading.ModelCode, 302);

        meter.Unplug();
        // The system takes the stable name away with the device (and the old pty
        // number may go to another process meanwhile).
        QFile::remove(stable);
        QVERIFY(!rig.search.Run(rig.hooks).Found);
        QCOMPARE(rig.ports.rowCount(), 0);
        QVERIFY(meter.Replug()); // a new device behind the same link
        QVERIFY(rig.search.Run(rig.hooks).Found);
        QCOMPARE(rig.state.Settings.LastConnectedDevice, stable);
    }
};

QTEST_GUILESS_MAIN(TestPortSearch)
#include "tst_port_search.moc"
