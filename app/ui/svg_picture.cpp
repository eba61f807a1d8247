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

SvgPicture::SvgPicture(const QString& name, const QByteArray& source, const QRect& geometry,
                       QWidget* parent)
    : QWidget(parent), renderer_(source) {
    setObjectName(name);
    setGeometry(geometry);
    setMouseTracking(true);
}

QPixmap SvgPicture::Render(qreal ratio) {
    QPixmap picture((QSizeF(size()) * ratio).toSize());
    picture.fill(Qt::transparent);
    QPainter render(&picture);
    render.setRenderHint(QPainter::Antialiasing);
    renderer_.render(&render);
    render.end();
    picture.setDevicePixelRatio(ratio);
    return picture;
}

void SvgPicture::paintEvent(QPaintEvent*) {
    const qreal dpr = devicePixelRatioF();
    if (cache_.size() != (QSizeF(size()) * dpr).toSize() || cache_.devicePixelRatio() != dpr)
        cache_ = Render(dpr);
    QPainter p(this);
    p.drawPixmap(0, 0, cache_);
}

void SvgPicture::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMoved(event->position().toPoint());
    event->accept();
}
