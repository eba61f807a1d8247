// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/ui/graph_window.h"

#include "base/handler_guard.h"
#include "base/ui/help.h"
#include "graph/ui/chart_status.h"
#include "graph/ui/edit_title_dialog.h"
#include "graph/ui/graph_menus.h"
#include "graph/ui/plot_chart.h"

#include <QKeySequence>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

GraphWindow::GraphWindow(const Skeleton& skeleton, QWidget* parent)
    : QMainWindow(parent), Tools(this), TitleAction(new QAction(tr("&Title"), this)),
      helpTopic_(skeleton.HelpTopic) {
    // The pictures are compiled into the static library, which the linker would otherwise drop.
    Q_INIT_RESOURCE(brackwater);
    setWindowTitle(skeleton.Caption);
    resize(skeleton.Size);

    Tools.Bar->setFixedHeight(skeleton.StripHeight);
    // A tool bar is named by its title.
    Tools.Bar->setWindowTitle(tr("Graph tools"));
    btnPrint = Tools.AddButton("print", QCoreApplication::translate("ToolStrip", "Print"));
    btnClear = Tools.AddButton(skeleton.ClearIcon,
                               QCoreApplication::translate("ToolStrip", skeleton.ClearHint));

    PlotChart1 = new PlotChart(this);
    Menus = new GraphMenus(*this, *PlotChart1);
    mnuPrint = Menus->mnuPrint;
    mnuPrint->setShortcuts(QKeySequence::Print);
    mnuExportImage = Menus->mnuExportImage;
    mnuThin = Menus->mnuThin;
    mnuThick = Menus->mnuThick;
    mnuMarkData = Menus->mnuMarkData;
    mnuRange = menuBar()->addAction(tr("&Range"));
    menuBar()->addAction(TitleAction);
    mnuHelp = menuBar()->addAction(tr("&Help"));

    setCentralWidget(PlotChart1);
    new ChartStatus(PlotChart1, statusBar(), skeleton.StatusHint);

    connect(mnuExportImage, &QAction::triggered, this, &GraphWindow::mnuExportImageClick);
    connect(mnuRange, &QAction::triggered, this,
            [this] { RunGuarded([this] { mnuRangeClick(); }); });
}

void GraphWindow::AddHelpButton() {
    btnHelp = Tools.AddButton("help", QCoreApplication::translate("ToolStrip", "HELP"));
    connect(btnHelp, &QAction::triggered, this, &GraphWindow::btnHelpClick);
}

void GraphWindow::SetDialogs(TfrmEditTitle* editTitle, TfrmSetupScale* setupScale) {
    editTitle_ = editTitle;
    setupScale_ = setupScale;
}

void GraphWindow::btnHelpClick() {
    OpenHelpTopic(helpTopic_);
}

void GraphWindow::mnuExportImageClick() {
    PlotChart1->Output().ExportImageAs();
}

void GraphWindow::EditTitles() {
    editTitle_->EditTitlesOf(*PlotChart1);
}
