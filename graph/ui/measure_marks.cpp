// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/ui/measure_marks.h"

#include "graph/ui/plot_chart.h"
#include "graph/ui/series_plottable.h"

#include <qcustomplot.h>

MeasureMarks::MeasureMarks(const PlotChart& chart, QCPLayer& layer, std::function<void()> replot)
    : QObject(layer.parentPlot()), chart_(chart), layer_(layer), replot_(std::move(replot)) {}

void MeasureMarks::MarkAt(double days) {
    if (marks_.size() == 2)
        Clear();
    marks_.push_back(TwoPointReadout::Snap(chart_.Data(), days));
    Show();
}

std::optional<TwoPointReadout> MeasureMarks::Measurement() const {
    if (marks_.size() < 2)
        return std::nullopt;
    return TwoPointReadout::Between(chart_.Data(), marks_[0], marks_[1]);
}

void MeasureMarks::Clear() {
    if (marks_.empty())
        return;
    marks_.clear();
    Show();
}

void MeasureMarks::Show() {
    QCustomPlot* plot = layer_.parentPlot();
    for (QCPItemStraightLine* line : lines_)
        plot->removeItem(line);
    for (QCPItemTracer* dot : dots_)
        plot->removeItem(dot);
    lines_.clear();
    dots_.clear();
    if (readout_)
        plot->removeItem(readout_);
    readout_ = nullptr;

    for (const double t : marks_) {
        auto* line = new QCPItemStraightLine(plot);
        line->setLayer(&layer_);
        line->setPen(QPen(QColor(60, 60, 60), 1, Qt::DashLine));
        line->point1->setCoords(SeriesPlottable::KeyFromDays(t), 0);
        line->point2->setCoords(SeriesPlottable::KeyFromDays(t), 1);
        lines_.push_back(line);
        for (int s = 0; s < chart_.Subsets(); ++s) {
            const int i = chart_.Data().Nearest(s, t);
            if (i < 0)
                continue;
            auto* dot = new QCPItemTracer(plot);
            dot->setLayer(&layer_);
            dot->setStyle(QCPItemTracer::tsCircle);
            dot->setSize(9);
            dot->setPen(QPen(chart_.SubsetColor(s), 2));
            dot->position->setCoords(SeriesPlottable::KeyFromDays(t), chart_.Data().Y(s, i));
            dots_.push_back(dot);
        }
    }
    QString text;
    if (const auto readout = Measurement()) {
        QStringList labels;
        for (int s = 0; s < chart_.Subsets(); ++s)
            labels << chart_.SubsetLabel(s);
        text = readout->Text(labels);
        readout_ = new QCPItemText(plot);
        readout_->setLayer(&layer_);
        readout_->setClipToAxisRect(true);
        readout_->position->setType(QCPItemPosition::ptAxisRectRatio);
        readout_->position->setCoords(0.01, 0.02);
        readout_->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
        readout_->setTextAlignment(Qt::AlignLeft);
        // untranslated: a font family
        readout_->setFont(QFont(QStringLiteral("Arial"), 9));
        readout_->setPadding(QMargins(5, 3, 5, 3));
        readout_->setPen(QPen(Qt::black));
        readout_->setBrush(QColor(255, 255, 255, 230));
        readout_->setText(text);
    } else if (marks_.size() == 1) {
        text = tr("First point marked: Ctrl+click a second point, Escape clears.");
    }
    replot_();
    emit Changed(text);
}
