// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One series of the chart as the plot draws it, straight from the chart's own
// points: it asks for the line as seen across the plot's pixel columns, so the
// cost follows the width, not the number of points, and keeps it while the view,
// the width and the points stay the same. Point marks are drawn only while few
// enough points are in view to tell apart.

#include "graph/chart_data.h"

#include <qcustomplot.h>
#include <vector>

class SeriesPlottable : public QCPAbstractPlottable {
    Q_OBJECT
public:
    // Above this many points in view the marks would merge into a band.
    static constexpr int MarkLimit = 3000;

    SeriesPlottable(QCPAxis* keyAxis, QCPAxis* valueAxis, const ChartData& data, int subset);

    bool Marks() const { return marks_; }
    void SetMarks(bool on) { marks_ = on; }
    // Marks were asked for but left out at the last drawing, as too many points were in view.
    bool MarksHidden() const { return marksHidden_; }

    // While the view's left and right edges are the first and last points, nothing
    // but their marks and the line's width reaches past them: they may show whole
    // beyond the plot's sides.
    void SetEdgesAreData(bool on) { edgesAreData_ = on; }

    // Draws points first to last onto a picture that already holds the line up to
    // first, joined to the points before them, and returns the pixels touched.
    QRectF DrawAppended(QCPPainter* painter, int first, int last);

    double selectTest(const QPointF& pos, bool onlySelectable,
                      QVariant* details = nullptr) const override;
    QCPRange getKeyRange(bool& foundRange,
                         QCP::SignDomain inSignDomain = QCP::sdBoth) const override;
    QCPRange getValueRange(bool& foundRange, QCP::SignDomain inSignDomain = QCP::sdBoth,
                           const QCPRange& inKeyRange = QCPRange()) const override;

    // The plot's keys are seconds since 1970 in a zone-free clock, so the ticker shows
    // the local wall time the day counts hold.
    static double KeyFromDays(double days);
    static double DaysFromKey(double key);

protected:
    QRect clipRect() const override;
    void draw(QCPPainter* painter) override;
    void drawLegendIcon(QCPPainter* painter, const QRectF& rect) const override;

private:
    QPointF Pixel(const ChartData::Point& p) const;
    // The pen for the line; true when a wide one is to be drawn as four thin strokes.
    bool SetLinePen(QCPPainter* painter) const;
    static void Stroke(QCPPainter* painter, const QPointF* points, int count, bool ring);

    const ChartData& data_;
    int subset_;
    bool marks_ = false;
    bool marksHidden_ = false;
    bool edgesAreData_ = false;
    // The line across the columns, and what it was found for.
    std::vector<ChartData::Point> outline_;
    ChartData::Extent outlineView_{0, 0};
    int outlineColumns_ = 0;
    uint64_t outlineVersion_ = 0;
    std::vector<ChartData::Point> marked_; // reused between drawings
    QVector<QPointF> pixels_;
};
