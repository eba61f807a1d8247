// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help page BrackWater.htm. It lies beside the program in a build folder and
// in ../share/brackwater when installed. Windows open their own section of it by
// its anchor.

#include <QString>
#include <QUrl>

// The page's address for a program in the given directory, at the anchor if
// one is given; empty when the page is in neither place.
QUrl HelpPageUrl(const QString& programDirectory, const QString& anchor = {});

// One line naming the page the help action opens, or saying it is missing, so
// an installation can be checked from a terminal. Needs the application object.
QString HelpPageNote();
