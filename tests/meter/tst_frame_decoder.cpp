// SPDX-License-Identifier: GPL-3.0-or-later
// Frame decoding into the current reading: values, texts, and which groups are decoded.
#include "meter/frame_decoder.h"

#include <QSignalSpy>
#include <QTest>

namespace {
Frame MakeFrame(uint8_t status, uint8_t flags, uint8_t m1, uint8_t m2, uint8_t s1, uint8_t s2) {
    return {0x02, status, flags, m1, m2, s1, s2, 0x03};
}
} // namespace

class TestFrameDecoder : public QObject {
    Q_OBJECT
    CurrentReading reading;
    PanelDisplay display;
    FrameDecoder* decoder = nullptr;

private slots:
    void init() {
        reading = CurrentReading();
        delete decoder;
        decoder = new FrameDecoder(reading, display);
        decoder->SetLocale(QLocale::c());
    }
    void cleanup() {
        delete decoder;
        decoder = nullptr;
    }

    void mainValue_data() {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("m1");
        QTest::addColumn<int>("m2");
        QTest::addColumn<double>("value");
        QTest::newRow("tenths") << 0x00 << 0x01 << 0x23 << 12.3;
        QTest::newRow("whole degrees") << 0x04 << 0x01 << 0x23 << 123.0;
        QTest::newRow("negative whole") << 0x06 << 0x01 << 0x23 << -123.0;
        QTest::newRow("blank leading") << 0x00 << 0xBB << 0x57 << 5.7;
        QTest::newRow("blank leading, no point") << 0x04 << 0xBB << 0x57 << 57.0;
        QTest::newRow("four digits") << 0x04 << 0x13 << 0x70 << 1370.0;
        QTest::newRow("blank units counts as 11") << 0x04 << 0xBB << 0xBB << 11.0;
        QTest::newRow("value kept during overload") << 0x01 << 0x01 << 0x00 << 10.0;
    }
    void mainValue() {
        QFETCH(int, flags);
        QFETCH(int, m1);
        QFETCH(int, m2);
        QFETCH(double, value);
        decoder->DecodeFrame(MakeFrame(0x80, flags, m1, m2, 0, 0));
        QCOMPARE(reading.MainValue, value);
        QCOMPARE(reading.MainOverload, bool(flags & 1));
    }

    void status_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("type");
        QTest::newRow("MAX HOLD REL in F") << 0x31 << " MAX HOLD REL"
                                           << "F"
                                           << "K";
        QTest::newRow("all three with low battery") << 0x47 << " LBT"
                                                    << "F"
                                                    << "K";
        QTest::newRow("MIN, type J, C") << 0x8A << " MIN"
                                        << "C"
                                        << "J";
        QTest::newRow("AVG low battery HOLD") << 0x64 << " AVG HOLD LBT"
                                              << "F"
                                              << "K";
        QTest::newRow("between modes: no word") << 0x95 << " REL"
                                                << "C"
                                                << "K";
    }
    void status() {
        QFETCH(int, status);
        QFETCH(QString, mode);
        decoder->DecodeFrame(MakeFrame(status, 0, 0, 0, 0, 0));
        QCOMPARE(reading.ModeText, mode);
        QTEST(reading.UnitText, "unit");
        QTEST(reading.TypeText, "type");
        QCOMPARE(reading.MmaMode, status & 7);
    }

    void timer_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("unit");
        QTest::newRow("300 minutes:seconds") << 300 << 0x10 << "MM:SS";
        QTest::newRow("302 hours:minutes") << 302 << 0x00 << "HH:MM";
    }
    void timer() {
        QFETCH(int, model);
        QFETCH(int, flags);
        reading.ModelCode = model;
        reading.SubValue = 7.0;
        decoder->DecodeFrame(MakeFrame(0x80, flags, 0, 0, 0x12, 0x34));
        QCOMPARE(reading.SubText, QStringLiteral("12:34"));
        QTEST(reading.SubUnitText, "unit");
        QCOMPARE(reading.SubValue, 7.0); // a timer has no value
    }

    void timerCodesAboveNine() {
        reading.ModelCode = 300;
        decoder->DecodeFrame(MakeFrame(0x80, 0x10, 0, 0, 0xAB, 0x0C));
        QCOMPARE(reading.SubText, QStringLiteral("1011:012"));
    }

    void secondTemperature_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("s1");
        QTest::addColumn<int>("s2");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("unit");
        QTest::newRow("10.5 C") << 0x80 << 0x00 << 0xB1 << 0x05 << 10.5 << "10.5"
                                << "C";
        QTest::newRow("negative F") << 0x00 << 0x10 << 0xBB << 0x50 << -5.0 << "-5.0"
                                    << "F";
        QTest::newRow("whole degrees") << 0x80 << 0x20 << 0x13 << 0x70 << 1370.0 << "1370.0"
                                       << "C";
    }
    void secondTemperature() {
        QFETCH(int, status);
        QFETCH(int, flags);
        QFETCH(int, s1);
        QFETCH(int, s2);
        QFETCH(double, value);
        reading.ModelCode = 303;
        decoder->DecodeFrame(MakeFrame(status, flags, 0, 0, s1, s2));
        QCOMPARE(reading.SubValue, value);
        QTEST(reading.SubText, "text");
        QTEST(reading.SubUnitText, "unit");
    }

    void secondTextFollowsLocale() {
        decoder->SetLocale(QLocale(QLocale::German, QLocale::Germany));
        reading.ModelCode = 301;
        decoder->DecodeFrame(MakeFrame(0x80, 0x20, 0x13, 0x70, 0x13, 0x70));
        QCOMPARE(reading.SubText, QStringLiteral("1370,0")); // no group separator
    }

    void unknownModelLeavesSecondDisplay() {
        QSignalSpy changed(&display, &PanelDisplay::Changed);
        decoder->DecodeFrame(MakeFrame(0x80, 0, 0x01, 0x23, 0x12, 0x34));
        QCOMPARE(reading.SubText, QString());
        QCOMPARE(reading.SubValue, 0.0);
        QVERIFY(!display.Visible(PanelElement::imgCOL));
        // Bytes 5 and 6 were stored all the same: after identification only a change
        // of them or of the flags decodes them again, not one of the main digits.
        reading.ModelCode = 301;
        decoder->DecodeFrame(MakeFrame(0x80, 0, 0x01, 0x24, 0x12, 0x34));
        QCOMPARE(reading.SubText, QString());
        decoder->DecodeFrame(MakeFrame(0x80, 0x01, 0x01, 0x24, 0x12, 0x34));
        QCOMPARE(reading.SubText, QStringLiteral("123.4"));
    }

    // Sign, point and overload sit in the flags byte alone: a change there decodes
    // both displays again although their digit bytes stay the same.
    // At -40 degrees C and F read the same: the unit byte alone changes the second
    // display's unit, in the record and on the panel.
    void unitAloneReachesTheSecondDisplay() {
        reading.ModelCode = 301;
        decoder->DecodeFrame(MakeFrame(0x80, 0x16, 0x04, 0x00, 0x04, 0x00));
        QCOMPARE(reading.SubUnitText, QStringLiteral("C"));
        QVERIFY(display.Visible(PanelElement::imgdC));
        decoder->DecodeFrame(MakeFrame(0x00, 0x16, 0x04, 0x00, 0x04, 0x00));
        QCOMPARE(reading.SubUnitText, QStringLiteral("F"));
        QCOMPARE(reading.SubValue, -40.0);
        QVERIFY(display.Visible(PanelElement::imgdF) && !display.Visible(PanelElement::imgdC));
    }

    void flagsAloneDecodeTheDisplaysAgain_data() {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("main");
        QTest::addColumn<int>("sub");
        QTest::addColumn<double>("mainValue");
        QTest::addColumn<double>("subValue");
        QTest::addColumn<QString>("subText");
        QTest::newRow("main -0.1 to 0.1")
            << 0x02 << 0x00 << 0xBB01 << 0xB235 << 0.1 << 23.5 << "23.5";
        QTest::newRow("main 5.7 to 57.0")
            << 0x00 << 0x04 << 0xBB57 << 0xB235 << 57.0 << 23.5 << "23.5";
        QTest::newRow("second -0.1 to 0.1")
            << 0x10 << 0x00 << 0xB235 << 0xBB01 << 23.5 << 0.1 << "0.1";
        QTest::newRow("second 5.7 to 57.0")
            << 0x00 << 0x20 << 0xB235 << 0xBB57 << 23.5 << 57.0 << "57.0";
        QTest::newRow("both signs at once")
            << 0x12 << 0x00 << 0xBB01 << 0xBB02 << 0.1 << 0.2 << "0.2";
    }
    void flagsAloneDecodeTheDisplaysAgain() {
        QFETCH(int, before);
        QFETCH(int, after);
        QFETCH(int, main);
        QFETCH(int, sub);
        reading.ModelCode = 301;
        decoder->DecodeFrame(MakeFrame(0x80, before, main >> 8, main & 0xFF, sub >> 8, sub & 0xFF));
        decoder->DecodeFrame(MakeFrame(0x80, after, main >> 8, main & 0xFF, sub >> 8, sub & 0xFF));
        QTEST(reading.MainValue, "mainValue");
        QTEST(reading.SubValue, "subValue");
        QTEST(reading.SubText, "subText");
    }

    // Dashes and codes without a picture are no number; the H of a two-channel
    // second display is none either.
    void displaysWithoutNumber_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("main");
        QTest::addColumn<int>("sub");
        QTest::addColumn<bool>("mainValid");
        QTest::addColumn<bool>("subValid");
        QTest::newRow("digits and blanks") << 301 << 0xB235 << 0xBB05 << true << true;
        QTest::newRow("dashes and blanks") << 301 << 0xABBA << 0xAB89 << false << false;
        QTest::newRow("main 12 and 13") << 303 << 0x0C0D << 0x1234 << false << true;
        QTest::newRow("main 15 in the units") << 303 << 0x123F << 0x1234 << false << true;
        QTest::newRow("second H") << 301 << 0x1234 << 0xC123 << true << false;
        QTest::newRow("second 13 to 15") << 303 << 0x1234 << 0xDEF0 << true << false;
        // The second display of a one-channel meter is a timer, never a value.
        QTest::newRow("timer with dashes") << 300 << 0x1234 << 0xAAAA << true << true;
    }
    void displaysWithoutNumber() {
        QFETCH(int, model);
        QFETCH(int, main);
        QFETCH(int, sub);
        QFETCH(bool, mainValid);
        QFETCH(bool, subValid);
        reading.ModelCode = model;
        const auto frame = [&](int flags, int m) {
            return MakeFrame(0x80, flags, m >> 8, m & 0xFF, sub >> 8, sub & 0xFF);
        };
        decoder->DecodeFrame(frame(0x00, main));
        QCOMPARE(reading.MainValid, mainValid);
        QCOMPARE(reading.SubValid, subValid);
        // New flags decode the same digits again, to the same verdict.
        decoder->DecodeFrame(frame(0x12, main));
        QCOMPARE(reading.MainValid, mainValid);
        QCOMPARE(reading.SubValid, subValid);
        decoder->DecodeFrame(frame(0x12, 0x0001));
        QVERIFY(reading.MainValid);
    }

    void identicalFrameChangesNothing() {
        const Frame f = MakeFrame(0x81, 0x00, 0x01, 0x23, 0, 0);
        decoder->DecodeFrame(f);
        reading.ModeText = QStringLiteral("marker");
        QSignalSpy changed(&display, &PanelDisplay::Changed);
        decoder->DecodeFrame(f);
        QCOMPARE(reading.ModeText, QStringLiteral("marker"));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(decoder->LastFrame(), f);
    }

    void firstFrameSkipsGroupsOfFF() {
        // LastBytes start at 0xFF, so a first frame whose status byte is 0xFF is not decoded there.
        decoder->DecodeFrame(MakeFrame(0xFF, 0x00, 0x01, 0x23, 0, 0));
        QCOMPARE(reading.MmaMode, 0);
        QCOMPARE(reading.TypeText, QStringLiteral("K"));
        QCOMPARE(reading.MainValue, 12.3);
    }
};

QTEST_GUILESS_MAIN(TestFrameDecoder)
#include "tst_frame_decoder.moc"
