#include "app/help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

QUrl HelpPageUrl(const QString& directory, const QString& anchor) {
    const QString path = QDir(directory).filePath(QStringLiteral("BrackWater.htm"));
    if (!QFileInfo(path).isFile())
        return {};
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    return url;
}

void OpenHelpTopic(const QString& anchor) {
    const QUrl url = HelpPageUrl(QCoreApplication::applicationDirPath(), anchor);
    if (!url.isEmpty())
        QDesktopServices::openUrl(url);
}
