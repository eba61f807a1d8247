// SPDX-License-Identifier: GPL-3.0-or-later
// Log graph of a month, offscreen, at 1200 x 700: Output To Graph of 2.6 million
// two-channel rows (the build and its first drawing, CPU and wall time) against
// opening the same month's file with the log's reader in the same run; the build's
// conversion alone; a full redraw of the month's 5.2 million points and of a zoomed
// tenth against one of 200,000 points over the same month (every 26th row, so the
// picture is the same and only the points differ), in CPU time, as it stands and
// moved sideways at each redraw (the line found anew each time); a bare QCustomPlot
// redraw of 5,000 x 2 points for scale; and the memory the graph adds per point.
// --rows N sets the size of the month (default 2,600,000).

#include "graph/chart_data.h"
#include "graph/graph_progress.h"
#include "graph/log_graph_build.h"
#include "graph/ui/log_graph_window.h"
#include "graph/ui/plot_chart.h"
#include "log/log_file_reader.h"
#include "log/log_table.h"
#include "month_rows.h"
#include "recording/recording_session.h"
#include "resident_memory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <malloc.h>
#include <qcustomplot.h>

namespace {
constexpr int Width = 1200;
constexpr int Height = 700;
constexpr int Repeats = 31;
constexpr int SmallPoints = 200000;

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + t.tv_nsec / 1e9;
}

// Wall and CPU seconds of one action.
struct Timing {
    double wall;
    double cpu;
};
template <class Action> Timing Time(Action&& action) {
    QElapsedTimer clock;
    clock.start();
    const double cpu = CpuSeconds();
    action();
    return {clock.nsecsElapsed() / 1e9, CpuSeconds() - cpu};
}

double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// Medians of full redraws of whole charts (all layers), in CPU milliseconds: the
// machine is shared, and the charts take turns so that each sees the same load.
// Moved, each redraw shows the time axis moved by a few seconds, so the line is
// found anew from the points.
std::vector<double> MedianReplotMs(const std::vector<QCustomPlot*>& plots, bool moved = false) {
    std::vector<std::vector<double>> ms(plots.size());
    for (int i = 0; i < Repeats; ++i)
        for (size_t p = 0; p < plots.size(); ++p) {
            if (moved) {
                const double shift = i % 2 ? 5.0 : -5.0;
                plots[p]->xAxis->setRange(plots[p]->xAxis->range().lower + shift,
                                          plots[p]->xAxis->range().upper + shift);
            }
            const double start = ThreadCpuMs();
            plots[p]->replot();
            ms[p].push_back(ThreadCpuMs() - start);
        }
    std::vector<double> medians;
    for (const std::vector<double>& m : ms)
        medians.push_back(Median(m));
    return medians;
}

// A bare QCustomPlot with two graphs of n points each, as plain as the chart's looks.
double BareReplotMs(int n) {
    QCustomPlot plot;
    plot.resize(Width, Height);
    plot.setPlottingHint(QCP::phFastPolylines, true);
    for (int g = 0; g < 2; ++g) {
        QVector<double> keys(n), values(n);
        for (int i = 0; i < n; ++i) {
            keys[i] = i;
            values[i] = g * 30 + 60 + 40 * std::sin(i / 5000.0) + (i * 7919 % 101) / 50.0;
        }
        plot.addGraph()->setData(keys, values, true);
    }
    plot.rescaleAxes();
    plot.show();
    QCoreApplication::processEvents();
    return MedianReplotMs({&plot})[0];
}

QCustomPlot& Plot(TfrmGraphList& graph) {
    auto* plot = graph.PlotChart1->findChild<QCustomPlot*>();
    plot->resize(Width, Height);
    graph.PlotChart1->Redraw();
    return *plot;
}

// The build runs on a worker thread; the graph is shown when it has ended.
void BuildAndWait(TfrmGraphList& graph) {
    QSignalSpy built(&graph, &TfrmGraphList::GraphBuilt);
    graph.BuildLogGraph();
    built.wait(600000);
    QCoreApplication::processEvents();
}

void Print(const char* name, double value, const char* format = "%s: %.3f\n") {
    std::printf(format, name, value);
    std::fflush(stdout);
}
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--rows"));
    const int rows = at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : MonthRows::Month;

    QTemporaryDir scratch;
    const QString ini = scratch.filePath(QStringLiteral("bench.ini"));
    {
        QSettings settings(ini, QSettings::IniFormat);
        for (const auto& [key, value] : {std::pair{"GraphingRate", 1},
                                         {"ListingRate", 1},
                                         {"MaxScale", 120},
                                         {"MinScale", 0},
                                         {"ShowReso", 0},
                                         {"LastConnectedPort", 0},
                                         {"LastModel", 303}})
            settings.setValue(QLatin1String(key), value);
    }
    RecordingSession session(std::make_unique<QSettings>(ini, QSettings::IniFormat), {});
    session.SetLogDateFormat(QStringLiteral("d/M/yyyy"));

    // The month through the log's reader: the baseline of the same run.
    const QString month = scratch.filePath(QStringLiteral("month.txt"));
    if (!MonthRows::WriteFile(month, rows))
        return 1;
    LogTable& table = session.Log(); // the log graph takes its rows from the core
    table.SetLocale(QLocale::c());
    const Timing open = Time([&] {
        LogFileReader reader(QLatin1Char('\t'));
        if (!reader.Open(month) || !reader.ReadAll())
            std::exit(1);
        table.LoadRows(reader.TakeRows());
    });
    QFile::remove(month);
    if (table.RowCount() - 1 != rows)
        return 1;

    // The conversion alone, into a bare point store.
    const LogGraphBuild build(table, session.Settings().LogDateFormat);
    double fillCpu = 0;
    {
        ChartData data;
        data.SetSubsets(2);
        data.SetPoints(build.Rows());
        NoProgress none;
        fillCpu = Time([&] { build.Fill(data, none, build.FirstAndLast().first); }).cpu;
    }

    // Output To Graph: the build and its first drawing, and what it adds to memory.
    TfrmGraphList graph(session);
    graph.resize(Width, Height);
    malloc_trim(0);
    const long before = ResidentBytes();
    const Timing built = Time([&] { BuildAndWait(graph); });
    malloc_trim(0);
    const double bytesPerPoint = double(ResidentBytes() - before) / (2.0 * rows);
    PlotChart& chart = *graph.PlotChart1;
    // Every row but the overloads must have become a point, or the figures mean nothing.
    int set = 0;
    for (int s = 0; s < chart.Subsets(); ++s)
        for (int i = 0; i < chart.Points(); ++i)
            set += chart.XDataD(s, i) != 0.0;

    // The same month with fewer points.
    RecordingSession smallSession(std::make_unique<QSettings>(ini, QSettings::IniFormat), {});
    smallSession.SetLogDateFormat(QStringLiteral("d/M/yyyy"));
    LogTable& small = smallSession.Log();
    small.SetLocale(QLocale::c());
    const int step = std::max(1, rows / (SmallPoints / 2));
    small.LoadRows(MonthRows::Store(rows / step, step));
    TfrmGraphList smallGraph(smallSession);
    smallGraph.resize(Width, Height);
    BuildAndWait(smallGraph);

    QCustomPlot& plot = Plot(graph);
    QCustomPlot& smallPlot = Plot(smallGraph);
    const std::vector<double> full = MedianReplotMs({&plot, &smallPlot});
    const std::vector<double> moved = MedianReplotMs({&plot, &smallPlot}, true);
    plot.xAxis->setRange(plot.xAxis->range().lower + plot.xAxis->range().size() * 0.45,
                         plot.xAxis->range().lower + plot.xAxis->range().size() * 0.55);
    const double zoomMs = MedianReplotMs({&plot})[0];
    const double fullMs = full[0];
    const double smallMs = full[1];
    const double bare5k = BareReplotMs(5000);

    Print("rows", rows, "%s: %.0f\n");
    Print("open_2_6m_s", open.wall);
    Print("open_2_6m_cpu_s", open.cpu);
    Print("graph_fill_2_6m_cpu_s", fillCpu);
    Print("graph_build_2_6m_s", built.wall);
    Print("graph_build_2_6m_cpu_s", built.cpu);
    Print("graph_build_to_open_cpu_ratio", built.cpu / open.cpu, "%s: %.2f\n");
    Print("graph_points_set", set, "%s: %.0f\n");
    Print("graph_bytes_per_point", bytesPerPoint, "%s: %.1f\n");
    Print("redraw_5m_ms_full", fullMs, "%s: %.2f\n");
    Print("redraw_5m_ms_zoom", zoomMs, "%s: %.2f\n");
    Print("redraw_200k_ms_full", smallMs, "%s: %.2f\n");
    Print("redraw_ratio_5m_to_200k", fullMs / smallMs, "%s: %.2f\n");
    Print("redraw_moved_5m_ms", moved[0], "%s: %.2f\n");
    Print("redraw_moved_200k_ms", moved[1], "%s: %.2f\n");
    Print("redraw_moved_ratio_5m_to_200k", moved[0] / moved[1], "%s: %.2f\n");
    Print("bare_qcustomplot_redraw_5k_ms", bare5k, "%s: %.2f\n");
    Print("redraw_5m_full_to_bare_5k_ratio", fullMs / bare5k, "%s: %.2f\n");
    return 0;
}
