// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/ui/chart_status.h"

#include "graph/ui/plot_chart.h"

#include <QEvent>
#include <QLabel>
#include <QStatusBar>

ChartStatus::ChartStatus(PlotChart* chart, QStatusBar* bar, const QString& hint)
    : QObject(chart), chart_(chart), label_(new QLabel(bar)), hint_(hint) {
    label_->setObjectName(QStringLiteral("chartStatus"));
    label_->setTextFormat(Qt::PlainText);
    label_->setWordWrap(true);
    // Hover texts still take the line over while they show.
    bar->addWidget(label_, 1);
    label_->installEventFilter(this);
    connect(chart, &PlotChart::MarksHiddenChanged, this, &ChartStatus::Show);
    connect(chart, &PlotChart::MeasurementChanged, this, [this](const QString& text) {
        measurement_ = text;
        Show();
    });
    Show();
}

bool ChartStatus::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label_ && event->type() == QEvent::Resize)
        FitHeight();
    return QObject::eventFilter(watched, event);
}

void ChartStatus::FitHeight() {
    // The lines the text takes at this width, no more: a wrapping label would ask
    // for the height it takes at a width of its own choosing. Its height for a width
    // is held within its limits, so they are let go first.
    label_->setMinimumHeight(0);
    label_->setMaximumHeight(QWIDGETSIZE_MAX);
    label_->setFixedHeight(label_->heightForWidth(label_->width()));
}

void ChartStatus::Show() {
    // The read-out's lines side by side, each kept whole where the width ends.
    QStringList lines = measurement_.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString& line : lines)
        line.replace(QLatin1Char(' '), QChar::Nbsp);
    QString text = lines.join(QStringLiteral("    "));
    if (text.isEmpty() && chart_->MarksHidden())
        text = tr("Marks are hidden at this density: zoom in to see them.");
    label_->setText(text.isEmpty() ? hint_ : text);
    FitHeight();
}
