// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/svg_picture.h"

#include <QMouseEvent>
#include <QPainter>

SvgPicture::SvgPicture(const QString& name, const QString& source, const QRect& geometry,
                       QWidget* parent)
    : QWidget(parent), renderer_(source) {
    setObjectName(name);
    setGeometry(geometry);
    setMouseTracking(true);
}

void SvgPicture::paintEvent(QPaintEvent*) {
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * dpr).toSize();
    if (cache_.size() != pixels) {
        cache_ = QPixmap(pixels);
        cache_.fill(Qt::transparent);
        QPainter render(&cache_);
        render.setRenderHint(QPainter::Antialiasing);
        renderer_.render(&render);
        cache_.setDevicePixelRatio(dpr);
    }
    QPainter p(this);
    p.drawPixmap(0, 0, cache_);
}

void SvgPicture::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMoved(event->position().toPoint());
    event->accept();
}
