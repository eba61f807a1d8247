// Live graph: AddPoint with its redraw, with 4,999 points stored in two series,
// against the same with 100 points stored (offscreen, window at its design size).

#include "app/day_count.h"
#include "app/recording_session.h"
#include "graph/ui/live_graph_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {
constexpr int Timed = 500;
constexpr double Second = 1.0 / 86400.0;

double UsPerAddPoint(TfrmGraph& graph, double& t, int& i) {
    QElapsedTimer clock;
    clock.start();
    for (int n = 0; n < Timed; ++n, ++i, t += Second) {
        graph.AddPoint(false, false, 20.0f + (i % 37) * 0.3f, t, 48.0f - (i % 23) * 0.2f);
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
    graph.InitLiveGraph();
    graph.show();
    QCoreApplication::processEvents();

    double t = CurrentDayCount();
    int i = 0;
    while (graph.NextPoint() < 100)
        graph.AddPoint(false, false, 20.0f, t += Second, 48.0f), ++i;
    const double small = UsPerAddPoint(graph, t, i);
    while (graph.NextPoint() < TfrmGraph::PointCount - 1)
        graph.AddPoint(false, false, 20.0f + (i % 37) * 0.3f, t += Second, 48.0f), ++i;
    // From here the window stays between 4,900 and 4,999 points, dropping 100 as it fills.
    const double full = UsPerAddPoint(graph, t, i);
    std::printf("addpoint_redraw_us_at_100: %.1f\n", small);
    std::printf("addpoint_redraw_us_at_4999: %.1f\n", full);
    std::printf("addpoint_redraw_ratio_4999_to_100: %.2f\n", full / small);
    return 0;
}
