#pragma once
// The chart both graph windows draw through: series of points with date-time X
// values (day counts) and float Y values, titles, manual or automatic scales,
// thin or thick lines, point marks, a rectangle zoom with undo, a read-out of the
// values under the mouse, and printing. The program sets properties, then
// triggers ChartAction; points whose X is still 0 are blanks and are not drawn.

#include <QColor>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

class QCustomPlot;
class QCPGraph;
class QCPTextElement;
class QMouseEvent;
class QPaintDevice;
class QPrinter;

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

    int Subsets() const { return static_cast<int>(series_.size()); }
    void SetSubsets(int count);
    int Points() const { return points_; }
    void SetPoints(int count);

    // A write outside the series or points fails and returns false. Writing 0 at
    // point -1 clears the whole series.
    bool SetXDataD(int subset, int point, double x);
    bool SetYData(int subset, int point, float y);
    double XDataD(int subset, int point) const;
    float YData(int subset, int point) const;
    // Appends n blank points to every series and drops the oldest n.
    void AppendBlankPoints(int n);

    void SetSubsetLabel(int subset, const QString& label);
    void SetSubsetColor(int subset, const QColor& color);
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
    void SetCursorPromptTracking(bool on) { cursorPrompt_ = on; }

    void ChartAction(Action action);
    // After every change of data or looks.
    void Redraw();

    // The read-out shown for a position in the chart's pixels: time and value.
    QString CursorPromptAt(const QPointF& position) const;
    // Draws the chart onto the printer's page, scaled to fit.
    void PrintTo(QPrinter& printer);
    // The same onto any device; page is the printable area in the device's pixels.
    void RenderPage(QPaintDevice& device, const QRectF& page);
    // The shown ranges, zoom included.
    double ShownMinX() const;
    double ShownMaxX() const;

signals:
    void ZoomIn();

private:
    struct Series {
        std::vector<double> x;
        std::vector<float> y;
        QString label;
        QColor color;
        int lineType = ThinSolid;
        QCPGraph* graph = nullptr;
    };

    void ResetImage();
    void ApplyRanges();
    void FillGraph(Series& series);
    void Zoom(const QRect& rect);
    void UndoZoom();
    void Print(bool withDialog);
    void MouseMoved(QMouseEvent* event);

    QCustomPlot* plot_;
    QCPTextElement* mainTitleElement_;
    QCPTextElement* subTitleElement_;
    std::vector<Series> series_;
    int points_ = 0;
    QString mainTitle_, subTitle_, xAxisLabel_, yAxisLabel_;
    ScaleControl scaleX_ = chAutomatic;
    ScaleControl scaleY_ = chAutomatic;
    double minX_ = 0, maxX_ = 1, minY_ = 0, maxY_ = 1;
    bool markDataPoints_ = false;
    bool cursorPrompt_ = false;
    struct Ranges {
        double lowerX, upperX, lowerY, upperY;
    };
    std::optional<Ranges> unzoomed_; // the view before the first zoom
};
