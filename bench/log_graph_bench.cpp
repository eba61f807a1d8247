// Log graph at scale, offscreen: building the graph of a 1,000,000-row two-channel
// table (against appending those rows to the table and reading their cells back),
// one redraw of all 1M x 2 points and of a zoomed tenth at 1200 x 700 with thin
// lines (against a bare QCustomPlot redraw of 5,000 x 2 and of 1M x 2 points), and
// the memory the graph adds per point at 2.6M x 2 points.
// --rows N sets the size of the large table (default 2,600,000; 0 skips it).

#include "base/day_count.h"
#include "graph/chart_data.h"
#include "graph/graph_progress.h"
#include "graph/log_graph_build.h"
#include "graph/ui/log_graph_window.h"
#include "graph/ui/plot_chart.h"
#include "log/log_table.h"
#include "recording/recording_session.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <malloc.h>
#include <qcustomplot.h>
#include <unistd.h>

namespace {
constexpr int Width = 1200;
constexpr int Height = 700;
constexpr int Repeats = 15;

double ResidentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) : 0;
}

// A month-like run: one row a second, a slow swing with noise, the odd overload.
void Record(LogTable& table, const RecordingSession& session, int rows) {
    CurrentReading r = session.Reading();
    r.ModelCode = 303;
    r.ChannelCount = 2;
    r.SubUnitText = QStringLiteral("C");
    const double t0 = DayCountFromDateTime(QDateTime(QDate(2026, 11, 1), QTime(0, 0)));
    for (int i = 0; i < rows; ++i) {
        r.MainValue = 60 + 40 * std::sin(i / 5000.0) + (i * 7919 % 101) / 50.0;
        r.SubValue = 20 + 5 * std::cos(i / 800.0);
        r.MainOverload = i % 10007 == 0;
        table.AppendLogRow({t0 + i / 86400.0, r}, session.Settings().LogDateFormat);
    }
}

// The median of repeated full redraws of the whole chart, all layers.
double MedianReplotMs(QCustomPlot& plot) {
    std::vector<double> ms;
    for (int i = 0; i < Repeats; ++i) {
        QElapsedTimer clock;
        clock.start();
        plot.replot();
        ms.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::nth_element(ms.begin(), ms.begin() + Repeats / 2, ms.end());
    return ms[Repeats / 2];
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
    return MedianReplotMs(plot);
}

// The build runs on a worker thread; the graph is shown when it has ended.
void BuildAndWait(TfrmGraphList& graph) {
    QSignalSpy built(&graph, &TfrmGraphList::GraphBuilt);
    graph.BuildLogGraph();
    built.wait(600000);
    QCoreApplication::processEvents();
}
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--rows"));
    const int largeRows = at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : 2600000;

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

    const int rows = 1000000;
    LogTable& table = session.Log(); // the log graph takes its rows from the core
    QElapsedTimer clock;
    clock.start();
    Record(table, session, rows);
    const double fillS = clock.nsecsElapsed() / 1e9;
    clock.restart();
    qsizetype characters = 0;
    for (int row = 1; row < table.RowCount(); ++row)
        for (const int column : {1, 2, 3, 5})
            characters += table.Cell(row, column).size();
    const double cellsS = clock.nsecsElapsed() / 1e9;

    // The conversion alone, then the whole action (set-up, conversion, first redraw).
    ChartData data;
    const LogGraphBuild build(table, session.Settings().LogDateFormat);
    data.SetSubsets(2);
    data.SetPoints(build.Rows());
    NoProgress none;
    clock.restart();
    build.Fill(data, none, build.FirstAndLast().first);
    const double fillOnlyS = clock.nsecsElapsed() / 1e9;

    TfrmGraphList graph(session);
    graph.resize(Width, Height);
    clock.restart();
    BuildAndWait(graph);
    const double buildS = clock.nsecsElapsed() / 1e9;

    PlotChart& chart = *graph.PlotChart1;
    // Every row but the overloads must have become a point, or the figures mean nothing.
    int set = 0;
    for (int s = 0; s < chart.Subsets(); ++s)
        for (int i = 0; i < chart.Points(); ++i)
            set += chart.XDataD(s, i) != 0.0;
    auto* plot = chart.findChild<QCustomPlot*>();
    plot->resize(Width, Height);
    chart.Redraw();
    const double fullMs = MedianReplotMs(*plot);
    plot->xAxis->setRange(plot->xAxis->range().lower + plot->xAxis->range().size() * 0.45,
                          plot->xAxis->range().lower + plot->xAxis->range().size() * 0.55);
    const double zoomMs = MedianReplotMs(*plot);

    const double bare5k = BareReplotMs(5000);
    const double bare1m = BareReplotMs(rows);

    std::printf("table_fill_1m_s: %.3f\n", fillS);
    std::printf("table_cells_read_1m_s: %.3f\n", cellsS);
    std::printf("build_1m_conversion_s: %.3f\n", fillOnlyS);
    std::printf("build_1m_s: %.3f\n", buildS);
    std::printf("build_to_table_fill_ratio: %.2f\n", buildS / fillS);
    std::printf("build_1m_points_set: %d\n", set);
    std::printf("redraw_1m_ms_full: %.2f\n", fullMs);
    std::printf("redraw_1m_ms_zoom: %.2f\n", zoomMs);
    std::printf("bare_qcustomplot_redraw_5k_ms: %.2f\n", bare5k);
    std::printf("bare_qcustomplot_redraw_1m_ms: %.2f\n", bare1m);
    std::printf("redraw_1m_full_to_bare_5k_ratio: %.2f\n", fullMs / bare5k);
    std::printf("redraw_1m_zoom_to_bare_5k_ratio: %.2f\n", zoomMs / bare5k);
    std::fflush(stdout);
    if (characters == 0 || largeRows <= 0)
        return 0;

    // Memory at 2.6M x 2: the table first, then what the graph adds to it.
    table.Clear();
    Record(table, session, largeRows);
    TfrmGraphList big(session);
    big.resize(Width, Height);
    malloc_trim(0);
    const double before = ResidentBytes();
    BuildAndWait(big);
    malloc_trim(0);
    const double added = ResidentBytes() - before;
    const double points = 2.0 * largeRows;
    std::printf("graph_points: %.0f\n", points);
    std::printf("graph_bytes_per_point: %.1f\n", added / points);
    std::printf("graph_stored_bytes_per_point: %zu\n", sizeof(double) + sizeof(float));
    return 0;
}
