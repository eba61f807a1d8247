#pragma once
// The log graph window: the whole log table drawn at once, one series from the
// main value and a second from the second value of a two-channel record, which
// the user can zoom, scroll, measure, print and export, with the line, mark,
// range and title options.

#include "recording/recording_session.h"

#include <QMainWindow>

class GraphProgress;
class LogTable;
class GraphMenus;
class PlotChart;
class QAction;
class TfrmEditTitle;
class TfrmSetupScale;

class TfrmGraphList : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmGraphList(const RecordingSession& session, QWidget* parent = nullptr);

    // The dialogs shared with the live graph, and the progress display of the build.
    void SetDialogs(TfrmEditTitle* editTitle, TfrmSetupScale* setupScale);
    void SetProgress(GraphProgress* progress) { progress_ = progress; }

    // Draws every data row of the table and shows the window. The rows are those
    // present when it starts; a request while a build runs is ignored.
    void BuildLogGraph(const LogTable& table);

    int SeriesCount = 1;

    PlotChart* PlotChart1;
    GraphMenus* Menus; // Print and Option, shared with the live graph
    QAction* btnPrint;
    QAction* btnClear; // "Undo Zoom"
    QAction* btnHelp;
    QAction* mnuPrint;
    QAction* mnuExportImage;
    QAction* mnuThin;
    QAction* mnuThick;
    QAction* mnuMarkData;
    QAction* mnuMeasure;
    QAction* UndoZoom1;
    QAction* mnuRange;
    QAction* mnuTitle;
    QAction* mnuHelp;

public slots:
    void btnPrintClick();
    void mnuPrintClick();
    void btnClearClick();
    void UndoZoom1Click();
    void PlotChart1ZoomIn();
    void btnHelpClick();
    void mnuHelpClick();
    void mnuRangeClick();
    void mnuTitleClick();
    void mnuExportImageClick();
    void mnuMeasureClick();

private:
    const RecordingSession& session_;
    TfrmEditTitle* editTitle_ = nullptr;
    TfrmSetupScale* setupScale_ = nullptr;
    GraphProgress* progress_ = nullptr;
    bool building_ = false;
};
