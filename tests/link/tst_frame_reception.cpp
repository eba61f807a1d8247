// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes written on the meter's end of a pseudo-terminal become readings.
#include "far_end.h"
#include "link/frame_reception.h"
#include "link/meter_link.h"

#include <QSignalSpy>
#include <QTest>

class TestFrameReception : public QObject {
    Q_OBJECT

    struct Rig {
        CurrentReading reading;
        LinkState link;
        FarEnd meter;
        MeterLink spine{reading, link};
        bool Open() {
            reading.ModelCode = 301;
            if (!meter.Open())
                return false;
            spine.Comm1.SetDeviceName(meter.Path());
            spine.Comm1.SetActive(true);
            return spine.Comm1.Active();
        }
        bool WaitFrames(quint64 n) {
            return QTest::qWaitFor([&] { return spine.Assembler.FramesAccepted() >= n; }, 3000);
        }
    };

private slots:
    void splitFrameDecodedOnce() {
        Rig rig;
        QVERIFY(rig.Open());
        QSignalSpy announced(&rig.spine, &MeterLink::ConnectionAnnounced);
        const QByteArray frame = MeterFrame(0x80, 0x00, 0x01, 0x23, 0xB1, 0x05);
        QVERIFY(rig.meter.Write(frame.left(3)));
        QTest::qWait(100);
        QCOMPARE(rig.spine.Assembler.FramesAccepted(), 0u);
        QVERIFY(rig.meter.Write(frame.mid(3)));
        QVERIFY(rig.WaitFrames(1));
        QTest::qWait(50);
        QCOMPARE(rig.spine.Assembler.FramesAccepted(), 1u);
        QCOMPARE(rig.reading.MainValue, 12.3);
        QCOMPARE(rig.reading.SubText, QLocale().toString(10.5, 'f', 1));
        QCOMPARE(announced.count(), 1);
        QVERIFY(rig.link.MeterConnected);
        QVERIFY(!rig.link.PortBusy);
    }

    void framesInOneWriteDecodedInOrder() {
        Rig rig;
        QVERIFY(rig.Open());
        QList<double> seen;
        connect(&rig.spine.Display, &PanelDisplay::Changed, this, [&](PanelElement e) {
            if (e == PanelElement::MainD4)
                seen.append(rig.reading.MainValue);
        });
        QVERIFY(rig.meter.Write("\x55\x00" + MeterFrame(0x80, 4, 0x00, 0x11, 0, 0) +
                                MeterFrame(0x80, 4, 0x00, 0x22, 0, 0) +
                                QByteArray::fromHex("0280000000000004") + // wrong end marker
                                MeterFrame(0x80, 4, 0x00, 0x33, 0, 0)));
        QVERIFY(rig.WaitFrames(3));
        QCOMPARE(seen, (QList<double>{11.0, 22.0, 33.0}));
    }

    void moreThanReadLimitTakesTwoEvents() {
        Rig rig;
        QVERIFY(rig.Open());
        QList<uint32_t> waiting;
        rig.spine.Comm1.SetOnRxChar([&](TSerialPort* sender) {
            waiting.append(sender->BytesWaiting());
            Comm1RxChar(*sender, rig.spine.Assembler);
        });
        rig.spine.DetachRxChar();
        rig.spine.Comm1.SetOnRxChar({});
        QByteArray burst;
        for (int i = 0; i < 40; ++i)
            burst += MeterFrame(0x80, 4, 0x00, uint8_t(i), 0, 0);
        QVERIFY(rig.meter.Write(burst));
        QVERIFY(QTest::qWaitFor([&] { return rig.spine.Comm1.BytesWaiting() == 320; }, 3000));
        rig.spine.Comm1.SetOnRxChar([&](TSerialPort* sender) {
            waiting.append(sender->BytesWaiting());
            Comm1RxChar(*sender, rig.spine.Assembler);
        });
        QVERIFY(rig.meter.Write(QByteArray(1, '\x55')));
        QVERIFY(rig.WaitFrames(40));
        QCOMPARE(waiting.value(0), 321u);
        QCOMPARE(waiting.value(1), 65u);
        QCOMPARE(rig.spine.Comm1.BytesWaiting(), 0u);
    }

    void emulatorUnpluggedMidStream() {
        Rig rig;
        QVERIFY(rig.Open());
        const QByteArray frame = MeterFrame(0x80, 0x00, 0x01, 0x23, 0, 0);
        QVERIFY(rig.meter.Write(frame + frame.left(4)));
        QVERIFY(rig.WaitFrames(1));
        rig.meter.device.Close();
        QVERIFY(QTest::qWaitFor([&] { return !rig.spine.Comm1.Active(); }, 3000));
        // The partial frame waits in the buffer; the reading keeps its last value.
        QCOMPARE(rig.spine.Assembler.RxBuffer(), frame.left(4));
        QCOMPARE(rig.reading.MainValue, 12.3);
    }
};

QTEST_GUILESS_MAIN(TestFrameReception)
#include "tst_frame_reception.moc"
