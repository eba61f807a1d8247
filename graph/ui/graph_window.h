// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the live and the log graph windows share: the chart in the middle, the
// tool strip's Print, clear and help buttons, the Print and Option menus with
// Range, Title and Help after them, the status line under the chart, and the
// export, title and help handlers. Each window adds its own tools and menu
// entries and reads the range dialog by its own rule.

#include "base/ui/tool_strip.h"

#include <QMainWindow>
#include <QSize>
#include <QString>

class GraphMenus;
class PlotChart;
class QAction;
class TfrmEditTitle;
class TfrmSetupScale;

class GraphWindow : public QMainWindow {
    Q_OBJECT
public:
    // The title and range dialogs both graphs share.
    void SetDialogs(TfrmEditTitle* editTitle, TfrmSetupScale* setupScale);

    PlotChart* PlotChart1;
    GraphMenus* Menus; // Print and Option
    QAction* btnPrint;
    QAction* btnClear;
    QAction* btnHelp = nullptr;
    QAction* mnuPrint;
    QAction* mnuExportImage;
    QAction* mnuThin;
    QAction* mnuThick;
    QAction* mnuMarkData;
    QAction* mnuRange;
    QAction* mnuHelp;

public slots:
    void btnHelpClick();
    void mnuExportImageClick();
    // The range dialog, filled from the chart and read back by the window's rule.
    virtual void mnuRangeClick() = 0;

protected:
    struct Skeleton {
        QString Caption;
        QSize Size;
        int StripHeight;
        const char* ClearIcon;
        const char* ClearHint; // marked in the tool strip's context, translated when the button is made
        QString HelpTopic;
        QString StatusHint; // what the mouse can do in the chart
    };
    GraphWindow(const Skeleton& skeleton, QWidget* parent);

    // The help button after the tools the window put behind the clear button.
    void AddHelpButton();
    // The title dialog over the chart.
    void EditTitles();

    ToolStrip Tools;
    QAction* const TitleAction; // named by each window
    TfrmEditTitle* editTitle_ = nullptr;
    TfrmSetupScale* setupScale_ = nullptr;

private:
    QString helpTopic_;
};
