// SPDX-License-Identifier: GPL-3.0-or-later
// Cutting frames out of arbitrary chunks of the byte stream.
#include "meter/frame_assembler.h"

#include <QSignalSpy>
#include <QTest>

namespace {
const QByteArray Good = QByteArray::fromHex("0280000123b10503");
const QByteArray Good2 = QByteArray::fromHex("0281000456b10603");
} // namespace

class TestFrameAssembler : public QObject {
    Q_OBJECT
    CurrentReading reading;
    LinkState link;

    void Feed(FrameAssembler& a, const QByteArray& bytes) {
        a.Feed(reinterpret_cast<const uint8_t*>(bytes.constData()), int(bytes.size()));
    }

private slots:
    void init() {
        reading = CurrentReading();
        reading.ModelCode = 301;
        link = LinkState();
    }

    // Each chunk list is fed in order; the test counts accepted frames and what is left over.
    void chunks_data() {
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<int>("frames");
        QTest::addColumn<QByteArray>("left");
        QTest::addColumn<double>("mainValue");
        QTest::newRow("split 3 + 5")
            << QList<QByteArray>{Good.left(3), Good.mid(3)} << 1 << QByteArray() << 12.3;
        QTest::newRow("split 7 + 1")
            << QList<QByteArray>{Good.left(7), Good.mid(7)} << 1 << QByteArray() << 12.3;
        QTest::newRow("two in one") << QList<QByteArray>{Good + Good2} << 2 << QByteArray() << 45.6;
        QTest::newRow("noise before")
            << QList<QByteArray>{QByteArray("\x55", 1) + Good} << 1 << QByteArray() << 12.3;
        QTest::newRow("wrong end marker drops 8")
            << QList<QByteArray>{QByteArray::fromHex("02800001230000040280000123")} << 0
            << QByteArray::fromHex("0280000123") << 0.0;
        QTest::newRow("wrong end, then the rest arrives")
            << QList<QByteArray>{QByteArray::fromHex("02800001230000040280000123"),
                                 QByteArray::fromHex("b10503")}
            << 1 << QByteArray() << 12.3;
        QTest::newRow("seven without start stay")
            << QList<QByteArray>{QByteArray::fromHex("11223344556677")} << 0
            << QByteArray::fromHex("11223344556677") << 0.0;
        QTest::newRow("eighth without start empties")
            << QList<QByteArray>{QByteArray::fromHex("11223344556677"), QByteArray::fromHex("88")}
            << 0 << QByteArray() << 0.0;
        QTest::newRow("second start inside a bad candidate is not searched")
            << QList<QByteArray>{QByteArray::fromHex("02") + Good + Good2} << 1 << QByteArray()
            << 45.6;
        QTest::newRow("zero bytes are data")
            << QList<QByteArray>{QByteArray(3, '\0') + Good} << 1 << QByteArray() << 12.3;
        QTest::newRow("byte by byte") << [] {
            QList<QByteArray> l;
            for (char c : Good + Good2)
                l.append(QByteArray(1, c));
            return l;
        }() << 2 << QByteArray() << 45.6;
    }
    void chunks() {
        QFETCH(QList<QByteArray>, chunks);
        PanelDisplay display;
        FrameDecoder decoder(reading, display);
        FrameAssembler a(link, decoder);
        for (const QByteArray& c : chunks)
            Feed(a, c);
        QTEST(int(a.FramesAccepted()), "frames");
        QTEST(a.RxBuffer(), "left");
        QTEST(reading.MainValue, "mainValue");
    }

    void framesAreDecodedInOrderAndCounted() {
        PanelDisplay display;
        FrameDecoder decoder(reading, display);
        FrameAssembler a(link, decoder);
        QList<double> values;
        connect(&display, &PanelDisplay::Changed, this, [&](PanelElement e) {
            if (e == PanelElement::MainD4)
                values.append(reading.MainValue);
        });
        Feed(a, Good + QByteArray::fromHex("0280000124b10503") + Good2.left(4));
        QCOMPARE(values, (QList<double>{12.3, 12.4}));
        Feed(a, Good2.mid(4));
        QCOMPARE(values, (QList<double>{12.3, 12.4, 45.6}));
    }

    void announcesOnceWhileConnected() {
        PanelDisplay display;
        FrameDecoder decoder(reading, display);
        FrameAssembler a(link, decoder);
        QSignalSpy announced(&a, &FrameAssembler::ConnectionAnnounced);
        bool connectedDuringAnnouncement = true;
        connect(&a, &FrameAssembler::ConnectionAnnounced, this,
                [&] { connectedDuringAnnouncement = link.MeterConnected; });
        link.MissedTicks = 3;
        Feed(a, Good + Good2 + Good);
        QCOMPARE(announced.count(), 1);
        QVERIFY(!connectedDuringAnnouncement);
        QVERIFY(link.MeterConnected);
        QCOMPARE(link.MissedTicks, 0);

        // A repeated frame is ignored by the decoder but still proves the link alive.
        link.FrameSeen = false;
        link.MissedTicks = 2;
        Feed(a, Good);
        QVERIFY(link.FrameSeen);
        QCOMPARE(link.MissedTicks, 0);

        link.MeterConnected = false; // lost by the heartbeat
        Feed(a, Good2);
        QCOMPARE(announced.count(), 2);
    }

    void bufferStaysBounded() {
        PanelDisplay display;
        FrameDecoder decoder(reading, display);
        FrameAssembler a(link, decoder);
        QByteArray junk(FrameAssembler::ReadLimit, '\x02');
        for (int i = 0; i < 1000; ++i) {
            Feed(a, junk);
            QVERIFY(a.RxBuffer().size() < link.FrameLength);
        }
    }
};

QTEST_GUILESS_MAIN(TestFrameAssembler)
#include "tst_frame_assembler.moc"
