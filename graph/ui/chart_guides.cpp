// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/ui/chart_guides.h"

#include "base/ui/text_contrast.h"
#include "graph/ui/series_plottable.h"

#include <qcustomplot.h>

namespace {
constexpr int SpanAlpha = 40;

// A span's colour as it shows over the plot's white.
QColor Shaded(const QColor& color) {
    const auto mix = [](int c) { return (c * SpanAlpha + 255 * (255 - SpanAlpha)) / 255; };
    return QColor(mix(color.red()), mix(color.green()), mix(color.blue()));
}
} // namespace

ChartGuides::ChartGuides(QCPLayer& layer, std::function<void()> replot)
    : layer_(layer), replot_(std::move(replot)) {}

void ChartGuides::Set(const std::vector<GuideLine>& lines, const std::vector<GuideSpan>& spans) {
    QCustomPlot* plot = layer_.parentPlot();
    if (lines == lines_ && spans == spans_)
        return;
    lines_ = lines;
    spans_ = spans;
    for (QCPAbstractItem* item : items_)
        plot->removeItem(item);
    items_.clear();
    for (const GuideSpan& span : spans) {
        auto* rect = new QCPItemRect(plot);
        rect->setLayer(&layer_);
        QColor fill = span.Color;
        fill.setAlpha(SpanAlpha);
        rect->setBrush(fill);
        rect->setPen(Qt::NoPen);
        rect->topLeft->setTypeY(QCPItemPosition::ptAxisRectRatio);
        rect->topLeft->setCoords(SeriesPlottable::KeyFromDays(span.From), 0);
        rect->bottomRight->setTypeY(QCPItemPosition::ptAxisRectRatio);
        if (span.To) {
            rect->bottomRight->setCoords(SeriesPlottable::KeyFromDays(*span.To), 1);
        } else {
            rect->bottomRight->setTypeX(QCPItemPosition::ptAxisRectRatio);
            rect->bottomRight->setCoords(1, 1);
        }
        items_.push_back(rect);
    }
    // A limit's text stands on the plot's white or on a shaded span: readable on either.
    const auto textColor = [&](QColor color) {
        color = ReadableOn(color, Qt::white);
        for (const GuideSpan& span : spans)
            color = ReadableOn(color, Shaded(span.Color));
        return color;
    };
    for (const GuideLine& guide : lines) {
        auto* line = new QCPItemStraightLine(plot);
        line->setLayer(&layer_);
        line->setPen(QPen(guide.Color, 1.5, Qt::DashLine));
        line->point1->setTypeX(QCPItemPosition::ptAxisRectRatio);
        line->point2->setTypeX(QCPItemPosition::ptAxisRectRatio);
        line->point1->setCoords(0, guide.Value);
        line->point2->setCoords(1, guide.Value);
        items_.push_back(line);
        auto* label = new QCPItemText(plot);
        label->setLayer(&layer_);
        label->setClipToAxisRect(true);
        label->position->setTypeX(QCPItemPosition::ptAxisRectRatio);
        label->position->setCoords(0.995, guide.Value);
        label->setPositionAlignment(Qt::AlignRight | Qt::AlignBottom);
        label->setPadding(QMargins(0, 0, 4, 0)); // clear of the right axis' ticks
        // untranslated: a font family
        label->setFont(QFont(QStringLiteral("Arial"), 8));
        label->setColor(textColor(guide.Color));
        label->setText(guide.Label);
        items_.push_back(label);
    }
    replot_();
}
