// SPDX-License-Identifier: GPL-3.0-or-later
// The chart wrapper: point storage rules, the rectangle zoom with its undo and
// scrolling, the read-out under the mouse, breaks at blanks, what a redraw
// repaints, marks at high density, the two-point read-out, and image export.

#include "base/day_count.h"
#include "graph/ui/measure_marks.h"
#include "graph/ui/plot_chart.h"
#include "graph/ui/series_plottable.h"
#include "support/pdf_streams.h"
#include "support/scratch_settings.h"

#include <QApplication>
#include <QFileDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <qcustomplot.h>

namespace {
constexpr double Second = 1.0 / 86400.0;
const double T0 = DayCountFromDateTime(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));

// A zoomable chart of 100 points a second apart from T0, rising from 0 to 99,
// shown against the range 0..100.
void ShowRamp(PlotChart& chart) {
    chart.resize(600, 400);
    chart.SetSubsets(1);
    chart.SetPoints(100);
    for (int i = 0; i < 100; ++i) {
        chart.SetXDataD(0, i, T0 + i * Second);
        chart.SetYData(0, i, float(i));
    }
    chart.SetManualScaleControlY(PlotChart::chManualMinAndMax);
    chart.SetManualMinY(0);
    chart.SetManualMaxY(100);
    chart.SetAllowZooming(PlotChart::chHorzPlusVertZooming);
    chart.ChartAction(PlotChart::chReinitAndReset);
    chart.show();
}
} // namespace

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
        chart.SetCursorPromptTracking(true);
        ShowRamp(chart);
        const double t0 = T0;
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
        QVERIFY2(prompt.startsWith(QStringLiteral("X: ")) &&
                     prompt.contains(QStringLiteral(" 10:00:")),
                 qPrintable(prompt));
        QVERIFY(prompt.contains(QLocale().toString(QDate(2026, 12, 6), QLocale::ShortFormat)));

        // Zoomed, the view scrolls sideways within the data.
        chart.SetScrollingHorzZoom(true);
        auto* scroll = chart.findChild<QScrollBar*>();
        QVERIFY(scroll && scroll->isVisible());
        const double width = chart.ShownMaxX() - chart.ShownMinX();
        scroll->setValue(scroll->maximum());
        QVERIFY(qAbs(chart.ShownMaxX() - (t0 + 99 * Second)) < 1e-6);
        QVERIFY(qAbs(chart.ShownMaxX() - chart.ShownMinX() - width) < 1e-9);

        chart.Redraw(); // new data does not undo the zoom
        QVERIFY(chart.ShownMinX() > t0 + 20 * Second);
        chart.ChartAction(PlotChart::chUndoZoom);
        QCOMPARE(chart.ShownMinX(), t0);
        QVERIFY(!scroll->isVisible());
    }

    // A frame drawn partly outside the plot zooms into the part over the plot only,
    // so the range never widens beyond what was shown; a frame wholly outside does nothing.
    void zoomFrameStaysInThePlot_data() {
        QTest::addColumn<QPointF>("from"); // fractions of the plot area, outside beyond 0..1
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<bool>("zooms");
        QTest::addColumn<double>("maxY");
        QTest::addColumn<double>("minY");
        QTest::newRow("started above")
            << QPointF(0.25, -0.2) << QPointF(0.5, 0.5) << true << 100.0 << 50.0;
        QTest::newRow("ended below")
            << QPointF(0.25, 0.5) << QPointF(0.5, 1.3) << true << 50.0 << 0.0;
        QTest::newRow("across all")
            << QPointF(-0.2, -0.2) << QPointF(1.2, 1.2) << true << 100.0 << 0.0;
        QTest::newRow("wholly above")
            << QPointF(0.2, -0.3) << QPointF(0.6, -0.05) << false << 100.0 << 0.0;
    }
    void zoomFrameStaysInThePlot() {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(bool, zooms);
        QFETCH(double, maxY);
        QFETCH(double, minY);
        PlotChart chart;
        chart.SetMainTitle(QStringLiteral("Data Graph")); // a margin above the plot
        ShowRamp(chart);
        const double t0 = T0;
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        auto* plot = chart.findChild<QCustomPlot*>();
        const QRect area = plot->axisRect()->rect();
        // Beyond 0..1 a fraction reaches into the margin between the plot and the widget's edge.
        const auto along = [](double f, int low, int size, int end) {
            if (f < 0)
                return int(low * (1 + f));
            if (f > 1)
                return low + size + int((end - low - size) * (f - 1));
            return low + int(f * size);
        };
        const auto at = [&](QPointF f) {
            return QPoint(along(f.x(), area.left(), area.width(), plot->width()),
                          along(f.y(), area.top(), area.height(), plot->height()));
        };
        // The values under the pixels pressed and released, kept within what is shown.
        const QRect frame = QRect(at(from), at(to)).normalized();
        const auto valueAt = [](QCPAxis* axis, int pixel) {
            return std::clamp(axis->pixelToCoord(pixel), axis->range().lower, axis->range().upper);
        };
        const double right = valueAt(plot->xAxis, frame.right());
        const double top = valueAt(plot->yAxis, frame.top());
        const double bottom = valueAt(plot->yAxis, frame.bottom());
        QTest::mousePress(plot, Qt::LeftButton, {}, at(from));
        QTest::mouseMove(plot, at(to));
        QTest::mouseRelease(plot, Qt::LeftButton, {}, at(to));
        QCOMPARE(chart.Zoomed(), zooms);
        if (zooms) {
            QCOMPARE(chart.ShownMaxY(), top);
            QCOMPARE(chart.ShownMinY(), bottom);
            QVERIFY(qAbs(SeriesPlottable::KeyFromDays(chart.ShownMaxX()) - right) < 1e-3);
        }
        // Near the expected edges, and never beyond the plot's range.
        const double pixelY = 100.0 / area.height();
        QVERIFY2(qAbs(chart.ShownMaxY() - maxY) <= 2 * pixelY && chart.ShownMaxY() <= 100 + 1e-9,
                 qPrintable(QString::number(chart.ShownMaxY())));
        QVERIFY2(qAbs(chart.ShownMinY() - minY) <= 2 * pixelY && chart.ShownMinY() >= -1e-9,
                 qPrintable(QString::number(chart.ShownMinY())));
        QVERIFY(chart.ShownMinX() >= t0 - 1e-9);
        QVERIFY(chart.ShownMaxX() <= t0 + 99 * Second + 1e-9);
    }

    // A blank point breaks the line: between the points around it nothing is drawn.
    void blanksBreakTheLine() {
        PlotChart chart;
        chart.SetSubsets(1);
        chart.SetPoints(30);
        const double t0 = 46362.5;
        for (int i = 0; i < 30; ++i)
            if (i < 10 || i >= 20) {
                chart.SetXDataD(0, i, t0 + i * Second);
                chart.SetYData(0, i, 50.0f);
            }
        chart.SetManualScaleControlY(PlotChart::chManualMinAndMax);
        chart.SetManualMinY(0);
        chart.SetManualMaxY(100);
        chart.resize(600, 400);
        chart.ChartAction(PlotChart::chReinitAndReset);
        const QImage image = chart.grab().toImage();
        const auto blueAt = [&](double days) {
            const QPointF p = chart.PixelAt(days, 50);
            for (int dy = -2; dy <= 2; ++dy) {
                const QColor c = image.pixelColor(int(p.x()), int(p.y()) + dy);
                if (c.blue() > 100 && c.red() < 100)
                    return true;
            }
            return false;
        };
        QVERIFY(blueAt(t0 + 5 * Second));
        QVERIFY(blueAt(t0 + 25 * Second));
        QVERIFY(!blueAt(t0 + 15 * Second));
    }

    // The first and last points lie on the plot's sides; their marks show whole.
    void edgeMarksShowWhole() {
        PlotChart chart;
        chart.SetSubsets(1);
        chart.SetPoints(10);
        const double t0 = 46362.5;
        for (int i = 0; i < 10; ++i) {
            chart.SetXDataD(0, i, t0 + i * Second);
            chart.SetYData(0, i, 50.0f);
        }
        chart.SetManualScaleControlY(PlotChart::chManualMinAndMax);
        chart.SetManualMinY(0);
        chart.SetManualMaxY(100);
        chart.SetMarkDataPoints(true);
        chart.resize(600, 400);
        chart.ChartAction(PlotChart::chReinitAndReset);
        const QImage image = chart.grab().toImage();
        // Blue in the mark's outer column, beside the point, outside the plot.
        const auto blueBeside = [&](double days, int side) {
            const QPointF p = chart.PixelAt(days, 50);
            for (int dx = 2; dx <= 3; ++dx)
                for (int dy = -1; dy <= 1; ++dy) {
                    const QColor c = image.pixelColor(int(p.x()) + side * dx, int(p.y()) + dy);
                    if (c.blue() > 100 && c.red() < 100 && c.green() < 100)
                        return true;
                }
            return false;
        };
        QVERIFY(blueBeside(t0, -1));
        QVERIFY(blueBeside(t0 + 9 * Second, 1));
    }

    // New points at the end are drawn alone onto the series' picture; other writes
    // repaint the series, and titles, ranges and marks everything. The picture made
    // point by point is the one a full redraw makes.
    void redrawRepaintsOnlyWhatChanged() {
        using Kind = PlotChart::RedrawKind;
        PlotChart chart;
        chart.resize(600, 400);
        chart.SetSubsets(2);
        chart.SetPoints(100);
        chart.SetSubsetLineType(0, PlotChart::ThickSolid);
        chart.SetManualScaleControlX(PlotChart::chManualMinAndMax);
        chart.SetManualScaleControlY(PlotChart::chManualMinAndMax);
        chart.SetManualMinX(46362.5);
        chart.SetManualMaxX(46362.5 + 100 * Second);
        chart.SetManualMaxY(100);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        chart.ChartAction(PlotChart::chReinitAndReset);
        for (int i = 0; i < 60; ++i) {
            if (i % 17 != 5) // a blank now and then breaks the line
                chart.SetXDataD(0, i, 46362.5 + (i + 1) * Second);
            chart.SetYData(0, i, float(50 + 30 * std::sin(i / 6.0)));
            chart.SetXDataD(1, i, 46362.5 + (i + 1) * Second);
            chart.SetYData(1, i, float(i));
            chart.Redraw();
            QCOMPARE(chart.LastRedraw(), Kind::Appended);
        }
        QCoreApplication::processEvents();
        const QImage appended = chart.grab().toImage();
        chart.ChartAction(PlotChart::chReinitAndReset);
        QCOMPARE(chart.LastRedraw(), Kind::Full);
        const QImage full = chart.grab().toImage();
        int drawn = 0, differing = 0;
        for (int y = 0; y < full.height(); ++y)
            for (int x = 0; x < full.width(); ++x) {
                const QColor a = appended.pixelColor(x, y), b = full.pixelColor(x, y);
                drawn += b != QColor(Qt::white);
                differing += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                                 std::abs(a.blue() - b.blue()) >
                             200;
            }
        QVERIFY2(differing * 50 < drawn,
                 qPrintable(QStringLiteral("%1 of %2").arg(differing).arg(drawn)));

        chart.SetYData(0, 3, 1.0f); // behind the end
        chart.Redraw();
        QCOMPARE(chart.LastRedraw(), Kind::Series);
        chart.AppendBlankPoints(10);
        chart.Redraw();
        QCOMPARE(chart.LastRedraw(), Kind::Series);
        chart.SetMainTitle(QStringLiteral("New"));
        chart.Redraw();
        QCOMPARE(chart.LastRedraw(), Kind::Full);
        chart.SetManualMaxX(46362.5 + 200 * Second);
        chart.Redraw();
        QCOMPARE(chart.LastRedraw(), Kind::Full);
        chart.SetMarkDataPoints(true);
        chart.Redraw();
        QCOMPARE(chart.LastRedraw(), Kind::Full);
        chart.SetXDataD(0, 60, 46362.5 + 61 * Second);
        chart.Redraw();
        QCOMPARE(chart.LastRedraw(), Kind::Series); // marks are counted again
        chart.SetMarkDataPoints(false);
        chart.Redraw();
        chart.SetXDataD(0, 61, 46362.5 + 62 * Second);
        chart.Redraw();
        QCOMPARE(chart.LastRedraw(), Kind::Appended);
    }

    // Above a few thousand points in view the marks stay off while Mark Data stays on.
    void marksHiddenAtDensity() {
        PlotChart chart;
        chart.resize(800, 500);
        chart.SetSubsets(1);
        chart.SetPoints(5000);
        const double t0 = 46362.5;
        for (int i = 0; i < 5000; ++i) {
            chart.SetXDataD(0, i, t0 + i * Second);
            chart.SetYData(0, i, float(i % 100));
        }
        chart.SetMarkDataPoints(true);
        chart.SetAllowZooming(PlotChart::chHorzPlusVertZooming);
        QSignalSpy hidden(&chart, &PlotChart::MarksHiddenChanged);
        chart.ChartAction(PlotChart::chReinitAndReset);
        QVERIFY(chart.MarksHidden());
        QCOMPARE(hidden.size(), 1);
        QVERIFY(chart.MarkDataPoints());

        // Zoomed to a tenth, the marks return.
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        auto* plot = chart.findChild<QCustomPlot*>();
        const QPoint from = chart.PixelAt(t0 + 1000 * Second, 99).toPoint();
        const QPoint to = chart.PixelAt(t0 + 1400 * Second, 0).toPoint();
        QTest::mousePress(plot, Qt::LeftButton, {}, from);
        QTest::mouseMove(plot, to);
        QTest::mouseRelease(plot, Qt::LeftButton, {}, to);
        QVERIFY(chart.Zoomed());
        QVERIFY(!chart.MarksHidden());
        QCOMPARE(hidden.size(), 2);
    }

    // Two Ctrl+clicks mark the points nearest in time; the read-out shows on the
    // chart; Escape clears it.
    void twoPointMeasurement() {
        PlotChart chart;
        chart.resize(700, 450);
        chart.SetSubsets(2);
        chart.SetSubsetLabel(0, QStringLiteral("Main"));
        chart.SetSubsetLabel(1, QStringLiteral("Second"));
        chart.SetPoints(601);
        const double t0 = 46362.5;
        for (int i = 0; i <= 600; ++i) {
            chart.SetXDataD(0, i, t0 + i * Second);
            chart.SetYData(0, i, 20.0f + i * 0.05f); // 3 degrees a minute
            chart.SetXDataD(1, i, t0 + i * Second);
            chart.SetYData(1, i, 80.0f - i * 0.01f);
        }
        chart.SetManualScaleControlY(PlotChart::chManualMinAndMax);
        chart.SetManualMinY(0);
        chart.SetManualMaxY(100);
        chart.ChartAction(PlotChart::chReinitAndReset);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        auto* plot = chart.findChild<QCustomPlot*>();
        QSignalSpy changed(&chart, &PlotChart::MeasurementChanged);

        QTest::mouseClick(plot, Qt::LeftButton, Qt::ControlModifier,
                          chart.PixelAt(t0 + 100.2 * Second, 50).toPoint());
        QCOMPARE(chart.Measure().Marks().size(), size_t(1));
        QTest::mouseClick(plot, Qt::LeftButton, Qt::ControlModifier,
                          chart.PixelAt(t0 + 400 * Second, 50).toPoint());
        QVERIFY(!chart.Zoomed());
        const auto readout = chart.Measure().Measurement();
        QVERIFY(readout);
        // Snapped to stored points, whatever pixel the click hit.
        QVERIFY(std::abs(readout->Seconds() - 300.0) <= 2.0);
        QCOMPARE(readout->Seconds(), std::round(readout->Seconds()));
        QVERIFY(std::abs(readout->PerMinute(0) - 3.0) < 1e-3);
        QVERIFY(std::abs(readout->PerMinute(1) + 0.6) < 1e-3);
        QCOMPARE(changed.size(), 2);
        QVERIFY(changed.last().first().toString().contains(QStringLiteral("Second: ")));

        QTest::keyClick(&chart, Qt::Key_Escape);
        QVERIFY(chart.Measure().Marks().empty());
        QVERIFY(!chart.Measure().Measurement());
        QVERIFY(changed.last().first().toString().isEmpty());
        // A plain click marks nothing unless measure mode is on.
        QTest::mouseClick(plot, Qt::LeftButton, {}, chart.PixelAt(t0 + 50 * Second, 50).toPoint());
        QVERIFY(chart.Measure().Marks().empty());
        chart.Measure().SetMeasureMode(true);
        QTest::mouseClick(plot, Qt::LeftButton, {}, chart.PixelAt(t0 + 50 * Second, 50).toPoint());
        QCOMPARE(chart.Measure().Marks().size(), size_t(1));
    }

    void exportImage_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("name");
        QTest::newRow("png") << int(ChartOutput::ImageFormat::Png) << "graph.png";
        QTest::newRow("png 2x") << int(ChartOutput::ImageFormat::Png2x) << "graph2x.png";
        QTest::newRow("svg") << int(ChartOutput::ImageFormat::Svg) << "graph.svg";
        QTest::newRow("pdf") << int(ChartOutput::ImageFormat::Pdf) << "graph.pdf";
    }
    void exportImage() {
        QFETCH(int, format);
        QFETCH(QString, name);
        PlotChart chart;
        chart.resize(640, 420);
        chart.SetSubsets(1);
        chart.SetPoints(50);
        for (int i = 0; i < 50; ++i) {
            chart.SetXDataD(0, i, 46362.5 + i * Second);
            chart.SetYData(0, i, float(i));
        }
        chart.SetMainTitle(QStringLiteral("Export Title"));
        chart.ChartAction(PlotChart::chReinitAndReset);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        const QSize size = chart.findChild<QCustomPlot*>()->size();

        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QString error;
        QVERIFY2(chart.Output().ExportImage(path, ChartOutput::ImageFormat(format), &error),
                 qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.size() > 1000);
        switch (ChartOutput::ImageFormat(format)) {
        case ChartOutput::ImageFormat::Png:
            QCOMPARE(QImage::fromData(bytes).size(), size);
            break;
        case ChartOutput::ImageFormat::Png2x:
            QCOMPARE(QImage::fromData(bytes).size(), size * 2);
            break;
        case ChartOutput::ImageFormat::Svg: {
            QCOMPARE(QSvgRenderer(bytes).viewBoxF().size(), QSizeF(size));
            // Its width in millimetres is the chart's at 96 pixels an inch.
            const QRegularExpression widthMm(QStringLiteral("width=\"([0-9.]+)mm\""));
            const auto match = widthMm.match(QString::fromUtf8(bytes));
            QVERIFY(match.hasMatch());
            QCOMPARE(qRound(match.captured(1).toDouble() / 25.4 * 96), size.width());
            QVERIFY(bytes.contains("Export Title"));
            break;
        }
        case ChartOutput::ImageFormat::Pdf: {
            QVERIFY(bytes.startsWith("%PDF"));
            // One page of the chart's size in points.
            const QRegularExpression box(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
            const auto match = box.match(QString::fromLatin1(bytes));
            QVERIFY(match.hasMatch());
            QCOMPARE(qRound(match.captured(1).toDouble()), size.width());
            QCOMPARE(qRound(match.captured(2).toDouble()), size.height());
            break;
        }
        }
        // A folder that does not exist is named in the failure.
        QVERIFY(!chart.Output().ExportImage(dir.filePath(QStringLiteral("missing/") + name),
                                            ChartOutput::ImageFormat(format), &error));
        QVERIFY(error.contains(QStringLiteral("missing")));
    }

    // Export Image As: the suffix typed chooses the format whatever filter is
    // selected; a name without a known suffix gets the filter's format and suffix.
    void exportImageAsTypedSuffix_data() {
        QTest::addColumn<int>("filter"); // PNG, PNG twice the size, SVG, PDF
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("kind");
        QTest::newRow("svg under PNG") << 0 << "graph.svg"
                                       << "graph.svg" << QByteArray("svg");
        QTest::newRow("pdf under PNG") << 0 << "graph.pdf"
                                       << "graph.pdf" << QByteArray("pdf");
        QTest::newRow("PNG under SVG") << 2 << "graph.PNG"
                                       << "graph.PNG" << QByteArray("png");
        QTest::newRow("png under PNG twice") << 1 << "g.png"
                                             << "g.png" << QByteArray("png2x");
        QTest::newRow("none under PDF") << 3 << "graph"
                                        << "graph.pdf" << QByteArray("pdf");
        QTest::newRow("unknown under PNG") << 0 << "g.jpg"
                                           << "g.jpg.png" << QByteArray("png");
    }
    void exportImageAsTypedSuffix() {
        QFETCH(int, filter);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(QByteArray, kind);
        PlotChart chart;
        chart.resize(640, 420);
        chart.SetSubsets(1);
        chart.SetPoints(2);
        chart.SetXDataD(0, 0, T0);
        chart.SetYData(0, 0, 1.0f);
        chart.SetXDataD(0, 1, T0 + Second);
        chart.SetYData(0, 1, 2.0f);
        chart.ChartAction(PlotChart::chReinitAndReset);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        const QSize size = chart.findChild<QCustomPlot*>()->size();
        QTemporaryDir dir;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialog->selectNameFilter(dialog->nameFilters().value(filter));
            dialog->selectFile(dir.filePath(typed));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        chart.Output().ExportImageAs();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
        const QByteArray bytes = FileBytes(dir.filePath(written));
        if (kind == "svg")
            QVERIFY(bytes.contains("<svg"));
        else if (kind == "pdf")
            QVERIFY(bytes.startsWith("%PDF"));
        else
            QCOMPARE(QImage::fromData(bytes, "png").size(), kind == "png2x" ? size * 2 : size);
    }

    // Printing without a printer: the page a PDF printer makes of the chart, written
    // through the checked path; a folder that does not exist is named in the failure.
    void printToPdf() {
        PlotChart chart;
        chart.resize(640, 420);
        chart.SetSubsets(1);
        chart.SetPoints(50);
        for (int i = 0; i < 50; ++i) {
            chart.SetXDataD(0, i, 46362.5 + i * Second);
            chart.SetYData(0, i, float(i % 7));
        }
        chart.SetMainTitle(QStringLiteral("Printed"));
        chart.ChartAction(PlotChart::chReinitAndReset);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("graph.pdf"));
        QString error;
        QVERIFY2(chart.Output().PrintToPdf(path, &error), qPrintable(error));

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("reference.pdf")));
        printer.setPageOrientation(QPageLayout::Landscape);
        chart.Output().PrintTo(printer);
        const QList<QByteArray> streams = PdfStreams(FileBytes(path));
        QVERIFY(!streams.isEmpty());
        QCOMPARE(streams, PdfStreams(FileBytes(dir.filePath(QStringLiteral("reference.pdf")))));

        const QString missing = dir.filePath(QStringLiteral("missing/graph.pdf"));
        QVERIFY(!chart.Output().PrintToPdf(missing, &error));
        QVERIFY(error.contains(missing) && error.contains(QStringLiteral("No such file")));
    }
};

QTEST_MAIN(PlotChartTest)
#include "tst_plot_chart.moc"
