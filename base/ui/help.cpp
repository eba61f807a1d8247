// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/help.h"

#include "base/help_page.h"

#include <QCoreApplication>
#include <QDesktopServices>

void OpenHelpTopic(const QString& anchor) {
    const QUrl url = HelpPageUrl(QCoreApplication::applicationDirPath(), anchor);
    if (!url.isEmpty())
        QDesktopServices::openUrl(url);
}
