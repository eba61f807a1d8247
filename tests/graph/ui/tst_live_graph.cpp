// SPDX-License-Identifier: GPL-3.0-or-later
// The live graph window: set-up by model and settings, the 5,000-point window,
// overloads, widening, clearing, and the wiring of its buttons and menu.

#include "base/day_count.h"
#include "graph/ui/live_graph_window.h"
#include "graph/ui/plot_chart.h"
#include "support/scratch_settings.h"

#include <QImage>
#include <QLineEdit>
#include <QTest>

namespace {
constexpr double Second = 1.0 / 86400.0;

// A sample as the heartbeat hands it over.
Sample Point(bool mainOverload, bool subOverload, float mainValue, double time, float subValue) {
    Sample sample;
    sample.Time = time;
    sample.Reading.MainOverload = mainOverload;
    sample.Reading.SubOverload = subOverload;
    sample.Reading.MainValue = mainValue;
    sample.Reading.SubValue = subValue;
    return sample;
}
} // namespace

class LiveGraphTest : public QObject {
    Q_OBJECT
    ScratchSettings settings_;

private slots:
    void initLiveGraph_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("rate");
        QTest::addColumn<QString>("entry");
        QTest::newRow("0 becomes 2") << 0 << 2 << "  00 : 02  ";
        QTest::newRow("90 s") << 90 << 90 << "  01 : 30  ";
        QTest::newRow("3700 becomes 3640") << 3700 << 3640 << "  60 : 40  ";
        QTest::newRow("6000 becomes 0") << 6000 << 0 << "  00 : 00  ";
    }
    void initLiveGraph() {
        QFETCH(int, stored);
        QFETCH(int, rate);
        QFETCH(QString, entry);
        auto session = settings_.Session(303, RangeSettings(-50, 400, stored));
        TfrmGraph graph(*session);
        const double before = CurrentDayCount();
        session->InitLiveGraph();
        QCOMPARE(session->Settings().GraphingRate, rate);
        QCOMPARE(graph.MaskEdit1->displayText(), entry);
        // A rate of 0 samples every tick, so its window spans 100 ticks as a rate of 1 does.
        QCOMPARE(graph.XSpan(), std::max(rate, 1) * 100 * Second);
        const PlotChart& chart = *graph.PlotChart1;
        QCOMPARE(chart.Subsets(), 2);
        QCOMPARE(chart.Points(), 5000);
        QCOMPARE(chart.SubTitle(), QStringLiteral("Two channel, K J type thermometer."));
        QVERIFY(chart.ManualMinX() >= before && chart.ManualMinX() <= CurrentDayCount());
        QCOMPARE(chart.ManualMaxX(), chart.ManualMinX() + graph.XSpan());
        QCOMPARE(chart.ManualMinY(), -50.0);
        QCOMPARE(chart.ManualMaxY(), 400.0);
        QCOMPARE(chart.SubsetLineType(1), int(PlotChart::ThickSolid));
        QCOMPARE(graph.NextPoint(), 0);
    }

    // With no meter the last run's model is assumed: the subtitle says none was
    // found until a meter answers, and a title the user typed stays.
    void subTitleNamesOnlyAFoundMeter() {
        auto session = settings_.Session();
        TfrmGraph graph(*session);
        session->Models().ApplyLastModel();
        session->InitLiveGraph();
        PlotChart& chart = *graph.PlotChart1;
        QCOMPARE(chart.SubTitle(), QStringLiteral("No thermometer found"));
        IdentifyModel(*session, 301);
        QCOMPARE(chart.SubTitle(), QStringLiteral("Two channel, K type thermometer."));
        // The last port reopened: its frames say the meter taken is there.
        session->Models().ApplyLastModel();
        session->InitLiveGraph();
        QCOMPARE(chart.SubTitle(), QStringLiteral("No thermometer found"));
        emit session->Meter().ConnectionAnnounced();
        QCOMPARE(chart.SubTitle(), QStringLiteral("One channel, K type thermometer."));
        session->Models().ApplyLastModel();
        session->InitLiveGraph();
        chart.SetSubTitle(QStringLiteral("Boiler"));
        IdentifyModel(*session, 300);
        QCOMPARE(chart.SubTitle(), QStringLiteral("Boiler"));
    }

    // At 4,999 stored points the oldest 100 drop before the next one is written.
    void dropsOldest100At4999() {
        auto session = settings_.Session(301);
        TfrmGraph graph(*session);
        session->InitLiveGraph();
        const double t0 = CurrentDayCount();
        for (int i = 0; i < 4999; ++i)
            graph.AddPoint(Point(false, false, float(i), t0 + i * Second, float(-i)));
        QCOMPARE(graph.NextPoint(), 4999);
        const PlotChart& chart = *graph.PlotChart1;
        const double old101 = chart.XDataD(0, 101);

        graph.AddPoint(Point(false, false, 5000.0f, t0 + 4999 * Second, -5000.0f));
        QCOMPARE(graph.NextPoint(), 4900);
        QCOMPARE(chart.XDataD(0, 1), old101);
        QCOMPARE(chart.YData(0, 0), 100.0f);
        QCOMPARE(chart.YData(1, 4898), -4998.0f);
        QCOMPARE(chart.XDataD(0, 4899), t0 + 4999 * Second);
        QCOMPARE(chart.YData(0, 4899), 5000.0f);
        QCOMPARE(chart.XDataD(0, 4900), 0.0);
        QCOMPARE(chart.XDataD(1, 4999), 0.0);
    }

    void overloadsAndChannels_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("mainOverload");
        QTest::addColumn<bool>("subOverload");
        QTest::addColumn<bool>("mainWritten");
        QTest::addColumn<bool>("subWritten");
        QTest::newRow("two channels") << 303 << false << false << true << true;
        QTest::newRow("main OL") << 301 << true << false << false << true;
        QTest::newRow("second OL") << 303 << false << true << true << false;
        QTest::newRow("one channel") << 300 << false << false << true << false;
        QTest::newRow("one channel, 302") << 302 << false << false << true << false;
    }
    void overloadsAndChannels() {
        QFETCH(int, model);
        QFETCH(bool, mainOverload);
        QFETCH(bool, subOverload);
        QFETCH(bool, mainWritten);
        QFETCH(bool, subWritten);
        auto session = settings_.Session(303);
        TfrmGraph graph(*session);
        session->InitLiveGraph(); // two series, whatever model follows
        IdentifyModel(*session, model);
        const double t = CurrentDayCount();
        graph.AddPoint(Point(mainOverload, subOverload, 21.5f, t, 30.5f));
        const PlotChart& chart = *graph.PlotChart1;
        QCOMPARE(chart.XDataD(0, 0) == t, mainWritten);
        QCOMPARE(chart.YData(0, 0) == 21.5f, mainWritten);
        QCOMPARE(chart.XDataD(1, 0) == t, subWritten);
        QCOMPARE(chart.YData(1, 0) == 30.5f, subWritten);
        QCOMPARE(graph.NextPoint(), 1);
    }

    void timeWindowWidens() {
        auto session = settings_.Session(301, RangeSettings(-200, 1370, 1));
        TfrmGraph graph(*session);
        session->InitLiveGraph();
        PlotChart& chart = *graph.PlotChart1;
        const double min0 = chart.ManualMinX(), max0 = chart.ManualMaxX();
        const double t0 = min0 + 0.5 * Second;
        for (int i = 0; i < 99; ++i)
            graph.AddPoint(Point(false, false, 20.0f, t0 + i * Second, 21.0f));
        QCOMPARE(chart.ManualMaxX(), max0);
        QCOMPARE(chart.ManualMinX(), min0);
        graph.AddPoint(Point(false, false, 20.0f, max0, 21.0f)); // reaches the right edge
        QCOMPARE(chart.ManualMaxX(), max0 + graph.XSpan());
        QCOMPARE(chart.ManualMinX(), t0 + Second);
    }

    // With the main channel over range at the second point, the window still starts
    // at a stored time rather than at day 0.
    void widensFromAStoredTimeDespiteOverloads() {
        auto session = settings_.Session(300);
        TfrmGraph graph(*session);
        session->InitLiveGraph();
        PlotChart& chart = *graph.PlotChart1;
        const double t0 = chart.ManualMinX();
        graph.AddPoint(Point(false, false, 20.0f, t0, 0.0f));
        graph.AddPoint(Point(true, false, 0.0f, t0 + Second, 0.0f));
        graph.AddPoint(Point(true, false, 0.0f, t0 + 2 * Second, 0.0f));
        graph.AddPoint(Point(false, false, 22.0f, chart.ManualMaxX(), 0.0f));
        QCOMPARE(chart.ManualMinX(), chart.XDataD(0, 3));
    }

    void clearLiveGraph() {
        auto session = settings_.Session(303);
        session->SetGraphRunning(true);
        TfrmGraph graph(*session);
        session->InitLiveGraph();
        const double t0 = CurrentDayCount() - 1.0;
        for (int i = 0; i < 10; ++i)
            graph.AddPoint(Point(false, false, 1.0f, t0 + i * Second, 2.0f));
        graph.btnClear->trigger();
        QCOMPARE(graph.NextPoint(), 0);
        const PlotChart& chart = *graph.PlotChart1;
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(chart.XDataD(0, i), 0.0);
            QCOMPARE(chart.XDataD(1, i), 0.0);
            QCOMPARE(chart.YData(1, i), 0.0f);
        }
        QVERIFY(chart.ManualMinX() > t0 + 0.5);
        QCOMPARE(chart.ManualMaxX(), chart.ManualMinX() + graph.XSpan());
        QVERIFY(session->State().Recording.GraphRunning);
    }

    // The buttons always show the core's recording state, whoever changed it.
    void runAndPause() {
        auto session = settings_.Session(0);
        TfrmGraph graph(*session);
        QVERIFY(!graph.btnPause->isEnabled());
        QVERIFY(graph.btnRun->isEnabled());
        graph.btnRun->trigger();
        QVERIFY(session->State().Recording.GraphRunning);
        QVERIFY(graph.btnPause->isEnabled());
        QVERIFY(!graph.btnRun->isEnabled());
        graph.btnPause->trigger();
        QVERIFY(!session->State().Recording.GraphRunning);
        QVERIFY(!graph.btnPause->isEnabled());
        QVERIFY(graph.btnRun->isEnabled());
        session->StartRecording(); // OK of the port search
        QVERIFY(graph.btnPause->isEnabled() && !graph.btnRun->isEnabled());
        QVERIFY(graph.mnuRange->isEnabled());
        QVERIFY(graph.mnutitle->isEnabled());
    }

    void rateEntryTyped() {
        auto session = settings_.Session(0);
        TfrmGraph graph(*session);
        session->InitLiveGraph();
        graph.MaskEdit1->setFocus();
        graph.MaskEdit1->setCursorPosition(2);
        QTest::keyClicks(graph.MaskEdit1, QStringLiteral("75"));
        QCOMPARE(graph.MaskEdit1->displayText(), QStringLiteral("  60 : 02  "));
        QCOMPARE(session->Settings().GraphingRate, 3602);
        QCOMPARE(graph.XSpan(), 3602 * 100 * Second);
    }

    void linesAndMarks() {
        auto session = settings_.Session(301);
        TfrmGraph graph(*session);
        session->InitLiveGraph();
        QVERIFY(graph.mnuThick->isChecked());
        graph.mnuThin->trigger();
        QCOMPARE(graph.PlotChart1->SubsetLineType(0), int(PlotChart::ThinSolid));
        QCOMPARE(graph.PlotChart1->SubsetLineType(1), int(PlotChart::ThinSolid));
        QVERIFY(graph.mnuThin->isChecked() && !graph.mnuThick->isChecked());
        graph.mnuThick->trigger();
        QCOMPARE(graph.PlotChart1->SubsetLineType(1), int(PlotChart::ThickSolid));
        QVERIFY(!graph.mnuThin->isChecked() && graph.mnuThick->isChecked());
        graph.mnuMarkData->trigger();
        QVERIFY(graph.PlotChart1->MarkDataPoints() && graph.mnuMarkData->isChecked());
        graph.mnuMarkData->trigger();
        QVERIFY(!graph.PlotChart1->MarkDataPoints() && !graph.mnuMarkData->isChecked());
    }

    // The printed page holds the curves, whatever the device's resolution.
    void printedPageShowsTheGraph_data() {
        QTest::addColumn<int>("dpi");
        QTest::newRow("screen") << 96;
        QTest::newRow("printer") << 1200;
    }
    void printedPageShowsTheGraph() {
        QFETCH(int, dpi);
        auto session = settings_.Session(303, RangeSettings(0, 100));
        TfrmGraph graph(*session);
        session->InitLiveGraph();
        const double t0 = graph.PlotChart1->ManualMinX();
        for (int i = 0; i < 50; ++i)
            graph.AddPoint(Point(false, false, 20.0f + i, t0 + i * Second, 80.0f - i));
        QImage page(1100, 780, QImage::Format_RGB32);
        page.fill(Qt::white);
        page.setDotsPerMeterX(qRound(dpi / 0.0254));
        page.setDotsPerMeterY(qRound(dpi / 0.0254));
        graph.PlotChart1->Output().RenderPage(page, page.rect());
        int red = 0, blue = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                red += c.red() > 200 && c.green() < 60 && c.blue() < 60;
                blue += c.blue() > 120 && c.red() < 40 && c.green() < 40;
            }
        QVERIFY2(red > 300 && blue > 300, qPrintable(QStringLiteral("%1 %2").arg(red).arg(blue)));
        // The chart fills the page: something is drawn in its right quarter.
        bool right = false;
        for (int y = 0; y < page.height() && !right; ++y)
            right = page.pixelColor(page.width() * 7 / 8, y) != QColor(Qt::white);
        QVERIFY(right);
    }
};

QTEST_MAIN(LiveGraphTest)
#include "tst_live_graph.moc"
