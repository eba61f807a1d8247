// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/ui/series_plottable.h"

#include <cmath>

namespace {
constexpr double DaysTo1970 = 25569.0;
constexpr double MarkSize = 5.0;
// Four one-pixel strokes this far off the line's centre make a line about 2.3 pixels wide.
constexpr double RingOffset = 0.65;
// Far outside any screen, yet small enough for the painter's fixed-point paths.
constexpr double PixelLimit = 1e6;
} // namespace

SeriesPlottable::SeriesPlottable(QCPAxis* keyAxis, QCPAxis* valueAxis, const ChartData& data,
                                 int subset)
    : QCPAbstractPlottable(keyAxis, valueAxis), data_(data), subset_(subset) {
    setSelectable(QCP::stNone);
}

double SeriesPlottable::KeyFromDays(double days) {
    return (days - DaysTo1970) * 86400.0;
}

double SeriesPlottable::DaysFromKey(double key) {
    return key / 86400.0 + DaysTo1970;
}

double SeriesPlottable::selectTest(const QPointF&, bool, QVariant*) const {
    return -1;
}

QCPRange SeriesPlottable::getKeyRange(bool& foundRange, QCP::SignDomain) const {
    ChartData::Extent extent{};
    foundRange = data_.XExtent(extent);
    return foundRange ? QCPRange(KeyFromDays(extent.lower), KeyFromDays(extent.upper)) : QCPRange();
}

QCPRange SeriesPlottable::getValueRange(bool& foundRange, QCP::SignDomain, const QCPRange&) const {
    ChartData::Extent extent{};
    foundRange = data_.YExtent(extent);
    return foundRange ? QCPRange(extent.lower, extent.upper) : QCPRange();
}

QPointF SeriesPlottable::Pixel(const ChartData::Point& p) const {
    const double x = mKeyAxis->coordToPixel(KeyFromDays(p.x));
    const double y = mValueAxis->coordToPixel(p.y);
    return {std::clamp(x, -PixelLimit, PixelLimit), std::clamp(y, -PixelLimit, PixelLimit)};
}

QRect SeriesPlottable::clipRect() const {
    const QRect plot = QCPAbstractPlottable::clipRect();
    if (!edgesAreData_)
        return plot;
    const int reach = int(std::ceil(MarkSize / 2 + mPen.widthF()));
    return plot.adjusted(-reach, 0, reach, 0);
}

void SeriesPlottable::draw(QCPPainter* painter) {
    if (!mKeyAxis || !mValueAxis || subset_ >= data_.Subsets())
        return;
    const QCPRange keys = mKeyAxis->range();
    const ChartData::Extent view{DaysFromKey(keys.lower), DaysFromKey(keys.upper)};
    const int columns = std::max(1, mKeyAxis->axisRect()->width());
    if (outlineColumns_ != columns || outlineVersion_ != data_.Version() ||
        outlineView_.lower != view.lower || outlineView_.upper != view.upper) {
        data_.Outline(subset_, view, columns, outline_);
        outlineView_ = view;
        outlineColumns_ = columns;
        outlineVersion_ = data_.Version();
    }

    const bool ring = SetLinePen(painter);
    // The line is drawn in pieces between its breaks.
    pixels_.clear();
    const auto flush = [&] {
        Stroke(painter, pixels_.constData(), static_cast<int>(pixels_.size()), ring);
        pixels_.clear();
    };
    for (const ChartData::Point& p : outline_) {
        if (std::isnan(p.y))
            flush();
        else
            pixels_.append(Pixel(p));
    }
    flush();

    marksHidden_ = false;
    if (!marks_)
        return;
    if (!data_.PointsInView(subset_, view, MarkLimit, marked_)) {
        marksHidden_ = true;
        return;
    }
    applyScattersAntialiasingHint(painter);
    const QCPScatterStyle style(QCPScatterStyle::ssCircle, MarkSize);
    style.applyTo(painter, mPen);
    for (const ChartData::Point& p : marked_)
        style.drawShape(painter, Pixel(p));
}

bool SeriesPlottable::SetLinePen(QCPPainter* painter) const {
    applyDefaultAntialiasingHint(painter);
    painter->setBrush(Qt::NoBrush);
    // On screen a wide line is drawn as four smoothed one-pixel lines a little apart:
    // it looks the same and costs a seventh of stroking the wide pen over thousands of
    // points. Printing and export get the true wide pen.
    const bool ring = mPen.widthF() > 1.5 && !painter->modes().testFlag(QCPPainter::pmVectorized);
    QPen pen = mPen;
    if (ring)
        pen.setWidthF(1.0);
    painter->setPen(pen);
    return ring;
}

void SeriesPlottable::Stroke(QCPPainter* painter, const QPointF* points, int count, bool ring) {
    if (count == 1) {
        painter->drawPoint(points[0]);
    } else if (count > 1 && !ring) {
        painter->drawPolyline(points, count);
    } else if (count > 1) {
        const double d = RingOffset;
        for (const QPointF offset :
             {QPointF(0, -d), QPointF(0, d), QPointF(-d, 0), QPointF(d, 0)}) {
            painter->translate(offset);
            painter->drawPolyline(points, count);
            painter->translate(-offset);
        }
    }
}

QRectF SeriesPlottable::DrawAppended(QCPPainter* painter, int first, int last) {
    QRectF dirty;
    if (!mKeyAxis || !mValueAxis || subset_ >= data_.Subsets())
        return dirty;
    painter->save();
    painter->setClipRect(clipRect());
    const bool ring = SetLinePen(painter);
    for (int i = std::max(first, 0); i <= last; ++i) {
        const double x = data_.X(subset_, i);
        if (x == 0.0)
            continue;
        QPointF line[2];
        int count = 0;
        // Joined to the point before unless that one is a blank, as the whole line is.
        if (const double before = i > 0 ? data_.X(subset_, i - 1) : 0.0; before != 0.0)
            line[count++] = Pixel({before, double(data_.Y(subset_, i - 1))});
        line[count++] = Pixel({x, double(data_.Y(subset_, i))});
        Stroke(painter, line, count, ring);
        for (int k = 0; k < count; ++k)
            dirty |= QRectF(line[k], QSizeF(1, 1));
    }
    painter->restore();
    const double margin = mPen.widthF() + 2;
    return dirty.isNull() ? dirty : dirty.adjusted(-margin, -margin, margin, margin);
}

void SeriesPlottable::drawLegendIcon(QCPPainter* painter, const QRectF& rect) const {
    applyDefaultAntialiasingHint(painter);
    painter->setPen(mPen);
    painter->drawLine(QLineF(rect.left(), rect.center().y(), rect.right(), rect.center().y()));
    if (marks_) {
        const QCPScatterStyle style(QCPScatterStyle::ssCircle, MarkSize);
        style.applyTo(painter, mPen);
        style.drawShape(painter, rect.center());
    }
}
