// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lines across the plot at a value, labelled at their right end, and time spans
// shaded behind the series (one without an end reaches the right edge): the live
// graph's alarm limits and the spans its alarms were up. They are plot items, so
// printing and export carry them.

#include <QColor>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QCPAbstractItem;
class QCPLayer;

struct GuideLine {
    double Value = 0;
    QColor Color;
    QString Label;
    bool operator==(const GuideLine&) const = default;
};

struct GuideSpan {
    double From = 0; // day counts
    std::optional<double> To;
    QColor Color;
    bool operator==(const GuideSpan&) const = default;
};

class ChartGuides {
public:
    // The items go on layer; replot shows a change.
    ChartGuides(QCPLayer& layer, std::function<void()> replot);

    // Replaces the guides; the same ones again change nothing.
    void Set(const std::vector<GuideLine>& lines, const std::vector<GuideSpan>& spans);
    const std::vector<GuideLine>& Lines() const { return lines_; }
    const std::vector<GuideSpan>& Spans() const { return spans_; }

private:
    QCPLayer& layer_;
    std::function<void()> replot_;
    std::vector<GuideLine> lines_;
    std::vector<GuideSpan> spans_;
    std::vector<QCPAbstractItem*> items_;
};
