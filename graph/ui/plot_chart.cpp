// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/ui/plot_chart.h"

#include "base/day_count.h"
#include "graph/ui/measure_marks.h"
#include "graph/ui/series_plottable.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QScrollBar>
#include <QShortcut>
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

PlotChart::~PlotChart() = default;

PlotChart::PlotChart(QWidget* parent)
    : QWidget(parent), plot_(new QCustomPlot(this)), scroll_(new QScrollBar(Qt::Horizontal, this)),
      output_(*plot_, *this, mainTitle_) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(plot_);
    plot_->setAccessibleName(tr("Graph"));
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
    measure_ =
        new MeasureMarks(*this, *plot_->layer(QStringLiteral("measure")), [this] { Replot(true); });
    connect(measure_, &MeasureMarks::Changed, this, &PlotChart::MeasurementChanged);
    plot_->addLayer(QStringLiteral("guides"), seriesLayer_, QCustomPlot::limBelow);
    guides_ = std::make_unique<ChartGuides>(*plot_->layer(QStringLiteral("guides")),
                                            [this] { Replot(true); });

    // untranslated: font families
    const QFont labelFont(QStringLiteral("Arial"), 9);
    // untranslated: font families
    QFont titleFont(QStringLiteral("Times New Roman"), 14, QFont::Bold);
    // untranslated: font families
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
        // untranslated: a font family
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
    new QShortcut(QKeySequence(Qt::Key_Escape), this, measure_, &MeasureMarks::Clear,
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
        measure_->Clear();
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

QString PlotChart::SubsetLabel(int subset) const {
    return subset >= 0 && subset < Subsets() ? looks_[static_cast<size_t>(subset)].label
                                             : QString();
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
        output_.Print(true);
        break;
    case chPrintGraph:
        output_.Print(false);
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

void PlotChart::ShowEdgesAsData(bool on) {
    for (Look& look : looks_)
        look.plottable->SetEdgesAreData(on);
}

bool PlotChart::ApplyRanges() {
    const Ranges r = FullRanges();
    const QCPRange x = Widened(KeyFromDays(r.lowerX), KeyFromDays(r.upperX), 30.0);
    const QCPRange y = Widened(r.lowerY, r.upperY, 1.0);
    ShowEdgesAsData(scaleX_ == chAutomatic);
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

void PlotChart::Zoom(const QRect& frame) {
    // Only the part of a frame over the plot counts: one started above it must not
    // widen the range beyond what is shown.
    const QRect rect = frame.normalized();
    const QRect over = rect.intersected(plot_->axisRect()->rect());
    if (over.width() < 4 || over.height() < 4)
        return;
    // The values under the pixels pressed and released: a rectangle's width and
    // height count its last pixel, which would move the far edges one pixel on.
    const auto within = [](QCPAxis* axis, int fromPixel, int toPixel) {
        QCPRange framed(axis->pixelToCoord(fromPixel), axis->pixelToCoord(toPixel));
        framed.normalize();
        const QCPRange shown = axis->range();
        return QCPRange(std::max(framed.lower, shown.lower), std::min(framed.upper, shown.upper));
    };
    const QCPRange x = within(plot_->xAxis, rect.left(), rect.right());
    const QCPRange y = within(plot_->yAxis, rect.bottom(), rect.top());
    zoomed_ = true;
    ShowEdgesAsData(false);
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
    const bool measuring =
        measure_->MeasureMode() || event->modifiers().testFlag(Qt::ControlModifier);
    if (event->button() == Qt::LeftButton && click && measuring &&
        plot_->axisRect()->rect().contains(event->pos()))
        measure_->MarkAt(DaysFromKey(plot_->xAxis->pixelToCoord(event->position().x())));
}
