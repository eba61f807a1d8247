// SPDX-License-Identifier: GPL-3.0-or-later
#include "meter/ui/panel_key.h"

#include <QMouseEvent>

PanelKey::PanelKey(const QString& name, const QRect& geometry, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setGeometry(geometry);
    setCursor(Qt::PointingHandCursor);
}

void PanelKey::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = true;
}

void PanelKey::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    // The press that came with it (if the platform sends one) is not a click.
    pressed_ = false;
    doubleClicked_ = true;
    emit DblClick();
}

void PanelKey::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = pressed_ && !doubleClicked_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    doubleClicked_ = false;
    if (click)
        emit Click();
}
