// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tool strip of the recording windows: icon buttons with their hints, then
// the sampling-rate entry between its captions "Sampling Rate" and "MM:SS".

#include <QCoreApplication>
#include <QFont>

class QAction;
class QLineEdit;
class QMainWindow;
class QToolBar;

class ToolStrip {
    Q_DECLARE_TR_FUNCTIONS(ToolStrip)

public:
    explicit ToolStrip(QMainWindow* window);

    // A button showing the picture :/toolbar/<icon>.svg, with hint as its tip.
    QAction* AddButton(const char* icon, const QString& hint);
    // The rate entry, bold, with its edit mask, named by its caption; the window
    // connects its change handler.
    QLineEdit* AddRateEntry(QFont font);

    QToolBar* Bar;
};
