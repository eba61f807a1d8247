// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture drawn from a vector source at the widget's size, sharp at any
// screen scale. Reports mouse movement over the parts no other widget covers.

#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

class SvgPicture : public QWidget {
    Q_OBJECT
public:
    SvgPicture(const QString& name, const QString& source, const QRect& geometry, QWidget* parent);
    // The same from the picture's source text (captions translated).
    SvgPicture(const QString& name, const QByteArray& source, const QRect& geometry,
               QWidget* parent);

    bool IsValid() const { return renderer_.isValid(); }
    // The picture at the widget's size for a screen of the given pixel ratio.
    QPixmap Render(qreal ratio);

signals:
    void MouseMoved(const QPoint& position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QSvgRenderer renderer_;
    QPixmap cache_;
};
