// SPDX-License-Identifier: GPL-3.0-or-later
// The recording core without any window, against the simulated meter on a
// pseudo-terminal: the start without a search, rows and points at their rates,
// the link lost and back, and the shut-down that stores the settings. Ticks run on
// a fake clock, one simulated second each, as fast as the meter answers.
#include "base/day_count.h"
#include "base/handler_guard.h"
#include "meter_emulator.h"
#include "recording/recording_session.h"
#include "search_to_end.h"
#include "support/far_end.h"
#include "support/scratch_settings.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

class TestRecordingSession : public QObject {
    Q_OBJECT
    ScratchSettings settings_;
    // Longer than the start's reconnect takes: its settle and reopen waits.
    static constexpr int ReconnectTimeMs = 1500;

    // A fake clock: each Second() advances it by one second and ticks once.
    struct Ticking {
        double now = CurrentDayCount();
        int64_t ms = 0;
        Heartbeat::Clock Clock() {
            return {[this] { return now; }, [this] { return ms; }};
        }
        void Second(RecordingSession& session) {
            now += 1.0 / 86400.0;
            ms += 1000;
            session.ThTimer1Timer();
        }
    };

private slots:
    void needsSearch_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("search");
        QTest::newRow("first run") << QByteArray() << true;
        QTest::newRow("never found a meter") << CompleteSettings(300, {}) << true;
        QTest::newRow("found one") << CompleteSettings(301, "/dev/ttyUSB0") << false;
    }
    void needsSearch() {
        QFETCH(QByteArray, settings);
        RecordingSession session(settings_.Store(settings), {});
        QTEST(session.NeedsSearch(), "search");
    }

    void reconnectPathReopensTheLastPortPaused() {
        MeterEmulator meter(303);
        QVERIFY(meter.OpenPty());
        RecordingSession session(settings_.Store(CompleteSettings(303, meter.DevicePath())),
                                 {meter.DevicePath()});
        session.SetListRunning(true);
        QSignalSpy status(&session, &RecordingSession::StatusText);
        QSignalSpy listRunning(&session, &RecordingSession::ListRunningChanged);
        QSignalSpy graphRunning(&session, &RecordingSession::GraphRunningChanged);
        QSignalSpy linkUp(&session, &RecordingSession::LinkUp);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(ReconnectToEnd(session), std::optional(true));
        // The port settles 400 ms and is reopened 500 ms after it was named.
        QVERIFY2(clock.elapsed() > 900, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(session.Reading().ModelCode, 303);
        QCOMPARE(session.Comm1().DeviceName(), meter.DevicePath());
        QVERIFY(session.Comm1().Active());
        QVERIFY(session.ThTimer1.isActive());
        QCOMPARE(status.value(0).value(0).toString(), QStringLiteral("No Connection"));
        QCOMPARE(listRunning.value(0).value(0).toBool(), false);
        QCOMPARE(graphRunning.value(0).value(0).toBool(), false);
        QCOMPARE(session.Log().Cell(0, 2), QStringLiteral("TIME"));
        QCOMPARE(session.Settings().ListingRate, 1);
        // The heartbeat polls; the first frame announces the link.
        QVERIFY(linkUp.wait(4000));
        QCOMPARE(linkUp.value(0).value(0).toString(), meter.DevicePath());
        QCOMPARE(status.last().value(0).toString(),
                 QStringLiteral("Thermometer is connected at ") + meter.DevicePath());
        QVERIFY(session.Log().Cell(1, 1).isEmpty()); // paused: nothing recorded
    }

    void reconnectPathWithoutTheLastPort() {
        RecordingSession session(
            settings_.Store(CompleteSettings(302, QStringLiteral("/dev/brackwater-gone"), 3)), {});
        QCOMPARE(ReconnectToEnd(session), std::optional(false));
        QCOMPARE(session.Reading().ModelCode, 302);
        QVERIFY(!session.Comm1().Active());
        QVERIFY(!session.ThTimer1.isActive()); // no polling until a search
    }

    // The reconnect path opened the meter by its position (its stored name is gone):
    // once it sends frames, its name is the one stored.
    void storedDeviceFollowsTheMeter() {
        MeterEmulator meter(301);
        QVERIFY(meter.OpenPty());
        QStringList listed; // the system's own ports come first
        TSerialPort::ListPortNames(listed, {meter.DevicePath()});
        const int position = int(listed.indexOf(meter.DevicePath()));
        RecordingSession session(
            settings_.Store(CompleteSettings(301, QStringLiteral("/dev/old-name"), position)),
            {meter.DevicePath()});
        QVERIFY(ReconnectToEnd(session));
        QVERIFY(QTest::qWaitFor([&] { return session.State().Link.MeterConnected; }, 4000));
        QCOMPARE(session.Settings().LastConnectedDevice, meter.DevicePath());
        QCOMPARE(session.Settings().LastConnectedPort, position);
    }

    // Only a model answer to the identification request makes a port the meter's for
    // the next start: frames from the port polled after a failed search store neither
    // the device nor a model, and the next start searches again.
    void onlyAModelAnswerIsStored_data() {
        QTest::addColumn<bool>("answersModel");
        QTest::newRow("a meter that answers the search") << true;
        QTest::newRow("frames only, after a failed search") << false;
    }
    void onlyAModelAnswerIsStored() {
        QFETCH(bool, answersModel);
        FarEnd device;
        QVERIFY(device.Open());
        connect(&device.device, &PtyDevice::Received, this, [&](const QByteArray& got) {
            if (got.contains('K') && answersModel)
                device.Write("302\x13");
            if (got.contains('A'))
                device.Write(MeterFrame(0x10, 0x00, 0x12, 0x34, 0x56, 0x78));
        });
        RecordingSession session(settings_.Store(), {device.Path()});
        session.Search().SetPortSource([&] { return QStringList{device.Path()}; });
        session.Search().SetDelays({0, 0, 150, 0});
        const auto result = SearchToEnd(session);
        QVERIFY(result);
        QCOMPARE(result->Found, answersModel);
        session.StartRecording(); // OK
        QVERIFY(QTest::qWaitFor([&] { return session.State().Link.MeterConnected; }, 4000));
        QVERIFY(QTest::qWaitFor([&] { return !session.Log().Cell(1, 1).isEmpty(); }, 4000));
        session.ShutDown();

        const SettingsVars stored = settings_.Stored();
        QCOMPARE(stored.LastConnectedDevice, answersModel ? device.Path() : QString());
        QCOMPARE(stored.LastModel, answersModel ? 302 : 0);
        RecordingSession next(std::make_unique<QSettings>(settings_.Path(), QSettings::IniFormat),
                              {});
        QCOMPARE(next.NeedsSearch(), !answersModel);
    }

    // One sequence at a time holds the port: a search started while the start still
    // reconnects ends the reconnect, which then opens nothing and starts no polling; a
    // reconnect asked while a search runs ends at once. Either way the search finds
    // the meter and leaves the heartbeat to OK.
    void searchAndReconnectDoNotOverlap_data() {
        QTest::addColumn<bool>("searchFirst");
        QTest::newRow("search during the reconnect") << false;
        QTest::newRow("reconnect during the search") << true;
    }
    void searchAndReconnectDoNotOverlap() {
        QFETCH(bool, searchFirst);
        MeterEmulator meter(301);
        QVERIFY(meter.OpenPty());
        RecordingSession session(settings_.Store(CompleteSettings(301, meter.DevicePath())),
                                 {meter.DevicePath()});
        session.Search().SetDelays({0, 0, 150, 0});
        QSignalSpy ended(&session, &RecordingSession::ReconnectEnded);
        QSignalSpy status(&session, &RecordingSession::StatusText);
        const auto result = SearchToEnd(session.Search(), [&] {
            if (searchFirst) {
                session.RunSearch();
                session.Reconnect();
            } else {
                session.Reconnect();
                session.RunSearch();
            }
            QCOMPARE(ended.count(), 1);
            QCOMPARE(ended.at(0).at(0).toBool(), false);
        });
        QVERIFY(result && result->Found);
        QTest::qWait(ReconnectTimeMs);
        QCOMPARE(ended.count(), 1);
        QVERIFY(session.Comm1().Active());
        QVERIFY(session.Comm1().HasOnRxChar());
        QVERIFY(!session.ThTimer1.isActive());
        QVERIFY(!status.isEmpty());
        QCOMPARE(status.last().at(0).toString(),
                 QStringLiteral("Thermometer is connected at ") + meter.DevicePath());
    }

    // The end takes the port from a search under way: no result, nothing reopened.
    void shutDownEndsASearch() {
        MeterEmulator meter(300);
        QVERIFY(meter.OpenPty());
        RecordingSession session(settings_.Store(), {meter.DevicePath()});
        // The meter alone: a system port another program holds would be passed over at
        // once, and the search would be past its first port before the wait sees it.
        session.Search().SetPortSource([&] { return QStringList{meter.DevicePath()}; });
        session.Search().SetDelays({0, 0, 300, 0});
        QSignalSpy finished(&session.Search(), &PortSearch::Finished);
        QSignalSpy tried(&session.Search(), &PortSearch::PortTried);
        session.RunSearch();
        QVERIFY(QTest::qWaitFor([&] { return tried.count() == 1; }));
        QVERIFY(session.State().SearchInProgress);
        session.ShutDown(false);
        QVERIFY(!session.Search().Running());
        QVERIFY(!session.State().SearchInProgress);
        QVERIFY(!session.Comm1().Active());
        QTest::qWait(500);
        QCOMPARE(finished.count(), 0);
        QVERIFY(!session.Comm1().Active());
    }

    // Rows at the listing rate, points at the graphing rate, from the meter's frames;
    // five silent seconds lose the link, and recording resumes by itself after it.
    void recordsAtTheRatesAndSurvivesSilence() {
        MeterEmulator meter(303);
        QVERIFY(meter.OpenPty());
        meter.SetDrift(false);
        meter.SetTemperature(0, 23.5);
        meter.SetTemperature(1, 48.0);
        Ticking clock;
        RecordingSession session(settings_.Store(RangeSettings(0, 100, 2, 3)), {meter.DevicePath()},
                                 clock.Clock());
        session.Log().SetLocale(QLocale::c());
        session.Search().SetDelays({0, 0, 150, 0});
        QVERIFY(SearchToEnd(session).value_or(PortSearch::Result{}).Found);
        session.StartRecording();
        session.ThTimer1.stop(); // the test ticks by hand
        QSignalSpy points(&session, &RecordingSession::PointDue);
        QSignalSpy rows(&session, &RecordingSession::RowAppended);
        QSignalSpy shown(&session, &RecordingSession::LinkShown);
        const auto second = [&](bool answered) {
            clock.Second(session);
            if (answered)
                QVERIFY(QTest::qWaitFor([&] { return session.State().Link.FrameSeen; }, 2000));
            else
                QTest::qWait(30);
        };

        second(true); // the first frame; nothing is sampled before it
        for (int i = 0; i < 30; ++i)
            second(true);
        // A row at the first sampling tick and every third after it; points every second.
        QCOMPARE(rows.count(), 10);
        QCOMPARE(points.count(), 15);
        QCOMPARE(rows.last().value(0).toInt(), 10);
        const LogTable& log = session.Log();
        QCOMPARE(log.Cell(1, 3), QStringLiteral("23.5"));
        QCOMPARE(log.Cell(10, 5), QStringLiteral("48.0"));
        QCOMPARE(log.Cell(10, 6), QStringLiteral("C"));
        const auto sample = points.last().value(0).value<Sample>();
        QCOMPARE(sample.Reading.MainValue, 23.5);
        QCOMPARE(sample.Reading.SubValue, 48.0);
        QVERIFY(!sample.MainOff() && !sample.SubOff());
        QCOMPARE(sample.Time, clock.now - 1.0 / 86400.0); // points at every second tick

        meter.SetSilentPolls(6);
        for (int i = 0; i < 6; ++i)
            second(false);
        QVERIFY(!session.State().Link.MeterConnected);
        QCOMPARE(shown.last().value(0).toBool(), false);
        QVERIFY(session.State().Recording.ListRunning && session.State().Recording.GraphRunning);
        const int rowsBefore = int(rows.count());

        // The first answer reconnects; the nine ticks after it sample, every third one a row.
        meter.SetTemperature(0, 30.0);
        for (int i = 0; i < 10; ++i)
            second(true);
        QVERIFY(session.State().Link.MeterConnected);
        QCOMPARE(shown.last().value(0).toBool(), true);
        QCOMPARE(rows.count(), rowsBefore + 3);
        QCOMPARE(log.Cell(log.RowCount() - 1, 3), QStringLiteral("30.0"));
        QCOMPARE(meter.PollCount(), quint64(47));
    }

    // A cleared live graph takes its next point at the very next tick, as an empty
    // log takes its next row.
    void clearedLogAndGraphSampleAtOnce() {
        MeterEmulator meter(300);
        QVERIFY(meter.OpenPty());
        Ticking clock;
        RecordingSession session(settings_.Store(RangeSettings(0, 100, 10, 10)),
                                 {meter.DevicePath()}, clock.Clock());
        session.Search().SetDelays({0, 0, 150, 0});
        QVERIFY(SearchToEnd(session).value_or(PortSearch::Result{}).Found);
        session.StartRecording();
        session.ThTimer1.stop();
        QSignalSpy points(&session, &RecordingSession::PointDue);
        QSignalSpy rows(&session, &RecordingSession::RowAppended);
        const auto second = [&] {
            clock.Second(session);
            QVERIFY(QTest::qWaitFor([&] { return session.State().Link.FrameSeen; }, 2000));
        };
        second();
        second();
        second();
        QCOMPARE(points.count(), 1);
        QCOMPARE(rows.count(), 1);
        session.LiveGraphCleared();
        session.BitBtn4Click();
        second();
        QCOMPARE(points.count(), 2);
        QCOMPARE(rows.count(), 2);
        QCOMPARE(rows.last().value(0).toInt(), 1);
    }

    // The alarms are watched at every tick, also while the log and the graph are
    // paused: a reading beyond its limit raises its alarm with nothing recorded.
    void alarmsAreWatchedWhileRecordingIsPaused() {
        MeterEmulator meter(300);
        QVERIFY(meter.OpenPty());
        meter.SetDrift(false);
        meter.SetTemperature(0, 23.5);
        Ticking clock;
        RecordingSession session(settings_.Store(RangeSettings(0, 100, 1, 1)), {meter.DevicePath()},
                                 clock.Clock());
        session.Search().SetDelays({0, 0, 150, 0});
        QVERIFY(SearchToEnd(session).value_or(PortSearch::Result{}).Found);
        session.StartRecording();
        session.ThTimer1.stop();
        session.SetListRunning(false);
        session.SetGraphRunning(false);
        AlarmRules rules;
        rules.Channel[0].High = 20;
        session.ApplyAlarmRules(rules);
        QSignalSpy alarms(&session, &RecordingSession::AlarmChanged);
        QSignalSpy rows(&session, &RecordingSession::RowAppended);
        QSignalSpy points(&session, &RecordingSession::PointDue);
        for (int i = 0; i < 3; ++i) {
            clock.Second(session);
            QVERIFY(QTest::qWaitFor([&] { return session.State().Link.FrameSeen; }, 2000));
        }
        QCOMPARE(alarms.count(), 1);
        const auto event = alarms.at(0).at(0).value<AlarmEvent>();
        QVERIFY(event.Raised);
        QCOMPARE(event.What.Value, 23.5);
        QCOMPARE(rows.count(), 0);
        QCOMPARE(points.count(), 0);
        // New rules without that limit clear it at once, without a tick.
        session.ApplyAlarmRules({});
        QCOMPARE(alarms.count(), 2);
        QVERIFY(!alarms.at(1).at(0).value<AlarmEvent>().Raised);
    }

    void shutDownStoresTheSettings() {
        MeterEmulator meter(301);
        QVERIFY(meter.OpenPty());
        RecordingSession session(settings_.Store(), {meter.DevicePath()});
        session.Search().SetDelays({0, 0, 150, 0});
        QVERIFY(SearchToEnd(session).value_or(PortSearch::Result{}).Found);
        session.StartRecording();
        session.SetListingRate(7);
        session.SetLiveRange({-20.9, 250.7});
        QSignalSpy finished(&session, &RecordingSession::ShutDownFinished);
        session.ShutDown();
        QCOMPARE(finished.count(), 1); // no port operation in progress: at once
        QCOMPARE(finished.at(0).at(0).toString(), QString());
        QVERIFY(!session.ThTimer1.isActive());
        QVERIFY(!session.Comm1().Active());
        const SettingsVars stored = settings_.Stored();
        QVERIFY(!stored.SettingsMissing);
        QCOMPARE(stored.ListingRate, 7);
        QCOMPARE(stored.GraphingRate, 2);
        QCOMPARE(stored.MinScale, -20);
        QCOMPARE(stored.MaxScale, 250);
        QCOMPARE(stored.LastModel, 301);
        QCOMPARE(stored.LastConnectedDevice, meter.DevicePath());

        // Told not to (the headless recorder), it leaves the store alone.
        RecordingSession other(settings_.Store(), {});
        other.SetListingRate(9);
        QSignalSpy otherFinished(&other, &RecordingSession::ShutDownFinished);
        other.ShutDown(false);
        QCOMPARE(otherFinished.count(), 1);
        QCOMPARE(otherFinished.at(0).at(0).toString(), QString());
        QVERIFY(settings_.Stored().SettingsMissing);
    }

    // A settings file that cannot be read counts as missing and says which and why.
    void unreadableSettingsAreNamed() {
        const QString path = settings_.FilePath(QStringLiteral("a-folder.conf"));
        QVERIFY(QDir().mkpath(path));
        RecordingSession session(std::make_unique<QSettings>(path, QSettings::IniFormat), {});
        QVERIFY(session.Settings().SettingsMissing);
        QVERIFY2(session.SettingsReadProblem().contains(QDir::toNativeSeparators(path)),
                 qPrintable(session.SettingsReadProblem()));
        QVERIFY(session.SettingsReadProblem().contains(QStringLiteral("folder, not a file")));
    }

    // The poll goes out at every tick while the port is open; a closed port is
    // passed over without an error.
    void pollIsWrittenEachTickOnAnOpenPort() {
        FarEnd far;
        QVERIFY(far.Open());
        Ticking clock;
        RecordingSession session(settings_.Store({}), {far.Path()}, clock.Clock());
        session.Comm1().SetDeviceName(far.Path());
        session.Comm1().SetActive(true);
        clock.Second(session);
        clock.Second(session);
        QVERIFY(far.WaitReceived(2));
        QCOMPARE(far.received, QByteArray("AA"));
        QVERIFY(!session.State().Link.PortBusy);
    }

    void noPollAndNoErrorOnAClosedPort() {
        QStringList shown;
        const ExceptionDisplay previous =
            SetExceptionDisplay([&](const QString& message) { shown << message; });
        FarEnd far;
        QVERIFY(far.Open());
        Ticking clock;
        RecordingSession session(settings_.Store({}), {far.Path()}, clock.Clock());
        session.Comm1().SetDeviceName(far.Path()); // named, but never opened
        clock.Second(session);
        clock.Second(session);
        QTest::qWait(100);
        SetExceptionDisplay(previous);
        QVERIFY(far.received.isEmpty());
        QVERIFY(shown.isEmpty());
        QVERIFY(!session.State().Link.PortBusy);
    }
};

QTEST_GUILESS_MAIN(TestRecordingSession)
#include "tst_recording_session.moc"
