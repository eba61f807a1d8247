// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main menu as screen readers present it: the window is a window (a plain
// widget would be passed over as a filler), each picture is a button named by its
// hover text that their press action clicks, and the status line is a status bar
// named by its text, so that each new text is told as its new name.

class QLabel;

// Installs the interfaces once; call before the main menu and its pictures are made.
void InstallMainMenuAccessibility();

// Makes label a status line for screen readers; call before it is shown.
void MarkStatusLine(QLabel* label);
