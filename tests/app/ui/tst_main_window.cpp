// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu window: creation, hover texts, the show and arrange actions, and
// the shut-down order.
#include "app/ui/hot_image.h"
#include "app/ui/main_window.h"
#include "app/ui/svg_picture.h"
#include "app/window_placement.h"
#include "base/handler_guard.h"
#include "support/far_end.h"
#include "support/scratch_settings.h"

#include <QDialog>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestMainWindow : public QObject {
    Q_OBJECT

    ScratchSettings settings_;

    std::unique_ptr<QSettings> Store(const QByteArray& content = {}) {
        return settings_.Store(content);
    }
    SettingsVars Stored() const { return settings_.Stored(); }

    struct Working {
        QWidget panel, graph, list;
        Working() {
            panel.resize(163, 420);
            graph.resize(532, 407);
            list.resize(600, 380);
        }
    };

private slots:
    void initTestCase() { Q_INIT_RESOURCE(brackwater); }

    void Creation() {
        FarEnd far;
        QVERIFY(far.Open());
        RecordingSession session(
            Store("[General]\nGraphingRate=4\nListingRate=8\nMaxScale=500\nMinScale=-10\n"
                  "ShowReso=0\nLastConnectedPort=1\nLastModel=302\n"),
            {far.Path()});
        bool digitsLoaded = false;
        const auto loadDigits = [&] {
            // Settings come first, then the digit images.
            QCOMPARE(session.Settings().GraphingRate, 4);
            digitsLoaded = true;
        };
        TfrmMain w(session, loadDigits);
        QVERIFY(digitsLoaded);
        QVERIFY(!session.Settings().SettingsMissing);
        QCOMPARE(session.Settings().LastModel, 302);
        QVERIFY(!session.Settings().LogDateFormat.isEmpty());
        QCOMPARE(w.minimumSize(), w.maximumSize());
        // A window of fixed size offers no maximise button to the window manager.
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.Image1->IsValid());
        QVERIFY(w.lblComStatus->text().isEmpty());

        const int last = w.ComboBoxDeviceName->count() - 1;
        QVERIFY(last >= 0);
        QCOMPARE(w.ComboBoxDeviceName->itemText(last), far.Path());
        QCOMPARE(w.ComboBoxDeviceName->currentIndex(), 0);
        QCOMPARE(session.Comm1().DeviceName(),
                 TSerialPort::NativeName(w.ComboBoxDeviceName->itemText(0)));
        QVERIFY(!session.Comm1().Active());
        QVERIFY(w.ComboBoxDeviceName->isHidden());
        QVERIFY(!session.ThTimer1.isActive());
        QCOMPARE(session.ThTimer1.interval(), 700);
        QCOMPARE(w.frameGeometry().topLeft(),
                 CentredOn(w.screen()->geometry(), w.frameGeometry().size()));
    }

    void HoverTexts_data() {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("text");
        QTest::newRow("panel") << "Image2"
                               << "Open Control Window";
        QTest::newRow("graph") << "Image4"
                               << "Open Graph Window";
        QTest::newRow("log") << "Image5"
                             << "Open Tabular Window";
        QTest::newRow("search") << "Image6"
                                << "Test linking with THERMOMETER";
        QTest::newRow("help") << "Image7"
                              << "On Line Help Information";
        QTest::newRow("exit") << "Image8"
                              << "Exit BRACKWATER";
        QTest::newRow("arrange") << "Image9"
                                 << "auto arrange Panel,Graph,Tabular";
    }
    void HoverTexts() {
        QFETCH(QString, region);
        QFETCH(QString, text);
        RecordingSession session(Store(), {});
        TfrmMain w(session);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* hot = w.findChild<HotImage*>(region);
        QVERIFY(hot);
        QCOMPARE(hot->cursor().shape(), Qt::PointingHandCursor);
        QMouseEvent over(QEvent::MouseMove, QPointF(5, 5), hot->mapToGlobal(QPointF(5, 5)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(hot, &over);
        QCOMPARE(w.StatusText(), text);
        const auto moveOverBackground = [&](QPointF at) {
            QMouseEvent move(QEvent::MouseMove, at, w.Image1->mapToGlobal(at), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(w.Image1, &move);
        };
        // The decoration picture and the version text have no hover: the text stays.
        moveOverBackground(QPointF(w.Image3Rect.center()));
        QCOMPARE(w.StatusText(), text);
        moveOverBackground(QPointF(w.Label1->geometry().center()));
        QCOMPARE(w.StatusText(), text);
        // Moving on over the bare background clears it.
        moveOverBackground(QPointF(10, 300));
        QCOMPARE(w.StatusText(), QString());
    }

    // The publisher's state shows in the status line below the link's state, where
    // no hover text goes; its whole line is in the tool tip. Long texts fit: the
    // font shrinks, a long line wraps at its words, nothing is cut.
    void PublishingShownInStatusLine_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("brief");
        QTest::newRow("link and broker") << "Thermometer is connected at /dev/ttyUSB0"
                                         << "MQTT: broker lost, readings wait";
        QTest::newRow("a long sentence alone")
            << "The port /dev/serial/by-id/usb-0403_6001-if00-port0 was reopened; the meter "
               "answers as model 301."
            << QString();
    }
    void PublishingShownInStatusLine() {
        QFETCH(QString, link);
        QFETCH(QString, brief);
        RecordingSession session(Store(), {});
        TfrmMain w(session);
        auto* hot = w.findChild<HotImage*>(QStringLiteral("Image2"));
        QMouseEvent over(QEvent::MouseMove, QPointF(5, 5), hot->mapToGlobal(QPointF(5, 5)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(hot, &over);
        emit session.StatusText(link);
        const QString line =
            QStringLiteral("publishing: lost the broker at broker.example.org:1883: "
                           "The connection was lost; readings wait until it is back");
        if (!brief.isEmpty())
            w.SetPublishStatus(brief, line);
        QCOMPARE(w.StatusText(), QStringLiteral("Open Control Window"));
        const QString shown = brief.isEmpty() ? link : link + QLatin1Char('\n') + brief;
        QCOMPARE(w.lblComStatus->text(), shown);
        QCOMPARE(w.lblComStatus->toolTip(), brief.isEmpty() ? QString() : line);
        const QRect room =
            w.lblComStatus->contentsRect().adjusted(w.lblComStatus->indent(), 0, 0, 0);
        const QRect needed = w.lblComStatus->fontMetrics().boundingRect(
            QRect(room.topLeft(), QSize(room.width(), 1000)), Qt::AlignLeft | Qt::TextWordWrap,
            shown);
        QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                 qPrintable(QStringLiteral("%1x%2 in %3x%4")
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(room.width())
                                .arg(room.height())));
        QVERIFY(w.lblComStatus->wordWrap());
    }

    void ConnectionShownInStatusLine() {
        FarEnd far;
        QVERIFY(far.Open());
        RecordingSession session(Store(), {far.Path()});
        TfrmMain w(session);
        emit session.Meter().ConnectionAnnounced();
        QCOMPARE(w.lblComStatus->text(),
                 QStringLiteral("Thermometer is connected at ") + session.Comm1().DeviceName());
    }

    void ShowingKeepsAMovedWindow() {
        RecordingSession session(Store(), {});
        TfrmMain w(session);
        Working win;
        w.SetWorkingWindows(&win.panel, &win.graph, &win.list);
        const QRect screen = w.screen()->geometry();

        win.panel.move(300, 200);
        QTest::mouseClick(w.Image2, Qt::LeftButton);
        QVERIFY(win.panel.isVisible());
        QCOMPARE(win.panel.frameGeometry().topLeft(), screen.topLeft());
        win.panel.move(40, 60);
        QTest::mouseClick(w.Image2, Qt::LeftButton);
        QCOMPARE(win.panel.pos(), QPoint(40, 60));

        w.Image4Click();
        QCOMPARE(win.graph.frameGeometry(),
                 PlaceGraph(screen, win.panel.frameGeometry().width(), QSize(532, 407)));
        w.Image5Click();
        QCOMPARE(win.list.frameGeometry(),
                 PlaceLog(screen, win.panel.frameGeometry().width(), QSize(600, 380)));
        win.list.showMinimized();
        win.list.move(10, 10);
        w.Image5Click();
        QVERIFY(!win.list.isMinimized());
        QCOMPARE(win.list.pos(), QPoint(10, 10));
    }

    void Arrange() {
        RecordingSession session(Store(), {});
        TfrmMain w(session);
        Working win;
        w.SetWorkingWindows(&win.panel, &win.graph, &win.list);
        w.show();
        win.panel.move(200, 200);
        win.graph.show();
        win.graph.showMinimized();
        QTest::mouseClick(w.Image9, Qt::LeftButton);
        const QRect screen = w.screen()->geometry();
        const Arrangement a = ArrangeWorkingWindows(screen, win.panel.frameGeometry().width());
        QVERIFY(w.isHidden());
        QVERIFY(win.panel.isVisible() && win.graph.isVisible() && win.list.isVisible());
        QVERIFY(!win.graph.isMinimized());
        QCOMPARE(win.panel.frameGeometry().topLeft(), screen.topLeft());
        QCOMPARE(win.panel.size(), QSize(163, 420));
        QCOMPARE(win.graph.frameGeometry(), a.Graph);
        QCOMPARE(win.list.frameGeometry(), a.Log);
    }

    // Where the desktop places windows, Arrange shows them at their sizes, keeps
    // the main menu and says why they are not side by side.
    void ArrangeWhereTheDesktopPlaces() {
        RecordingSession session(Store(), {});
        TfrmMain w(session);
        Working win;
        w.SetWorkingWindows(&win.panel, &win.graph, &win.list);
        w.SetDesktopPlacesWindows(true);
        w.show();
        QTest::mouseClick(w.Image9, Qt::LeftButton);
        const Arrangement a =
            ArrangeWorkingWindows(w.screen()->geometry(), win.panel.frameGeometry().width());
        QVERIFY(w.isVisible());
        QVERIFY(win.panel.isVisible() && win.graph.isVisible() && win.list.isVisible());
        QCOMPARE(win.graph.frameGeometry().size(), a.Graph.size());
        QCOMPARE(win.list.frameGeometry().size(), a.Log.size());
        QVERIFY(w.StatusBar1->currentMessage().startsWith(QStringLiteral("The desktop")));
        QCOMPARE(w.StatusBar1->toolTip(), QStringLiteral("The desktop places the windows"));
        w.StatusBar1->clearMessage();
        QVERIFY(w.StatusBar1->toolTip().isEmpty());
    }

    // The link test waits for a port operation in progress: it opens at once when
    // none is, after the receive event that ends one, and after about 2.6 s when
    // the port stays busy. The hourglass is gone by the time it opens.
    void LinkTestWaitsForThePort_data() {
        QTest::addColumn<bool>("busy");
        QTest::addColumn<bool>("frameArrives");
        QTest::newRow("port free") << false << false;
        QTest::newRow("a frame ends the operation") << true << true;
        QTest::newRow("stuck") << true << false;
    }
    void LinkTestWaitsForThePort() {
        QFETCH(bool, busy);
        QFETCH(bool, frameArrives);
        FarEnd far;
        QVERIFY(far.Open());
        RecordingSession session(Store(), {far.Path()});
        TfrmMain w(session);
        QDialog linkTest;
        w.SetLinkTestWindow(&linkTest);
        session.Comm1().SetDeviceName(far.Path());
        session.Comm1().SetActive(true);
        session.Meter().Assembler.Link().PortBusy = busy;

        QElapsedTimer clock;
        qint64 openedAt = -1;
        bool freeAtOpen = false;
        bool hourglassAtOpen = true;
        QTimer watch; // closes the modal window once it is up
        connect(&watch, &QTimer::timeout, this, [&] {
            if (!linkTest.isVisible())
                return;
            openedAt = clock.elapsed();
            freeAtOpen = !session.State().Link.PortBusy;
            hourglassAtOpen = QGuiApplication::overrideCursor() != nullptr;
            linkTest.done(QDialog::Accepted);
        });
        watch.start(5);
        if (frameArrives)
            QTimer::singleShot(100, this, [&] { far.Write(MeterFrame(0, 0, 0, 0, 0, 0)); });
        clock.start();
        w.Image6Click();
        QCOMPARE(openedAt >= 0, !busy); // a free port: opened within the click
        QVERIFY(QTest::qWaitFor([&] { return openedAt >= 0; }, 8000));
        QVERIFY(!hourglassAtOpen);
        QCOMPARE(freeAtOpen, !busy || frameArrives);
        if (busy && !frameArrives)
            QVERIFY2(openedAt >= 2500, qPrintable(QString::number(openedAt)));
        if (frameArrives)
            QVERIFY2(openedAt < 2000, qPrintable(QString::number(openedAt)));
    }

    // PortBusy stuck: the wait gives up after about 2.6 s and everything after
    // it still happens, in order.
    void ShutDownWithPortBusyStuck() {
        FarEnd far;
        QVERIFY(far.Open());
        // A meter of model 301 answered a search in an earlier run.
        RecordingSession session(Store(CompleteSettings(301, far.Path())), {far.Path()});
        TfrmMain w(session);
        w.ComboBoxDeviceName->setCurrentIndex(w.ComboBoxDeviceName->count() - 1);
        session.Comm1().SetDeviceName(far.Path());
        session.Comm1().SetActive(true);
        session.ThTimer1.start(60000); // running, but no tick clears PortBusy meanwhile
        session.SetLiveRange({0, 250.7});
        session.SetGraphingRate(6);
        session.Models().ApplyLastModel();
        session.Meter().Assembler.Link().PortBusy = true;

        bool portClosedBeforeTray = false;
        bool settingsWrittenBeforeTray = false;
        connect(&w, &TfrmMain::TrayIconRemovalDue, this, [&] {
            portClosedBeforeTray = !session.Comm1().Active();
            settingsWrittenBeforeTray = Stored().GraphingRate == 6;
        });
        QSignalSpy ended(&w, &TfrmMain::TrayIconRemovalDue);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(w.ShutDown());
        QVERIFY(QTest::qWaitFor([&] { return ended.count() == 1; }, 8000));
        const qint64 waited = clock.elapsed();
        QVERIFY2(waited >= 2500 && waited < 8000, qPrintable(QString::number(waited)));
        QVERIFY(!session.ThTimer1.isActive());
        QVERIFY(portClosedBeforeTray);
        QVERIFY(settingsWrittenBeforeTray);
        const SettingsVars stored = Stored();
        QVERIFY(!stored.SettingsMissing);
        QCOMPARE(stored.MinScale, 0);
        QCOMPARE(stored.MaxScale, 250);
        QCOMPARE(stored.LastModel, 301);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // Events run during the wait; the timer is stopped and the settings written
    // only once the port operation is over.
    void ShutDownWaitsForThePort() {
        RecordingSession session(Store(), {});
        TfrmMain w(session);
        session.ThTimer1.start();
        session.Meter().Assembler.Link().PortBusy = true;
        bool timerRunningWhenPortFreed = false;
        bool settingsWrittenWhenPortFreed = true;
        QTimer::singleShot(200, this, [&] {
            timerRunningWhenPortFreed = session.ThTimer1.isActive();
            settingsWrittenWhenPortFreed = QFileInfo(settings_.Path()).size() > 0;
            session.Meter().Assembler.Link().PortBusy = false;
        });
        QSignalSpy ended(&w, &TfrmMain::TrayIconRemovalDue);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(w.ShutDown());
        QVERIFY(QTest::qWaitFor([&] { return ended.count() == 1; }, 2000));
        QVERIFY(clock.elapsed() < 2000);
        QVERIFY(timerRunningWhenPortFreed);
        QVERIFY(!settingsWrittenWhenPortFreed);
        QVERIFY(!session.ThTimer1.isActive());
        const SettingsVars stored = Stored();
        QVERIFY(!stored.SettingsMissing);
        QCOMPARE(stored.MaxScale, 1370);
        QCOMPARE(stored.MinScale, -200);
    }

    void ClosingEndsTheProgram() {
        RecordingSession session(Store(), {});
        TfrmMain w(session);
        session.SetListingRate(9);
        w.show();
        QTimer::singleShot(0, &w, &QWidget::close);
        QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(Stored().ListingRate, 9);
        QVERIFY(!w.isVisible());
    }

    void ExitPictureEndsTheProgram() {
        RecordingSession session(Store(), {});
        TfrmMain w(session);
        w.show();
        QTimer::singleShot(0, this, [&] { QTest::mouseClick(w.Image8, Qt::LeftButton); });
        QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!Stored().SettingsMissing);
    }

    // Settings that cannot be stored are reported with the file and the reason, in a
    // box when a user ended the program and on standard error after a signal. (A
    // folder that cannot be created stands in for a read-only one: tests may run as root.)
    void SettingsThatCannotBeSavedAreReported() {
        QFile blocker(settings_.FilePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString path = blocker.fileName() + QStringLiteral("/BRACKWATER.conf");
        QStringList shown;
        const ExceptionDisplay old =
            SetExceptionDisplay([&](const QString& text) { shown.append(text); });
        for (const auto request : {TfrmMain::ExitRequest::User, TfrmMain::ExitRequest::Signal}) {
            RecordingSession session(std::make_unique<QSettings>(path, QSettings::IniFormat), {});
            TfrmMain w(session);
            w.ShutDown(request);
        }
        SetExceptionDisplay(old);
        QCOMPARE(shown.size(), 1); // the signal's exit wrote to standard error instead
        QVERIFY2(shown[0].contains(QDir::toNativeSeparators(path)), qPrintable(shown[0]));
        QVERIFY2(shown[0].contains(QStringLiteral("does not exist and cannot be created")),
                 qPrintable(shown[0]));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
