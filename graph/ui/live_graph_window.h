// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The live graph window: the meter's readings against clock time, one series
// per channel, fed by the heartbeat at the graphing rate. It keeps at most 5,000
// points per series, dropping the oldest 100 when full, and widens its time window
// by the time of 100 samples whenever the newest point reaches the right edge.

#include "graph/ui/graph_window.h"
#include "recording/recording_session.h"

class RecordingControls;
class QLineEdit;

class TfrmGraph : public GraphWindow {
    Q_OBJECT
public:
    static constexpr int PointCount = 5000;
    static constexpr int DropCount = 100;

    explicit TfrmGraph(RecordingSession& session, QWidget* parent = nullptr);

    // One sample taken at its time; an overloaded channel writes no point.
    void AddPoint(const Sample& sample);

    // Index of the next point to write; 0 while the graph holds no point.
    int NextPoint() const { return nextPoint_; }
    // Days added to the time window at each widening: the time of 100 samples.
    double XSpan() const { return xSpan_; }

    RecordingControls* Controls; // Pause, Run and the rate entry
    QLineEdit* MaskEdit1;
    QAction* btnPause;
    QAction* btnRun;
    QAction* mnutitle;
    QAction* mnuAlarms;

public slots:
    void BitBtn1Click();  // print with the print dialog
    void BitBtn2Click();  // clear
    void mnuPrintClick(); // print at once
    // Live range: fractions, in the order entered; a failing minimum leaves the
    // maximum already set, with no redraw.
    void mnuRangeClick() override;
    void mnutitleClick();

signals:
    // The Alarms dialog was asked for.
    void AlarmsRequested();

private:
    void ClearLiveGraph();
    // The alarm limits as lines and the spans alarms were up, in the unit the meter shows.
    void ShowAlarms();
    void NoteAlarm(const AlarmEvent& event);

    // The chart's set-up for the model and settings, when the core resets the graph.
    void SetUpChart();
    static QString NoMeterText();
    QString SubTitleText() const;
    double FirstStoredTime() const;

    RecordingSession& session_;
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
