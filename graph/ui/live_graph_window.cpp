// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/ui/live_graph_window.h"

#include "base/day_count.h"
#include "base/ui/message_box.h"
#include "graph/scale_entry.h"
#include "graph/ui/graph_menus.h"
#include "graph/ui/plot_chart.h"
#include "graph/ui/setup_scale_dialog.h"
#include "meter/meter_protocol.h"
#include "recording/ui/recording_controls.h"

#include <QLineEdit>
#include <QMenuBar>
#include <algorithm>
#include <cmath>

TfrmGraph::TfrmGraph(RecordingSession& session, QWidget* parent)
    : GraphWindow({tr("Real Time Graph"), QSize(532, 407), 41, "clear",
                   QT_TRANSLATE_NOOP("ToolStrip", "clear and reset graph"),
                   QStringLiteral("Hlp_RT_Graph"),
                   tr("Ctrl+click two points to measure between them.")},
                  parent),
      session_(session) {
    Controls = new RecordingControls(session, RecordingControls::Recorder::LiveGraph, Tools);
    btnPause = Controls->btnPause;
    btnRun = Controls->btnRun;
    AddHelpButton();
    // untranslated: a font family
    Controls->AddRateEntry(Tools, QFont(QStringLiteral("Arial")));
    MaskEdit1 = Controls->MaskEdit1;

    mnuThick->setChecked(true);
    mnutitle = TitleAction;
    mnuAlarms = new QAction(tr("&Alarms..."), this);
    menuBar()->insertAction(mnuHelp, mnuAlarms);

    // Until the chart is set up, its range is the stored one, so an early shut-down keeps it.
    PlotChart1->SetManualMinY(session.Settings().MinScale);
    PlotChart1->SetManualMaxY(session.Settings().MaxScale);

    connect(btnPrint, &QAction::triggered, this, &TfrmGraph::BitBtn1Click);
    connect(btnClear, &QAction::triggered, this, &TfrmGraph::BitBtn2Click);
    connect(mnuHelp, &QAction::triggered, this, &TfrmGraph::btnHelpClick);
    connect(mnuPrint, &QAction::triggered, this, &TfrmGraph::mnuPrintClick);
    connect(mnutitle, &QAction::triggered, this, &TfrmGraph::mnutitleClick);
    connect(mnuAlarms, &QAction::triggered, this, &TfrmGraph::AlarmsRequested);
    connect(&session, &RecordingSession::AlarmRulesChanged, this, &TfrmGraph::ShowAlarms);
    connect(&session, &RecordingSession::AlarmChanged, this, &TfrmGraph::NoteAlarm);
    // A rate of 0 samples at every tick, so its window still spans 100 ticks.
    connect(Controls, &RecordingControls::RateChanged, this,
            [this](int32_t rate) { xSpan_ = std::max(rate, 1) * 100.0 / 86400.0; });
    connect(&session, &RecordingSession::LiveGraphReset, this, &TfrmGraph::SetUpChart);
    connect(&session, &RecordingSession::PointDue, this, &TfrmGraph::AddPoint);
    // A meter found after the graph was set up replaces the note that none is (a
    // title the user typed stays).
    const auto followMeter = [this] {
        if (PlotChart1->SubTitle() != NoMeterText())
            return;
        PlotChart1->SetSubTitle(SubTitleText());
        PlotChart1->Redraw();
    };
    connect(&session, &RecordingSession::ModelIdentified, this, followMeter);
    connect(&session, &RecordingSession::LinkShown, this, followMeter);
}

QString TfrmGraph::NoMeterText() {
    return tr("No thermometer found");
}

// An assumed model names no meter: the graph would claim one that is not there.
QString TfrmGraph::SubTitleText() const {
    const CurrentReading& reading = session_.Reading();
    return reading.ModelAssumed ? NoMeterText() : ShownModelText(reading.ModelText);
}

void TfrmGraph::SetUpChart() {
    const SettingsVars& settings = session_.Settings();
    const CurrentReading& reading = session_.Reading();
    Controls->ShowRate();

    PlotChart& chart = *PlotChart1;
    chart.SetSubsets(reading.ChannelCount);
    if (reading.ChannelCount == 2) {
        //: The first channel
        chart.SetSubsetLabel(0, tr("Main"));
        //: The second channel
        chart.SetSubsetLabel(1, tr("Second"));
        chart.SetSubsetColor(1, Qt::red);
    }
    chart.SetPoints(PointCount);
    chart.SetMainTitle(tr("REAL TIME GRAPH"));
    chart.SetSubTitle(SubTitleText());
    chart.SetYAxisLabel(tr("Degree"));
    chart.SetXAxisLabel(tr("Time"));
    chart.SetMarkDataPoints(false);
    Menus->ShowMarks();

    const double t0 = CurrentDayCount();
    chart.SetManualScaleControlX(PlotChart::chManualMinAndMax);
    chart.SetManualScaleControlY(PlotChart::chManualMinAndMax);
    chart.SetManualMinX(t0);
    chart.SetManualMaxX(t0 + xSpan_);
    chart.SetCursorPromptTracking(true);
    chart.SetManualMinY(settings.MinScale);
    chart.SetManualMaxY(settings.MaxScale);
    chart.SetAllowZooming(PlotChart::chNoZooming);
    Menus->SetLineType(PlotChart::ThickSolid);
    ShowAlarms();
    chart.ChartAction(PlotChart::chReinitAndReset);
}

void TfrmGraph::AddPoint(const Sample& sample) {
    const double now = sample.Time;
    PlotChart& chart = *PlotChart1;
    if (session_.Reading().UnitText != alarmUnit_)
        ShowAlarms();
    if (nextPoint_ >= PointCount - 1) {
        nextPoint_ -= DropCount;
        chart.AppendBlankPoints(DropCount);
    }
    // A failed X write leaves the series' Y alone.
    if (!sample.MainOff() && chart.SetXDataD(0, nextPoint_, now))
        chart.SetYData(0, nextPoint_, float(sample.Reading.MainValue));
    if (session_.Reading().IsTwoChannel() && !sample.SubOff() &&
        chart.SetXDataD(1, nextPoint_, now))
        chart.SetYData(1, nextPoint_, float(sample.Reading.SubValue));
    ++nextPoint_;

    if (now >= chart.ManualMaxX()) {
        chart.SetManualMaxX(chart.ManualMaxX() + xSpan_);
        const double first = FirstStoredTime();
        if (first != 0.0)
            chart.SetManualMinX(first);
    }
    chart.Redraw();
}

// The window starts at the second stored point; overloads leave blanks, so the
// earliest time actually stored from there on stands in for it.
double TfrmGraph::FirstStoredTime() const {
    const PlotChart& chart = *PlotChart1;
    for (int point = 1; point < nextPoint_; ++point)
        for (int subset = 0; subset < chart.Subsets(); ++subset)
            if (const double x = chart.XDataD(subset, point); x != 0.0)
                return x;
    return 0.0;
}

void TfrmGraph::ClearLiveGraph() {
    PlotChart& chart = *PlotChart1;
    for (int subset = 0; subset < chart.Subsets(); ++subset)
        chart.SetYData(subset, -1, 0.0f);
    nextPoint_ = 0;
    session_.LiveGraphCleared();
    std::erase_if(alarmSpans_, [](const AlarmSpan& span) { return span.To.has_value(); });
    ShowAlarms();
    const double t = CurrentDayCount();
    chart.SetManualMinX(t);
    chart.SetManualMaxX(t + xSpan_);
    chart.Redraw();
}

void TfrmGraph::BitBtn1Click() {
    PlotChart1->ChartAction(PlotChart::chPrintDialog);
}

void TfrmGraph::BitBtn2Click() {
    ClearLiveGraph();
}

void TfrmGraph::mnuPrintClick() {
    PlotChart1->ChartAction(PlotChart::chPrintGraph);
}

void TfrmGraph::mnuRangeClick() {
    PlotChart& chart = *PlotChart1;
    if (!setupScale_->Ask(ScaleEntry::LiveText(chart.ManualMaxY()),
                          ScaleEntry::LiveText(chart.ManualMinY())))
        return;
    // The maximum is taken even when the minimum then fails; the core stores what
    // the chart holds at exit.
    try {
        chart.SetManualMaxY(
            ScaleEntry::LiveValue(setupScale_->edtMaxScale->text(), ScaleEntry::Bound::Maximum));
        session_.SetLiveRange({chart.ManualMinY(), chart.ManualMaxY()});
        chart.SetManualMinY(
            ScaleEntry::LiveValue(setupScale_->edtMinScale->text(), ScaleEntry::Bound::Minimum));
    } catch (const EConvertError& e) {
        ShowMessage(this, MessageKind::Warning, QString::fromLocal8Bit(e.what()));
        return;
    }
    session_.SetLiveRange({chart.ManualMinY(), chart.ManualMaxY()});
    chart.ChartAction(PlotChart::chReinitAndReset);
    chart.ChartAction(PlotChart::chReinitAndReset);
}

void TfrmGraph::mnutitleClick() {
    EditTitles();
}

void TfrmGraph::NoteAlarm(const AlarmEvent& event) {
    const Alarm& alarm = event.What;
    if (event.Raised) {
        // A long run keeps the spans of its last alarms only.
        constexpr size_t KeptSpans = 200;
        if (alarmSpans_.size() >= KeptSpans)
            alarmSpans_.erase(alarmSpans_.begin());
        alarmSpans_.push_back({alarm.Channel, alarm.Kind, alarm.Since, std::nullopt});
    } else {
        for (auto span = alarmSpans_.rbegin(); span != alarmSpans_.rend(); ++span)
            if (span->Channel == alarm.Channel && span->Kind == alarm.Kind && !span->To) {
                span->To = event.Time;
                break;
            }
    }
    ShowAlarms();
}

void TfrmGraph::ShowAlarms() {
    const CurrentReading& reading = session_.Reading();
    const AlarmRules& rules = session_.Alarms().Rules();
    alarmUnit_ = reading.UnitText;
    const QColor colors[] = {PlotChart1->SubsetColor(0), Qt::red};
    const QColor silence(110, 110, 110);
    // The limit lines' labels, by channel: "%1" is the limit with its unit.
    const char* const labels[][2] = {{QT_TR_NOOP("Main low %1"), QT_TR_NOOP("Main high %1")},
                                     {QT_TR_NOOP("Second low %1"), QT_TR_NOOP("Second high %1")}};
    std::vector<GuideLine> lines;
    for (int c = 0; c < AlarmRules::Channels; ++c) {
        if (c == 1 && !reading.IsTwoChannel())
            break;
        const ChannelLimits& limits = rules.Channel[size_t(c)];
        for (const auto& [limit, label] :
             {std::pair{limits.Low, labels[c][0]}, std::pair{limits.High, labels[c][1]}}) {
            if (!limit)
                continue;
            const double value = ConvertTemperature(*limit, rules.Unit, reading.UnitText);
            const QString degrees =
                QStringLiteral("%1 \u00b0%2")
                    .arg(DegreesText(std::round(value * 10) / 10), reading.UnitText);
            lines.push_back({value, colors[c], tr(label).arg(degrees)});
        }
    }
    std::vector<GuideSpan> spans;
    for (const AlarmSpan& span : alarmSpans_)
        spans.push_back({span.From, span.To,
                         span.Kind == AlarmKind::NoReading
                             ? silence
                             : colors[std::clamp(span.Channel - 1, 0, 1)]});
    PlotChart1->Guides().Set(lines, spans);
}
