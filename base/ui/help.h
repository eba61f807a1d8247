// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opens the help page in the desktop's browser, from a button or the platform's
// Help key.

#include <QString>

class QAction;
class QWidget;

// Opens the page at the anchor. A missing page or a desktop without a browser
// is not reported: help is not worth an error box.
void OpenHelpTopic(const QString& anchor = {});

// An action on window, with the platform's Help keys, that opens the page at the
// anchor (the whole page without one); the anchor is the action's data. Given
// again for the same window, its one action takes the new anchor.
QAction* AddHelpShortcut(QWidget* window, const QString& anchor = {});
