// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The menus both graph windows share, over their chart: Print (Print, Export
// Image) and Option (Line: Thin or Thick, Mark Data), with the line and mark
// handlers and their check marks. Each window adds its own entries after them.

#include <QObject>

class PlotChart;
class QAction;
class QMainWindow;
class QMenu;

class GraphMenus : public QObject {
    Q_OBJECT
public:
    GraphMenus(QMainWindow& window, PlotChart& chart);

    void mnuThinClick();
    void mnuThickClick();
    void mnuMarkDataClick();
    // Every series in the line type, and the check marks to match.
    void SetLineType(int lineType);
    // The Mark Data check as the chart has it.
    void ShowMarks();

    QMenu* PrintMenu;
    QMenu* OptionMenu;
    QAction* mnuPrint;
    QAction* mnuExportImage;
    QAction* mnuThin;
    QAction* mnuThick;
    QAction* mnuMarkData;

private:
    PlotChart& chart_;
};
