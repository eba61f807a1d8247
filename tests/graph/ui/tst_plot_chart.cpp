// The chart wrapper: point storage rules, the rectangle zoom with its undo, and
// the read-out under the mouse.

#include "app/day_count.h"
#include "graph/ui/plot_chart.h"

#include <QSignalSpy>
#include <QTest>
#include <qcustomplot.h>

namespace {
constexpr double Second = 1.0 / 86400.0;
}

class PlotChartTest : public QObject {
    Q_OBJECT
private slots:
    void pointStorage() {
        PlotChart chart;
        chart.SetSubsets(2);
        chart.SetPoints(10);
        for (int i = 0; i < 10; ++i) {
            QVERIFY(chart.SetXDataD(0, i, 100 + i));
            QVERIFY(chart.SetYData(0, i, float(i)));
            QVERIFY(chart.SetXDataD(1, i, 200 + i));
            QVERIFY(chart.SetYData(1, i, float(-i)));
        }
        QVERIFY(!chart.SetXDataD(2, 0, 1.0));  // no such series
        QVERIFY(!chart.SetYData(0, 10, 1.0f)); // no such point

        chart.AppendBlankPoints(3);
        QCOMPARE(chart.XDataD(0, 0), 103.0);
        QCOMPARE(chart.YData(1, 6), -9.0f);
        QCOMPARE(chart.XDataD(1, 7), 0.0);
        QCOMPARE(chart.YData(0, 9), 0.0f);

        QVERIFY(chart.SetYData(1, -1, 0.0f)); // clears series 1 only
        QCOMPARE(chart.XDataD(1, 0), 0.0);
        QCOMPARE(chart.YData(1, 1), 0.0f);
        QCOMPARE(chart.XDataD(0, 0), 103.0);

        chart.SetSubsets(1);
        QCOMPARE(chart.Subsets(), 1);
        QCOMPARE(chart.XDataD(0, 1), 104.0);
    }

    void zoomAndUndo() {
        PlotChart chart;
        chart.resize(600, 400);
        chart.SetSubsets(1);
        chart.SetPoints(100);
        const double t0 = DayCountFromDateTime(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
        for (int i = 0; i < 100; ++i) {
            chart.SetXDataD(0, i, t0 + i * Second);
            chart.SetYData(0, i, float(i));
        }
        chart.SetManualScaleControlY(PlotChart::chManualMinAndMax);
        chart.SetManualMinY(0);
        chart.SetManualMaxY(100);
        chart.SetAllowZooming(PlotChart::chHorzPlusVertZooming);
        chart.SetCursorPromptTracking(true);
        chart.ChartAction(PlotChart::chReinitAndReset);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        // Automatic X follows the data.
        QCOMPARE(chart.ShownMinX(), t0);
        QVERIFY(qAbs(chart.ShownMaxX() - (t0 + 99 * Second)) < 1e-9);

        auto* plot = chart.findChild<QCustomPlot*>();
        QVERIFY(plot);
        const QRect area = plot->axisRect()->rect();
        QSignalSpy zoomed(&chart, &PlotChart::ZoomIn);
        const QPoint from = area.topLeft() + QPoint(area.width() / 4, area.height() / 4);
        const QPoint to = area.topLeft() + QPoint(area.width() / 2, area.height() / 2);
        QTest::mousePress(plot, Qt::LeftButton, {}, from);
        QTest::mouseMove(plot, to);
        QTest::mouseRelease(plot, Qt::LeftButton, {}, to);
        QCOMPARE(zoomed.size(), 1);
        QVERIFY(chart.ShownMinX() > t0 + 20 * Second && chart.ShownMaxX() < t0 + 55 * Second);

        // The prompt at the middle of the area names a time inside the zoomed window.
        const QString prompt = chart.CursorPromptAt(area.center());
        QVERIFY2(prompt.startsWith(QStringLiteral("X: 10:00:")), qPrintable(prompt));

        chart.Redraw(); // new data does not undo the zoom
        QVERIFY(chart.ShownMinX() > t0 + 20 * Second);
        chart.ChartAction(PlotChart::chUndoZoom);
        QCOMPARE(chart.ShownMinX(), t0);
    }

    void blanksAreNotDrawn() {
        PlotChart chart;
        chart.SetSubsets(1);
        chart.SetPoints(6);
        const double t0 = 46362.5;
        for (int i : {0, 1, 3, 4}) {
            chart.SetXDataD(0, i, t0 + i * Second);
            chart.SetYData(0, i, 10.0f);
        }
        chart.Redraw();
        const QCPGraph* graph = chart.findChild<QCustomPlot*>()->graph(0);
        // Four points, a break for the blank point 2 and one for the blank tail.
        QCOMPARE(graph->dataCount(), 6);
        int breaks = 0;
        for (auto it = graph->data()->constBegin(); it != graph->data()->constEnd(); ++it)
            breaks += qIsNaN(it->value) ? 1 : 0;
        QCOMPARE(breaks, 2);
    }
};

QTEST_MAIN(PlotChartTest)
#include "tst_plot_chart.moc"
