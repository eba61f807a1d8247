// SPDX-License-Identifier: GPL-3.0-or-later
#include "meter/ui/panel_key.h"

#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

PanelKey::PanelKey(const QString& name, const QRect& geometry, QWidget* parent)
    : QAbstractButton(parent) {
    setObjectName(name);
    setGeometry(geometry);
    setCursor(Qt::PointingHandCursor);
    // A click with the mouse leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    // The mouse is handled below; the keyboard and assistive technology click the button.
    connect(this, &QAbstractButton::clicked, this, &PanelKey::Click);
}

void PanelKey::paintEvent(QPaintEvent*) {
    // The key itself is part of the panel's picture: only the keyboard focus shows here.
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
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
