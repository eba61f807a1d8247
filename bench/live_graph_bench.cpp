// SPDX-License-Identifier: GPL-3.0-or-later
// Live graph: AddPoint with its redraw, with 4,999 points stored in two series,
// against the same with 100 points stored (offscreen, window at its design size),
// with thick lines (as at start) and thin ones. Then the three ways of drawing the
// line of 4,999 points that were weighed: a one-pixel line, the 2.5-pixel smoothed
// pen, and four smoothed one-pixel strokes around the line, which thick lines use.

#include "base/day_count.h"
#include "graph/chart_data.h"
#include "graph/ui/graph_menus.h"
#include "graph/ui/live_graph_window.h"
#include "graph/ui/plot_chart.h"
#include "recording/recording_session.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>

namespace {
constexpr int Timed = 500;
constexpr double Second = 1.0 / 86400.0;

Sample Point(float mainValue, double time, float subValue) {
    Sample sample;
    sample.Time = time;
    sample.Reading.MainValue = mainValue;
    sample.Reading.SubValue = subValue;
    return sample;
}

double UsPerAddPoint(TfrmGraph& graph, double& t, int& i) {
    QElapsedTimer clock;
    clock.start();
    for (int n = 0; n < Timed; ++n, ++i, t += Second) {
        graph.AddPoint(Point(20.0f + (i % 37) * 0.3f, t, 48.0f - (i % 23) * 0.2f));
        QCoreApplication::processEvents();
    }
    return clock.nsecsElapsed() / 1000.0 / Timed;
}
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir scratch;
    RecordingSession session(std::make_unique<QSettings>(scratch.filePath(QStringLiteral("b.ini")),
                                                         QSettings::IniFormat),
                             {});
    session.Models().IdentifyModel("303\x13");
    session.SetGraphingRate(1);
    TfrmGraph graph(session);
    session.InitLiveGraph();
    graph.show();
    QCoreApplication::processEvents();

    double t = CurrentDayCount();
    int i = 0;
    while (graph.NextPoint() < 100)
        graph.AddPoint(Point(20.0f, t += Second, 48.0f)), ++i;
    const double small = UsPerAddPoint(graph, t, i);
    while (graph.NextPoint() < TfrmGraph::PointCount - 1)
        graph.AddPoint(Point(20.0f + (i % 37) * 0.3f, t += Second, 48.0f)), ++i;
    // From here the window stays between 4,900 and 4,999 points, dropping 100 as it fills.
    const double full = UsPerAddPoint(graph, t, i);
    std::printf("addpoint_redraw_us_at_100: %.1f\n", small);
    std::printf("addpoint_redraw_us_at_4999: %.1f\n", full);
    graph.Menus->mnuThinClick();
    const double thin = UsPerAddPoint(graph, t, i);
    std::printf("addpoint_redraw_ratio_4999_to_100: %.2f\n", full / small);
    std::printf("addpoint_redraw_us_at_4999_thin: %.1f\n", thin);
    std::printf("addpoint_thick_to_thin_ratio: %.2f\n", full / thin);

    ChartData data;
    data.SetSubsets(1);
    data.SetPoints(TfrmGraph::PointCount);
    for (int n = 0; n < TfrmGraph::PointCount - 1; ++n) {
        data.SetX(0, n, 46000 + n * Second);
        data.SetY(0, n, float(50 + 20 * std::sin(n / 300.0) + (n * 7919 % 13) * 0.1));
    }
    std::vector<ChartData::Point> outline;
    const int width = graph.PlotChart1->width(), height = graph.PlotChart1->height();
    data.Outline(0, {46000, 46000 + TfrmGraph::PointCount * Second}, width, outline);
    QVector<QPointF> line;
    for (const ChartData::Point& p : outline)
        line.append({(p.x - 46000) / (TfrmGraph::PointCount * Second) * width,
                     height - p.y / 100 * height});
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    const auto drawUs = [&](double penWidth, bool smooth, bool ring) {
        QElapsedTimer clock;
        clock.start();
        for (int n = 0; n < 50; ++n) {
            image.fill(Qt::transparent);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing, smooth);
            painter.setPen(QPen(Qt::blue, penWidth));
            const double d = ring ? 0.65 : 0.0;
            for (const QPointF offset :
                 {QPointF(0, -d), QPointF(0, d), QPointF(-d, 0), QPointF(d, 0)}) {
                painter.translate(offset);
                painter.drawPolyline(line.constData(), int(line.size()));
                painter.translate(-offset);
                if (!ring)
                    break;
            }
        }
        return clock.nsecsElapsed() / 1000.0 / 50;
    };
    const double thinUs = drawUs(1.0, false, false);
    const double penUs = drawUs(2.5, true, false);
    const double ringUs = drawUs(1.0, true, true);
    std::printf("line_points_drawn: %d\n", int(line.size()));
    std::printf("line_draw_us_thin: %.1f\n", thinUs);
    std::printf("line_draw_us_wide_smoothed_pen: %.1f\n", penUs);
    std::printf("line_draw_us_four_smoothed_strokes: %.1f\n", ringUs);
    std::printf("line_wide_pen_to_thin_ratio: %.2f\n", penUs / thinUs);
    std::printf("line_four_strokes_to_thin_ratio: %.2f\n", ringUs / thinUs);
    return 0;
}
