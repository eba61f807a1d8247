// SPDX-License-Identifier: GPL-3.0-or-later
// The alarms in the windows, against the simulated meter with the heartbeat ticked
// by hand: the Alarms dialog from the live graph's and the panel's menus stores
// the rules; when an alarm rises the status line says which display and value,
// the live graph draws the limit and marks the span, the tray's icon changes and a
// notification says it, the sound is due until Acknowledge; when it clears all of
// it goes back, the span closed.
#include "app/ui/window_set.h"
#include "base/day_count.h"
#include "base/ui/message_box.h"
#include "graph/ui/plot_chart.h"
#include "meter_emulator.h"
#include "search_to_end.h"
#include "support/scratch_settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

class TestAlarmWindows : public QObject {
    Q_OBJECT
    ScratchSettings settings_;

    struct Program {
        double now = CurrentDayCount();
        int64_t ms = 0;
        MeterEmulator meter{301};
        std::unique_ptr<RecordingSession> session;
        std::unique_ptr<WindowSet> w;

        bool Start(std::unique_ptr<QSettings> store) {
            if (!meter.OpenPty())
                return false;
            meter.SetDrift(false);
            meter.SetTemperature(0, 25.0);
            meter.SetTemperature(1, 40.0);
            session = std::make_unique<RecordingSession>(
                std::move(store), QStringList{meter.DevicePath()},
                Heartbeat::Clock{[this] { return now; }, [this] { return ms; }});
            w = std::make_unique<WindowSet>(*session);
            w->Form1->Timer1.stop();
            session->Search().SetDelays({0, 0, 150, 0});
            if (!SearchToEnd(*session).value_or(PortSearch::Result{}).Found)
                return false;
            session->StartRecording();
            session->ThTimer1.stop(); // ticked by hand
            return true;
        }
        // The meter shows celsius on its main display from the next tick on.
        void Second(double celsius) {
            meter.SetTemperature(0, celsius);
            now += 1.0 / 86400.0;
            ms += 1000;
            session->ThTimer1Timer();
            QVERIFY(QTest::qWaitFor([&] { return session->State().Link.FrameSeen; }, 3000));
        }
    };

private slots:
    void initTestCase() { Q_INIT_RESOURCE(brackwater); }

    void dialogStoresTheRules() {
        Program p;
        QVERIFY(p.Start(settings_.Store(CompleteSettings(301, "/dev/none"))));
        TfrmAlarms& dialog = *p.w->frmAlarms;
        p.w->frmGraph->mnuAlarms->trigger();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.cboUnit->currentText(), QStringLiteral("\u00b0C")); // the meter's unit
        QCOMPARE(dialog.Rows[0].High->suffix(), QStringLiteral(" \u00b0C"));
        QVERIFY(!dialog.Rows[0].High->isEnabled());
        dialog.Rows[0].HighOn->setChecked(true);
        QVERIFY(dialog.Rows[0].High->isEnabled());
        dialog.Rows[0].High->setValue(30.5);
        dialog.Rows[0].Delay->setValue(5);
        dialog.Rows[0].Hysteresis->setValue(1.5);
        dialog.Rows[1].LowOn->setChecked(true);
        dialog.Rows[1].Low->setValue(-5);
        dialog.cboUnit->setCurrentIndex(1);
        QCOMPARE(dialog.Rows[1].Low->suffix(), QStringLiteral(" \u00b0F"));
        dialog.chkNoReading->setChecked(true);
        dialog.edtNoReading->setValue(45);
        dialog.chkSound->setChecked(true);
        QSignalSpy changed(p.session.get(), &RecordingSession::AlarmRulesChanged);
        dialog.BitBtn1->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(changed.count(), 1);

        AlarmRules expected;
        expected.Channel[0].High = 30.5;
        expected.Channel[0].DelaySeconds = 5;
        expected.Channel[0].Hysteresis = 1.5;
        expected.Channel[1].Low = -5;
        expected.Unit = QStringLiteral("F");
        expected.NoReadingSeconds = 45;
        expected.Sound = true;
        QVERIFY(p.session->Alarms().Rules() == expected);
        // Kept in the settings at once, not only at the end.
        SettingsStore stored(std::make_unique<QSettings>(settings_.Path(), QSettings::IniFormat));
        QVERIFY(stored.ReadAlarms() == expected);

        // Opened again from the panel's menu it shows them.
        p.w->frmPanel->mnuAlarms->trigger();
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.Rows[0].HighOn->isChecked());
        QCOMPARE(dialog.Rows[0].High->value(), 30.5);
        QCOMPARE(dialog.cboUnit->currentText(), QStringLiteral("\u00b0F"));
        QCOMPARE(dialog.edtNoReading->value(), 45);

        // A low limit not below the high one is refused with a warning, and the dialog stays.
        QStringList shown;
        const MessageDisplay before =
            SetMessageDisplay([&](QWidget*, MessageKind kind, const QString& message) {
                QCOMPARE(kind, MessageKind::Warning);
                shown << message;
            });
        dialog.Rows[0].LowOn->setChecked(true);
        dialog.Rows[0].Low->setValue(40);
        dialog.BitBtn1->click();
        SetMessageDisplay(before);
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].contains(QStringLiteral("must be below its high limit")),
                 qPrintable(shown[0]));
        QVERIFY(dialog.isVisible());
        QVERIFY(!p.session->Alarms().Rules().Channel[0].Low);
        dialog.BitBtn2->click();
        QVERIFY(!dialog.isVisible());
    }

    void alarmIsShownEverywhereUntilItClears() {
        Program p;
        QVERIFY(p.Start(settings_.Store(CompleteSettings(301, "/dev/none"))));
        AlarmRules rules;
        rules.Channel[0].High = 30;
        rules.Channel[0].Hysteresis = 1;
        rules.Channel[1].Low = 10;
        rules.Sound = true;
        QCOMPARE(p.session->SetAlarmRules(rules), QString());
        TForm1& tray = *p.w->Form1;
        TfrmMain& main = *p.w->frmMain;
        PlotChart& chart = *p.w->frmGraph->PlotChart1;
        const QIcon usual = tray.Icon();

        // The limits are drawn before any alarm, in the display's colour.
        QCOMPARE(chart.Guides().Lines().size(), size_t(2));
        QCOMPARE(chart.Guides().Lines()[0].Value, 30.0);
        QCOMPARE(chart.Guides().Lines()[0].Label, QStringLiteral("Main high 30 \u00b0C"));
        QCOMPARE(chart.Guides().Lines()[1].Label, QStringLiteral("Second low 10 \u00b0C"));
        QVERIFY(chart.Guides().Spans().empty());

        QSignalSpy beeps(p.session.get(), &RecordingSession::AlarmSoundDue);
        p.Second(25.0);
        p.Second(34.5);
        const QString linked = main.lblComStatus->text();
        QVERIFY2(linked.startsWith(QStringLiteral("Thermometer is connected at")),
                 qPrintable(linked));
        p.Second(34.5); // the tick that sees 34.5
        QCOMPARE(main.lblComStatus->text(), QStringLiteral("ALARM: Main 34.5 C above 30 C"));
        QVERIFY(main.lblComStatus->toolTip().contains(linked));
        QVERIFY(tray.AlarmShown());
        QVERIFY(tray.Icon().cacheKey() != usual.cacheKey());
        QVERIFY2(tray.LastNotification().contains(
                     QStringLiteral("Channel 1 (main) 34.5 C is above the high limit 30 C")),
                 qPrintable(tray.LastNotification()));
        QCOMPARE(chart.Guides().Spans().size(), size_t(1));
        QVERIFY(!chart.Guides().Spans()[0].To);
        QCOMPARE(chart.Guides().Spans()[0].From, p.now);
        QCOMPARE(beeps.count(), 1);
        QVERIFY(tray.Acknowledge1->isEnabled());
        QVERIFY(p.w->frmAlarms->btnAcknowledge->isEnabled());

        // Acknowledge: the sound stops, the marking stays; the status follows the value.
        tray.Acknowledge1->trigger();
        QVERIFY(!tray.Acknowledge1->isEnabled());
        p.Second(29.5);
        QCOMPARE(beeps.count(), 1);
        QCOMPARE(main.lblComStatus->text(), QStringLiteral("ALARM: Main 34.5 C above 30 C"));
        p.Second(29.5);
        QCOMPARE(main.lblComStatus->text(), QStringLiteral("ALARM: Main 29.5 C above 30 C"));
        QVERIFY(tray.AlarmShown());

        p.Second(28.0);
        p.Second(28.0); // back inside by the margin
        QCOMPARE(main.lblComStatus->text(), linked);
        QVERIFY(!tray.AlarmShown());
        QCOMPARE(tray.Icon().cacheKey(), usual.cacheKey());
        QVERIFY2(tray.LastNotification().contains(QStringLiteral("alarm cleared")),
                 qPrintable(tray.LastNotification()));
        QCOMPARE(chart.Guides().Spans().size(), size_t(1));
        QCOMPARE(chart.Guides().Spans()[0].To.value_or(0), p.now);
        QCOMPARE(p.w->frmAlarms->lblState->text(), QStringLiteral("No alarm is up."));
    }
};

QTEST_MAIN(TestAlarmWindows)
#include "tst_alarm_windows.moc"
