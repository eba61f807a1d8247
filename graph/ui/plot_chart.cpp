#include "graph/ui/plot_chart.h"

#include "base/day_count.h"
#include "base/handler_guard.h"
#include "graph/ui/series_plottable.h"
#include "log/ui/pdf_output.h"

#include <QElapsedTimer>
#include <QFileDialog>
#include <QImageWriter>
#include <QLoggingCategory>
#include <QPdfWriter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QShortcut>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <QToolTip>
#include <QVBoxLayout>
#include <cmath>
#include <qcustomplot.h>

namespace {
Q_LOGGING_CATEGORY(lcGraph, "brackwater.graph", QtWarningMsg)

double KeyFromDays(double days) {
    return SeriesPlottable::KeyFromDays(days);
}
double DaysFromKey(double key) {
    return SeriesPlottable::DaysFromKey(key);
}

// Thin lines are drawn without smoothing: a one-pixel line looks the same and costs
// far less. Thick ones keep it, as their edges would show steps.
constexpr double ThinWidth = 1.0;
constexpr double ThickWidth = 2.5;
constexpr int ScrollSteps = 10000;

// What drawing onto the series' own picture needs of the plot's inner parts,
// reached as pointers to their members from derived classes.
struct LayerAccess : QCPLayer {
    static QWeakPointer<QCPAbstractPaintBuffer> QCPLayer::*Buffer() {
        return &LayerAccess::mPaintBuffer;
    }
};
struct PlotAccess : QCustomPlot {
    static bool (QCustomPlot::*Invalidated())() { return &PlotAccess::hasInvalidatedPaintBuffers; }
};

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

// Within a day the ticks show the time; beyond, the date joins it.
void FitTickFormat(QCPAxis* axis) {
    auto ticker = axis->ticker().dynamicCast<QCPAxisTickerDateTime>();
    const QString format = axis->range().size() > 86400.0 * 1.5 ? QStringLiteral("hh:mm\nd MMM")
                                                                : QStringLiteral("hh:mm:ss");
    if (ticker && ticker->dateTimeFormat() != format)
        ticker->setDateTimeFormat(format);
}
} // namespace

PlotChart::PlotChart(QWidget* parent)
    : QWidget(parent), plot_(new QCustomPlot(this)), scroll_(new QScrollBar(Qt::Horizontal, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(plot_);
    layout->addWidget(scroll_);
    scroll_->hide();
    scroll_->setRange(0, 0);

    plot_->setBackground(Qt::white);
    // The series have a buffer of their own, so a new point repaints only them.
    plot_->addLayer(QStringLiteral("series"), plot_->layer(QStringLiteral("main")),
                    QCustomPlot::limAbove);
    seriesLayer_ = plot_->layer(QStringLiteral("series"));
    seriesLayer_->setMode(QCPLayer::lmBuffered);
    plot_->addLayer(QStringLiteral("measure"), seriesLayer_, QCustomPlot::limAbove);
    measureLayer_ = plot_->layer(QStringLiteral("measure"));
    plot_->addLayer(QStringLiteral("guides"), seriesLayer_, QCustomPlot::limBelow);
    guideLayer_ = plot_->layer(QStringLiteral("guides"));

    const QFont labelFont(QStringLiteral("Arial"), 9);
    QFont titleFont(QStringLiteral("Times New Roman"), 14, QFont::Bold);
    QFont subTitleFont(QStringLiteral("Times New Roman"), 11);

    QCPLayoutGrid* grid = plot_->plotLayout();
    mainTitleElement_ = new QCPTextElement(plot_, QString(), titleFont);
    subTitleElement_ = new QCPTextElement(plot_, QString(), subTitleFont);
    // Rows 0 and 1 hold the titles while they are not empty.
    grid->insertRow(0);
    grid->insertRow(1);
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
    connect(plot_->xAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this,
            [this] { FitTickFormat(plot_->xAxis); });
    plot_->selectionRect()->setPen(QPen(Qt::black, 1, Qt::DashLine));
    connect(plot_->selectionRect(), &QCPSelectionRect::accepted, this,
            [this](const QRect& rect, QMouseEvent*) { Zoom(rect); });
    connect(plot_, &QCustomPlot::mouseMove, this, &PlotChart::MouseMoved);
    connect(plot_, &QCustomPlot::mousePress, this,
            [this](QMouseEvent* event) { pressPosition_ = event->pos(); });
    connect(plot_, &QCustomPlot::mouseRelease, this, &PlotChart::MouseReleased);
    connect(plot_, &QCustomPlot::mouseWheel, this, &PlotChart::Wheel);
    connect(plot_, &QCustomPlot::afterReplot, this, [this] {
        NotePainted();
        NoteMarks();
    });
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int value) {
        const Ranges full = FullRanges();
        const double span = KeyFromDays(full.upperX) - KeyFromDays(full.lowerX);
        ScrollTo(KeyFromDays(full.lowerX) + span * value / ScrollSteps);
    });
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &PlotChart::ClearMeasurement,
                  Qt::WindowShortcut);
    plot_->setMouseTracking(true);
}

void PlotChart::SetSubsets(int count) {
    count = std::max(count, 1);
    while (Subsets() > count) {
        plot_->removePlottable(looks_.back().plottable);
        looks_.pop_back();
        data_.SetSubsets(Subsets() - 1);
    }
    reshaped_ = true;
    while (Subsets() < count) {
        const int subset = Subsets();
        data_.SetSubsets(subset + 1);
        Look look;
        look.color = DefaultColors[static_cast<size_t>(subset) % std::size(DefaultColors)];
        look.plottable = new SeriesPlottable(plot_->xAxis, plot_->yAxis, data_, subset);
        look.plottable->setLayer(seriesLayer_);
        looks_.push_back(look);
    }
    fullReplotDue_ = true;
}

void PlotChart::SetPoints(int count) {
    reshaped_ = true;
    data_.SetPoints(count);
}

bool PlotChart::SetXDataD(int subset, int point, double x) {
    if (point == -1 && x == 0.0 && subset >= 0 && subset < Subsets()) {
        data_.Clear(subset);
        reshaped_ = true;
        ClearMeasurement();
        return true;
    }
    if (!data_.SetX(subset, point, x))
        return false;
    NoteWritten(subset, point);
    return true;
}

bool PlotChart::SetYData(int subset, int point, float y) {
    if (point == -1 && y == 0.0f)
        return SetXDataD(subset, -1, 0.0);
    if (!data_.SetY(subset, point, y))
        return false;
    NoteWritten(subset, point);
    return true;
}

void PlotChart::NoteWritten(int subset, int point) {
    Look& look = looks_[static_cast<size_t>(subset)];
    look.changedFirst = std::min(look.changedFirst, point);
    look.changedLast = std::max(look.changedLast, point);
}

void PlotChart::AppendBlankPoints(int n) {
    reshaped_ = true;
    data_.DropOldest(n);
}

void PlotChart::SetSubsetLabel(int subset, const QString& label) {
    if (subset >= 0 && subset < Subsets())
        looks_[static_cast<size_t>(subset)].label = label;
}

void PlotChart::SetSubsetColor(int subset, const QColor& color) {
    if (subset >= 0 && subset < Subsets())
        looks_[static_cast<size_t>(subset)].color = color;
}

QColor PlotChart::SubsetColor(int subset) const {
    return subset >= 0 && subset < Subsets() ? looks_[static_cast<size_t>(subset)].color
                                             : DefaultColors[0];
}

void PlotChart::SetSubsetLineType(int subset, int lineType) {
    if (subset >= 0 && subset < Subsets())
        looks_[static_cast<size_t>(subset)].lineType = lineType;
}

int PlotChart::SubsetLineType(int subset) const {
    return subset >= 0 && subset < Subsets() ? looks_[static_cast<size_t>(subset)].lineType
                                             : ThinSolid;
}

void PlotChart::SetAllowZooming(Zooming zooming) {
    plot_->setSelectionRectMode(zooming == chNoZooming ? QCP::srmNone : QCP::srmCustom);
}

void PlotChart::SetScrollingHorzZoom(bool on) {
    scrolling_ = on;
    SyncScrollBar();
}

void PlotChart::ChartAction(Action action) {
    switch (action) {
    case chReinitAndReset:
        zoomed_ = false;
        fullReplotDue_ = true;
        ResetImage();
        Replot(true);
        break;
    case chResetImage:
        ResetImage();
        break;
    case chInvalidateImage:
        Replot(fullReplotDue_);
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
    if (ApplyLooks())
        fullReplotDue_ = true;
    if (!zoomed_ && ApplyRanges())
        fullReplotDue_ = true;
    SyncScrollBar();
}

// Takes over titles, labels and series looks; true when anything shown changed.
bool PlotChart::ApplyLooks() {
    bool changed = false;
    QCPLayoutGrid* grid = plot_->plotLayout();
    const auto setText = [&](QCPTextElement* element, int row, const QString& text) {
        if (element->text() == text)
            return;
        element->setText(text);
        // An empty title leaves its row, so no blank line stands above the plot.
        if (text.isEmpty() && grid->hasElement(row, 0))
            grid->take(element);
        else if (!text.isEmpty() && !grid->hasElement(row, 0))
            grid->addElement(row, 0, element);
        changed = true;
    };
    setText(mainTitleElement_, 0, mainTitle_);
    setText(subTitleElement_, 1, subTitle_);
    if (plot_->xAxis->label() != xAxisLabel_ || plot_->yAxis->label() != yAxisLabel_) {
        plot_->xAxis->setLabel(xAxisLabel_);
        plot_->yAxis->setLabel(yAxisLabel_);
        changed = true;
    }
    bool anyLabel = false;
    for (Look& look : looks_) {
        SeriesPlottable* p = look.plottable;
        const bool thick = look.lineType == ThickSolid;
        const QPen pen(look.color, thick ? ThickWidth : ThinWidth);
        if (p->pen() != pen || p->antialiased() != thick || p->name() != look.label) {
            p->setPen(pen);
            p->setAntialiased(thick);
            p->setName(look.label);
            changed = true;
        }
        if (p->Marks() != markDataPoints_) {
            p->SetMarks(markDataPoints_); // the legend shows them too
            changed = true;
        }
        const bool inLegend = plot_->legend->hasItemWithPlottable(p);
        if (look.label.isEmpty() && inLegend)
            p->removeFromLegend();
        else if (!look.label.isEmpty() && !inLegend)
            p->addToLegend();
        changed = changed || inLegend == look.label.isEmpty();
        anyLabel = anyLabel || !look.label.isEmpty();
    }
    if (plot_->legend->visible() != anyLabel) {
        plot_->legend->setVisible(anyLabel);
        changed = true;
    }
    if (changed)
        plot_->legend->setMaximumSize(plot_->legend->minimumOuterSizeHint());
    return changed;
}

PlotChart::Ranges PlotChart::FullRanges() const {
    Ranges r{minX_, maxX_, minY_, maxY_};
    ChartData::Extent x{}, y{};
    if (scaleX_ == chAutomatic && data_.XExtent(x)) {
        r.lowerX = x.lower;
        r.upperX = x.upper;
    }
    if (scaleY_ == chAutomatic && data_.YExtent(y)) {
        const double pad = (y.upper - y.lower) * 0.05;
        r.lowerY = y.lower - pad;
        r.upperY = y.upper + pad;
    }
    return r;
}

bool PlotChart::ApplyRanges() {
    const Ranges r = FullRanges();
    const QCPRange x = Widened(KeyFromDays(r.lowerX), KeyFromDays(r.upperX), 30.0);
    const QCPRange y = Widened(r.lowerY, r.upperY, 1.0);
    if (x == plot_->xAxis->range() && y == plot_->yAxis->range())
        return false;
    plot_->xAxis->setRange(x);
    plot_->yAxis->setRange(y);
    return true;
}

void PlotChart::Replot(bool full) {
    if (full) {
        fullReplotDue_ = false;
        lastRedraw_ = RedrawKind::Full;
        QElapsedTimer clock;
        clock.start();
        plot_->replot(); // notes the painting through afterReplot
        qCDebug(lcGraph, "drew %d series of %d points in %.1f ms", Subsets(), Points(),
                clock.nsecsElapsed() / 1e6);
        return;
    }
    if (DrawAppended())
        return;
    lastRedraw_ = RedrawKind::Series;
    seriesLayer_->replot();
    NotePainted();
    NoteMarks();
}

bool PlotChart::DrawAppended() {
    // Marks would need their density checked again; a blank picture needs everything.
    if (reshaped_ || markDataPoints_ || (plot_->*PlotAccess::Invalidated())())
        return false;
    for (const Look& look : looks_)
        if (look.changedLast >= 0 && look.changedFirst < look.paintedEnd)
            return false;
    const QSharedPointer<QCPAbstractPaintBuffer> buffer =
        (seriesLayer_->*LayerAccess::Buffer()).toStrongRef();
    if (!buffer)
        return false;
    QRectF dirty;
    QCPPainter* painter = buffer->startPainting();
    for (Look& look : looks_) {
        if (look.changedLast < 0)
            continue;
        dirty |= look.plottable->DrawAppended(painter, look.changedFirst, look.changedLast);
        look.paintedEnd = look.changedLast + 1;
        look.changedFirst = std::numeric_limits<int>::max();
        look.changedLast = -1;
    }
    delete painter;
    buffer->donePainting();
    // Only the pixels of the new points are blended onto the screen again.
    if (!dirty.isNull())
        plot_->update(dirty.toAlignedRect());
    lastRedraw_ = RedrawKind::Appended;
    return true;
}

// Everything written so far is in the series' picture.
void PlotChart::NotePainted() {
    for (int s = 0; s < Subsets(); ++s) {
        Look& look = looks_[static_cast<size_t>(s)];
        int end = Points();
        while (end > 0 && data_.X(s, end - 1) == 0.0)
            --end;
        look.paintedEnd = end;
        look.changedFirst = std::numeric_limits<int>::max();
        look.changedLast = -1;
    }
    reshaped_ = false;
}

void PlotChart::NoteMarks() {
    bool hidden = false;
    for (const Look& look : looks_)
        hidden = hidden || look.plottable->MarksHidden();
    if (hidden != marksHidden_) {
        marksHidden_ = hidden;
        emit MarksHiddenChanged(hidden);
    }
}

double PlotChart::ShownMinX() const {
    return DaysFromKey(plot_->xAxis->range().lower);
}
double PlotChart::ShownMaxX() const {
    return DaysFromKey(plot_->xAxis->range().upper);
}
double PlotChart::ShownMinY() const {
    return plot_->yAxis->range().lower;
}
double PlotChart::ShownMaxY() const {
    return plot_->yAxis->range().upper;
}

QPointF PlotChart::PixelAt(double days, double value) const {
    return {plot_->xAxis->coordToPixel(KeyFromDays(days)), plot_->yAxis->coordToPixel(value)};
}

void PlotChart::Zoom(const QRect& rect) {
    if (rect.width() < 4 || rect.height() < 4)
        return;
    const QCPRange x = plot_->selectionRect()->range(plot_->xAxis);
    const QCPRange y = plot_->selectionRect()->range(plot_->yAxis);
    zoomed_ = true;
    plot_->xAxis->setRange(x);
    plot_->yAxis->setRange(y);
    SyncScrollBar();
    Replot(true);
    emit ZoomIn();
}

void PlotChart::UndoZoom() {
    if (!zoomed_)
        return;
    zoomed_ = false;
    ApplyRanges();
    SyncScrollBar();
    Replot(true);
}

void PlotChart::ScrollTo(double lowerKey) {
    const Ranges full = FullRanges();
    const double size = plot_->xAxis->range().size();
    const double lowest = KeyFromDays(full.lowerX);
    const double highest = std::max(lowest, KeyFromDays(full.upperX) - size);
    lowerKey = std::clamp(lowerKey, lowest, highest);
    if (lowerKey == plot_->xAxis->range().lower)
        return;
    plot_->xAxis->setRange(lowerKey, lowerKey + size);
    SyncScrollBar();
    Replot(true);
}

void PlotChart::SyncScrollBar() {
    const bool shown = zoomed_ && scrolling_;
    scroll_->setVisible(shown);
    if (!shown)
        return;
    const Ranges full = FullRanges();
    const double lower = KeyFromDays(full.lowerX);
    const double span = KeyFromDays(full.upperX) - lower;
    const QCPRange view = plot_->xAxis->range();
    const int page =
        span > 0 ? std::clamp(int(ScrollSteps * view.size() / span), 1, ScrollSteps) : ScrollSteps;
    const QSignalBlocker quiet(scroll_);
    scroll_->setPageStep(page);
    scroll_->setSingleStep(std::max(1, page / 10));
    scroll_->setRange(0, ScrollSteps - page);
    scroll_->setValue(span > 0 ? int(std::lround(ScrollSteps * (view.lower - lower) / span)) : 0);
}

void PlotChart::Wheel(QWheelEvent* event) {
    if (!zoomed_ || !scrolling_)
        return;
    // Either wheel moves the view by a tenth of its width per notch.
    const QPoint delta = event->angleDelta();
    const int notches = (delta.x() != 0 ? -delta.x() : -delta.y());
    ScrollTo(plot_->xAxis->range().lower + plot_->xAxis->range().size() * notches / 1200.0);
}

QString PlotChart::CursorPromptAt(const QPointF& position) const {
    const double days = DaysFromKey(plot_->xAxis->pixelToCoord(position.x()));
    const double value = plot_->yAxis->pixelToCoord(position.y());
    const QLocale locale;
    const QDateTime when = DateTimeFromDayCount(days);
    return QStringLiteral("X: %1 %2   Y: %3")
        .arg(locale.toString(when.date(), QLocale::ShortFormat),
             when.toString(QStringLiteral("HH:mm:ss")), locale.toString(value, 'f', 3));
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

void PlotChart::MouseReleased(QMouseEvent* event) {
    const bool click = (event->pos() - pressPosition_).manhattanLength() <= 3;
    const bool measuring = measureMode_ || event->modifiers().testFlag(Qt::ControlModifier);
    if (event->button() == Qt::LeftButton && click && measuring &&
        plot_->axisRect()->rect().contains(event->pos()))
        MarkAt(DaysFromKey(plot_->xAxis->pixelToCoord(event->position().x())));
}

void PlotChart::MarkAt(double days) {
    if (marks_.size() == 2)
        ClearMeasurement();
    marks_.push_back(TwoPointReadout::Snap(data_, days));
    ShowMeasurement();
}

std::optional<TwoPointReadout> PlotChart::Measurement() const {
    if (marks_.size() < 2)
        return std::nullopt;
    return TwoPointReadout::Between(data_, marks_[0], marks_[1]);
}

void PlotChart::ClearMeasurement() {
    if (marks_.empty())
        return;
    marks_.clear();
    ShowMeasurement();
}

// The marks as dashed lines with a ring on each series' point, and the read-out in
// the plot's top left corner, so that printing and export carry them.
void PlotChart::ShowMeasurement() {
    for (QCPItemStraightLine* line : markLines_)
        plot_->removeItem(line);
    for (QCPItemTracer* dot : markDots_)
        plot_->removeItem(dot);
    markLines_.clear();
    markDots_.clear();
    if (readout_)
        plot_->removeItem(readout_);
    readout_ = nullptr;

    for (const double t : marks_) {
        auto* line = new QCPItemStraightLine(plot_);
        line->setLayer(measureLayer_);
        line->setPen(QPen(QColor(60, 60, 60), 1, Qt::DashLine));
        line->point1->setCoords(KeyFromDays(t), 0);
        line->point2->setCoords(KeyFromDays(t), 1);
        markLines_.push_back(line);
        for (int s = 0; s < Subsets(); ++s) {
            const int i = data_.Nearest(s, t);
            if (i < 0)
                continue;
            auto* dot = new QCPItemTracer(plot_);
            dot->setLayer(measureLayer_);
            dot->setStyle(QCPItemTracer::tsCircle);
            dot->setSize(9);
            dot->setPen(QPen(looks_[static_cast<size_t>(s)].color, 2));
            dot->position->setCoords(KeyFromDays(t), data_.Y(s, i));
            markDots_.push_back(dot);
        }
    }
    QString text;
    if (const auto readout = Measurement()) {
        QStringList labels;
        for (const Look& look : looks_)
            labels << look.label;
        text = readout->Text(labels);
        readout_ = new QCPItemText(plot_);
        readout_->setLayer(measureLayer_);
        readout_->setClipToAxisRect(true);
        readout_->position->setType(QCPItemPosition::ptAxisRectRatio);
        readout_->position->setCoords(0.01, 0.02);
        readout_->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
        readout_->setTextAlignment(Qt::AlignLeft);
        readout_->setFont(QFont(QStringLiteral("Arial"), 9));
        readout_->setPadding(QMargins(5, 3, 5, 3));
        readout_->setPen(QPen(Qt::black));
        readout_->setBrush(QColor(255, 255, 255, 230));
        readout_->setText(text);
    } else if (marks_.size() == 1) {
        text = QStringLiteral("First point marked: Ctrl+click a second point, Escape clears.");
    }
    Replot(true);
    emit MeasurementChanged(text);
}

void PlotChart::SetGuides(const std::vector<GuideLine>& lines,
                          const std::vector<GuideSpan>& spans) {
    if (lines == guideLines_ && spans == guideSpans_)
        return;
    guideLines_ = lines;
    guideSpans_ = spans;
    for (QCPAbstractItem* item : guideItems_)
        plot_->removeItem(item);
    guideItems_.clear();
    for (const GuideSpan& span : spans) {
        auto* rect = new QCPItemRect(plot_);
        rect->setLayer(guideLayer_);
        QColor fill = span.Color;
        fill.setAlpha(40);
        rect->setBrush(fill);
        rect->setPen(Qt::NoPen);
        rect->topLeft->setTypeY(QCPItemPosition::ptAxisRectRatio);
        rect->topLeft->setCoords(KeyFromDays(span.From), 0);
        rect->bottomRight->setTypeY(QCPItemPosition::ptAxisRectRatio);
        if (span.To) {
            rect->bottomRight->setCoords(KeyFromDays(*span.To), 1);
        } else {
            rect->bottomRight->setTypeX(QCPItemPosition::ptAxisRectRatio);
            rect->bottomRight->setCoords(1, 1);
        }
        guideItems_.push_back(rect);
    }
    for (const GuideLine& guide : lines) {
        auto* line = new QCPItemStraightLine(plot_);
        line->setLayer(guideLayer_);
        line->setPen(QPen(guide.Color, 1.5, Qt::DashLine));
        line->point1->setTypeX(QCPItemPosition::ptAxisRectRatio);
        line->point2->setTypeX(QCPItemPosition::ptAxisRectRatio);
        line->point1->setCoords(0, guide.Value);
        line->point2->setCoords(1, guide.Value);
        guideItems_.push_back(line);
        auto* label = new QCPItemText(plot_);
        label->setLayer(guideLayer_);
        label->setClipToAxisRect(true);
        label->position->setTypeX(QCPItemPosition::ptAxisRectRatio);
        label->position->setCoords(0.995, guide.Value);
        label->setPositionAlignment(Qt::AlignRight | Qt::AlignBottom);
        label->setFont(QFont(QStringLiteral("Arial"), 8));
        label->setColor(guide.Color);
        label->setText(guide.Label);
        guideItems_.push_back(label);
    }
    Replot(true);
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

bool PlotChart::ExportImage(const QString& fileName, ImageFormat format, QString* error) {
    const auto fail = [&](const QString& reason) {
        if (error)
            *error = QStringLiteral("The graph could not be saved as %1: %2").arg(fileName, reason);
        return false;
    };
    const int width = plot_->width();
    const int height = plot_->height();
    CheckedFileDevice file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.ErrorText());
    switch (format) {
    case ImageFormat::Png:
    case ImageFormat::Png2x: {
        const double scale = format == ImageFormat::Png2x ? 2.0 : 1.0;
        const QImage image = plot_->toPixmap(width, height, scale).toImage();
        QImageWriter writer(&file, "png");
        // A failed write of the file carries the system's reason; the writer's own does not.
        if (!writer.write(image))
            return fail(file.Failed() ? file.ErrorText() : writer.errorString());
        break;
    }
    case ImageFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(QSize(width, height));
        svg.setViewBox(QRect(0, 0, width, height));
        // Its size is written in millimetres: at 96 per inch they are CSS pixels again.
        svg.setResolution(96);
        svg.setTitle(mainTitle_);
        QCPPainter painter(&svg);
        painter.setMode(QCPPainter::pmVectorized);
        painter.setMode(QCPPainter::pmNoCaching);
        plot_->toPainter(&painter, width, height);
        break;
    }
    case ImageFormat::Pdf: {
        // One page of the chart's own size, one point per pixel.
        QPdfWriter pdf(&file);
        pdf.setTitle(mainTitle_);
        pdf.setResolution(72);
        pdf.setPageSize(QPageSize(QSizeF(width, height), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QCPPainter painter(&pdf);
        painter.setMode(QCPPainter::pmVectorized);
        painter.setMode(QCPPainter::pmNoCaching);
        plot_->toPainter(&painter, width, height);
        break;
    }
    }
    if (!file.Commit())
        return fail(file.ErrorText());
    return true;
}

bool PlotChart::PrintToPdf(const QString& fileName, QString* error) {
    // The pages a PDF printer would make, written through the checked path.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(mainTitle_);
    PdfOutput pdf(fileName, printer);
    if (pdf.Writer()) {
        RenderPage(*pdf.Writer(), printer.pageLayout().paintRectPixels(printer.resolution()));
        if (pdf.Commit())
            return true;
    }
    if (error)
        *error = QStringLiteral("The graph could not be printed to %1: %2")
                     .arg(fileName, pdf.ErrorText());
    return false;
}

void PlotChart::ExportImageAs() {
    struct Kind {
        QString filter;
        ImageFormat format;
        QString suffix;
    };
    const Kind kinds[] = {
        {QStringLiteral("PNG image (*.png)"), ImageFormat::Png, QStringLiteral("png")},
        {QStringLiteral("PNG image, twice the size (*.png)"), ImageFormat::Png2x,
         QStringLiteral("png")},
        {QStringLiteral("SVG drawing (*.svg)"), ImageFormat::Svg, QStringLiteral("svg")},
        {QStringLiteral("PDF document (*.pdf)"), ImageFormat::Pdf, QStringLiteral("pdf")},
    };
    QStringList filters;
    for (const Kind& kind : kinds)
        filters << kind.filter;
    QString chosen = filters.front();
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Export Image"),
                                                dir + QStringLiteral("/graph.png"),
                                                filters.join(QStringLiteral(";;")), &chosen);
    if (name.isEmpty())
        return;
    const Kind& kind = kinds[std::max<qsizetype>(0, filters.indexOf(chosen))];
    if (QFileInfo(name).suffix().isEmpty())
        name += QLatin1Char('.') + kind.suffix;
    QString error;
    if (!ExportImage(name, kind.format, &error))
        ShowException(error);
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
        QString error;
        if (!name.isEmpty() && !PrintToPdf(name, &error))
            ShowException(error);
        return;
    }
    if (withDialog) {
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    PrintTo(printer);
}
