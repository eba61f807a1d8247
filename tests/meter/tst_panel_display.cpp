// SPDX-License-Identifier: GPL-3.0-or-later
// The panel's display state, driven by real frames through the decoder: what
// each digit position shows and which annunciators are lit, for every drawing rule.
#include "meter/frame_decoder.h"
#include "meter/panel_display.h"

#include <QTest>

namespace {
using E = PanelElement;

// Status byte: AVG/MAX/MIN mode in bits 0-2, then J, REL, HOLD, low battery, degrees C.
constexpr uint8_t J = 0x08, REL = 0x10, HOLD = 0x20, LBT = 0x40, DEGC = 0x80;
// Flags byte: main overload, main minus, main without point, second overload,
// second minus (timer: minutes:seconds), second without point, view in bits 6-7.
constexpr uint8_t MAIN_OL = 0x01, MAIN_NEG = 0x02, MAIN_NOPT = 0x04, SUB_OL = 0x08, SUB_NEG = 0x10,
                  MINSEC = 0x10, SUB_NOPT = 0x20;

Frame MakeFrame(uint8_t status, uint8_t flags, uint16_t main, uint16_t sub) {
    return {0x02,         status, flags, uint8_t(main >> 8), uint8_t(main), uint8_t(sub >> 8),
            uint8_t(sub), 0x03};
}

char DigitChar(int image) {
    switch (image) {
    case PanelDisplay::Dash:
        return '-';
    case PanelDisplay::Blank:
        return ' ';
    case PanelDisplay::LetterH:
        return 'H';
    default:
        return char('0' + image);
    }
}

// The main display as it reads: minus, four digits, the point where it is lit.
QString MainText(const PanelDisplay& d) {
    QString s = d.Visible(E::MainMinus) ? QStringLiteral("-") : QStringLiteral("_");
    for (E e : {E::MainD1, E::MainD2, E::MainD3})
        s += DigitChar(d.Image(e));
    if (d.Visible(E::imgPoint))
        s += '.';
    return s + DigitChar(d.Image(E::MainD4));
}

QString SubText(const PanelDisplay& d) {
    QString s;
    s += DigitChar(d.Image(E::SubD1));
    s += DigitChar(d.Image(E::SubD2));
    if (d.Visible(E::imgCOL))
        s += ':';
    for (E e : {E::SubD3, E::SubD4, E::SubD5})
        s += DigitChar(d.Image(e));
    if (d.Visible(E::imgSubPoint))
        s += '.';
    return s + DigitChar(d.Image(E::SubD6));
}

// Lit annunciators by name, in a fixed order.
QString Lit(const PanelDisplay& d) {
    const std::pair<E, const char*> names[] = {
        {E::imgMIN, "MIN"}, {E::imgAVG, "AVG"}, {E::imgMAX, "MAX"},     {E::imgHOLD, "HOLD"},
        {E::imgT1, "T1"},   {E::imgT2, "T2"},   {E::imgT1_T2, "T1-T2"}, {E::imgREL, "REL"},
        {E::imglbt, "LBT"}, {E::imgK, "K"},     {E::imgJ, "J"},         {E::imgdT1, "dT1"},
        {E::imgdT2, "dT2"}, {E::imguC, "C"},    {E::imguF, "F"},        {E::imgdC, "dC"},
        {E::imgdF, "dF"}};
    QStringList lit;
    for (const auto& [e, name] : names)
        if (d.Visible(e))
            lit << QLatin1String(name);
    return lit.join(' ');
}

struct Meter {
    explicit Meter(int model) : decoder(reading, display) { reading.ModelCode = model; }
    void Show(const Frame& f) { decoder.DecodeFrame(f); }
    CurrentReading reading;
    PanelDisplay display;
    FrameDecoder decoder;
};
} // namespace

using Frames = QList<Frame>;
Q_DECLARE_METATYPE(Frames)

class TestPanelDisplay : public QObject {
    Q_OBJECT

private slots:
    void beforeTheFirstFrame();
    void drawsWhatTheMeterShows_data();
    void drawsWhatTheMeterShows();
    void betweenModesKeepsTheModeLit_data();
    void betweenModesKeepsTheModeLit();
    void firstTwoChannelFrameLightsItsView_data();
    void firstTwoChannelFrameLightsItsView();
    void twoChannelAfterOneChannelLightsItsView();
    void onlyChangedElementsAreAnnounced();
};

void TestPanelDisplay::beforeTheFirstFrame() {
    const PanelDisplay d;
    QCOMPARE(MainText(d), QStringLiteral("_8888"));
    QCOMPARE(SubText(d), QStringLiteral("888888"));
    QCOMPARE(Lit(d), QString());
}

void TestPanelDisplay::drawsWhatTheMeterShows_data() {
    QTest::addColumn<int>("model");
    QTest::addColumn<Frames>("frames");
    QTest::addColumn<QString>("main");
    QTest::addColumn<QString>("sub");
    QTest::addColumn<QString>("lit");

    QTest::newRow("25.0 C, blank lead")
        << 300 << Frames{MakeFrame(DEGC, MINSEC, 0xB250, 0x0000)} << "_ 25.0"
        << "00:00  "
        << "K C";
    QTest::newRow("250 without point")
        << 300 << Frames{MakeFrame(DEGC, MINSEC | MAIN_NOPT, 0xB250, 0x0000)} << "_ 250"
        << "00:00  "
        << "K C";
    QTest::newRow("-1.5 F, two blanks")
        << 300 << Frames{MakeFrame(0, MINSEC | MAIN_NEG, 0xBB15, 0x0000)} << "-  1.5"
        << "00:00  "
        << "K F";
    QTest::newRow("main overload: dashes, no point")
        << 300 << Frames{MakeFrame(DEGC, MINSEC | MAIN_OL, 0xAAAA, 0x0000)} << "_----"
        << "00:00  "
        << "K C";
    QTest::newRow("main overload keeps the minus")
        << 300 << Frames{MakeFrame(DEGC, MINSEC | MAIN_OL | MAIN_NEG, 0x1234, 0x0000)} << "-----"
        << "00:00  "
        << "K C";
    QTest::newRow("timer minutes:seconds")
        << 302 << Frames{MakeFrame(DEGC | J, MINSEC, 0xB235, 0x0130)} << "_ 23.5"
        << "01:30  "
        << "J C";
    QTest::newRow("timer hours:minutes, trailing H")
        << 302 << Frames{MakeFrame(DEGC | HOLD | REL | LBT, 0, 0xB235, 0x0130)} << "_ 23.5"
        << "01:30 H"
        << "HOLD REL LBT K C";
    QTest::newRow("timer ignores the second display's flags")
        << 300 << Frames{MakeFrame(DEGC, SUB_OL | SUB_NOPT, 0xB235, 0x1259)} << "_ 23.5"
        << "12:59 H"
        << "K C";
    QTest::newRow("second display -12.5")
        << 301 << Frames{MakeFrame(DEGC, SUB_NEG | (2 << 6), 0xB235, 0xB125)} << "_ 23.5"
        << " - 12.5"
        << "T1 K dT2 C dC";
    QTest::newRow("second display 1370 without point")
        << 303 << Frames{MakeFrame(0, SUB_NOPT | (3 << 6), 0xB235, 0x1370)} << "_ 23.5"
        << "  1370"
        << "T2 K dT1 F dF";
    QTest::newRow("second display overload keeps the point as it was")
        << 303
        << Frames{MakeFrame(DEGC, SUB_NEG, 0xB235, 0xB125), MakeFrame(DEGC, SUB_OL, 0xB235, 0xAAAA)}
        << "_ 23.5"
        << "  ---.-"
        << "T1-T2 K dT1 C dC";
    QTest::newRow("main codes without picture draw blank")
        << 300 << Frames{MakeFrame(DEGC, MINSEC, 0xCDEF, 0x0000)} << "_   . "
        << "00:00  "
        << "K C";
    QTest::newRow("second codes without picture draw blank, 12 is H")
        << 301 << Frames{MakeFrame(DEGC, 1 << 6, 0xB235, 0xCDEF)} << "_ 23.5"
        << "  H  . "
        << "T1-T2 K dT2 C dC";
    // The flags byte alone changes: both displays follow it at once.
    QTest::newRow("main -0.1 to 0.1 by the sign alone")
        << 300
        << Frames{MakeFrame(DEGC, MINSEC | MAIN_NEG, 0xBB01, 0), MakeFrame(DEGC, MINSEC, 0xBB01, 0)}
        << "_  0.1"
        << "00:00  "
        << "K C";
    QTest::newRow("main 5.7 to 57 by the point alone")
        << 300
        << Frames{MakeFrame(DEGC, MINSEC, 0xBB57, 0),
                  MakeFrame(DEGC, MINSEC | MAIN_NOPT, 0xBB57, 0)}
        << "_  57"
        << "00:00  "
        << "K C";
    QTest::newRow("main overload by the flag alone")
        << 300
        << Frames{MakeFrame(DEGC, MINSEC, 0xB235, 0), MakeFrame(DEGC, MINSEC | MAIN_OL, 0xB235, 0)}
        << "_----"
        << "00:00  "
        << "K C";
    QTest::newRow("second -0.1 to 0.1 by the sign alone")
        << 301
        << Frames{MakeFrame(DEGC, SUB_NEG | (2 << 6), 0xB235, 0xBB01),
                  MakeFrame(DEGC, 2 << 6, 0xB235, 0xBB01)}
        << "_ 23.5"
        << "    0.1"
        << "T1 K dT2 C dC";
    QTest::newRow("second 5.7 to 57 by the point alone")
        << 301
        << Frames{MakeFrame(DEGC, 2 << 6, 0xB235, 0xBB57),
                  MakeFrame(DEGC, SUB_NOPT | (2 << 6), 0xB235, 0xBB57)}
        << "_ 23.5"
        << "    57"
        << "T1 K dT2 C dC";
    QTest::newRow("second overload by the flag alone")
        << 303
        << Frames{MakeFrame(DEGC, 2 << 6, 0xB235, 0xB235),
                  MakeFrame(DEGC, SUB_OL | (2 << 6), 0xB235, 0xB235)}
        << "_ 23.5"
        << "  ---.-"
        << "T1 K dT2 C dC";
    QTest::newRow("channel view by the flags alone")
        << 303
        << Frames{MakeFrame(DEGC, 2 << 6, 0xB235, 0xB235), MakeFrame(DEGC, 3 << 6, 0xB235, 0xB235)}
        << "_ 23.5"
        << "   23.5"
        << "T2 K dT1 C dC";
    QTest::newRow("model not known: second display untouched")
        << 0 << Frames{MakeFrame(DEGC, MINSEC, 0xB235, 0x0130)} << "_ 23.5"
        << "888888"
        << "K C";
}

void TestPanelDisplay::drawsWhatTheMeterShows() {
    QFETCH(int, model);
    QFETCH(Frames, frames);
    Meter meter(model);
    for (const Frame& f : frames)
        meter.Show(f);
    QTEST(MainText(meter.display), "main");
    QTEST(SubText(meter.display), "sub");
    QTEST(Lit(meter.display), "lit");
}

void TestPanelDisplay::betweenModesKeepsTheModeLit_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("lit");
    QTest::newRow("MAX") << 1 << "MAX K C";
    QTest::newRow("MIN") << 2 << "MIN K C";
    QTest::newRow("AVG") << 4 << "AVG K C";
    QTest::newRow("recording") << 7 << "MIN AVG MAX K C";
}

void TestPanelDisplay::betweenModesKeepsTheModeLit() {
    QFETCH(int, mode);
    QFETCH(QString, lit);
    Meter meter(300);
    meter.Show(MakeFrame(DEGC | mode, MINSEC, 0xB235, 0x0000));
    QCOMPARE(Lit(meter.display), lit);
    for (int between : {3, 5, 6}) {
        meter.Show(MakeFrame(DEGC | between, MINSEC, 0xB235, 0x0000));
        QCOMPARE(Lit(meter.display), lit);
        QCOMPARE(meter.reading.ModeText, QString()); // and the log names no mode
    }
    meter.Show(MakeFrame(DEGC, MINSEC, 0xB235, 0x0000));
    QCOMPARE(Lit(meter.display), QStringLiteral("K C"));
}

void TestPanelDisplay::firstTwoChannelFrameLightsItsView_data() {
    QTest::addColumn<int>("view");
    QTest::newRow("T1-T2 / T1") << 0;
    QTest::newRow("T1-T2 / T2") << 1;
    QTest::newRow("T1 / T2") << 2;
    QTest::newRow("T2 / T1") << 3;
}

// Whatever view the first frame has, its annunciators light; the next view
// switches them over.
void TestPanelDisplay::firstTwoChannelFrameLightsItsView() {
    QFETCH(int, view);
    const QString litFor[] = {"T1-T2 K dT1 C dC", "T1-T2 K dT2 C dC", "T1 K dT2 C dC",
                              "T2 K dT1 C dC"};
    Meter meter(303);
    meter.Show(MakeFrame(DEGC, uint8_t(view << 6), 0xB235, 0xB480));
    QCOMPARE(Lit(meter.display), litFor[view]);
    const int next = (view + 1) % 4;
    meter.Show(MakeFrame(DEGC, uint8_t(next << 6), 0xB235, 0xB481));
    QCOMPARE(Lit(meter.display), litFor[next]);
}

// A one-channel meter darkens the channel annunciators; when a two-channel meter
// follows in the same view, they must light again.
void TestPanelDisplay::twoChannelAfterOneChannelLightsItsView() {
    Meter meter(301);
    meter.Show(MakeFrame(DEGC, 2 << 6, 0xB235, 0xB480));
    QCOMPARE(Lit(meter.display), QStringLiteral("T1 K dT2 C dC"));
    meter.reading.ModelCode = 300;
    meter.Show(MakeFrame(DEGC, MINSEC, 0xB235, 0x0000));
    QCOMPARE(Lit(meter.display), QStringLiteral("K C"));
    meter.reading.ModelCode = 301;
    meter.Show(MakeFrame(DEGC, 2 << 6, 0xB235, 0xB480));
    QCOMPARE(Lit(meter.display), QStringLiteral("T1 K dT2 C dC"));
}

void TestPanelDisplay::onlyChangedElementsAreAnnounced() {
    Meter meter(301);
    meter.Show(MakeFrame(DEGC, 2 << 6, 0xB235, 0xB480));
    QList<E> changed;
    connect(&meter.display, &PanelDisplay::Changed, this, [&](E e) { changed << e; });
    meter.Show(MakeFrame(DEGC, 2 << 6, 0xB236, 0xB480)); // 23.5 -> 23.6
    QCOMPARE(changed, QList<E>{E::MainD4});
    changed.clear();
    meter.Show(MakeFrame(DEGC | HOLD, 2 << 6, 0xB236, 0xB480));
    QCOMPARE(changed, QList<E>{E::imgHOLD});
    changed.clear();
    meter.Show(MakeFrame(DEGC | HOLD, MAIN_NEG | (2 << 6), 0xB236, 0xB480));
    QCOMPARE(changed, QList<E>{E::MainMinus}); // both displays decoded again, one element changed
}

QTEST_MAIN(TestPanelDisplay)
#include "tst_panel_display.moc"
