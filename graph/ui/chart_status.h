// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The status line under a chart: the two-point read-out while there is one, else
// the note that point marks are left out at this density, else a hint on what the
// mouse can do in the chart. A text wider than the window goes on over more lines,
// never cut at the window's edge.

#include <QObject>
#include <QString>

class PlotChart;
class QLabel;
class QStatusBar;

class ChartStatus : public QObject {
    Q_OBJECT
public:
    ChartStatus(PlotChart* chart, QStatusBar* bar, const QString& hint);

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void Show();
    // The window's layout gives the status bar one line unless told more.
    void FitHeight();

    PlotChart* chart_;
    QLabel* label_;
    QString hint_;
    QString measurement_;
};
