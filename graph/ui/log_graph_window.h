// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The log graph window: the whole log table drawn at once, one series from the
// main value and a second from the second value of a two-channel record, which
// the user can zoom, scroll, measure, print and export, with the line, mark,
// range and title options. The points are built on a worker thread from a
// snapshot of the core's table and take the chart's place when complete.

#include "graph/ui/graph_window.h"
#include "recording/recording_session.h"

#include <memory>

class BackgroundTask;
class TfrmPrintProgress;

class TfrmGraphList : public GraphWindow {
    Q_OBJECT
public:
    explicit TfrmGraphList(const RecordingSession& session, QWidget* parent = nullptr);
    // A build still running is cancelled and waited for.
    ~TfrmGraphList() override;

    // The progress dialog of the build.
    void SetProgressDialog(TfrmPrintProgress* progress) { progress_ = progress; }

    // Draws every data row of the core's table and shows the window. The rows are
    // those present when it starts; a request while a build runs, or while the
    // progress dialog serves another operation, is ignored.
    void BuildLogGraph();
    bool Building() const;

    int SeriesCount = 1;

    QAction* mnuMeasure;
    QAction* UndoZoom1;
    QAction* mnuTitle;

public slots:
    void btnPrintClick();
    void mnuPrintClick();
    void btnClearClick(); // "Undo Zoom"
    void UndoZoom1Click();
    void PlotChart1ZoomIn();
    void mnuHelpClick();
    void mnuRangeClick() override;
    void mnuTitleClick();
    void mnuMeasureClick();

signals:
    // A build has ended and its graph is shown.
    void GraphBuilt();

private:
    struct Build;
    void ShowBuild(Build& build);
    // The Undo Zoom button is offered while the chart is zoomed.
    void ShowZoomed();

    const RecordingSession& session_;
    TfrmPrintProgress* progress_ = nullptr;
    std::unique_ptr<BackgroundTask> task_;
};
