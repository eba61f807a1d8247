// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/ui/chart_status.h"

#include "graph/ui/plot_chart.h"

#include <QStatusBar>

ChartStatus::ChartStatus(PlotChart* chart, QStatusBar* bar, const QString& hint)
    : QObject(chart), chart_(chart), bar_(bar), hint_(hint) {
    connect(chart, &PlotChart::MarksHiddenChanged, this, &ChartStatus::Show);
    connect(chart, &PlotChart::MeasurementChanged, this, [this](const QString& text) {
        measurement_ = text;
        Show();
    });
    Show();
}

void ChartStatus::Show() {
    QString text = measurement_;
    text.replace(QLatin1Char('\n'), QStringLiteral("    "));
    if (text.isEmpty() && chart_->MarksHidden())
        text = tr("Marks are hidden at this density: zoom in to see them.");
    bar_->showMessage(text.isEmpty() ? hint_ : text);
}
