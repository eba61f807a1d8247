// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows wide enough for their titles. The window manager cuts a title that is
// wider than the window; Qt sizes a dialog by its contents only. Installed on the
// application, TitleFit widens every titled top-level window, message boxes and
// file dialogs included, whenever it is shown, resized or retitled; windows of a
// fixed size that are not dialogs are pictures drawn to that size and keep it.

#include <QObject>

class QWidget;

// The width a window needs for its whole title: the title in the title bar's font
// (bold, as many window managers draw it) and room for the icon and the buttons.
int TitleWidth(const QWidget* window);

class TitleFit : public QObject {
public:
    explicit TitleFit(QObject* parent = nullptr);
    // Puts one on the application, once: the program's first box may come before
    // its windows (a copy already running).
    static void Install();
    // Widens the window to TitleWidth, and to the width its contents need, if it is
    // narrower, also a fixed-size one.
    static void Fit(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
