// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/help.h"

#include "base/help_page.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QKeySequence>
#include <QWidget>

void OpenHelpTopic(const QString& anchor) {
    const QUrl url = HelpPageUrl(QCoreApplication::applicationDirPath(), anchor);
    if (!url.isEmpty())
        QDesktopServices::openUrl(url);
}

QAction* AddHelpShortcut(QWidget* window, const QString& anchor) {
    const QString name = QStringLiteral("actHelp");
    auto* help = window->findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
    if (!help) {
        help = new QAction(window);
        help->setObjectName(name);
        help->setShortcuts(QKeySequence::HelpContents);
        help->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(help, &QAction::triggered, help,
                         [help] { OpenHelpTopic(help->data().toString()); });
        window->addAction(help);
    }
    help->setData(anchor);
    return help;
}
