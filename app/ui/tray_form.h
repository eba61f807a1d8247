// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hidden tray form: an icon in the notification area whose menu brings each
// window back, and the one-shot timer that runs the start sequence a second
// after start-up. Where the desktop has no tray the program works without it.

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

class TForm1 : public QObject {
    Q_OBJECT
public:
    explicit TForm1(QObject* parent = nullptr);

    void RemoveIcon();
    bool IconShown() const { return icon_.isVisible(); }

    // While text is not empty an alarm is up: the icon carries a red mark and its
    // tip says the alarm; empty gives the usual icon and tip back.
    void ShowAlarm(const QString& text);
    bool AlarmShown() const { return alarmShown_; }
    // A desktop notification through the tray (the desktop's notification service
    // where there is one), and the last one given, for tests.
    void Notify(const QString& title, const QString& text, bool warning);
    QString LastNotification() const { return lastNotification_; }
    // The icon's picture as shown now.
    QIcon Icon() const { return icon_.icon(); }

    QMenu PopupMenu1;
    QAction* MainMenu1;
    QAction* Panel1;
    QAction* Graph1;
    QAction* Tabular1;
    QAction* Alarms1;
    QAction* Acknowledge1; // enabled while an alarm sounds
    QAction* Exit1;
    QTimer Timer1;

signals:
    void MainMenu1Click();
    void Panel1Click();
    void Graph1Click();
    void Tabular1Click();
    void Alarms1Click();
    void Acknowledge1Click();
    void Exit1Click();
    void Timer1Timer(); // the start sequence, once

private:
    QSystemTrayIcon icon_;
    QIcon normalIcon_;
    QIcon alarmIcon_;
    bool alarmShown_ = false;
    QString lastNotification_;
};
