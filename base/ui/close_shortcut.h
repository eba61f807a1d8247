// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform's Close shortcut on a window that has no menu entry for it.

class QAction;
class QWidget;

// An action on window, with the platform's Close keys, that closes the window as
// its title bar's button does.
QAction* AddCloseShortcut(QWidget* window);
