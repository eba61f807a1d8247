#include "app/ui/hot_image.h"

#include <QMouseEvent>
#include <QPainter>

HotImage::HotImage(const QString& name, const QRect& geometry, const QString& hint, QWidget* parent)
    : QWidget(parent), hint_(hint) {
    setObjectName(name);
    setGeometry(geometry);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    setAccessibleName(hint);
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
    if (!hovered_)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.setBrush(QColor(120, 220, 240, pressed_ ? 60 : 28));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}
