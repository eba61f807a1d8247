// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/help_page.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
const QString PageName = QStringLiteral("BrackWater.htm");
// Relative, so that an installation works under any prefix and can be moved.
const QString InstalledDataDirectory = QStringLiteral("../share/brackwater");
} // namespace

QUrl HelpPageUrl(const QString& programDirectory, const QString& anchor) {
    const QDir dir(programDirectory);
    for (const QString& path :
         {dir.filePath(PageName), dir.filePath(InstalledDataDirectory + u'/' + PageName)}) {
        const QFileInfo page(path);
        if (!page.isFile())
            continue;
        QUrl url = QUrl::fromLocalFile(QDir::cleanPath(page.absoluteFilePath()));
        if (!anchor.isEmpty())
            url.setFragment(anchor);
        return url;
    }
    return {};
}

QString HelpPageNote() {
    const QUrl url = HelpPageUrl(QCoreApplication::applicationDirPath());
    // untranslated: a line scripts read to check an installation
    if (url.isEmpty())
        return QStringLiteral("Help page: missing (%1 is neither beside the program nor in %2)\n")
            .arg(PageName, InstalledDataDirectory);
    // untranslated: a line scripts read to check an installation
    return QStringLiteral("Help page: %1\n").arg(url.toLocalFile());
}
