// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session_platform.h"

#include <algorithm>

QString PreferredPlatform(const QProcessEnvironment& environment, const QStringList& arguments) {
    if (!environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty())
        return {};
    // Qt reads its options with one dash or two, and this program's parser also with "=".
    const bool chosen = std::any_of(arguments.begin(), arguments.end(), [](const QString& arg) {
        const QString name = arg.section(QLatin1Char('='), 0, 0);
        return name == QLatin1String("-platform") || name == QLatin1String("--platform");
    });
    if (chosen || environment.value(QStringLiteral("DISPLAY")).isEmpty())
        return {};
    const bool wayland =
        !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty() ||
        environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1String("wayland");
    // Wayland stays second: an X11 layer that does not answer is no reason not to start.
    return wayland ? QStringLiteral("xcb;wayland") : QString();
}

bool DesktopPlacesWindows(const QString& platformName) {
    return platformName.startsWith(QLatin1String("wayland"));
}
