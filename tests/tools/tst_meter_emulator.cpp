// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated meter answers like the real one, through the program's own port and decoder.
#include "link/meter_link.h"
#include "meter_emulator.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <unistd.h>

class TestMeterEmulator : public QObject {
    Q_OBJECT

    struct Rig {
        CurrentReading reading;
        LinkState link;
        MeterEmulator emulator;
        MeterLink spine{reading, link};
        explicit Rig(int model) : emulator(model) {
            reading.ModelCode = model;
            emulator.SetDrift(false);
        }
        bool Open() {
            if (!emulator.OpenPty())
                return false;
            spine.Comm1.SetDeviceName(emulator.DevicePath());
            spine.Comm1.SetActive(true);
            return spine.Comm1.Active();
        }
        void Send(char byte) {
            static char storage;
            storage = byte;
            spine.Comm1.WriteData(&storage, 1, false);
        }
        // One poll, answered and decoded.
        bool Poll() {
            const quint64 before = spine.Assembler.FramesAccepted();
            Send('A');
            return QTest::qWaitFor([&] { return spine.Assembler.FramesAccepted() > before; }, 2000);
        }
        QByteArray Reply(char request, int count) {
            spine.DetachRxChar();
            Send(request);
            if (!QTest::qWaitFor([&] { return spine.Comm1.BytesWaiting() >= uint32_t(count); },
                                 2000))
                qWarning("reply incomplete");
            QByteArray reply(int(spine.Comm1.BytesWaiting()), '\0');
            spine.Comm1.ReadData(reply.data(), int(reply.size()), false);
            spine.AttachRxChar();
            return reply;
        }
    };

private slots:
    void identifies_data() {
        QTest::addColumn<int>("model");
        for (int m = 300; m <= 303; ++m)
            QTest::newRow(qPrintable(QString::number(m))) << m;
    }
    void identifies() {
        QFETCH(int, model);
        Rig rig(model);
        QVERIFY(rig.Open());
        QCOMPARE(rig.Reply('K', 4), QByteArray::number(model) + '\x13');
    }

    void readingFollowsTemperatures() {
        Rig rig(303);
        QVERIFY(rig.Open());
        rig.emulator.SetTemperature(0, 123.4);
        rig.emulator.SetTemperature(1, -45.6);
        QVERIFY(rig.Poll());
        QCOMPARE(rig.reading.MainValue, 123.4);
        QCOMPARE(rig.reading.SubValue, -45.6);
        QCOMPARE(rig.reading.UnitText, QStringLiteral("C"));

        rig.emulator.SetTemperature(0, 1250.4); // whole degrees above 999.9
        QVERIFY(rig.Poll());
        QCOMPARE(rig.reading.MainValue, 1250.0);
        QVERIFY(rig.reading.MainNoPoint);

        rig.emulator.SetOverRange(true);
        QVERIFY(rig.Poll());
        QVERIFY(rig.reading.MainOverload);
        QVERIFY(rig.reading.SubOverload);
    }

    void keysChangeTheDisplay() {
        Rig rig(301);
        QVERIFY(rig.Open());
        rig.emulator.SetTemperature(0, 20.0);
        rig.emulator.SetTemperature(1, 30.0);
        QVERIFY(rig.Poll());
        QCOMPARE(rig.reading.ChannelView, 2); // main T1, second T2

        for (char key : {'H', 'R', 'M', 'C', 'T'})
            rig.Send(key);
        QVERIFY(rig.Poll());
        QCOMPARE(rig.reading.ModeText, QStringLiteral(" HOLD REL"));
        QCOMPARE(rig.reading.MmaMode, 7);
        QCOMPARE(rig.reading.UnitText, QStringLiteral("F"));
        QCOMPARE(rig.reading.ChannelView, 3);

        rig.Send('M');
        rig.Send('N');
        rig.Send('H');
        rig.Send('R');
        rig.Send('C');
        rig.Send('T');
        QVERIFY(rig.Poll());
        QCOMPARE(rig.reading.ModeText, QString());
        QCOMPARE(rig.reading.ChannelView, 0); // T1-T2 on the main display
        QCOMPARE(rig.reading.MainValue, -10.0);
        QCOMPARE(rig.emulator.Received().right(7), QByteArray("MNHRCTA"));
    }

    void timerOnOneChannelModels() {
        Rig rig(300);
        QVERIFY(rig.Open());
        QVERIFY(rig.Poll());
        QCOMPARE(rig.reading.SubText, QStringLiteral("00:00"));
        QCOMPARE(rig.reading.SubUnitText, QStringLiteral("MM:SS"));
        rig.Send('T');
        QTest::qWait(1100);
        QVERIFY(rig.Poll());
        QCOMPARE(rig.reading.SubText, QStringLiteral("00:01"));
    }

    void faultsStillDecode() {
        Rig rig(302);
        QVERIFY(rig.Open());
        rig.emulator.SetTemperature(0, -12.5);
        rig.emulator.SetGarbage(true);
        rig.emulator.SetSplitFrames(true);
        rig.emulator.SetLowBattery(true);
        rig.emulator.SetTypeJ(true);
        for (int i = 0; i < 5; ++i)
            QVERIFY(rig.Poll());
        QCOMPARE(rig.reading.MainValue, -12.5);
        QCOMPARE(rig.reading.ModeText, QStringLiteral(" LBT"));
        QCOMPARE(rig.reading.TypeText, QStringLiteral("J"));
    }

    void silentPollsGetNoAnswer() {
        Rig rig(300);
        QVERIFY(rig.Open());
        rig.emulator.SetSilentPolls(2);
        QVERIFY(!rig.Poll());
        QVERIFY(!rig.Poll());
        QVERIFY(rig.Poll());
        QCOMPARE(rig.emulator.PollCount(), 3u);
    }

    void unplugAndReplugKeepsTheLink() {
        Rig rig(301);
        const QString link =
            QDir::temp().filePath(QStringLiteral("brackwater-test-meter-%1").arg(getpid()));
        QVERIFY(rig.emulator.OpenPty());
        rig.emulator.SetLinkPath(link);
        rig.spine.Comm1.SetDeviceName(link);
        rig.spine.Comm1.SetActive(true);
        QVERIFY(rig.Poll());
        rig.emulator.Unplug();
        QVERIFY(QTest::qWaitFor([&] { return !rig.spine.Comm1.Active(); }, 3000));
        QVERIFY(rig.emulator.Replug());
        rig.spine.Comm1.SetActive(true);
        rig.emulator.SetTemperature(0, 55.5);
        QVERIFY(rig.Poll());
        QCOMPARE(rig.reading.MainValue, 55.5);
        QFile::remove(link);
    }
};

QTEST_GUILESS_MAIN(TestMeterEmulator)
#include "tst_meter_emulator.moc"
