// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The status line under a chart: the two-point read-out while there is one, else
// the note that point marks are left out at this density, else a hint on what the
// mouse can do in the chart.

#include <QObject>
#include <QString>

class PlotChart;
class QStatusBar;

class ChartStatus : public QObject {
    Q_OBJECT
public:
    ChartStatus(PlotChart* chart, QStatusBar* bar, const QString& hint);

private:
    void Show();

    PlotChart* chart_;
    QStatusBar* bar_;
    QString hint_;
    QString measurement_;
};
