// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main menu places the panel, the live graph and the log, and the
// window system it asks for so that it may.
#include "app/session_platform.h"
#include "app/window_placement.h"

#include <QTest>

class TestWindowPlacement : public QObject {
    Q_OBJECT
private slots:
    void Arrange_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<int>("panelWidth");
        QTest::addColumn<QRect>("graph");
        QTest::addColumn<QRect>("log");
        QTest::newRow("1024 x 768, panel 163 wide")
            << QRect(0, 0, 1024, 768) << 163 << QRect(163, 0, 821, 334)
            << QRect(163, 334, 821, 334);
        QTest::newRow("odd height halves toward zero")
            << QRect(0, 0, 800, 601) << 163 << QRect(163, 0, 597, 250) << QRect(163, 250, 597, 250);
        QTest::newRow("second screen to the right")
            << QRect(1280, 0, 1024, 768) << 163 << QRect(1443, 0, 821, 334)
            << QRect(1443, 334, 821, 334);
    }
    void Arrange() {
        QFETCH(QRect, screen);
        QFETCH(int, panelWidth);
        QFETCH(QRect, graph);
        QFETCH(QRect, log);
        const Arrangement a = ArrangeWorkingWindows(screen, panelWidth);
        QCOMPARE(a.Graph, graph);
        QCOMPARE(a.Log, log);
    }

    void FirstShowing_data() {
        QTest::addColumn<QSize>("designed");
        QTest::addColumn<QRect>("graph");
        QTest::addColumn<QRect>("log");
        QTest::newRow("fits") << QSize(532, 300) << QRect(163, 0, 532, 300)
                              << QRect(163, 384, 532, 300);
        QTest::newRow("too wide and too tall")
            << QSize(900, 500) << QRect(163, 0, 861, 384) << QRect(163, 384, 861, 384);
        QTest::newRow("exactly half the height")
            << QSize(861, 384) << QRect(163, 0, 861, 384) << QRect(163, 384, 861, 384);
    }
    void FirstShowing() {
        QFETCH(QSize, designed);
        QFETCH(QRect, graph);
        QFETCH(QRect, log);
        const QRect screen(0, 0, 1024, 768);
        QCOMPARE(PlaceGraph(screen, 163, designed), graph);
        QCOMPARE(PlaceLog(screen, 163, designed), log);
    }

    // The log graph's first showing: beside the log, over neither the main menu nor
    // the log, on the screen.
    void BesideLog_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("log");
        QTest::addColumn<QRect>("mainMenu");
        QTest::addColumn<QRect>("placed");
        const QRect wide(0, 0, 1920, 1000);
        const QRect topLeftMenu(0, 0, 601, 428);
        QTest::newRow("right of the log")
            << wide << QRect(100, 500, 600, 380) << topLeftMenu << QRect(700, 500, 602, 420);
        QTest::newRow("log at the right edge: to its left")
            << wide << QRect(1300, 500, 600, 380) << topLeftMenu << QRect(698, 500, 602, 420);
        QTest::newRow("menu right of the log: below it")
            << wide << QRect(0, 0, 500, 380) << QRect(700, 0, 601, 428) << QRect(0, 380, 602, 420);
        QTest::newRow("menu above right of the log: above it, clear of the menu")
            << QRect(0, 0, 1920, 1080) << QRect(155, 540, 562, 446) << QRect(659, 326, 603, 451)
            << QRect(57, 120, 602, 420);
        QTest::newRow("no place clear: where the least is hidden")
            << QRect(0, 0, 1000, 800) << QRect(200, 200, 600, 400) << QRect(0, 0, 1000, 200)
            << QRect(398, 380, 602, 420);
    }
    void BesideLog() {
        QFETCH(QRect, screen);
        QFETCH(QRect, log);
        QFETCH(QRect, mainMenu);
        QFETCH(QRect, placed);
        const QRect got = PlaceBesideLog(screen, log, mainMenu, QSize(602, 420));
        QCOMPARE(got, placed);
        QVERIFY(screen.contains(got));
    }

    void Centred() {
        QCOMPARE(CentredOn(QRect(0, 0, 1024, 768), QSize(601, 428)), QPoint(211, 170));
        QCOMPARE(CentredOn(QRect(0, 0, 640, 480), QSize(601, 428)), QPoint(19, 26));
        QCOMPARE(CentredOn(QRect(0, 0, 500, 400), QSize(601, 428)), QPoint(-50, -14));
    }

    void Platform_data() {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("platform");
        const QStringList both{QStringLiteral("WAYLAND_DISPLAY=wayland-0"),
                               QStringLiteral("DISPLAY=:0")};
        QTest::newRow("Wayland with its X11 layer") << both << QStringList() << "xcb;wayland";
        QTest::newRow("Wayland session named, X11 layer")
            << QStringList{"XDG_SESSION_TYPE=wayland", "DISPLAY=:1"} << QStringList()
            << "xcb;wayland";
        QTest::newRow("Wayland alone")
            << QStringList{"WAYLAND_DISPLAY=wayland-0", "XDG_SESSION_TYPE=wayland"} << QStringList()
            << "";
        QTest::newRow("X11 session")
            << QStringList{"DISPLAY=:0", "XDG_SESSION_TYPE=x11"} << QStringList() << "";
        QTest::newRow("the user's variable")
            << (both + QStringList{"QT_QPA_PLATFORM=wayland"}) << QStringList() << "";
        QTest::newRow("an empty variable is no choice")
            << (both + QStringList{"QT_QPA_PLATFORM="}) << QStringList() << "xcb;wayland";
        QTest::newRow("-platform") << both << QStringList{"-platform", "wayland"} << "";
        QTest::newRow("--platform=") << both << QStringList{"--platform=wayland"} << "";
        QTest::newRow("other options")
            << both << QStringList{"--demo", "-style", "fusion"} << "xcb;wayland";
    }
    void Platform() {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, arguments);
        QFETCH(QString, platform);
        QProcessEnvironment env;
        for (const QString& variable : environment)
            env.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        QCOMPARE(PreferredPlatform(env, QStringList{"brackwater"} + arguments), platform);
    }

    void DesktopPlaces() {
        QVERIFY(DesktopPlacesWindows(QStringLiteral("wayland")));
        QVERIFY(DesktopPlacesWindows(QStringLiteral("wayland-egl")));
        for (const char* name : {"xcb", "offscreen", "windows"})
            QVERIFY(!DesktopPlacesWindows(QLatin1String(name)));
    }
};

QTEST_GUILESS_MAIN(TestWindowPlacement)
#include "tst_window_placement.moc"
