// SPDX-License-Identifier: GPL-3.0-or-later
// The port search against simulated meters on real pseudo-terminals, and its
// steps and waits, in order, on a timer the test passes by hand.
#include "far_end.h"
#include "link/model_identification.h"
#include "link/port_search.h"
#include "meter_emulator.h"
#include "search_to_end.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
// Each wait is written down; the test says when it is over.
class HandTimer : public StepTimer {
public:
    QStringList* trace = nullptr;
    bool armed = false;
    void Pass() {
        armed = false;
        Due();
    }

protected:
    void Arm(uint32_t ms) override {
        trace->append(QStringLiteral("wait %1").arg(ms));
        armed = true;
    }
    void Disarm() override { armed = false; }
};
} // namespace

class TestPortSearch : public QObject {
    Q_OBJECT

    // What a search that did not end counts as where a test expects the other result.
    const PortSearch::Result Answered{true, {}};
    const PortSearch::Result Unanswered{false, {}};

    struct Rig {
        AppState state;
        MeterLink meter{state.Reading, state.Link};
        QStringListModel ports;
        QStringList listed; // what the system lists at each search
        ModelIdentification models{state};
        StepTimer ownSteps;
        StepTimer& steps;
        PortSearch search{state, meter, ports, steps,
                          [this](const QByteArray& r) { return models.IdentifyModel(r); }};
        QStringList status;
        int lastModelApplied = 0;
        int heartbeatStops = 0;
        QStringList refused;
        SearchHooks hooks;
        explicit Rig(StepTimer* by = nullptr) : steps(by ? *by : ownSteps) {
            search.SetDelays({0, 0, 150, 0});
            search.SetPortSource([this] { return listed; });
            hooks.StopHeartbeat = [this] { ++heartbeatStops; };
            hooks.ApplyLastModel = [this] { ++lastModelApplied; };
            hooks.SetStatus = [this](const QString& s) { status.append(s); };
            hooks.PermissionDenied = [this](const QString& d) { return refused.contains(d); };
        }
        std::optional<PortSearch::Result> Search() {
            return SearchToEnd(search, [this] { search.Run(hooks); });
        }
        // Whether the reopen came to its end.
        bool Reopen() {
            bool ended = false;
            search.ReopenLastPort([&](bool) { ended = true; });
            return QTest::qWaitFor([&] { return ended; }, 5000);
        }
    };

private slots:
    void emptyListNotFound() {
        Rig rig;
        rig.state.Link.MeterConnected = true;
        const auto r = rig.Search();
        QVERIFY(r);
        QVERIFY(!r->Found);
        QCOMPARE(r->Lines, QStringList{"Can not find any THERMOMETER"});
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
        const auto r = rig.Search();
        QVERIFY(r && r->Found);
        QCOMPARE(rig.ports.stringList(), (QStringList{second.DevicePath(), third.DevicePath()}));
        QCOMPARE(rig.state.Settings.LastConnectedPort, 0);
        QCOMPARE(rig.state.Settings.LastConnectedDevice, second.DevicePath());
        QCOMPARE(rig.state.Settings.LastModel, 301);
        QCOMPARE(rig.status, QStringList{"Thermometer is connected at " + second.DevicePath()});
        QCOMPARE(r->Lines, (QStringList{"Serial Port :" + second.DevicePath(),
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
        const auto r = rig.Search();
        QVERIFY(r && !r->Found);
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
        QVERIFY(rig.Reopen());
        QCOMPARE(rig.meter.Comm1.DeviceName(), b.DevicePath());
        QVERIFY(rig.meter.Comm1.Active());

        // A device no longer listed falls back to the stored position.
        rig.meter.Comm1.SetActive(false);
        rig.state.Settings.LastConnectedDevice = QStringLiteral("/dev/gone");
        QVERIFY(rig.Reopen());
        QCOMPARE(rig.meter.Comm1.DeviceName(), a.DevicePath());

        // A position beyond the list leaves the port closed, quietly.
        rig.meter.Comm1.SetActive(false);
        rig.state.Settings.LastConnectedPort = 5;
        QVERIFY(rig.Reopen());
        QVERIFY(!rig.meter.Comm1.Active());
    }

    void refusedPortsAreExplained() {
        Rig rig;
        rig.listed = {QStringLiteral("/dev/brackwater-refused")};
        rig.refused = rig.listed;
        const auto r = rig.Search();
        QVERIFY(r && !r->Found);
        QCOMPARE(r->Lines.value(0), QStringLiteral("Can not find any THERMOMETER"));
        QCOMPARE(r->Lines.value(1),
                 QStringLiteral("/dev/brackwater-refused was skipped: permission denied."));
        QVERIFY(r->Lines.value(2).contains(QStringLiteral("administrator")) ||
                r->Lines.value(2).contains(QStringLiteral("usermod")));
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
        const auto r = rig.Search();
        QVERIFY(r && !r->Found);
        QVERIFY2(r->Lines.contains(meter.DevicePath() + " is in use by another program."),
                 qPrintable(r->Lines.join('|')));
    }

    // A port that could not be opened leaves the list only until the next search:
    // a meter plugged in late, or unplugged during a search, is found by Retry.
    void everySearchStartsFromAFreshList() {
        Rig rig;
        QTemporaryDir dir;
        const QString stable = dir.filePath(QStringLiteral("meter"));
        rig.listed = {stable};
        MeterEmulator meter(302);
        QVERIFY(!rig.Search().value_or(Answered).Found); // not plugged in yet
        QCOMPARE(rig.ports.rowCount(), 0);

        meter.SetLinkPath(stable);
        QVERIFY(meter.OpenPty());
        QVERIFY(rig.Search().value_or(Unanswered).Found);
        QCOMPARE(rig.ports.stringList(), QStringList{stable});
        QCOMPARE(rig.state.Reading.ModelCode, 302);

        meter.Unplug();
        // The system takes the stable name away with the device (and the old pty
        // number may go to another process meanwhile).
        QFile::remove(stable);
        QVERIFY(!rig.Search().value_or(Answered).Found);
        QCOMPARE(rig.ports.rowCount(), 0);
        QVERIFY(meter.Replug()); // a new device behind the same link
        QVERIFY(rig.Search().value_or(Unanswered).Found);
        QCOMPARE(rig.state.Settings.LastConnectedDevice, stable);
    }

    // The steps of a search in their order, with the waits between them as the user
    // sees them: 400 ms before the port is closed, 3000 ms of "searching", 500 ms
    // for each reply, 500 ms before the port reopens for reception; the status
    // line changes only with the result.
    void stepsAndWaitsInOrder_data() {
        QTest::addColumn<QStringList>("kinds"); // the listed ports, by what answers there
        QTest::addColumn<QStringList>("trace");
        const QStringList head = {"started", "wait 400", "searching", "wait 3000"};
        QTest::newRow("the third answers")
            << QStringList{"missing", "silent", "meter"}
            << head + QStringList{"try missing", "try silent", "wait 500", "try meter", "wait 500",
                                  "wait 500",    "answered",   "reopened", "status",    "found"};
        QTest::newRow("none answers")
            << QStringList{"silent", "missing"}
            << head + QStringList{"try silent", "wait 500", "try missing", "wait 500",
                                  "reopened",   "status",   "not found"};
        QTest::newRow("no port") << QStringList{} << head + QStringList{"status", "not found"};
    }
    void stepsAndWaitsInOrder() {
        QFETCH(QStringList, kinds);
        QStringList trace;
        HandTimer hand;
        hand.trace = &trace;
        Rig rig(&hand);
        rig.search.SetDelays(SearchDelays{});
        FarEnd silent;
        MeterEmulator meter(302);
        QVERIFY(silent.Open());
        QVERIFY(meter.OpenPty());
        QMap<QString, QString> kindOf;
        for (const QString& kind : kinds) {
            const QString device = kind == "meter"    ? meter.DevicePath()
                                   : kind == "silent" ? silent.Path()
                                                      : QStringLiteral("/dev/brackwater-missing");
            kindOf[device] = kind;
            rig.listed << device;
        }
        rig.state.Settings.LastConnectedDevice = silent.Path();
        PortSearch& search = rig.search;
        // The status line changes with the result's showing, not before.
        rig.hooks.SetStatus = [&](const QString&) { trace << "status"; };
        connect(&search, &PortSearch::Started, this, [&] { trace << "started"; });
        connect(&search, &PortSearch::SearchingShown, this, [&] { trace << "searching"; });
        connect(&search, &PortSearch::PortTried, this,
                [&](const QString& device) { trace << "try " + kindOf.value(device); });
        connect(&search, &PortSearch::Finished, this,
                [&](const PortSearch::Result& r) { trace << (r.Found ? "found" : "not found"); });
        // The ports the search asks are open without the receive handler.
        connect(&rig.meter.Comm1, &TSerialPort::Opened, this, [&] {
            if (rig.meter.Comm1.HasOnRxChar())
                trace << "reopened";
        });

        search.Run(rig.hooks);
        while (search.Running()) {
            QVERIFY2(hand.armed, qPrintable(trace.join(", ")));
            if (trace.last() == "wait 500" && trace.value(trace.size() - 2) == "try meter")
                QVERIFY(QTest::qWaitFor([&] { return rig.meter.Comm1.BytesWaiting() >= 4; }));
            // Once a port has answered, the buttons work again during the reopen wait.
            if (!rig.state.SearchInProgress) {
                trace << "answered";
                QVERIFY(rig.state.Link.MeterConnected);
                QVERIFY(!rig.meter.Comm1.Active());
            }
            hand.Pass();
        }
        QTEST(trace, "trace");
        QVERIFY(!hand.armed);
        QVERIFY(!rig.state.SearchInProgress);
        QCOMPARE(rig.heartbeatStops, 1);
    }
};

QTEST_GUILESS_MAIN(TestPortSearch)
#include "tst_port_search.moc"
