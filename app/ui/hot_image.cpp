// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/hot_image.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

HotImage::HotImage(const QString& name, const QRect& geometry, const QString& hint, QWidget* parent)
    : QWidget(parent), hint_(hint) {
    setObjectName(name);
    setGeometry(geometry);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    setAccessibleName(hint);
    setFocusPolicy(Qt::StrongFocus);
}

void HotImage::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            emit Clicked();
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void HotImage::focusInEvent(QFocusEvent* event) {
    // The keyboard's user sees the hint the mouse's user sees on hover.
    emit Hovered(hint_);
    update();
    QWidget::focusInEvent(event);
}

void HotImage::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void HotImage::mouseMoveEvent(QMouseEvent* event) {
    emit Hovered(hint_);
    event->accept();
}

void HotImage::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    update();
    event->accept();
}

void HotImage::mouseReleaseEvent(QMouseEvent* event) {
    // Like a button: the click counts only if released over the region.
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    update();
    event->accept();
    if (click)
        emit Clicked();
}

void HotImage::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    emit Hovered(hint_);
    QWidget::enterEvent(event);
}

void HotImage::leaveEvent(QEvent* event) {
    hovered_ = false;
    pressed_ = false;
    update();
    QWidget::leaveEvent(event);
}

void HotImage::paintEvent(QPaintEvent*) {
    const bool focused = hasFocus();
    if (!hovered_ && !focused)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (hovered_) {
        p.setPen(QPen(QColor(255, 255, 255, 90), 1));
        p.setBrush(QColor(120, 220, 240, pressed_ ? 60 : 28));
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    }
    if (focused) {
        // Dashed and two-toned, so it shows on the picture's light and dark parts.
        const QRectF frame = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 200), 2));
        p.drawRoundedRect(frame, 8, 8);
        p.setPen(QPen(QColor(255, 255, 255), 2, Qt::DashLine));
        p.drawRoundedRect(frame, 8, 8);
    }
}
