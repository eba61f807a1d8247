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

    QMenu PopupMenu1;
    QAction* MainMenu1;
    QAction* Panel1;
    QAction* Graph1;
    QAction* Tabular1;
    QAction* Exit1;
    QTimer Timer1;

signals:
    void MainMenu1Click();
    void Panel1Click();
    void Graph1Click();
    void Tabular1Click();
    void Exit1Click();
    void Timer1Timer(); // the start sequence, once

private:
    QSystemTrayIcon icon_;
};
