// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A click area over a key drawn on the panel's picture: no picture of its own,
// a hand cursor and a hint. Clicks follow the desktop's usual rule: the first
// press of a double click is a click, the second is a double click and not a
// further click. It is a button to the keyboard (Tab reaches it, Space presses
// it) and to assistive technology, named by the key's caption.

#include <QAbstractButton>

class PanelKey : public QAbstractButton {
    Q_OBJECT
public:
    PanelKey(const QString& name, const QRect& geometry, QWidget* parent);

signals:
    void Click();
    void DblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
    bool doubleClicked_ = false;
};
