// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/tool_strip.h"

#include "base/rate_entry.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QToolBar>

ToolStrip::ToolStrip(QMainWindow* window) : Bar(window->addToolBar(tr("Tools"))) {
    Bar->setMovable(false);
    Bar->setFloatable(false);
    Bar->setIconSize(QSize(24, 24));
    Bar->toggleViewAction()->setVisible(false);
}

QAction* ToolStrip::AddButton(const char* icon, const QString& hint) {
    QAction* action =
        Bar->addAction(QIcon(QStringLiteral(":/toolbar/%1.svg").arg(QLatin1String(icon))), hint);
    action->setToolTip(hint);
    return action;
}

namespace {
// A caption with a space's width before it (and after it), kept out of its text so
// that the entry's accessible name is the caption alone.
QLabel* Caption(const QString& text, QWidget* parent, bool spaceAfter) {
    auto* label = new QLabel(text, parent);
    const int space = label->fontMetrics().horizontalAdvance(QLatin1Char(' '));
    label->setContentsMargins(space, 0, spaceAfter ? space : 0, 0);
    return label;
}
} // namespace

QLineEdit* ToolStrip::AddRateEntry(QFont font) {
    Bar->addSeparator();
    QLabel* caption = Caption(tr("Sampling Rate"), Bar, true);
    Bar->addWidget(caption);
    auto* entry = new QLineEdit(Bar);
    caption->setBuddy(entry);
    entry->setInputMask(RateEntryMask);
    entry->setMaxLength(11);
    font.setBold(true);
    entry->setFont(font);
    entry->setFixedWidth(entry->fontMetrics().horizontalAdvance(QStringLiteral("__00 : 00__")) +
                         12);
    Bar->addWidget(entry);
    //: The rate entry's format: minutes and seconds
    Bar->addWidget(Caption(tr("MM:SS"), Bar, false));
    return entry;
}
