// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/title_fit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QStyle>
#include <QWidget>
#include <algorithm>

int TitleWidth(const QWidget* window) {
    const QString title = window->windowTitle();
    if (title.isEmpty())
        return 0;
    // Qt's name for the title bar's font, which the platform theme fills in.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const int text = QFontMetrics(font).horizontalAdvance(title);
    // The icon on the left, three buttons on the right, and the margins.
    const int button =
        std::max(window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window),
                 QFontMetrics(font).height() + 8);
    return text + 4 * button + 24;
}

TitleFit::TitleFit(QObject* parent) : QObject(parent) {}

void TitleFit::Install() {
    const QString name = QStringLiteral("titleFit");
    if (qApp->findChild<QObject*>(name, Qt::FindDirectChildrenOnly))
        return;
    auto* fit = new TitleFit(qApp);
    fit->setObjectName(name);
    qApp->installEventFilter(fit);
}

void TitleFit::Fit(QWidget* window) {
    // A minimum width set here replaces the one the layout would set for the
    // contents, so it must hold both.
    const int width = std::max(TitleWidth(window), window->minimumSizeHint().width());
    if (window->minimumWidth() >= width)
        return;
    if (window->maximumWidth() < width)
        window->setMaximumWidth(width);
    window->setMinimumWidth(width);
}

bool TitleFit::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Resize && type != QEvent::WindowTitleChange)
        return false;
    auto* window = qobject_cast<QWidget*>(watched);
    if (!window || !window->isWindow())
        return false;
    const Qt::WindowType kind = window->windowType();
    // Menus, tips and the like have no title bar.
    if (kind == Qt::Popup || kind == Qt::ToolTip || kind == Qt::SplashScreen ||
        kind == Qt::Desktop || window->windowFlags().testFlag(Qt::FramelessWindowHint))
        return false;
    // A window of fixed size that is not a dialog (the main menu, the panel) is a
    // picture drawn to its size: it keeps it.
    if (!qobject_cast<QDialog*>(window) && window->minimumSize() == window->maximumSize())
        return false;
    // A message box sets its own fixed size while it is shown; the resize that
    // follows widens it again.
    Fit(window);
    return false;
}
