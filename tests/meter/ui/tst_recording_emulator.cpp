// Recording end to end against the simulated meter on a pseudo-terminal: the
// heartbeat polls, frames come back through the real port, and the log and the
// live graph fill at their rates. Ticks run on a fake clock, one simulated second
// each, as fast as the meter answers.

#include "app/day_count.h"
#include "graph/ui/live_graph_window.h"
#include "graph/ui/plot_chart.h"
#include "link/meter_link.h"
#include "log/log_table.h"
#include "log/ui/log_window.h"
#include "meter/heartbeat.h"
#include "meter_emulator.h"

#include <QTest>

class RecordingEmulatorTest : public QObject {
    Q_OBJECT
private slots:
    void recordsAndSurvivesSilence() {
        MeterEmulator meter(303);
        QVERIFY(meter.OpenPty());
        meter.SetDrift(false);
        meter.SetTemperature(0, 23.5);
        meter.SetTemperature(1, 48.0);

        AppState state;
        state.Reading.ModelCode = 303;
        state.Reading.ChannelCount = 2;
        state.Settings.ListingRate = 3;
        state.Settings.GraphingRate = 2;
        MeterLink link(state.Reading, state.Link);
        link.Comm1.SetDeviceName(meter.DevicePath());
        link.Comm1.SetActive(true);

        TfrmList list(state);
        TfrmGraph graph(state);
        list.Table->SetLocale(QLocale::c());
        list.InitLogTable();
        graph.InitLiveGraph();
        list.btnRunClick();
        graph.btnRunClick();

        QString status;
        double now = CurrentDayCount();
        int64_t ms = 0;
        Heartbeat beat(
            state, link.Comm1,
            {[&] { return graph.NextPoint(); },
             [&](bool mo, bool so, float m, double t, float s) { graph.AddPoint(mo, so, m, t, s); },
             [&] { return list.Row1Empty(); }, [&](double t) { list.AppendLogRow(t); },
             [&] {
                 status = QStringLiteral("No Connection");
                 list.ShowPaused();
                 graph.ShowPaused();
             }},
            {[&] { return now; }, [&] { return ms; }});
        int interval = Heartbeat::InitialInterval;
        // One simulated second: the tick polls, then the meter's answer (if any) arrives.
        const auto second = [&](bool expectAnswer) {
            now += 1.0 / 86400.0;
            ms += 1000;
            interval = beat.Tick(interval);
            if (expectAnswer)
                QVERIFY(QTest::qWaitFor([&] { return state.Link.FrameSeen; }, 2000));
            else
                QTest::qWait(30);
        };

        second(true); // the first frame connects; nothing is sampled before it
        QVERIFY(state.Link.MeterConnected);
        for (int i = 0; i < 30; ++i)
            second(true);
        // Rows at the first sampling tick and every third after it; points every second tick.
        QCOMPARE(list.Table->RowCount() - 1, 10);
        QCOMPARE(graph.NextPoint(), 15);
        QCOMPARE(list.Table->Cell(1, 3), QStringLiteral("23.5"));
        QCOMPARE(list.Table->Cell(10, 5), QStringLiteral("48.0"));
        QCOMPARE(list.Table->Cell(10, 6), QStringLiteral("C"));
        QCOMPARE(graph.PlotChart1->YData(0, 14), 23.5f);
        QCOMPARE(graph.PlotChart1->YData(1, 14), 48.0f);

        meter.SetSilentPolls(6);
        for (int i = 0; i < 6; ++i)
            second(false);
        QVERIFY(!state.Link.MeterConnected);
        QCOMPARE(status, QStringLiteral("No Connection"));
        QVERIFY(list.btnRun->isEnabled() && !list.btnPause->isEnabled());
        QVERIFY(graph.btnRun->isEnabled() && !graph.btnPause->isEnabled());
        const int rowsBefore = list.Table->RowCount();

        // The first answer reconnects; the nine ticks after it sample, every third one a row.
        meter.SetTemperature(0, 30.0);
        for (int i = 0; i < 10; ++i)
            second(true);
        QVERIFY(state.Link.MeterConnected);
        QCOMPARE(list.Table->RowCount(), rowsBefore + 3);
        QCOMPARE(list.Table->Cell(list.Table->RowCount() - 1, 3), QStringLiteral("30.0"));
        QCOMPARE(meter.PollCount(), quint64(47));
    }
};

QTEST_MAIN(RecordingEmulatorTest)
#include "tst_recording_emulator.moc"
