// The whole window set against the simulated meter: the start sequence on a first
// and a later run, the port search, and recording once the user presses OK.
#include "answer_dialog.h"
#include "app/window_set.h"
#include "graph/plot_chart.h"
#include "log/log_table.h"
#include "meter_emulator.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestWindowSet : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    std::unique_ptr<QSettings> Store(const QString& name, const QByteArray& content = {}) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(content);
        file.close();
        return std::make_unique<QSettings>(path, QSettings::IniFormat);
    }

    // Presses OK on the port search window once its search has ended.
    static void PressOkWhenDone(WindowSet& w) {
        auto* poll = new QTimer(w.frmLinkTest.get());
        QObject::connect(poll, &QTimer::timeout, poll, [&w, poll] {
            if (w.frmLinkTest->isVisible() && w.frmLinkTest->Memo1->isVisible()) {
                poll->stop();
                w.frmLinkTest->Button1->click();
            }
        });
        poll->start(20);
    }

    // The test runs the start sequence itself, with short waits in the search.
    static void ShortDelays(WindowSet& w) {
        w.Form1->Timer1.stop();
        w.frmLinkTest->Search().SetDelays({0, 0, 150, 0});
    }

private slots:
    void initTestCase() { Q_INIT_RESOURCE(brackwater); }

    void firstRunFindsTheMeterAndRecords() {
        MeterEmulator meter(301);
        QVERIFY(meter.OpenPty());
        AppState state;
        state.ExtraPortNames = {meter.DevicePath()};
        WindowSet w(state, Store(QStringLiteral("first.ini")));
        QVERIFY(state.Settings.SettingsMissing);
        ShortDelays(w);
        PressOkWhenDone(w);
        w.Timer1Timer();

        QVERIFY(w.frmMain->isVisible());
        QVERIFY(!w.frmLinkTest->isVisible());
        QCOMPARE(state.Settings.LastModel, 301);
        QVERIFY(state.Link.MeterConnected);
        QVERIFY(!w.frmPanel->NoLinkShown());
        QVERIFY(w.frmMain->ThTimer1.isActive());
        QVERIFY(state.Recording.ListRunning && state.Recording.GraphRunning);
        QVERIFY(w.frmList->btnPause->isEnabled());
        QVERIFY(!w.frmList->btnRun->isEnabled());
        QCOMPARE(w.frmMain->lblComStatus->text(),
                 "Thermometer is connected at " + meter.DevicePath());

        // The heartbeat polls; the first tick records a row and a point.
        QVERIFY(QTest::qWaitFor([&] { return !w.frmList->Row1Empty(); }, 4000));
        QVERIFY(w.frmGraph->NextPoint() > 0);
        QVERIFY(meter.PollCount() > 0);
    }

    void firstRunWithoutMeter() {
        AppState state;
        WindowSet w(state, Store(QStringLiteral("none.ini")));
        ShortDelays(w);
        PressOkWhenDone(w);
        w.Timer1Timer();
        QCOMPARE(state.Reading.ModelCode, 300);
        QVERIFY(!state.Link.MeterConnected);
        QCOMPARE(w.frmMain->lblComStatus->text(), QStringLiteral("No Connection"));
        QVERIFY(w.frmPanel->NoLinkShown());
    }

    void laterRunReconnectsPaused() {
        MeterEmulator meter(303);
        QVERIFY(meter.OpenPty());
        AppState state;
        // The device is listed at another position than last time: it is found by name.
        state.ExtraPortNames = {QStringLiteral("/dev/brackwater-none"), meter.DevicePath()};
        const QByteArray settings = "[General]\nGraphingRate=1\nListingRate=1\nMaxScale=300\n"
                                    "MinScale=0\nShowReso=1\nLastConnectedPort=0\nLastModel=303\n"
                                    "LastConnectedDevice=" +
                                    meter.DevicePath().toUtf8() + "\n";
        WindowSet w(state, Store(QStringLiteral("later.ini"), settings));
        QVERIFY(!state.Settings.SettingsMissing);
        ShortDelays(w);
        w.Timer1Timer();
        QVERIFY(!w.frmLinkTest->isVisible());
        QCOMPARE(state.Reading.ModelCode, 303);
        QVERIFY(w.frmMain->Meter.Comm1.Active());
        QCOMPARE(w.frmMain->Meter.Comm1.DeviceName(), meter.DevicePath());
        QVERIFY(w.frmMain->ThTimer1.isActive());
        QVERIFY(!state.Recording.ListRunning && !state.Recording.GraphRunning);
        QVERIFY(w.frmList->btnRun->isEnabled());
        QVERIFY(!w.frmList->btnPause->isEnabled());
        // The log and the live graph are labelled and show the stored rates.
        QCOMPARE(w.frmList->Table->Cell(0, 2), QStringLiteral("TIME"));
        QCOMPARE(w.frmList->MaskEdit1->displayText(), QStringLiteral("  00 : 01  "));
        QCOMPARE(w.frmGraph->MaskEdit1->displayText(), QStringLiteral("  00 : 01  "));
        // Frames come back at the next poll and announce the link, but nothing is recorded.
        QVERIFY(QTest::qWaitFor([&] { return state.Link.MeterConnected; }, 4000));
        QCOMPARE(w.frmMain->lblComStatus->text(),
                 "Thermometer is connected at " + meter.DevicePath());
        QTest::qWait(1200);
        QVERIFY(w.frmList->Row1Empty());
    }

    void laterRunWithoutTheLastPort() {
        AppState state;
        const QByteArray settings = "[General]\nGraphingRate=1\nListingRate=1\nMaxScale=300\n"
                                    "MinScale=0\nShowReso=1\nLastConnectedPort=3\nLastModel=302\n"
                                    "LastConnectedDevice=/dev/brackwater-gone\n";
        WindowSet w(state, Store(QStringLiteral("gone.ini"), settings));
        ShortDelays(w);
        w.Timer1Timer();
        QCOMPARE(state.Reading.ModelCode, 302);
        QVERIFY(!w.frmMain->Meter.Comm1.Active());
        QVERIFY(!w.frmMain->ThTimer1.isActive()); // no polling until the user searches
        QCOMPARE(w.frmMain->lblComStatus->text(), QStringLiteral("No Connection"));
        QVERIFY(w.frmGraph->btnRun->isEnabled());
    }

    // Settings of runs that never found a meter name no device: the start searches
    // instead of polling whatever port sits at the stored position.
    void settingsWithoutDeviceSearch() {
        MeterEmulator meter(300);
        QVERIFY(meter.OpenPty());
        AppState state;
        state.ExtraPortNames = {meter.DevicePath()};
        const QByteArray settings = "[General]\nGraphingRate=1\nListingRate=1\nMaxScale=300\n"
                                    "MinScale=0\nShowReso=1\nLastConnectedPort=0\nLastModel=0\n";
        WindowSet w(state, Store(QStringLiteral("nodevice.ini"), settings));
        QVERIFY(!state.Settings.SettingsMissing);
        ShortDelays(w);
        bool searched = false;
        connect(w.frmLinkTest.get(), &TfrmLinkTest::StopHeartbeat, this, [&] { searched = true; });
        PressOkWhenDone(w);
        w.Timer1Timer();
        QVERIFY(searched);
        QCOMPARE(state.Settings.LastConnectedDevice, meter.DevicePath());
        QVERIFY(state.Recording.ListRunning);
    }

    // The reconnect path opened the meter by its position (its stored name is gone):
    // once it sends frames, its name is the one stored.
    void storedDeviceFollowsTheMeter() {
        MeterEmulator meter(301);
        QVERIFY(meter.OpenPty());
        AppState state;
        state.ExtraPortNames = {meter.DevicePath()};
        const QByteArray settings = "[General]\nGraphingRate=1\nListingRate=1\nMaxScale=300\n"
                                    "MinScale=0\nShowReso=1\nLastConnectedPort=0\nLastModel=301\n"
                                    "LastConnectedDevice=/dev/brackwater-old-name\n";
        WindowSet w(state, Store(QStringLiteral("follow.ini"), settings));
        // The system's own ports come first in the list.
        const int position = int(w.frmMain->PortNames->stringList().indexOf(meter.DevicePath()));
        state.Settings.LastConnectedPort = position;
        ShortDelays(w);
        w.Timer1Timer();
        QVERIFY(QTest::qWaitFor([&] { return state.Link.MeterConnected; }, 4000));
        QCOMPARE(state.Settings.LastConnectedDevice, meter.DevicePath());
        QCOMPARE(state.Settings.LastConnectedPort, position);
    }

    // Recording goes on by itself across a lost link, and the buttons say so.
    void buttonsFollowRecordingAcrossALostLink() {
        MeterEmulator meter(301);
        QVERIFY(meter.OpenPty());
        AppState state;
        state.ExtraPortNames = {meter.DevicePath()};
        WindowSet w(state, Store(QStringLiteral("lost.ini")));
        ShortDelays(w);
        PressOkWhenDone(w);
        w.Timer1Timer();
        QVERIFY(state.Link.MeterConnected);
        w.frmMain->ThTimer1.stop(); // the test ticks by hand
        w.frmGraph->BitBtn3Click(); // the graph paused, the log running
        meter.SetSilentPolls(5);
        for (int tick = 0; tick < 5; ++tick) {
            w.ThTimer1Timer();
            QTest::qWait(50);
        }
        QVERIFY(!state.Link.MeterConnected);
        QVERIFY(w.frmList->btnPause->isEnabled() && !w.frmList->btnRun->isEnabled());
        QVERIFY(w.frmGraph->btnRun->isEnabled() && !w.frmGraph->btnPause->isEnabled());
        w.ThTimer1Timer();
        QVERIFY(QTest::qWaitFor([&] { return state.Link.MeterConnected; }, 2000));
        QVERIFY(w.frmList->btnPause->isEnabled() && !w.frmList->btnRun->isEnabled());
        QVERIFY(w.frmGraph->btnRun->isEnabled() && !w.frmGraph->btnPause->isEnabled());
    }

    // Output To Graph draws the log as recorded so far. At exit the live graph's
    // range, set by its dialog, is stored cut to whole degrees; the log graph's never.
    // Last: once the program has ended, no event loop of this process runs again.
    void logGraphAndRangesAtExit() {
        MeterEmulator meter(301);
        QVERIFY(meter.OpenPty());
        AppState state;
        state.ExtraPortNames = {meter.DevicePath()};
        WindowSet w(state, Store(QStringLiteral("ranges.ini")));
        ShortDelays(w);
        PressOkWhenDone(w);
        w.Timer1Timer();
        QVERIFY(QTest::qWaitFor([&] { return !w.frmList->Row1Empty(); }, 4000));

        w.frmList->mnuToGraph->trigger();
        QVERIFY(w.frmGraphList->isVisible());
        QVERIFY(!w.frmGraphProgress->isVisible());
        const PlotChart& logChart = *w.frmGraphList->PlotChart1;
        QCOMPARE(logChart.Subsets(), 2);
        QVERIFY(logChart.Points() >= 1 && logChart.XDataD(0, 0) != 0.0);

        AnswerDialog<TfrmSetupScale>(*w.frmSetupScale, [](TfrmSetupScale& d) {
            d.edtMaxScale->setText(QStringLiteral("99.7"));
            d.edtMinScale->setText(QStringLiteral("10.2"));
        });
        w.frmGraph->mnuRange->trigger();
        AnswerDialog<TfrmSetupScale>(*w.frmSetupScale, [](TfrmSetupScale& d) {
            d.edtMaxScale->setText(QStringLiteral("500"));
            d.edtMinScale->setText(QStringLiteral("400"));
        });
        w.frmGraphList->mnuRange->trigger();
        QCOMPARE(logChart.ManualMaxY(), 500.0);

        w.frmMain->ShutDown();
        const QSettings stored(dir_.filePath(QStringLiteral("ranges.ini")), QSettings::IniFormat);
        QCOMPARE(stored.value(QStringLiteral("MaxScale")).toInt(), 99);
        QCOMPARE(stored.value(QStringLiteral("MinScale")).toInt(), 10);
    }
};

QTEST_MAIN(TestWindowSet)
#include "tst_window_set.moc"
