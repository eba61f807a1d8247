// SPDX-License-Identifier: GPL-3.0-or-later
// CPU used while recording: the simulated meter on a pseudo-terminal, the heartbeat
// on a real one-second timer, the log and the live graph windows shown, one sample
// a second into each. --prefill N first records N simulated seconds as fast as the
// meter answers (to look at a filled log and graph); --seconds S sets the measured span.

#include "base/day_count.h"
#include "graph/ui/live_graph_window.h"
#include "graph/ui/plot_chart.h"
#include "log/log_table.h"
#include "log/ui/log_window.h"
#include "meter_emulator.h"
#include "recording/recording_session.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <optional>
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
    QTemporaryDir scratch;
    const QString ini = scratch.filePath(QStringLiteral("bench.ini"));
    {
        QSettings settings(ini, QSettings::IniFormat);
        for (const auto& [key, value] : {std::pair{"GraphingRate", 1},
                                         {"ListingRate", 1},
                                         {"MaxScale", 100},
                                         {"MinScale", 0},
                                         {"ShowReso", 0},
                                         {"LastConnectedPort", 0},
                                         {"LastModel", 303}})
            settings.setValue(QLatin1String(key), value);
    }

    // Simulated seconds while prefilling, then the wall clock, the monotonic count running on.
    bool simulated = true;
    double simNow = CurrentDayCount() - prefill / 86400.0;
    int64_t simMs = 0;
    QElapsedTimer real;
    RecordingSession session(std::make_unique<QSettings>(ini, QSettings::IniFormat),
                             {meter.DevicePath()},
                             {[&] { return simulated ? simNow : CurrentDayCount(); },
                              [&] { return simulated ? simMs : simMs + int64_t(real.elapsed()); }});
    session.Search().SetPortSource([&] { return QStringList{meter.DevicePath()}; });
    session.Search().SetDelays({0, 0, 300, 100});
    std::optional<bool> found;
    QObject::connect(&session.Search(), &PortSearch::Finished,
                     [&](const PortSearch::Result& result) { found = result.Found; });
    session.RunSearch();
    while (!found)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    if (!*found)
        return 1;

    TfrmList list(session);
    TfrmGraph graph(session);
    session.StartRecording();
    session.InitLogTable();
    session.ThTimer1.stop(); // prefilling ticks by hand
    list.setGeometry(10, 40, 600, 560);
    graph.setGeometry(630, 40, 640, 560);
    list.show();
    graph.show();

    if (prefill > 0) {
        // The graph's time window starts where the simulated seconds do.
        graph.PlotChart1->SetManualMinX(simNow);
        graph.PlotChart1->SetManualMaxX(simNow + graph.XSpan());
        meter.SetDrift(false);
        const LinkState& link = session.State().Link;
        for (int i = 0; i <= prefill; ++i) {
            // A probe warming up in a bath, the second channel cooling slowly.
            const double s = i;
            meter.SetTemperature(0, 22.0 + 48.0 * (1 - std::exp(-s / 150.0)) +
                                        1.5 * std::sin(s / 40.0));
            meter.SetTemperature(1, 61.0 - 18.0 * (1 - std::exp(-s / 400.0)) +
                                        0.8 * std::sin(s / 25.0));
            simNow += 1 / 86400.0;
            simMs += 1000;
            session.ThTimer1Timer();
            QElapsedTimer wait;
            wait.start();
            while (!link.FrameSeen && wait.elapsed() < 1000)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        meter.SetDrift(true);
    }
    simulated = false;
    real.start();
    session.ThTimer1.start();

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
