#pragma once
// The live graph window: the meter's readings against clock time, one series
// per channel, fed by the heartbeat at the graphing rate. It keeps at most 5,000
// points per series, dropping the oldest 100 when full, and widens its time window
// by the time of 100 samples whenever the newest point reaches the right edge.

#include "recording/recording_session.h"

#include <QMainWindow>

class GraphMenus;
class PlotChart;
class RecordingControls;
class QAction;
class QLineEdit;
class TfrmEditTitle;
class TfrmSetupScale;

class TfrmGraph : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int PointCount = 5000;
    static constexpr int DropCount = 100;

    explicit TfrmGraph(RecordingSession& session, QWidget* parent = nullptr);

    // Sets the chart up for the current model and settings; stored points stay.
    void InitLiveGraph();
    // One sample taken at the day count now; an overloaded channel writes no point.
    void AddPoint(bool mainOverload, bool subOverload, float mainValue, double now, float subValue);
    void AddPoint(const Sample& sample);
    void ClearLiveGraph();

    // Index of the next point to write; 0 while the graph holds no point.
    int NextPoint() const { return nextPoint_; }
    // Days added to the time window at each widening: the time of 100 samples.
    double XSpan() const { return xSpan_; }
    // The shown vertical range; saved as the scale settings at shut-down.
    double ManualMinY() const;
    double ManualMaxY() const;

    // The title and range dialogs shared with the log graph.
    void SetDialogs(TfrmEditTitle* editTitle, TfrmSetupScale* setupScale);

    RecordingControls* Controls; // Pause, Run and the rate entry
    GraphMenus* Menus;           // Print and Option, shared with the log graph
    PlotChart* PlotChart1;
    QLineEdit* MaskEdit1;
    QAction* btnPrint;
    QAction* btnClear;
    QAction* btnPause;
    QAction* btnRun;
    QAction* btnHelp;
    QAction* mnuPrint;
    QAction* mnuExportImage;
    QAction* mnuThin;
    QAction* mnuThick;
    QAction* mnuMarkData;
    QAction* mnuRange;
    QAction* mnutitle;
    QAction* mnuAlarms;
    QAction* mnuHelp;

public slots:
    void BitBtn1Click(); // print with the print dialog
    void BitBtn2Click(); // clear
    void BitBtn3Click(); // pause
    void btnHelpClick();
    void mnuPrintClick(); // print at once
    // Live range: fractions, in the order entered; a failing minimum leaves the
    // maximum already set, with no redraw.
    void mnuRangeClick();
    void mnutitleClick();
    void mnuExportImageClick();

signals:
    // The Alarms dialog was asked for.
    void AlarmsRequested();

private:
    // The alarm limits as lines and the spans alarms were up, in the unit the meter shows.
    void ShowAlarms();
    void NoteAlarm(const AlarmEvent& event);

    // The chart's set-up for the model and settings, when the core resets the graph.
    void SetUpChart();
    double FirstStoredTime() const;

    RecordingSession& session_;
    TfrmEditTitle* editTitle_ = nullptr;
    TfrmSetupScale* setupScale_ = nullptr;
    int nextPoint_ = 0;
    double xSpan_ = 0;
    struct AlarmSpan {
        int Channel;
        AlarmKind Kind;
        double From;
        std::optional<double> To;
    };
    std::vector<AlarmSpan> alarmSpans_;
    QString alarmUnit_; // the unit the limit lines were drawn in
};
