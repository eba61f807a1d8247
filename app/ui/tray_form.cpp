// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/tray_form.h"

#include <QApplication>
#include <QCursor>
#include <QIconEngine>
#include <QPainter>
#include <algorithm>

namespace {
// The program's icon with a red alarm mark in its lower right corner, drawn at
// whatever size and pixel density the tray asks for.
class AlarmIconEngine : public QIconEngine {
public:
    explicit AlarmIconEngine(const QIcon& base) : base_(base) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        base_.paint(painter, rect, Qt::AlignCenter, mode, state);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const double size = std::min(rect.width(), rect.height());
        const double d = size * 0.62;
        const QRectF mark(rect.right() + 1 - d, rect.bottom() + 1 - d, d, d);
        painter->setPen(QPen(Qt::white, std::max(1.0, size / 24.0)));
        painter->setBrush(QColor(220, 0, 0));
        painter->drawEllipse(mark.adjusted(0.5, 0.5, -0.5, -0.5));
        QFont font = painter->font();
        font.setBold(true);
        font.setPixelSize(std::max(6, int(d * 0.8)));
        painter->setFont(font);
        painter->drawText(mark, Qt::AlignCenter, QStringLiteral("!"));
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return picture;
    }
    QIconEngine* clone() const override { return new AlarmIconEngine(base_); }

private:
    QIcon base_;
};
} // namespace

TForm1::TForm1(QObject* parent) : QObject(parent) {
    auto item = [this](const QString& caption) {
        QAction* a = PopupMenu1.addAction(caption);
        a->setToolTip(caption);
        return a;
    };
    MainMenu1 = item(tr("Main Menu"));
    Panel1 = item(tr("Panel"));
    Graph1 = item(tr("Graph"));
    Tabular1 = item(tr("Tabular"));
    PopupMenu1.addSeparator();
    Alarms1 = item(tr("Alarms..."));
    Acknowledge1 = item(tr("Acknowledge Alarm"));
    Acknowledge1->setEnabled(false);
    PopupMenu1.addSeparator();
    Exit1 = item(tr("Exit"));
    connect(MainMenu1, &QAction::triggered, this, &TForm1::MainMenu1Click);
    connect(Panel1, &QAction::triggered, this, &TForm1::Panel1Click);
    connect(Graph1, &QAction::triggered, this, &TForm1::Graph1Click);
    connect(Tabular1, &QAction::triggered, this, &TForm1::Tabular1Click);
    connect(Alarms1, &QAction::triggered, this, &TForm1::Alarms1Click);
    connect(Acknowledge1, &QAction::triggered, this, &TForm1::Acknowledge1Click);
    // Clicking the alarm's notification answers it as Acknowledge does.
    connect(&icon_, &QSystemTrayIcon::messageClicked, this, [this] {
        if (Acknowledge1->isEnabled())
            emit Acknowledge1Click();
    });
    connect(Exit1, &QAction::triggered, this, &TForm1::Exit1Click);

    normalIcon_ = QApplication::windowIcon();
    alarmIcon_ = QIcon(new AlarmIconEngine(normalIcon_));
    icon_.setIcon(normalIcon_);
    icon_.setToolTip(tr("Click Right Mouse"));
    icon_.setContextMenu(&PopupMenu1);
    // The right button opens the context menu by itself; the left one opens the same menu.
    connect(&icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    PopupMenu1.popup(QCursor::pos());
            });
    if (QSystemTrayIcon::isSystemTrayAvailable())
        icon_.show();

    Timer1.setSingleShot(true);
    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1.start();
}

void TForm1::RemoveIcon() {
    icon_.hide();
}

void TForm1::ShowAlarm(const QString& text) {
    // Called at every tick while the value changes: the icon only when the state does.
    if (alarmShown_ != !text.isEmpty()) {
        alarmShown_ = !text.isEmpty();
        icon_.setIcon(alarmShown_ ? alarmIcon_ : normalIcon_);
    }
    icon_.setToolTip(alarmShown_ ? text : tr("Click Right Mouse"));
}

void TForm1::Notify(const QString& title, const QString& text, bool warning) {
    lastNotification_ = title + QLatin1Char('\n') + text;
    icon_.showMessage(title, text,
                      warning ? QSystemTrayIcon::Warning : QSystemTrayIcon::Information, 15000);
}
