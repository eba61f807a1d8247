// CPU used while recording: the simulated meter on a pseudo-terminal, the heartbeat
// on a real one-second timer, the log and the live graph windows shown, one sample
// a second into each. --prefill N first records N simulated seconds as fast as the
// meter answers (to look at a filled log and graph); --seconds S sets the measured span.

#include "app/app_state.h"
#include "app/day_count.h"
#include "graph/ui/live_graph_window.h"
#include "graph/ui/plot_chart.h"
#include "link/meter_link.h"
#include "log/log_table.h"
#include "log/ui/log_window.h"
#include "meter/heartbeat.h"
#include "meter_emulator.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <sys/resource.h>

namespace {
double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

int Argument(const QStringList& args, const QString& name, int fallback) {
    const qsizetype i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args[i + 1].toInt() : fallback;
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int prefill = Argument(app.arguments(), QStringLiteral("--prefill"), 0);
    const int seconds = Argument(app.arguments(), QStringLiteral("--seconds"), 60);

    MeterEmulator meter(303);
    if (!meter.OpenPty())
        return 1;
    AppState state;
    state.Reading.ModelCode = 303;
    state.Reading.ChannelCount = 2;
    state.Reading.ModelText = QStringLiteral("Two channel, K type thermometer.");
    state.Settings.ListingRate = 1;
    state.Settings.GraphingRate = 1;
    state.Settings.MinScale = 0;
    state.Settings.MaxScale = 100;
    state.Settings.LogDateFormat = QStringLiteral("d/M/yyyy");
    MeterLink link(state.Reading, state.Link);
    link.Comm1.SetDeviceName(meter.DevicePath());
    link.Comm1.SetActive(true);

    TfrmList list(state);
    TfrmGraph graph(state);
    list.InitLogTable();
    graph.InitLiveGraph();
    list.btnRunClick();
    graph.btnRunClick();
    list.setGeometry(10, 40, 600, 560);
    graph.setGeometry(630, 40, 640, 560);
    list.show();
    graph.show();

    // Simulated seconds while prefilling, then the wall clock, the monotonic count running on.
    bool simulated = true;
    double simNow = CurrentDayCount() - prefill / 86400.0;
    int64_t simMs = 0;
    QElapsedTimer real;
    Heartbeat beat(
        state, link.Comm1,
        {[&] { return graph.NextPoint(); },
         [&](bool mo, bool so, float m, double t, float s) { graph.AddPoint(mo, so, m, t, s); },
         [&] { return list.Row1Empty(); }, [&](double t) { list.AppendLogRow(t); },
         [&] {
             list.ShowPaused();
             graph.ShowPaused();
         }},
        {[&] { return simulated ? simNow : CurrentDayCount(); },
         [&] { return simulated ? simMs : simMs + real.elapsed(); }});

    int interval = Heartbeat::InitialInterval;
    if (prefill > 0) {
        // The graph's time window starts where the simulated seconds do.
        graph.PlotChart1->SetManualMinX(simNow);
        graph.PlotChart1->SetManualMaxX(simNow + graph.XSpan());
        meter.SetDrift(false);
        for (int i = 0; i <= prefill; ++i) {
            // A probe warming up in a bath, the second channel cooling slowly.
            const double s = i;
            meter.SetTemperature(0, 22.0 + 48.0 * (1 - std::exp(-s / 150.0)) +
                                        1.5 * std::sin(s / 40.0));
            meter.SetTemperature(1, 61.0 - 18.0 * (1 - std::exp(-s / 400.0)) +
                                        0.8 * std::sin(s / 25.0));
            simNow += 1 / 86400.0;
            simMs += 1000;
            interval = beat.Tick(interval);
            QElapsedTimer wait;
            wait.start();
            while (!state.Link.FrameSeen && wait.elapsed() < 1000)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        meter.SetDrift(true);
    }
    simulated = false;
    real.start();

    QTimer ThTimer1;
    ThTimer1.setTimerType(Qt::PreciseTimer);
    ThTimer1.setInterval(interval);
    QObject::connect(&ThTimer1, &QTimer::timeout,
                     [&] { ThTimer1.setInterval(beat.Tick(ThTimer1.interval())); });
    ThTimer1.start();

    const int rowsBefore = list.Table->RowCount();
    const double cpuBefore = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    app.exec();
    const double cpu = CpuSeconds() - cpuBefore;
    std::printf("cpu_percent_of_one_core: %.3f\n", 100.0 * cpu / (wall.elapsed() / 1000.0));
    std::printf("cpu_ms_per_second: %.2f\n", 1000.0 * cpu / (wall.elapsed() / 1000.0));
    std::printf("rows_recorded: %d\n", list.Table->RowCount() - rowsBefore);
    std::printf("graph_points: %d\n", graph.NextPoint());
    return 0;
}
