// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/ui/log_graph_window.h"

#include "base/background_task.h"
#include "base/handler_guard.h"
#include "base/ui/message_box.h"
#include "graph/chart_data.h"
#include "graph/graph_progress.h"
#include "graph/log_graph_build.h"
#include "graph/scale_entry.h"
#include "graph/ui/graph_menus.h"
#include "graph/ui/measure_marks.h"
#include "graph/ui/plot_chart.h"
#include "graph/ui/setup_scale_dialog.h"
#include "log/log_table.h"
#include "log/ui/print_progress_dialog.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

TfrmGraphList::TfrmGraphList(const RecordingSession& session, QWidget* parent)
    : GraphWindow({tr("Graphing from  Tabular"), QSize(602, 420), 50, "undo-zoom",
                   QT_TRANSLATE_NOOP("ToolStrip", "Clear Graph"), QStringLiteral("Hlp_Graph"),
                   tr("Drag a frame to zoom in; Ctrl+click two points to measure between them.")},
                  parent),
      session_(session) {
    btnClear->setText(tr("Undo Zoom"));
    if (auto* button = qobject_cast<QToolButton*>(Tools.Bar->widgetForAction(btnClear)))
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    btnClear->setEnabled(false);
    AddHelpButton();

    mnuThin->setChecked(true);
    mnuMarkData->setChecked(true);
    QMenu* optionMenu = Menus->OptionMenu;
    mnuMeasure = optionMenu->addAction(tr("Mea&sure Between Two Points"));
    mnuMeasure->setCheckable(true);
    mnuMeasure->setStatusTip(
        tr("clicks mark two points; the change between them is shown (Escape clears)"));
    mnuMeasure->setToolTip(mnuMeasure->statusTip());
    UndoZoom1 = new QAction(tr("&Undo Zoom"), this);
    menuBar()->insertAction(mnuRange, UndoZoom1);
    mnuRange->setStatusTip(tr("setup vertical display range"));
    mnuRange->setToolTip(mnuRange->statusTip());
    mnuTitle = TitleAction;

    connect(btnPrint, &QAction::triggered, this, &TfrmGraphList::btnPrintClick);
    connect(mnuPrint, &QAction::triggered, this, &TfrmGraphList::mnuPrintClick);
    connect(btnClear, &QAction::triggered, this, &TfrmGraphList::btnClearClick);
    connect(UndoZoom1, &QAction::triggered, this, &TfrmGraphList::UndoZoom1Click);
    connect(PlotChart1, &PlotChart::ZoomIn, this, &TfrmGraphList::PlotChart1ZoomIn);
    connect(mnuMeasure, &QAction::triggered, this, &TfrmGraphList::mnuMeasureClick);
    connect(mnuHelp, &QAction::triggered, this, &TfrmGraphList::mnuHelpClick);
    connect(mnuTitle, &QAction::triggered, this, &TfrmGraphList::mnuTitleClick);
}

struct TfrmGraphList::Build {
    std::unique_ptr<LogTable> table; // the core's table when the build began
    std::unique_ptr<LogGraphBuild> build;
    LogGraphBuild::Span span;
    int rows = 0;
    int read = 0; // fewer than rows after Cancel
    int series = 1;
    ChartData data; // filled by the worker, then moved into the chart
};

TfrmGraphList::~TfrmGraphList() = default;

bool TfrmGraphList::Building() const {
    return task_ && task_->Running();
}

void TfrmGraphList::BuildLogGraph() {
    if (Building() || (progress_ && progress_->InUse()))
        return;
    auto build = std::make_shared<Build>();
    build->table = session_.Log().Snapshot();
    build->build =
        std::make_unique<LogGraphBuild>(*build->table, session_.Settings().LogDateFormat);
    build->rows = build->build->Rows();
    build->series = build->build->SeriesCount();
    build->data.SetSubsets(build->series);
    build->data.SetPoints(build->rows);
    build->span = build->build->FirstAndLast();
    if (!build->span.error.isEmpty())
        ShowException(build->span.error);

    if (task_)
        task_.release()->deleteLater();
    task_ = std::make_unique<BackgroundTask>([build](BackgroundTask& task) {
        TaskProgress progress(task);
        build->read = build->build->Fill(build->data, progress, build->span.first);
    });
    connect(task_.get(), &BackgroundTask::Done, this, [this, build] {
        if (progress_)
            progress_->Finish();
        ShowBuild(*build);
        // The snapshot shares the table's rows: it must not keep them once done.
        build->build.reset();
        build->table.reset();
    });
    if (progress_) {
        progress_->Start(tr("Graphing Progress"), tr("graphing....."), build->rows);
        progress_->Watch(*task_);
    }
    task_->Start();
}

void TfrmGraphList::ShowBuild(Build& build) {
    PlotChart& chart = *PlotChart1;
    SeriesCount = build.series;
    chart.SetSubsets(SeriesCount);
    if (SeriesCount == 2) {
        chart.SetYData(1, -1, 0.0f);
        chart.SetXDataD(1, -1, 0.0);
        //: The first channel
        chart.SetSubsetLabel(0, tr("Main"));
        //: The second channel
        chart.SetSubsetLabel(1, tr("Second"));
        chart.SetSubsetColor(1, Qt::red);
    } else {
        chart.SetSubsetLabel(0, QString()); // one series needs no legend
    }
    chart.SetYData(0, -1, 0.0f);
    chart.SetXDataD(0, -1, 0.0);
    chart.Data() = std::move(build.data);

    chart.SetMainTitle(tr("Data Graph"));
    chart.SetSubTitle(QString());
    chart.SetYAxisLabel(tr("Degree"));
    chart.SetXAxisLabel(tr("Time"));
    chart.SetMarkDataPoints(true);
    Menus->ShowMarks();
    chart.SetCursorPromptTracking(true);
    chart.SetAllowZooming(PlotChart::chHorzPlusVertZooming);
    chart.SetManualScaleControlY(PlotChart::chManualMinAndMax);
    chart.SetManualMinX(build.span.first);
    chart.SetManualMaxX(build.span.last);
    // X follows the points; after Cancel the first and last rows' times still
    // span the whole table, so the graph does not look like all there is.
    ChartData::Extent x{};
    const bool partial = build.read < build.rows && build.span.error.isEmpty();
    if (partial && chart.Data().XExtent(x)) {
        chart.SetManualMinX(std::min(build.span.first, x.lower));
        chart.SetManualMaxX(std::max(build.span.last, x.upper));
    }
    chart.SetManualScaleControlX(partial ? PlotChart::chManualMinAndMax : PlotChart::chAutomatic);
    // The range loaded at start-up, not the live graph's current one.
    chart.SetManualMinY(session_.Settings().MinScale);
    chart.SetManualMaxY(session_.Settings().MaxScale);
    chart.SetScrollingHorzZoom(true);
    Menus->SetLineType(PlotChart::ThinSolid);

    showNormal();
    raise();
    activateWindow();
    // Another table's graph: a zoom into the last one means nothing here.
    chart.ChartAction(PlotChart::chReinitAndReset);
    ShowZoomed();
    emit GraphBuilt();
}

void TfrmGraphList::btnPrintClick() {
    PlotChart1->ChartAction(PlotChart::chPrintDialog);
}

void TfrmGraphList::mnuPrintClick() {
    PlotChart1->ChartAction(PlotChart::chPrintDialog);
}

void TfrmGraphList::btnClearClick() {
    PlotChart1->ChartAction(PlotChart::chUndoZoom);
    ShowZoomed();
}

void TfrmGraphList::UndoZoom1Click() {
    btnClearClick();
}

void TfrmGraphList::PlotChart1ZoomIn() {
    ShowZoomed();
}

void TfrmGraphList::ShowZoomed() {
    btnClear->setEnabled(PlotChart1->Zoomed());
}

void TfrmGraphList::mnuHelpClick() {
    btnHelpClick();
}

void TfrmGraphList::mnuRangeClick() {
    PlotChart& chart = *PlotChart1;
    if (!setupScale_->Ask(ScaleEntry::LogText(chart.ManualMaxY()),
                          ScaleEntry::LogText(chart.ManualMinY())))
        return;
    // Both read before anything changes, so a bad entry changes nothing.
    ScaleEntry::Range range;
    try {
        range = ScaleEntry::LogRange(setupScale_->edtMaxScale->text(),
                                     setupScale_->edtMinScale->text());
    } catch (const EConvertError& e) {
        ShowMessage(this, MessageKind::Warning, QString::fromLocal8Bit(e.what()));
        return;
    }
    chart.SetManualMaxY(range.max);
    chart.SetManualMinY(range.min);
    chart.ChartAction(PlotChart::chReinitAndReset);
    ShowZoomed();
}

void TfrmGraphList::mnuTitleClick() {
    EditTitles();
}

void TfrmGraphList::mnuMeasureClick() {
    PlotChart1->Measure().SetMeasureMode(mnuMeasure->isChecked());
}
