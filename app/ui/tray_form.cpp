#include "app/ui/tray_form.h"

#include <QApplication>
#include <QCursor>

TForm1::TForm1(QObject* parent) : QObject(parent) {
    auto item = [this](const QString& caption) {
        QAction* a = PopupMenu1.addAction(caption);
        a->setToolTip(caption);
        return a;
    };
    MainMenu1 = item(QStringLiteral("Main Menu"));
    Panel1 = item(QStringLiteral("Panel"));
    Graph1 = item(QStringLiteral("Graph"));
    Tabular1 = item(QStringLiteral("Tabular"));
    PopupMenu1.addSeparator();
    Exit1 = item(QStringLiteral("Exit"));
    connect(MainMenu1, &QAction::triggered, this, &TForm1::MainMenu1Click);
    connect(Panel1, &QAction::triggered, this, &TForm1::Panel1Click);
    connect(Graph1, &QAction::triggered, this, &TForm1::Graph1Click);
    connect(Tabular1, &QAction::triggered, this, &TForm1::Tabular1Click);
    connect(Exit1, &QAction::triggered, this, &TForm1::Exit1Click);

    icon_.setIcon(QApplication::windowIcon());
    icon_.setToolTip(QStringLiteral("Click Right Mouse"));
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
