// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/tool_strip.h"

#include "base/rate_entry.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QToolBar>

ToolStrip::ToolStrip(QMainWindow* window) : Bar(window->addToolBar(QStringLiteral("Tools"))) {
    Bar->setMovable(false);
    Bar->setFloatable(false);
    Bar->setIconSize(QSize(24, 24));
    Bar->toggleViewAction()->setVisible(false);
}

QAction* ToolStrip::AddButton(const char* icon, const char* hint) {
    QAction* action =
        Bar->addAction(QIcon(QStringLiteral(":/toolbar/%1.svg").arg(QLatin1String(icon))),
                       QString::fromLatin1(hint));
    action->setToolTip(QString::fromLatin1(hint));
    return action;
}

QLineEdit* ToolStrip::AddRateEntry(QFont font) {
    Bar->addSeparator();
    Bar->addWidget(new QLabel(QStringLiteral(" Sampling Rate "), Bar));
    auto* entry = new QLineEdit(Bar);
    entry->setInputMask(RateEntryMask);
    entry->setMaxLength(11);
    font.setBold(true);
    entry->setFont(font);
    entry->setFixedWidth(entry->fontMetrics().horizontalAdvance(QStringLiteral("__00 : 00__")) +
                         12);
    Bar->addWidget(entry);
    Bar->addWidget(new QLabel(QStringLiteral(" MM:SS"), Bar));
    return entry;
}
