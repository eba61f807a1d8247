// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A clickable region over a picture: transparent, with the hand cursor, a soft
// highlight while the mouse is over it, and a status text to show on hover. From
// the keyboard it is reached with Tab, shows a focus frame, and Enter or Space
// click it; screen readers read its status text as its name.

#include <QWidget>

class HotImage : public QWidget {
    Q_OBJECT
public:
    HotImage(const QString& name, const QRect& geometry, const QString& hint, QWidget* parent);

    QString Hint() const { return hint_; }

signals:
    void Hovered(const QString& hint);
    void Clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString hint_;
    bool hovered_ = false;
    bool pressed_ = false;
};
