// SPDX-License-Identifier: GPL-3.0-or-later
// The port search window: its states, and buttons that wait for the search to end.
#include "link/ui/link_test_window.h"
#include "meter_emulator.h"
#include "search_to_end.h"
#include "support/scratch_settings.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestLinkTestWindow : public QObject {
    Q_OBJECT

    struct Rig {
        ScratchSettings settings;
        RecordingSession session{settings.Store(), {}};
        QStringList listed; // the ports the system lists at each search
        TfrmLinkTest window{session};
        const AppState& state = session.State();
        QStringListModel& ports = session.PortNames();
        Rig() {
            session.Search().SetDelays({0, 300, 150, 0});
            session.Search().SetPortSource([this] { return listed; });
        }
        bool WaitSearchDone() {
            return QTest::qWaitFor([&] { return window.Memo1->isVisible(); }, 5000);
        }
    };

private slots:
    void buttonsWaitForTheSearch() {
        Rig rig;
        QSignalSpy start(&rig.session, &RecordingSession::ListRunningChanged);
        QSignalSpy header(&rig.session, &RecordingSession::LogTableInitialized);
        QSignalSpy help(&rig.window, &TfrmLinkTest::HelpRequested);
        QSignalSpy searches(&rig.session, &RecordingSession::StatusText); // one per search
        bool searchingShown = false;
        // Pressed while "Searching" is shown: only OK's header refresh happens.
        QTimer::singleShot(150, &rig.window, [&] {
            searchingShown = rig.window.lblSearch->isVisible() && !rig.window.Memo1->isVisible();
            rig.window.Button2->click();
            rig.window.Button3->click();
            rig.window.Button1->click();
        });
        rig.window.show();
        QVERIFY(rig.WaitSearchDone());
        QVERIFY(searchingShown);
        QCOMPARE(searches.count(), 1); // Retry did not start a second search
        QCOMPARE(help.count(), 0);
        QCOMPARE(start.count(), 0);
        QCOMPARE(header.count(), 1);
        QVERIFY(rig.window.isVisible());

        // Not found: the picture and one line.
        QVERIFY(rig.window.imgNoLink->isVisible());
        QVERIFY(!rig.window.lblSearch->isVisible());
        QCOMPARE(rig.window.Memo1->toPlainText(), QStringLiteral("Can not find any THERMOMETER"));
        QCOMPARE(rig.state.Reading.ModelCode, 300); // LastModel 0 falls back to 300

        rig.window.Button3->click();
        QCOMPARE(help.count(), 1);
        QCOMPARE(help.at(0).at(0).toString(), QStringLiteral("Hlp_Link_Test"));
        rig.window.Button1->click();
        QCOMPARE(start.count(), 1);
        QCOMPARE(header.count(), 2);
        QVERIFY(!rig.window.isVisible());
    }

    void retryFindsAMeterThatAppeared() {
        Rig rig;
        QSignalSpy status(&rig.session, &RecordingSession::StatusText);
        // A listed port that is not there yet. (Not a closed pseudo-terminal: another
        // process may be given its number meanwhile.)
        rig.listed = {QStringLiteral("/dev/brackwater-not-plugged-in")};
        rig.window.show();
        QVERIFY(rig.WaitSearchDone());
        QCOMPARE(status.last().at(0).toString(), QStringLiteral("No Connection"));
        QCOMPARE(rig.ports.rowCount(), 0);

        MeterEmulator meter(303);
        QVERIFY(meter.OpenPty());
        rig.listed = {meter.DevicePath()};
        QVERIFY(SearchToEnd(rig.session.Search(), [&] { rig.window.Button2->click(); }));
        QCOMPARE(status.last().at(0).toString(),
                 QStringLiteral("Thermometer is connected at ") + meter.DevicePath());
        QVERIFY(!rig.window.imgNoLink->isVisible());
        QCOMPARE(rig.window.Memo1->toPlainText(),
                 QStringLiteral("Serial Port :%1\nModel:Two channel, K J type thermometer.")
                     .arg(meter.DevicePath()));
        QCOMPARE(rig.state.Settings.LastModel, 303);
        QVERIFY(rig.state.Link.MeterConnected);
    }

    // After a search that found nothing, a meter plugged in shows in the window as
    // after Retry, without Retry; OK then starts polling and recording as usual.
    void meterPluggedInShowsWithoutRetry() {
        Rig rig;
        rig.window.show();
        QVERIFY(rig.WaitSearchDone());
        QCOMPARE(rig.window.Memo1->toPlainText(), QStringLiteral("Can not find any THERMOMETER"));
        QVERIFY(rig.session.HotPlug().Watching());

        MeterEmulator meter(302);
        QVERIFY(meter.OpenPty());
        rig.listed = {meter.DevicePath()};
        QVERIFY(QTest::qWaitFor(
            [&] {
                return rig.window.Memo1->toPlainText() ==
                       QStringLiteral("Serial Port :%1\nModel:One channel, K J type thermometer.")
                           .arg(meter.DevicePath());
            },
            8000));
        QVERIFY(!rig.window.imgNoLink->isVisible());
        QVERIFY(rig.window.isVisible());
        QCOMPARE(rig.state.Settings.LastModel, 302);
        QCOMPARE(rig.state.Settings.LastConnectedDevice, meter.DevicePath());
        QVERIFY(rig.state.Link.MeterConnected);
        QVERIFY(!rig.session.ThTimer1.isActive()); // OK starts the polling, as after Retry
        QVERIFY(!rig.session.HotPlug().Watching());

        rig.window.Button1->click();
        QVERIFY(!rig.window.isVisible());
        QVERIFY(rig.state.Recording.ListRunning);
        QVERIFY(QTest::qWaitFor([&] { return !rig.session.Log().Cell(1, 1).isEmpty(); }, 4000));
    }
};

QTEST_MAIN(TestLinkTestWindow)
#include "tst_link_test_window.moc"
