// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which window system the program asks Qt for. On a Wayland session that also
// offers its X11 layer the program takes X11, where it may place its own windows
// (panel, graph and log side by side; the log graph beside the log): Wayland
// leaves every window's place to the desktop. Decided before the application
// object exists, from the environment and the arguments alone.

#include <QProcessEnvironment>
#include <QStringList>

// The platforms to pass as "-platform", first choice first, or empty to leave the
// choice to Qt: the user made one (QT_QPA_PLATFORM, -platform) or the session
// offers no X11 layer.
QString PreferredPlatform(const QProcessEnvironment& environment, const QStringList& arguments);

// Whether on this platform the desktop, not the program, decides where windows go.
bool DesktopPlacesWindows(const QString& platformName);
