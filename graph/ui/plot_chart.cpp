#include "graph/ui/plot_chart.h"

#include "app/day_count.h"

#include <QFileDialog>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QToolTip>
#include <QVBoxLayout>
#include <cmath>
#include <limits>
#include <qcustomplot.h>

namespace {
// The plot's keys are seconds since 1970 in a zone-free clock, so the ticker shows
// the local wall time the day counts hold.
constexpr double DaysTo1970 = 25569.0;
double KeyFromDays(double days) {
    return (days - DaysTo1970) * 86400.0;
}
double DaysFromKey(double key) {
    return key / 86400.0 + DaysTo1970;
}

constexpr double ThinWidth = 1.0;
constexpr double ThickWidth = 2.5;
constexpr double MarkSize = 5.0;

const QColor DefaultColors[] = {QColor(0, 0, 160), QColor(255, 0, 0), QColor(0, 128, 0),
                                QColor(128, 0, 128)};

// A range the plot accepts: a single value or an empty span becomes a narrow window round it.
QCPRange Widened(double lower, double upper, double margin) {
    if (lower > upper)
        std::swap(lower, upper);
    if (upper - lower < 1e-9) {
        lower -= margin;
        upper += margin;
    }
    return {lower, upper};
}
} // namespace

PlotChart::PlotChart(QWidget* parent) : QWidget(parent), plot_(new QCustomPlot(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(plot_);

    plot_->setBackground(Qt::white);
    // Thick lines over thousands of points: joins drawn the fast way keep a redraw cheap.
    plot_->setPlottingHint(QCP::phFastPolylines, true);
    const QFont labelFont(QStringLiteral("Arial"), 9);
    QFont titleFont(QStringLiteral("Times New Roman"), 14, QFont::Bold);
    QFont subTitleFont(QStringLiteral("Times New Roman"), 11);

    QCPLayoutGrid* grid = plot_->plotLayout();
    mainTitleElement_ = new QCPTextElement(plot_, QString(), titleFont);
    subTitleElement_ = new QCPTextElement(plot_, QString(), subTitleFont);
    grid->insertRow(0);
    grid->addElement(0, 0, mainTitleElement_);
    grid->insertRow(1);
    grid->addElement(1, 0, subTitleElement_);
    // The legend stands centred above the plot, its entries side by side.
    plot_->axisRect()->insetLayout()->take(plot_->legend);
    auto* legendRow = new QCPLayoutGrid;
    grid->insertRow(2);
    grid->addElement(2, 0, legendRow);
    legendRow->addElement(0, 0, new QCPLayoutElement(plot_));
    legendRow->addElement(0, 1, plot_->legend);
    legendRow->addElement(0, 2, new QCPLayoutElement(plot_));
    legendRow->setColumnStretchFactors({1.0, 0.001, 1.0});
    plot_->legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    plot_->legend->setBorderPen(Qt::NoPen);
    plot_->legend->setFont(labelFont);
    plot_->legend->setMargins(QMargins(4, 0, 4, 0));
    for (int row = 0; row < 3; ++row)
        grid->setRowStretchFactor(row, 0.001);

    plot_->axisRect()->setupFullAxesBox(true);
    auto ticker = QSharedPointer<QCPAxisTickerDateTime>::create();
    ticker->setDateTimeFormat(QStringLiteral("hh:mm:ss"));
    ticker->setDateTimeSpec(Qt::UTC);
    plot_->xAxis->setTicker(ticker);
    for (QCPAxis* axis : {plot_->xAxis, plot_->yAxis}) {
        axis->setTickLabelFont(labelFont);
        axis->setLabelFont(QFont(QStringLiteral("Arial"), 10));
        axis->setTickLabelColor(Qt::black);
        axis->setLabelColor(Qt::black);
        axis->grid()->setVisible(true);
    }
    plot_->selectionRect()->setPen(QPen(Qt::black, 1, Qt::DashLine));
    connect(plot_->selectionRect(), &QCPSelectionRect::accepted, this,
            [this](const QRect& rect, QMouseEvent*) { Zoom(rect); });
    connect(plot_, &QCustomPlot::mouseMove, this, &PlotChart::MouseMoved);
    plot_->setMouseTracking(true);
}

void PlotChart::SetSubsets(int count) {
    count = std::max(count, 1);
    while (Subsets() > count) {
        plot_->removeGraph(series_.back().graph);
        series_.pop_back();
    }
    while (Subsets() < count) {
        Series s;
        s.x.assign(static_cast<size_t>(points_), 0.0);
        s.y.assign(static_cast<size_t>(points_), 0.0f);
        s.color = DefaultColors[series_.size() % std::size(DefaultColors)];
        s.graph = plot_->addGraph();
        series_.push_back(std::move(s));
    }
}

void PlotChart::SetPoints(int count) {
    points_ = std::max(count, 0);
    for (Series& s : series_) {
        s.x.resize(static_cast<size_t>(points_), 0.0);
        s.y.resize(static_cast<size_t>(points_), 0.0f);
    }
}

bool PlotChart::SetXDataD(int subset, int point, double x) {
    if (subset < 0 || subset >= Subsets())
        return false;
    Series& s = series_[static_cast<size_t>(subset)];
    if (point == -1 && x == 0.0) {
        std::fill(s.x.begin(), s.x.end(), 0.0);
        std::fill(s.y.begin(), s.y.end(), 0.0f);
        return true;
    }
    if (point < 0 || point >= points_)
        return false;
    s.x[static_cast<size_t>(point)] = x;
    return true;
}

bool PlotChart::SetYData(int subset, int point, float y) {
    if (subset < 0 || subset >= Subsets())
        return false;
    Series& s = series_[static_cast<size_t>(subset)];
    if (point == -1 && y == 0.0f)
        return SetXDataD(subset, -1, 0.0);
    if (point < 0 || point >= points_)
        return false;
    s.y[static_cast<size_t>(point)] = y;
    return true;
}

double PlotChart::XDataD(int subset, int point) const {
    if (subset < 0 || subset >= Subsets() || point < 0 || point >= points_)
        return 0.0;
    return series_[static_cast<size_t>(subset)].x[static_cast<size_t>(point)];
}

float PlotChart::YData(int subset, int point) const {
    if (subset < 0 || subset >= Subsets() || point < 0 || point >= points_)
        return 0.0f;
    return series_[static_cast<size_t>(subset)].y[static_cast<size_t>(point)];
}

void PlotChart::AppendBlankPoints(int n) {
    n = std::clamp(n, 0, points_);
    for (Series& s : series_) {
        std::move(s.x.begin() + n, s.x.end(), s.x.begin());
        std::move(s.y.begin() + n, s.y.end(), s.y.begin());
        std::fill(s.x.end() - n, s.x.end(), 0.0);
        std::fill(s.y.end() - n, s.y.end(), 0.0f);
    }
}

void PlotChart::SetSubsetLabel(int subset, const QString& label) {
    if (subset >= 0 && subset < Subsets())
        series_[static_cast<size_t>(subset)].label = label;
}

void PlotChart::SetSubsetColor(int subset, const QColor& color) {
    if (subset >= 0 && subset < Subsets())
        series_[static_cast<size_t>(subset)].color = color;
}

void PlotChart::SetSubsetLineType(int subset, int lineType) {
    if (subset >= 0 && subset < Subsets())
        series_[static_cast<size_t>(subset)].lineType = lineType;
}

int PlotChart::SubsetLineType(int subset) const {
    return subset >= 0 && subset < Subsets() ? series_[static_cast<size_t>(subset)].lineType
                                             : ThinSolid;
}

void PlotChart::SetAllowZooming(Zooming zooming) {
    plot_->setSelectionRectMode(zooming == chNoZooming ? QCP::srmNone : QCP::srmCustom);
}

void PlotChart::ChartAction(Action action) {
    switch (action) {
    case chReinitAndReset:
        unzoomed_.reset();
        ResetImage();
        plot_->replot();
        break;
    case chResetImage:
        ResetImage();
        break;
    case chInvalidateImage:
        plot_->replot();
        break;
    case chPrintDialog:
        Print(true);
        break;
    case chPrintGraph:
        Print(false);
        break;
    case chUndoZoom:
        UndoZoom();
        break;
    }
}

void PlotChart::Redraw() {
    ChartAction(chResetImage);
    ChartAction(chInvalidateImage);
}

void PlotChart::ResetImage() {
    mainTitleElement_->setText(mainTitle_);
    subTitleElement_->setText(subTitle_);
    plot_->xAxis->setLabel(xAxisLabel_);
    plot_->yAxis->setLabel(yAxisLabel_);
    bool anyLabel = false;
    for (Series& s : series_) {
        FillGraph(s);
        anyLabel = anyLabel || !s.label.isEmpty();
    }
    plot_->legend->setVisible(anyLabel);
    plot_->legend->setMaximumSize(plot_->legend->minimumOuterSizeHint());
    if (!unzoomed_)
        ApplyRanges();
}

void PlotChart::FillGraph(Series& series) {
    QVector<QCPGraphData> data;
    data.reserve(points_);
    bool sorted = true;
    bool gap = true;
    for (int i = 0; i < points_; ++i) {
        const double x = series.x[static_cast<size_t>(i)];
        if (x == 0.0) {
            // A blank point breaks the line rather than joining its neighbours.
            if (!gap)
                data.append({std::nextafter(data.back().key, std::numeric_limits<double>::max()),
                             std::numeric_limits<double>::quiet_NaN()});
            gap = true;
            continue;
        }
        const double key = KeyFromDays(x);
        sorted = sorted && (data.isEmpty() || key >= data.back().key);
        data.append({key, static_cast<double>(series.y[static_cast<size_t>(i)])});
        gap = false;
    }
    QCPGraph* graph = series.graph;
    graph->data()->set(data, sorted);
    QPen pen(series.color, series.lineType == ThickSolid ? ThickWidth : ThinWidth);
    graph->setPen(pen);
    graph->setScatterStyle(markDataPoints_ ? QCPScatterStyle(QCPScatterStyle::ssCircle, MarkSize)
                                           : QCPScatterStyle(QCPScatterStyle::ssNone));
    graph->setName(series.label);
    if (series.label.isEmpty())
        graph->removeFromLegend();
    else
        graph->addToLegend();
}

void PlotChart::ApplyRanges() {
    double lowerX = minX_, upperX = maxX_, lowerY = minY_, upperY = maxY_;
    if (scaleX_ == chAutomatic || scaleY_ == chAutomatic) {
        double x0 = std::numeric_limits<double>::max(), x1 = -x0, y0 = x0, y1 = -x0;
        for (const Series& s : series_)
            for (int i = 0; i < points_; ++i) {
                const double x = s.x[static_cast<size_t>(i)];
                if (x == 0.0)
                    continue;
                const double y = s.y[static_cast<size_t>(i)];
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
        if (x0 <= x1) {
            if (scaleX_ == chAutomatic) {
                lowerX = x0;
                upperX = x1;
            }
            if (scaleY_ == chAutomatic) {
                const double pad = (y1 - y0) * 0.05;
                lowerY = y0 - pad;
                upperY = y1 + pad;
            }
        }
    }
    plot_->xAxis->setRange(Widened(KeyFromDays(lowerX), KeyFromDays(upperX), 30.0));
    plot_->yAxis->setRange(Widened(lowerY, upperY, 1.0));
}

double PlotChart::ShownMinX() const {
    return DaysFromKey(plot_->xAxis->range().lower);
}
double PlotChart::ShownMaxX() const {
    return DaysFromKey(plot_->xAxis->range().upper);
}

void PlotChart::Zoom(const QRect& rect) {
    if (rect.width() < 4 || rect.height() < 4)
        return;
    const QCPRange x = plot_->selectionRect()->range(plot_->xAxis);
    const QCPRange y = plot_->selectionRect()->range(plot_->yAxis);
    if (!unzoomed_)
        unzoomed_ = Ranges{plot_->xAxis->range().lower, plot_->xAxis->range().upper,
                           plot_->yAxis->range().lower, plot_->yAxis->range().upper};
    plot_->xAxis->setRange(x);
    plot_->yAxis->setRange(y);
    plot_->replot();
    emit ZoomIn();
}

void PlotChart::UndoZoom() {
    if (!unzoomed_)
        return;
    plot_->xAxis->setRange(unzoomed_->lowerX, unzoomed_->upperX);
    plot_->yAxis->setRange(unzoomed_->lowerY, unzoomed_->upperY);
    unzoomed_.reset();
    plot_->replot();
}

QString PlotChart::CursorPromptAt(const QPointF& position) const {
    const double days = DaysFromKey(plot_->xAxis->pixelToCoord(position.x()));
    const double value = plot_->yAxis->pixelToCoord(position.y());
    return QStringLiteral("X: %1   Y: %2")
        .arg(DateTimeFromDayCount(days).toString(QStringLiteral("HH:mm:ss")))
        .arg(QLocale().toString(value, 'f', 3));
}

void PlotChart::MouseMoved(QMouseEvent* event) {
    if (!cursorPrompt_)
        return;
    if (plot_->axisRect()->rect().contains(event->pos()))
        QToolTip::showText(event->globalPosition().toPoint(), CursorPromptAt(event->position()),
                           plot_);
    else
        QToolTip::hideText();
}

void PlotChart::PrintTo(QPrinter& printer) {
    RenderPage(printer, printer.pageLayout().paintRectPixels(printer.resolution()));
}

void PlotChart::RenderPage(QPaintDevice& device, const QRectF& page) {
    // Laid out on a fixed canvas of the page's shape, so fonts keep their proportions
    // whatever the window's size, then scaled onto the page.
    const int width = 900;
    const int height = std::max(1, static_cast<int>(width * page.height() / page.width()));
    QPicture picture;
    QCPPainter recorder(&picture);
    recorder.setMode(QCPPainter::pmVectorized);
    recorder.setMode(QCPPainter::pmNoCaching);
    plot_->toPainter(&recorder, width, height);
    recorder.end();

    QPainter painter(&device);
    // Playing a picture back already scales it from its resolution to the device's.
    const double playback = double(device.logicalDpiX()) / picture.logicalDpiX();
    const double scale = std::min(page.width() / width, page.height() / height) / playback;
    painter.scale(scale, scale);
    painter.drawPicture(0, 0, picture);
}

void PlotChart::Print(bool withDialog) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // No printer installed: the graph goes to a PDF file of the user's choice.
        const QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Print to PDF File"),
                                                          dir + QStringLiteral("/graph.pdf"),
                                                          QStringLiteral("PDF files (*.pdf)"));
        if (name.isEmpty())
            return;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(name);
    } else if (withDialog) {
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    PrintTo(printer);
}
