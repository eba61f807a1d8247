// SPDX-License-Identifier: GPL-3.0-or-later
// The panel against the simulated meter on a pseudo-terminal: keys send exactly
// their bytes in click order, the meter's answer comes back onto the face, and
// without a link the keys only say so.
#include "base/handler_guard.h"
#include "link/model_identification.h"
#include "meter/ui/panel_key.h"
#include "meter/ui/panel_window.h"
#include "meter_emulator.h"
#include "support/scratch_settings.h"

#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <memory>

namespace {
uint8_t IdentifyByte = 'K';
} // namespace

class TestPanelWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsWithAllEights();
    void keysAreButtonsWithCaptionsAndHints_data();
    void keysAreButtonsWithCaptionsAndHints();
    void keysWorkWithoutTheMouse();
    void eachKeySendsItsByte_data();
    void eachKeySendsItsByte();
    void keysReachTheMeterInClickOrder();
    void noLinkKeysOnlySaySo();
    void closedPortEndsSilently();
    void modelSetUp_data();
    void modelSetUp();
    void faceFollowsTheMeter_data();
    void faceFollowsTheMeter();

private:
    void Connect();
    void Poll();
    QLabel* Element(const char* name) { return panel->findChild<QLabel*>(QLatin1String(name)); }
    PanelKey* Key(const QString& name) { return panel->findChild<PanelKey*>(name); }
    void Press(const QString& name, bool doubleClick = false);
    QByteArray KeyBytes() const;

    ScratchSettings settings;
    std::unique_ptr<MeterEmulator> emulator;
    std::unique_ptr<RecordingSession> session;
    std::unique_ptr<DigitBitmaps> digitImages;
    std::unique_ptr<TfrmPanel> panel;
    QStringList messages;
    QStringList exceptions;
    ExceptionDisplay oldDisplay;
};

void TestPanelWindow::init() {
    emulator = std::make_unique<MeterEmulator>(303);
    emulator->SetDrift(false);
    QVERIFY(emulator->OpenPty());
    session = std::make_unique<RecordingSession>(settings.Store(), QStringList{});
    digitImages = std::make_unique<DigitBitmaps>();
    panel = std::make_unique<TfrmPanel>(*session, *digitImages);
    messages.clear();
    panel->SetMessageFunction([this](const QString& text) { messages << text; });
    exceptions.clear();
    oldDisplay = SetExceptionDisplay([this](const QString& text) { exceptions << text; });
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
}

void TestPanelWindow::cleanup() {
    panel.reset();
    session.reset();
    emulator.reset();
    SetExceptionDisplay(oldDisplay);
}

// Opens the program's port on the meter, identifies it as the port search does,
// and waits for the first frame.
void TestPanelWindow::Connect() {
    TSerialPort& port = session->Comm1();
    port.SetDeviceName(emulator->DevicePath());
    session->Meter().DetachRxChar();
    port.SetActive(true);
    port.WriteData(&IdentifyByte, 1, false);
    QVERIFY(QTest::qWaitFor([&] { return port.BytesWaiting() >= 4; }, 3000));
    QByteArray reply(int(port.BytesWaiting()), '\0');
    port.ReadData(reply.data(), int(reply.size()), false);
    QVERIFY(session->Models().IdentifyModel(reply));
    session->Meter().AttachRxChar();
    Poll();
    QVERIFY(session->State().Link.MeterConnected);
}

void TestPanelWindow::Poll() {
    const quint64 frames = session->Meter().Assembler.FramesAccepted();
    static const uint8_t poll = PollByte; // the write completes after this call
    session->Comm1().WriteData(&poll, 1, false);
    QVERIFY(QTest::qWaitFor([&] { return session->Meter().Assembler.FramesAccepted() > frames; },
                            3000));
}

// Through the window, as the platform delivers a person's clicks: a double click
// arrives as press, release, press, release.
void TestPanelWindow::Press(const QString& name, bool doubleClick) {
    PanelKey* key = Key(name);
    QVERIFY2(key, qPrintable(name));
    const QPoint pos = key->mapTo(panel.get(), key->rect().center());
    if (doubleClick)
        QTest::mouseDClick(panel->windowHandle(), Qt::LeftButton, {}, pos);
    else
        QTest::mouseClick(panel->windowHandle(), Qt::LeftButton, {}, pos);
}

// What the meter received besides the identification request and the polls.
QByteArray TestPanelWindow::KeyBytes() const {
    QByteArray bytes = emulator->Received();
    bytes.replace('A', QByteArray()).replace('K', QByteArray());
    return bytes;
}

void TestPanelWindow::startsWithAllEights() {
    QCOMPARE(panel->windowTitle(), QStringLiteral("PANEL"));
    QCOMPARE(panel->size(), QSize(155, 422));
    QCOMPARE(panel->grab().toImage().pixelColor(1, 200), QColor(Qt::white));
    const DigitBitmaps digits;
    for (const char* name : {"MainD1", "MainD2", "MainD3", "MainD4"})
        QCOMPARE(Element(name)->pixmap().toImage(), digits.MainDigitBitmaps[8].toImage());
    for (const char* name : {"SubD1", "SubD2", "SubD3", "SubD4", "SubD5", "SubD6"})
        QCOMPARE(Element(name)->pixmap().toImage(), digits.SubDigitBitmaps[8].toImage());
    for (const char* name : {"imgMIN", "imgHOLD", "imgREL", "imgK", "imguC", "imgPoint", "imgCOL",
                             "MainMinus", "imgdT1", "imglbt", "lblnolink"})
        QVERIFY2(Element(name)->isHidden(), name);
}

void TestPanelWindow::keysAreButtonsWithCaptionsAndHints_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::newRow("close") << "btnClose"
                           << "Close"
                           << "Close PANEL";
    QTest::newRow("REL") << "btnREL"
                         << "REL"
                         << "REL button";
    QTest::newRow("HOLD") << "btnHOLD"
                          << "HOLD"
                          << "HOLD button";
    QTest::newRow("AVG/MAX/MIN")
        << "btnMMA"
        << "AVG MAX/MIN"
        << "single click to change AVG/MAX/MIN mode, double click to cancel .";
    QTest::newRow("T, before any model") << "btnTT"
                                         << "TIMER"
                                         << "START/STOP TIMER";
    QTest::newRow("C/F") << "btnCF" << QString::fromUtf8("°C/°F") << "Change degree";
}

void TestPanelWindow::keysAreButtonsWithCaptionsAndHints() {
    QFETCH(QString, key);
    QTEST(Key(key)->toolTip(), "hint");
    QCOMPARE(Key(key)->cursor().shape(), Qt::PointingHandCursor);
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(Key(key));
    QCOMPARE(button->role(), QAccessible::Button);
    QTEST(button->text(QAccessible::Name), "caption");
    QVERIFY(button->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
}

// Tab reaches the keys in reading order; Space and assistive technology press them.
void TestPanelWindow::keysWorkWithoutTheMouse() {
    QStringList order;
    for (QWidget* w = panel->nextInFocusChain(); w != panel.get(); w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
    QCOMPARE(order, QStringList({"btnClose", "btnREL", "btnHOLD", "btnMMA", "btnTT", "btnCF"}));

    Connect();
    emulator->ClearReceived();
    QTest::keyClick(Key(QStringLiteral("btnHOLD")), Qt::Key_Space);
    QAccessible::queryAccessibleInterface(Key(QStringLiteral("btnCF")))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(QTest::qWaitFor([&] { return KeyBytes().size() >= 2; }, 3000));
    QCOMPARE(KeyBytes(), QByteArray("HC"));
}

void TestPanelWindow::eachKeySendsItsByte_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("REL") << "btnREL" << false << QByteArray("R");
    QTest::newRow("HOLD") << "btnHOLD" << false << QByteArray("H");
    QTest::newRow("AVG/MAX/MIN") << "btnMMA" << false << QByteArray("M");
    QTest::newRow("AVG/MAX/MIN twice") << "btnMMA" << true << QByteArray("MN");
    QTest::newRow("T") << "btnTT" << false << QByteArray("T");
    QTest::newRow("C/F") << "btnCF" << false << QByteArray("C");
    QTest::newRow("HOLD twice") << "btnHOLD" << true << QByteArray("H");
    QTest::newRow("C/F twice") << "btnCF" << true << QByteArray("C");
}

void TestPanelWindow::eachKeySendsItsByte() {
    QFETCH(QString, key);
    QFETCH(bool, doubleClick);
    QFETCH(QByteArray, bytes);
    Connect();
    emulator->ClearReceived();
    Press(key, doubleClick);
    QVERIFY(QTest::qWaitFor([&] { return KeyBytes().size() >= bytes.size(); }, 3000));
    QTest::qWait(100); // nothing more may follow
    QCOMPARE(KeyBytes(), bytes);
    QVERIFY(messages.isEmpty());
}

void TestPanelWindow::keysReachTheMeterInClickOrder() {
    Connect();
    QVERIFY(Element("imgT1")->isVisibleTo(panel.get())); // the meter starts on T1 / T2
    QVERIFY(Element("imgdT2")->isVisibleTo(panel.get()));
    emulator->ClearReceived();
    for (const char* key : {"btnHOLD", "btnREL", "btnCF", "btnMMA", "btnTT"})
        Press(QLatin1String(key));
    QVERIFY(QTest::qWaitFor([&] { return KeyBytes().size() >= 5; }, 3000));
    QCOMPARE(KeyBytes(), QByteArray("HRCMT"));

    // The panel did not change by itself; the meter's next frame shows the keys' effect.
    QVERIFY(Element("imgHOLD")->isHidden());
    Poll();
    QVERIFY(!Element("imgHOLD")->isHidden());
    QVERIFY(!Element("imgREL")->isHidden());
    QVERIFY(!Element("imguF")->isHidden());
    QVERIFY(Element("imguC")->isHidden());
    QVERIFY(!Element("imgdF")->isHidden());
    for (const char* name : {"imgMIN", "imgAVG", "imgMAX"})
        QVERIFY2(!Element(name)->isHidden(), name);
    QVERIFY(!Element("imgT2")->isHidden()); // main T2, second display T1
    QVERIFY(!Element("imgdT1")->isHidden());
    QVERIFY(Element("imgT1")->isHidden());

    Press(QStringLiteral("btnMMA"), true); // M: MAX only, then N: mode cancelled
    QVERIFY(QTest::qWaitFor([&] { return KeyBytes().size() >= 7; }, 3000));
    QCOMPARE(KeyBytes(), QByteArray("HRCMTMN"));
    Poll();
    for (const char* name : {"imgMIN", "imgAVG", "imgMAX"})
        QVERIFY2(Element(name)->isHidden(), name);
}

void TestPanelWindow::noLinkKeysOnlySaySo() {
    session->Comm1().SetDeviceName(emulator->DevicePath());
    session->Comm1().SetActive(true); // the port is open, but no frame has come
    const QStringList keys = {"btnREL", "btnHOLD", "btnMMA", "btnTT", "btnCF"};
    for (const QString& key : keys)
        Press(key);
    Press(QStringLiteral("btnMMA"), true);
    QCOMPARE(messages, QStringList(keys.size() + 2, QStringLiteral("No Link")));
    QTest::qWait(200);
    QVERIFY(emulator->Received().isEmpty());

    Press(QStringLiteral("btnClose"));
    QVERIFY(panel->isHidden());
    QCOMPARE(messages.size(), keys.size() + 2);
}

void TestPanelWindow::closedPortEndsSilently() {
    Connect();
    emulator->ClearReceived();
    session->Comm1().SetActive(false);
    for (const char* key : {"btnREL", "btnHOLD", "btnMMA", "btnTT", "btnCF"})
        Press(QLatin1String(key));
    QTest::qWait(200);
    QVERIFY(messages.isEmpty());
    QVERIFY(exceptions.isEmpty());
    QVERIFY(emulator->Received().isEmpty());
}

void TestPanelWindow::modelSetUp_data() {
    QTest::addColumn<int>("lastModel");
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("banner");
    QTest::addColumn<bool>("channelLabels");
    QTest::addColumn<QString>("hint");
    QTest::newRow("300") << 300 << 300 << "imgtk" << false << "START/STOP TIMER";
    QTest::newRow("301") << 301 << 301 << "imgtk" << true << "T1/T2/T1-T2 switch";
    QTest::newRow("302") << 302 << 302 << "imgtkj" << false << "START/STOP TIMER";
    QTest::newRow("303") << 303 << 303 << "imgtkj" << true << "T1/T2/T1-T2 switch";
    QTest::newRow("unknown") << 0 << 300 << "imgtk" << false << "START/STOP TIMER";
}

void TestPanelWindow::modelSetUp() {
    QFETCH(int, lastModel);
    QFETCH(int, model);
    QFETCH(QString, banner);
    QFETCH(bool, channelLabels);
    QFETCH(QString, hint);
    // A core whose settings name the last model, and the panel on it.
    panel.reset();
    session = std::make_unique<RecordingSession>(
        settings.Store(CompleteSettings(lastModel, QStringLiteral("/dev/ttyUSB0"))), QStringList{});
    panel = std::make_unique<TfrmPanel>(*session, *digitImages);
    // Start from a different model, so that every element has to change.
    IdentifyModel(*session, model == 303 ? 300 : 303);
    session->Models().ApplyLastModel();
    for (int m = 300; m <= 303; ++m) {
        const QString name = QStringLiteral("imgSpec%1").arg(m);
        QCOMPARE(!panel->findChild<QLabel*>(name)->isHidden(), m == model);
    }
    for (const QString& name : {QStringLiteral("imgtk"), QStringLiteral("imgtkj")})
        QCOMPARE(!panel->findChild<QLabel*>(name)->isHidden(), name == banner);
    QCOMPARE(!Element("lblt1")->isHidden(), channelLabels);
    QCOMPARE(!Element("lblt2")->isHidden(), channelLabels);
    QCOMPARE(Key(QStringLiteral("btnTT"))->toolTip(), hint);
    QCOMPARE(QAccessible::queryAccessibleInterface(Key(QStringLiteral("btnTT")))
                 ->text(QAccessible::Name),
             channelLabels ? QStringLiteral("T1/T2 T1-T2") : QStringLiteral("TIMER"));
}

void TestPanelWindow::faceFollowsTheMeter_data() {
    QTest::addColumn<int>("model");
    for (int model : {300, 301, 302, 303})
        QTest::addRow("%d", model) << model;
}

void TestPanelWindow::faceFollowsTheMeter() {
    QFETCH(int, model);
    emulator->SetModel(model);
    emulator->SetTemperature(0, 23.5 + (model - 300) * 100);
    emulator->SetTemperature(1, -12.5);
    emulator->SetTypeJ(model == 302);
    panel->ShowNoLink(true);
    const QImage before = panel->grab().toImage();
    // Screen readers read the display's words from the picture's name.
    QCOMPARE(Element("Image1")->accessibleName(), QStringLiteral("Meter display: No Link"));
    Connect();
    QVERIFY(Element("lblnolink")->isHidden()); // the first frame announces the link
    const QString described = Element("Image1")->accessibleName();
    QVERIFY2(described.startsWith(QStringLiteral("Meter display: %1 \u00b0C; second display: ")
                                      .arg(23.5 + (model - 300) * 100, 0, 'f', 1)),
             qPrintable(described));
    if (model == 301 || model == 303)
        QVERIFY2(described.endsWith(QStringLiteral("second display: -12.5 \u00b0C")),
                 qPrintable(described));

    // 23.5, 123.5, 223.5, 323.5 degrees: a blank leading digit only on the first.
    const PanelDisplay& display = session->Display();
    const std::array<int, 4> expected = {model == 300 ? int(PanelDisplay::Blank) : model - 300, 2,
                                         3, 5};
    const DigitBitmaps digits;
    const char* names[] = {"MainD1", "MainD2", "MainD3", "MainD4"};
    for (int i = 0; i < 4; ++i) {
        const auto element = static_cast<PanelElement>(int(PanelElement::MainD1) + i);
        QCOMPARE(display.Image(element), expected[i]);
        QCOMPARE(Element(names[i])->pixmap().toImage(),
                 digits.MainDigitBitmaps[expected[i]].toImage());
    }
    QVERIFY(!Element("imgPoint")->isHidden());
    QCOMPARE(!Element("imgJ")->isHidden(), model == 302);
    if (model == 301 || model == 303) {
        QVERIFY(Element("MainMinus")->isHidden());
        QCOMPARE(display.Image(PanelElement::SubD2), int(PanelDisplay::Dash)); // -12.5
        QVERIFY(!Element("imgSubPoint")->isHidden());
        QVERIFY(Element("imgCOL")->isHidden());
    } else {
        QVERIFY(!Element("imgCOL")->isHidden()); // the timer, 00:00
        QCOMPARE(display.Image(PanelElement::SubD4), 0);
    }
    QVERIFY(panel->grab().toImage() != before);

    const QString shots = qEnvironmentVariable("BRACKWATER_SHOT_DIR");
    if (!shots.isEmpty()) {
        QDir().mkpath(shots);
        QVERIFY(panel->grab().save(QStringLiteral("%1/panel-%2.png").arg(shots).arg(model)));
    }
}

QTEST_MAIN(TestPanelWindow)
#include "tst_panel_window.moc"
