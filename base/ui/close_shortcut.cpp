// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/close_shortcut.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

QAction* AddCloseShortcut(QWidget* window) {
    auto* close = new QAction(window);
    close->setObjectName(QStringLiteral("actClose"));
    close->setShortcuts(QKeySequence::Close);
    close->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(close, &QAction::triggered, window, &QWidget::close);
    window->addAction(close);
    return close;
}
