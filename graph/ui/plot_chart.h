// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chart both graph windows draw through: series of points with date-time X
// values (day counts) and float Y values, titles, manual or automatic scales,
// thin or thick lines, point marks, a rectangle zoom with undo and sideways
// scrolling, a read-out of the values under the mouse, a two-point read-out,
// printing and image export. The program sets properties, then triggers
// ChartAction; points whose X is still 0 are blanks and are not drawn. The points
// stay in the chart between redraws and are drawn at the detail the pixels show,
// and a redraw after new points repaints only the series. Printing and export,
// the two-point marks and the guides are parts of their own.

#include "graph/chart_data.h"
#include "graph/ui/chart_guides.h"
#include "graph/ui/chart_output.h"

#include <QColor>
#include <QString>
#include <QWidget>
#include <limits>
#include <memory>
#include <vector>

class MeasureMarks;
class QCustomPlot;
class QCPLayer;
class QCPTextElement;
class QMouseEvent;
class QScrollBar;
class QWheelEvent;
class SeriesPlottable;

class PlotChart : public QWidget {
    Q_OBJECT
public:
    enum Action {
        chReinitAndReset = 0,
        chResetImage = 2,
        chInvalidateImage = 3,
        chPrintDialog = 8,
        chPrintGraph = 18,
        chUndoZoom = 19,
    };
    enum ScaleControl { chAutomatic, chManualMinAndMax };
    enum Zooming { chNoZooming, chHorzPlusVertZooming };
    static constexpr int ThinSolid = 0;
    static constexpr int ThickSolid = 6;

    explicit PlotChart(QWidget* parent = nullptr);
    ~PlotChart() override;

    int Subsets() const { return data_.Subsets(); }
    void SetSubsets(int count);
    int Points() const { return data_.Points(); }
    void SetPoints(int count);

    // A write outside the series or points fails and returns false. Writing 0 at
    // point -1 clears the whole series.
    bool SetXDataD(int subset, int point, double x);
    bool SetYData(int subset, int point, float y);
    double XDataD(int subset, int point) const { return data_.X(subset, point); }
    float YData(int subset, int point) const { return data_.Y(subset, point); }
    // Appends n blank points to every series and drops the oldest n.
    void AppendBlankPoints(int n);
    // The points themselves, for writing many at once; a redraw shows the changes.
    ChartData& Data() {
        reshaped_ = true;
        return data_;
    }
    const ChartData& Data() const { return data_; }

    void SetSubsetLabel(int subset, const QString& label);
    QString SubsetLabel(int subset) const;
    void SetSubsetColor(int subset, const QColor& color);
    QColor SubsetColor(int subset) const;
    void SetSubsetLineType(int subset, int lineType);
    int SubsetLineType(int subset) const;

    QString MainTitle() const { return mainTitle_; }
    void SetMainTitle(const QString& title) { mainTitle_ = title; }
    QString SubTitle() const { return subTitle_; }
    void SetSubTitle(const QString& title) { subTitle_ = title; }
    QString XAxisLabel() const { return xAxisLabel_; }
    void SetXAxisLabel(const QString& label) { xAxisLabel_ = label; }
    QString YAxisLabel() const { return yAxisLabel_; }
    void SetYAxisLabel(const QString& label) { yAxisLabel_ = label; }

    void SetManualScaleControlX(ScaleControl control) { scaleX_ = control; }
    void SetManualScaleControlY(ScaleControl control) { scaleY_ = control; }
    double ManualMinX() const { return minX_; }
    double ManualMaxX() const { return maxX_; }
    double ManualMinY() const { return minY_; }
    double ManualMaxY() const { return maxY_; }
    void SetManualMinX(double value) { minX_ = value; }
    void SetManualMaxX(double value) { maxX_ = value; }
    void SetManualMinY(double value) { minY_ = value; }
    void SetManualMaxY(double value) { maxY_ = value; }

    bool MarkDataPoints() const { return markDataPoints_; }
    void SetMarkDataPoints(bool on) { markDataPoints_ = on; }
    void SetAllowZooming(Zooming zooming);
    // While zoomed, the view can be moved sideways with a scroll bar and the wheel.
    void SetScrollingHorzZoom(bool on);
    void SetCursorPromptTracking(bool on) { cursorPrompt_ = on; }

    void ChartAction(Action action);
    // After every change of data or looks.
    void Redraw();
    // How the last picture was made: the whole chart; only its series over the rest;
    // or only the points added since, drawn onto the series' picture.
    enum class RedrawKind { Full, Series, Appended };
    RedrawKind LastRedraw() const { return lastRedraw_; }

    // The read-out shown for a position in the chart's pixels: date, time and value.
    QString CursorPromptAt(const QPointF& position) const;
    // Printing and image export of the chart as shown.
    ChartOutput& Output() { return output_; }
    // The shown ranges, zoom included.
    double ShownMinX() const;
    double ShownMaxX() const;
    double ShownMinY() const;
    double ShownMaxY() const;
    bool Zoomed() const { return zoomed_; }
    // The pixel position of a day count and value, for tests and the read-outs.
    QPointF PixelAt(double days, double value) const;

    // Marks were asked for but are left out: too many points are in view.
    bool MarksHidden() const { return marksHidden_; }

    // Two-point read-out: a click with Ctrl held (or any click in measure mode)
    // marks the point nearest in time. Escape clears it.
    MeasureMarks& Measure() const { return *measure_; }

    // The live graph's alarm limits and the spans its alarms were up.
    ChartGuides& Guides() { return *guides_; }
    const ChartGuides& Guides() const { return *guides_; }

signals:
    void ZoomIn();
    void MarksHiddenChanged(bool hidden);
    // The read-out's text; a hint after the first mark, empty when cleared.
    void MeasurementChanged(const QString& text);

private:
    struct Look {
        QString label;
        QColor color;
        int lineType = ThinSolid;
        SeriesPlottable* plottable = nullptr;
        // Points from paintedEnd on were blanks when the series were last painted;
        // points changedFirst to changedLast were written since.
        int paintedEnd = 0;
        int changedFirst = std::numeric_limits<int>::max();
        int changedLast = -1;
    };
    struct Ranges {
        double lowerX, upperX, lowerY, upperY;
    };

    void ResetImage();
    bool ApplyLooks();
    Ranges FullRanges() const;
    bool ApplyRanges();
    // Whether the view's sides are the first and last points, so their marks may
    // show whole.
    void ShowEdgesAsData(bool on);
    void Replot(bool full);
    // Draws only the points written since the series were painted, when that is all
    // that changed and they follow the painted ones; false when it cannot.
    bool DrawAppended();
    void NotePainted();
    void NoteWritten(int subset, int point);
    void NoteMarks();
    void Zoom(const QRect& frame);
    void UndoZoom();
    void ScrollTo(double lowerKey);
    void SyncScrollBar();
    void MouseMoved(QMouseEvent* event);
    void MouseReleased(QMouseEvent* event);
    void Wheel(QWheelEvent* event);

    QCustomPlot* plot_;
    QScrollBar* scroll_;
    QCPLayer* seriesLayer_;
    QCPTextElement* mainTitleElement_;
    QCPTextElement* subTitleElement_;
    ChartData data_;
    std::vector<Look> looks_;
    QString mainTitle_, subTitle_, xAxisLabel_, yAxisLabel_;
    ScaleControl scaleX_ = chAutomatic;
    ScaleControl scaleY_ = chAutomatic;
    double minX_ = 0, maxX_ = 1, minY_ = 0, maxY_ = 1;
    bool markDataPoints_ = false;
    bool cursorPrompt_ = false;
    bool scrolling_ = false;
    bool zoomed_ = false;
    bool fullReplotDue_ = true;
    RedrawKind lastRedraw_ = RedrawKind::Full;
    bool reshaped_ = true; // points moved, cleared or written in bulk since the last painting
    bool marksHidden_ = false;
    QPoint pressPosition_;
    MeasureMarks* measure_;
    std::unique_ptr<ChartGuides> guides_;
    ChartOutput output_;
};
