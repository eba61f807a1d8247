// SPDX-License-Identifier: GPL-3.0-or-later
// The whole window set against the simulated meter: the start sequence on a first
// and a later run, the port search, and what the windows show of the recording.
#include "answer_dialog.h"
#include "app/ui/window_set.h"
#include "base/handler_guard.h"
#include "graph/ui/plot_chart.h"
#include "log/log_table.h"
#include "meter_emulator.h"
#include "support/scratch_settings.h"

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestWindowSet : public QObject {
    Q_OBJECT
    ScratchSettings settings_;

    // The program's core and windows, the start sequence left to the test, and the
    // search's waits short.
    struct Program {
        RecordingSession session;
        WindowSet w;
        Program(std::unique_ptr<QSettings> store, const QStringList& ports)
            : session(std::move(store), ports), w(session) {
            w.Form1->Timer1.stop();
            session.Search().SetDelays({0, 0, 150, 0});
        }
        const AppState& State() const { return session.State(); }
        // Presses OK on the port search window once its search has ended.
        void PressOkWhenDone() {
            auto* poll = new QTimer(w.frmLinkTest.get());
            QObject::connect(poll, &QTimer::timeout, poll, [this, poll] {
                if (w.frmLinkTest->isVisible() && w.frmLinkTest->Memo1->isVisible()) {
                    poll->stop();
                    w.frmLinkTest->Button1->click();
                }
            });
            poll->start(20);
        }
    };

private slots:
    void initTestCase() { Q_INIT_RESOURCE(brackwater); }

    void firstRunFindsTheMeterAndRecords() {
        MeterEmulator meter(301);
        QVERIFY(meter.OpenPty());
        Program p(settings_.Store(), {meter.DevicePath()});
        QVERIFY(p.State().Settings.SettingsMissing);
        p.PressOkWhenDone();
        p.w.Timer1Timer();

        QVERIFY(p.w.frmMain->isVisible());
        QVERIFY(!p.w.frmLinkTest->isVisible());
        QCOMPARE(p.State().Settings.LastModel, 301);
        QVERIFY(p.State().Link.MeterConnected);
        QVERIFY(!p.w.frmPanel->NoLinkShown());
        QVERIFY(p.session.ThTimer1.isActive());
        QVERIFY(p.State().Recording.ListRunning && p.State().Recording.GraphRunning);
        QVERIFY(p.w.frmList->btnPause->isEnabled());
        QVERIFY(!p.w.frmList->btnRun->isEnabled());
        QCOMPARE(p.w.frmMain->lblComStatus->text(),
                 "Thermometer is connected at " + meter.DevicePath());
        QCOMPARE(p.w.frmList->Table->Cell(0, 2), QStringLiteral("TIME"));

        // The heartbeat polls; the first tick records a row and a point.
        QVERIFY(QTest::qWaitFor([&] { return !p.w.frmList->Row1Empty(); }, 4000));
        QVERIFY(p.w.frmGraph->NextPoint() > 0);
        QVERIFY(meter.PollCount() > 0);
    }

    // Nothing answers the first search; OK starts recording anyway. A meter plugged
    // in afterwards is polled at once, and its rows are recorded as after a lost link.
    void firstRunWithoutMeter() {
        QStringList listed;
        Program p(settings_.Store(), {});
        p.session.Search().SetPortSource([&] { return listed; });
        p.PressOkWhenDone();
        p.w.Timer1Timer();
        QCOMPARE(p.State().Reading.ModelCode, 300);
        QVERIFY(!p.State().Link.MeterConnected);
        QCOMPARE(p.w.frmMain->lblComStatus->text(), QStringLiteral("No Connection"));
        QVERIFY(p.w.frmPanel->NoLinkShown());
        QVERIFY(p.State().Recording.ListRunning);

        MeterEmulator meter(303);
        QVERIFY(meter.OpenPty());
        listed = {meter.DevicePath()};
        QVERIFY(QTest::qWaitFor([&] { return !p.w.frmList->Row1Empty(); }, 8000));
        QVERIFY(!p.w.frmPanel->NoLinkShown());
        QCOMPARE(p.State().Reading.ModelCode, 303);
        QCOMPARE(p.w.frmMain->lblComStatus->text(),
                 "Thermometer is connected at " + meter.DevicePath());
        QVERIFY(!p.w.frmLinkTest->isVisible());
    }

    void laterRunReconnectsPaused() {
        MeterEmulator meter(303);
        QVERIFY(meter.OpenPty());
        // The device is listed at another position than last time: it is found by name.
        Program p(settings_.Store(CompleteSettings(303, meter.DevicePath())),
                  {QStringLiteral("/dev/brackwater-none"), meter.DevicePath()});
        QVERIFY(!p.State().Settings.SettingsMissing);
        QSignalSpy reconnected(&p.session, &RecordingSession::ReconnectEnded);
        p.w.Timer1Timer();
        QVERIFY(!p.w.frmLinkTest->isVisible());
        QVERIFY(QTest::qWaitFor([&] { return reconnected.count() == 1; }, 4000));
        QCOMPARE(p.State().Reading.ModelCode, 303);
        QCOMPARE(p.session.Comm1().DeviceName(), meter.DevicePath());
        QVERIFY(!p.State().Recording.ListRunning && !p.State().Recording.GraphRunning);
        QVERIFY(p.w.frmList->btnRun->isEnabled() && !p.w.frmList->btnPause->isEnabled());
        QVERIFY(p.w.frmGraph->btnRun->isEnabled() && !p.w.frmGraph->btnPause->isEnabled());
        // The log and the live graph are labelled and show the stored rates.
        QCOMPARE(p.w.frmList->Table->Cell(0, 2), QStringLiteral("TIME"));
        QCOMPARE(p.w.frmList->MaskEdit1->displayText(), QStringLiteral("  00 : 01  "));
        QCOMPARE(p.w.frmGraph->MaskEdit1->displayText(), QStringLiteral("  00 : 01  "));
        QCOMPARE(p.w.frmMain->lblComStatus->text(), QStringLiteral("No Connection"));
        // Frames come back at the next poll and announce the link, but nothing is recorded.
        QVERIFY(QTest::qWaitFor([&] { return p.State().Link.MeterConnected; }, 4000));
        QCOMPARE(p.w.frmMain->lblComStatus->text(),
                 "Thermometer is connected at " + meter.DevicePath());
        QVERIFY(!p.w.frmPanel->NoLinkShown());
        QTest::qWait(1200);
        QVERIFY(p.w.frmList->Row1Empty());
    }

    // A later start whose meter is not there polls nothing; a meter plugged in after
    // the start is polled as soon as it answers, and recording follows the lost-link
    // rules: paused as at every later start, rows once Run is pressed.
    void laterRunFindsAMeterPluggedInAfterTheStart() {
        QStringList listed{QStringLiteral("/dev/brackwater-unplugged")};
        Program p(settings_.Store(CompleteSettings(303, listed[0])), listed);
        p.session.Search().SetPortSource([&] { return listed; });
        QSignalSpy reconnected(&p.session, &RecordingSession::ReconnectEnded);
        p.w.Timer1Timer();
        QVERIFY(QTest::qWaitFor([&] { return reconnected.count() == 1; }, 4000));
        QCOMPARE(reconnected.at(0).at(0).toBool(), false);
        QVERIFY(!p.session.ThTimer1.isActive());
        QCOMPARE(p.w.frmMain->lblComStatus->text(), QStringLiteral("No Connection"));

        MeterEmulator meter(301);
        QVERIFY(meter.OpenPty());
        listed.append(meter.DevicePath());
        QVERIFY(QTest::qWaitFor([&] { return p.session.ThTimer1.isActive(); }, 8000));
        QVERIFY(!p.w.frmLinkTest->isVisible());
        QVERIFY(QTest::qWaitFor(
            [&] {
                return p.w.frmMain->lblComStatus->text() ==
                       "Thermometer is connected at " + meter.DevicePath();
            },
            4000));
        QCOMPARE(p.State().Reading.ModelCode, 301);
        QVERIFY(!p.w.frmPanel->NoLinkShown());
        QCOMPARE(p.State().Settings.LastConnectedDevice, meter.DevicePath());
        QVERIFY(p.w.frmList->Row1Empty());
        p.w.frmList->btnRun->trigger();
        QVERIFY(QTest::qWaitFor([&] { return !p.w.frmList->Row1Empty(); }, 4000));
    }

    // Settings of runs that never found a meter name no device: the start searches
    // instead of polling whatever port sits at the stored position.
    void settingsWithoutDeviceSearch() {
        MeterEmulator meter(300);
        QVERIFY(meter.OpenPty());
        Program p(settings_.Store(CompleteSettings(0, {})), {meter.DevicePath()});
        QVERIFY(!p.State().Settings.SettingsMissing);
        p.PressOkWhenDone();
        p.w.Timer1Timer();
        QCOMPARE(p.State().Settings.LastConnectedDevice, meter.DevicePath());
        QVERIFY(p.State().Recording.ListRunning);
    }

    // Recording goes on by itself across a lost link, and the buttons say so.
    void buttonsFollowRecordingAcrossALostLink() {
        MeterEmulator meter(301);
        QVERIFY(meter.OpenPty());
        Program p(settings_.Store(), {meter.DevicePath()});
        p.PressOkWhenDone();
        p.w.Timer1Timer();
        QVERIFY(p.State().Link.MeterConnected);
        p.session.ThTimer1.stop();         // the test ticks by hand
        p.w.frmGraph->btnPause->trigger(); // the graph paused, the log running
        meter.SetSilentPolls(5);
        for (int tick = 0; tick < 5; ++tick) {
            p.session.ThTimer1Timer();
            QTest::qWait(50);
        }
        QVERIFY(!p.State().Link.MeterConnected);
        QVERIFY(p.w.frmPanel->NoLinkShown());
        QCOMPARE(p.w.frmMain->lblComStatus->text(), QStringLiteral("No Connection"));
        QVERIFY(p.w.frmList->btnPause->isEnabled() && !p.w.frmList->btnRun->isEnabled());
        QVERIFY(p.w.frmGraph->btnRun->isEnabled() && !p.w.frmGraph->btnPause->isEnabled());
        p.session.ThTimer1Timer();
        QVERIFY(QTest::qWaitFor([&] { return p.State().Link.MeterConnected; }, 2000));
        QVERIFY(!p.w.frmPanel->NoLinkShown());
        QVERIFY(p.w.frmList->btnPause->isEnabled() && !p.w.frmList->btnRun->isEnabled());
        QVERIFY(p.w.frmGraph->btnRun->isEnabled() && !p.w.frmGraph->btnPause->isEnabled());
    }

    // A settings file that cannot be read is named once at start, and the start
    // then searches as on a first run.
    void unreadableSettingsAreNamedAtStart() {
        const QString path = settings_.FilePath(QStringLiteral("a-folder.conf"));
        QVERIFY(QDir().mkpath(path));
        Program p(std::make_unique<QSettings>(path, QSettings::IniFormat), {});
        QStringList shown;
        const ExceptionDisplay old =
            SetExceptionDisplay([&](const QString& text) { shown.append(text); });
        p.PressOkWhenDone();
        p.w.Timer1Timer();
        SetExceptionDisplay(old);
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].contains(QDir::toNativeSeparators(path)), qPrintable(shown[0]));
        QVERIFY(shown[0].contains(QStringLiteral("folder, not a file")));
        QCOMPARE(p.State().Reading.ModelCode, 300); // searched, found nothing
    }

    // Output To Graph draws the log as recorded so far. At exit the live graph's
    // range, set by its dialog, is stored cut to whole degrees; the log graph's never.
    // Last: once the program has ended, no event loop of this process runs again.
    void logGraphAndRangesAtExit() {
        MeterEmulator meter(301);
        QVERIFY(meter.OpenPty());
        Program p(settings_.Store(), {meter.DevicePath()});
        p.PressOkWhenDone();
        p.w.Timer1Timer();
        QVERIFY(QTest::qWaitFor([&] { return !p.w.frmList->Row1Empty(); }, 4000));

        QSignalSpy built(p.w.frmGraphList.get(), &TfrmGraphList::GraphBuilt);
        p.w.frmList->mnuToGraph->trigger();
        QVERIFY(built.wait(10000));
        QVERIFY(p.w.frmGraphList->isVisible());
        QVERIFY(!p.w.frmPrintProgress->isVisible());
        const PlotChart& logChart = *p.w.frmGraphList->PlotChart1;
        QCOMPARE(logChart.Subsets(), 2);
        QVERIFY(logChart.Points() >= 1 && logChart.XDataD(0, 0) != 0.0);

        AnswerDialog<TfrmSetupScale>(*p.w.frmSetupScale, [](TfrmSetupScale& d) {
            d.edtMaxScale->setText(QStringLiteral("99.7"));
            d.edtMinScale->setText(QStringLiteral("10.2"));
        });
        p.w.frmGraph->mnuRange->trigger();
        AnswerDialog<TfrmSetupScale>(*p.w.frmSetupScale, [](TfrmSetupScale& d) {
            d.edtMaxScale->setText(QStringLiteral("500"));
            d.edtMinScale->setText(QStringLiteral("400"));
        });
        p.w.frmGraphList->mnuRange->trigger();
        QCOMPARE(logChart.ManualMaxY(), 500.0);

        p.w.frmMain->ShutDown();
        const SettingsVars stored = settings_.Stored();
        QCOMPARE(stored.MaxScale, 99);
        QCOMPARE(stored.MinScale, 10);
    }
};

QTEST_MAIN(TestWindowSet)
#include "tst_window_set.moc"
