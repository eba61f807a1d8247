// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chart's two-point read-out: a mark is put at the point nearest in time to
// a click; the second mark shows the read-out of the change between them, a third
// starts again. The marks are dashed lines with a ring on each series' point and
// the read-out stands in the plot's top left corner, so printing and export carry
// them.

#include "graph/two_point_readout.h"

#include <QObject>
#include <functional>
#include <optional>
#include <vector>

class PlotChart;
class QCPItemStraightLine;
class QCPItemText;
class QCPItemTracer;
class QCPLayer;

class MeasureMarks : public QObject {
    Q_OBJECT
public:
    // The items go on layer, over the chart's points; replot shows a change.
    MeasureMarks(const PlotChart& chart, QCPLayer& layer, std::function<void()> replot);

    // In measure mode any click marks, otherwise a click with Ctrl held.
    void SetMeasureMode(bool on) { measureMode_ = on; }
    bool MeasureMode() const { return measureMode_; }
    void MarkAt(double days);
    void Clear();
    const std::vector<double>& Marks() const { return marks_; }
    std::optional<TwoPointReadout> Measurement() const;

signals:
    // The read-out's text; a hint after the first mark, empty when cleared.
    void Changed(const QString& text);

private:
    void Show();

    const PlotChart& chart_;
    QCPLayer& layer_;
    std::function<void()> replot_;
    bool measureMode_ = false;
    std::vector<double> marks_;
    std::vector<QCPItemStraightLine*> lines_;
    std::vector<QCPItemTracer*> dots_;
    QCPItemText* readout_ = nullptr;
};
