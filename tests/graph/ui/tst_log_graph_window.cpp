// SPDX-License-Identifier: GPL-3.0-or-later
// The log graph window: a build from the core's log table on a worker thread,
// with its progress, titles, series and start-up range; the empty table's
// message; rows recorded during the build left out; Cancel; zoom with Undo Zoom,
// and a new build, complete or cancelled, unzoomed;
// lines and marks; the two-point read-out in the status line; and a second build
// asked for while one runs.

#include "base/day_count.h"
#include "base/handler_guard.h"
#include "graph/ui/live_graph_window.h"
#include "graph/ui/log_graph_window.h"
#include "graph/ui/measure_marks.h"
#include "graph/ui/plot_chart.h"
#include "log/log_table.h"
#include "log/ui/print_progress_dialog.h"
#include "support/scratch_settings.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <qcustomplot.h>

namespace {
constexpr double Second = 1.0 / 86400.0;
const double T0 = DayCountFromDateTime(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));

void Record(LogTable& table, const RecordingSession& session, int model, int seconds) {
    CurrentReading reading = session.Reading();
    reading.ModelCode = model;
    reading.ChannelCount = (model == 301 || model == 303) ? 2 : 1;
    reading.SubUnitText = reading.ChannelCount == 2 ? QStringLiteral("C") : QStringLiteral("MM:SS");
    reading.SubText = QStringLiteral("01:00");
    for (int i = 0; i < seconds; ++i) {
        reading.MainValue = 20 + i * 0.1;
        reading.SubValue = 60 - i * 0.05;
        table.AppendLogRow({T0 + i * Second, reading}, session.Settings().LogDateFormat);
    }
}

// Builds from the core's table and waits until the graph is shown.
bool Build(TfrmGraphList& graph) {
    QSignalSpy built(&graph, &TfrmGraphList::GraphBuilt);
    graph.BuildLogGraph();
    return built.wait(20000);
}

// Drags a frame over the second quarter of the time shown.
void ZoomIn(TfrmGraphList& graph) {
    const PlotChart& chart = *graph.PlotChart1;
    auto* plot = chart.findChild<QCustomPlot*>();
    const double span = chart.ShownMaxX() - chart.ShownMinX();
    const QPoint from = chart.PixelAt(chart.ShownMinX() + span / 4, 80).toPoint();
    const QPoint to = chart.PixelAt(chart.ShownMinX() + span / 2, 10).toPoint();
    QTest::mousePress(plot, Qt::LeftButton, {}, from);
    QTest::mouseMove(plot, to);
    QTest::mouseRelease(plot, Qt::LeftButton, {}, to);
}
} // namespace

class LogGraphWindowTest : public QObject {
    Q_OBJECT
    ScratchSettings settings_;
private slots:
    void buildsTheTable() {
        auto session = settings_.Session(0, RangeSettings(0, 150));
        session->SetLogDateFormat(QStringLiteral("d/M/yyyy"));
        Record(session->Log(), *session, 303, 600);
        // The live graph's current range is not the log graph's.
        TfrmGraph live(*session);
        session->InitLiveGraph();
        live.PlotChart1->SetManualMaxY(999);

        TfrmGraphList graph(*session);
        TfrmPrintProgress progress;
        graph.SetProgressDialog(&progress);
        QSignalSpy built(&graph, &TfrmGraphList::GraphBuilt);
        graph.BuildLogGraph();
        QVERIFY(progress.isVisible());
        QCOMPARE(progress.windowTitle(), QStringLiteral("Graphing Progress"));
        QCOMPARE(progress.Label1->text(), QStringLiteral("graphing....."));
        QCOMPARE(progress.ProgressBar1->maximum(), 600);
        QVERIFY(built.wait(20000));
        QVERIFY(!progress.isVisible());
        QCOMPARE(progress.ProgressBar1->value(), 600);
        QVERIFY(graph.isVisible());
        QCOMPARE(graph.windowTitle(), QStringLiteral("Graphing from  Tabular"));
        const PlotChart& chart = *graph.PlotChart1;
        QCOMPARE(graph.SeriesCount, 2);
        QCOMPARE(chart.Subsets(), 2);
        QCOMPARE(chart.Points(), 600);
        QCOMPARE(chart.MainTitle(), QStringLiteral("Data Graph"));
        QCOMPARE(chart.YAxisLabel(), QStringLiteral("Degree"));
        QCOMPARE(chart.ManualMaxY(), 150.0);
        QCOMPARE(chart.ShownMinY(), 0.0);
        QVERIFY(qAbs(chart.ShownMinX() - T0) < 1e-9); // X follows the data
        QVERIFY(qAbs(chart.ShownMaxX() - (T0 + 599 * Second)) < 1e-9);
        QVERIFY(qAbs(chart.XDataD(1, 599) - (T0 + 599 * Second)) < 1e-9);
        QCOMPARE(chart.YData(0, 10), 21.0f);
        QVERIFY(chart.MarkDataPoints() && graph.mnuMarkData->isChecked());
        QCOMPARE(chart.SubsetLineType(1), int(PlotChart::ThinSolid));
        QVERIFY(!graph.btnClear->isEnabled());

        // A one-channel timer log: one series, no legend; the old second series is gone.
        session->Log().Clear();
        Record(session->Log(), *session, 300, 30);
        QVERIFY(Build(graph));
        QCOMPARE(graph.SeriesCount, 1);
        QCOMPARE(chart.Subsets(), 1);
        QCOMPARE(chart.Points(), 30);
    }

    void emptyTableShowsTheMessage() {
        auto session = settings_.Session();
        session->SetLogDateFormat(QStringLiteral("d/M/yyyy"));
        QStringList errors;
        const ExceptionDisplay previous =
            SetExceptionDisplay([&](const QString& m) { errors << m; });
        TfrmGraphList graph(*session);
        QVERIFY(Build(graph));
        SetExceptionDisplay(previous);
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.front().contains(QStringLiteral("Row 1")));
        QCOMPARE(graph.PlotChart1->Points(), 1);
        QCOMPARE(graph.PlotChart1->XDataD(0, 0), 0.0);
        QVERIFY(graph.isVisible());
    }

    void zoomUndoLinesAndMeasure() {
        auto session = settings_.Session(0, RangeSettings(0, 100));
        session->SetLogDateFormat(QStringLiteral("d/M/yyyy"));
        Record(session->Log(), *session, 301, 600);
        TfrmGraphList graph(*session);
        QVERIFY(Build(graph));
        QVERIFY(QTest::qWaitForWindowExposed(&graph));
        PlotChart& chart = *graph.PlotChart1;
        auto* plot = chart.findChild<QCustomPlot*>();

        ZoomIn(graph);
        QVERIFY(chart.Zoomed());
        QVERIFY(graph.btnClear->isEnabled());
        graph.UndoZoom1->trigger();
        QVERIFY(!chart.Zoomed());
        QVERIFY(!graph.btnClear->isEnabled());
        QVERIFY(qAbs(chart.ShownMinX() - T0) < 1e-9);

        graph.mnuThick->trigger();
        QCOMPARE(chart.SubsetLineType(0), int(PlotChart::ThickSolid));
        QCOMPARE(chart.SubsetLineType(1), int(PlotChart::ThickSolid));
        QVERIFY(graph.mnuThick->isChecked() && !graph.mnuThin->isChecked());
        graph.mnuMarkData->trigger();
        QVERIFY(!chart.MarkDataPoints() && !graph.mnuMarkData->isChecked());

        // Measure mode: two plain clicks; the read-out stands in the status line.
        graph.mnuMeasure->trigger();
        QTest::mouseClick(plot, Qt::LeftButton, {}, chart.PixelAt(T0 + 60 * Second, 50).toPoint());
        QTest::mouseClick(plot, Qt::LeftButton, {}, chart.PixelAt(T0 + 180 * Second, 50).toPoint());
        auto* line = graph.statusBar()->findChild<QLabel*>(QStringLiteral("chartStatus"));
        QVERIFY(line);
        const QString status = line->text().replace(QChar::Nbsp, QLatin1Char(' '));
        QVERIFY2(status.contains(QStringLiteral("Main: \u0394T")) &&
                     status.contains(QStringLiteral("Second: \u0394T")),
                 qPrintable(status));
        // In a narrow window the read-out goes on over more lines, all of them shown.
        graph.resize(graph.minimumSizeHint().width(), graph.height());
        QTRY_VERIFY(line->fontMetrics().horizontalAdvance(line->text()) > line->width());
        QTRY_VERIFY(line->height() >= line->heightForWidth(line->width()));
        const auto lineRect = [&] { return QRect(line->mapTo(&graph, QPoint()), line->size()); };
        QTRY_VERIFY2(QRect(QPoint(), graph.size()).contains(lineRect()),
                     qPrintable(QStringLiteral("%1,%2 %3x%4 in %5x%6")
                                    .arg(lineRect().x())
                                    .arg(lineRect().y())
                                    .arg(lineRect().width())
                                    .arg(lineRect().height())
                                    .arg(graph.width())
                                    .arg(graph.height())));
        // Wide again, one line again.
        const int narrowHeight = line->height();
        graph.resize(graph.width() * 5, graph.height());
        QTRY_VERIFY(line->height() < narrowHeight);
        QTest::keyClick(&graph, Qt::Key_Escape);
        QVERIFY(chart.Measure().Marks().empty());
        QVERIFY(!line->text().contains(QStringLiteral("\u0394T")));

        // Another table's graph starts unzoomed.
        ZoomIn(graph);
        QVERIFY(chart.Zoomed());
        session->Log().Clear();
        Record(session->Log(), *session, 301, 30);
        QVERIFY(Build(graph));
        QVERIFY(!chart.Zoomed() && !graph.btnClear->isEnabled());
        QVERIFY(qAbs(chart.ShownMaxX() - (T0 + 29 * Second)) < 1e-9);
    }

    // Rows recorded while the build runs lie beyond the rows it took and are not
    // graphed; a second build asked for meanwhile is ignored; Cancel shows the rows
    // read so far and leaves the rest blank.
    void recordingDuringTheBuild() {
        auto session = settings_.Session();
        session->SetLogDateFormat(QStringLiteral("d/M/yyyy"));
        Record(session->Log(), *session, 303, 200000);
        TfrmGraphList graph(*session);
        TfrmPrintProgress progress;
        graph.SetProgressDialog(&progress);
        QSignalSpy built(&graph, &TfrmGraphList::GraphBuilt);
        graph.BuildLogGraph();
        QVERIFY(graph.Building());
        Record(session->Log(), *session, 300, 5);
        graph.BuildLogGraph();
        QVERIFY(built.wait(30000));
        QCOMPARE(built.size(), 1);
        QCOMPARE(graph.PlotChart1->Points(), 200000);
        QCOMPARE(graph.SeriesCount, 2);
        QVERIFY(graph.PlotChart1->XDataD(1, 199999) != 0.0);

        // Cancel at once: what was read is shown, the rest stays blank, unzoomed.
        QVERIFY(QTest::qWaitForWindowExposed(&graph));
        ZoomIn(graph);
        QVERIFY(graph.btnClear->isEnabled());
        graph.BuildLogGraph();
        progress.BitBtn1->click();
        QVERIFY(built.wait(30000));
        const PlotChart& chart = *graph.PlotChart1;
        QCOMPARE(chart.Points(), 200005);
        QVERIFY(progress.Result() == ProgressDialog::ModalResult::Cancel);
        QCOMPARE(chart.XDataD(0, 200004), 0.0);
        QVERIFY(!progress.isVisible());
        QVERIFY(!chart.Zoomed() && !graph.btnClear->isEnabled());
        QCOMPARE(chart.ShownMinX(), chart.ManualMinX()); // the span of the rows taken
        QCOMPARE(chart.ShownMaxX(), chart.ManualMaxX());
    }

    // After Cancel the time axis spans the whole table, not only the rows read so
    // far; the next complete build follows its points again.
    void cancelKeepsTheWholeTimeAxis() {
        auto session = settings_.Session();
        session->SetLogDateFormat(QStringLiteral("d/M/yyyy"));
        constexpr int Rows = 600000;
        Record(session->Log(), *session, 303, Rows);
        TfrmGraphList graph(*session);
        TfrmPrintProgress progress;
        graph.SetProgressDialog(&progress);
        QSignalSpy built(&graph, &TfrmGraphList::GraphBuilt);
        graph.BuildLogGraph();
        QTRY_VERIFY_WITH_TIMEOUT(progress.ProgressBar1->value() > 0, 20000);
        progress.BitBtn1->click();
        QVERIFY(built.wait(30000));
        const PlotChart& chart = *graph.PlotChart1;
        // Some rows were read, the last was not.
        QVERIFY(chart.XDataD(0, 0) != 0.0);
        QCOMPARE(chart.XDataD(0, Rows - 1), 0.0);
        QVERIFY(qAbs(chart.ShownMinX() - T0) < 1e-9);
        QVERIFY(qAbs(chart.ShownMaxX() - (T0 + (Rows - 1) * Second)) < 1e-9);

        session->Log().Clear();
        Record(session->Log(), *session, 303, 30);
        QVERIFY(Build(graph));
        QVERIFY(qAbs(chart.ShownMaxX() - (T0 + 29 * Second)) < 1e-9);
    }
};

QTEST_MAIN(LogGraphWindowTest)
#include "tst_log_graph_window.moc"
