// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/ui/graph_menus.h"

#include "graph/ui/plot_chart.h"

#include <QMainWindow>
#include <QMenuBar>

GraphMenus::GraphMenus(QMainWindow& window, PlotChart& chart) : QObject(&window), chart_(chart) {
    PrintMenu = window.menuBar()->addMenu(tr("&Print"));
    mnuPrint = PrintMenu->addAction(tr("&Print"));
    mnuExportImage = PrintMenu->addAction(tr("Export &Image..."));
    OptionMenu = window.menuBar()->addMenu(tr("&Option"));
    QMenu* lineMenu = OptionMenu->addMenu(tr("&Line"));
    mnuThin = lineMenu->addAction(tr("&Thin"));
    mnuThick = lineMenu->addAction(tr("Thick"));
    mnuThin->setCheckable(true);
    mnuThick->setCheckable(true);
    mnuMarkData = OptionMenu->addAction(tr("&Mark Data"));
    for (QMenu* menu : {PrintMenu, OptionMenu, lineMenu})
        menu->setAccessibleName(menu->title().remove(QLatin1Char('&')));
    mnuMarkData->setCheckable(true);
    mnuMarkData->setStatusTip(tr("mark data-points with a small circle"));
    mnuMarkData->setToolTip(mnuMarkData->statusTip());
    OptionMenu->setToolTipsVisible(true);
    connect(mnuThin, &QAction::triggered, this, &GraphMenus::mnuThinClick);
    connect(mnuThick, &QAction::triggered, this, &GraphMenus::mnuThickClick);
    connect(mnuMarkData, &QAction::triggered, this, &GraphMenus::mnuMarkDataClick);
}

void GraphMenus::mnuThinClick() {
    SetLineType(PlotChart::ThinSolid);
    chart_.Redraw();
}

void GraphMenus::mnuThickClick() {
    SetLineType(PlotChart::ThickSolid);
    chart_.Redraw();
}

void GraphMenus::SetLineType(int lineType) {
    for (int subset = 0; subset < chart_.Subsets(); ++subset)
        chart_.SetSubsetLineType(subset, lineType);
    mnuThin->setChecked(lineType == PlotChart::ThinSolid);
    mnuThick->setChecked(lineType == PlotChart::ThickSolid);
}

void GraphMenus::mnuMarkDataClick() {
    chart_.SetMarkDataPoints(!chart_.MarkDataPoints());
    ShowMarks();
    chart_.Redraw();
}

void GraphMenus::ShowMarks() {
    mnuMarkData->setChecked(chart_.MarkDataPoints());
}
