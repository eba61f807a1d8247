// SPDX-License-Identifier: GPL-3.0-or-later
// The heartbeat's decisions, ticked with a fake clock: interval correction, link
// supervision, sampling rates and when the poll is due.

#include "meter/frame_assembler.h"
#include "meter/heartbeat.h"
#include "support/far_end.h"

#include <QTest>

class HeartbeatTest : public QObject {
    Q_OBJECT

    // Program state plus a heartbeat whose targets record what they are asked.
    struct Rig {
        AppState state;
        PanelDisplay display;
        FrameDecoder decoder{state.Reading, display};
        FrameAssembler assembler{state.Link, decoder};
        double now = 46000.5;
        int64_t ms = 0;
        QList<int> pointTicks;                // tick numbers that added a graph point
        QList<int> rowTicks;                  // tick numbers that appended a log row
        QList<std::pair<bool, bool>> leftOut; // per point: main, second left out of the graph
        int linkLost = 0;
        int tick = 0;
        int interval = Heartbeat::InitialInterval;
        bool portOpen = true;
        int polls = 0;
        QList<double> rowTimes;
        Heartbeat beat{state, Heartbeat::Clock{[this] { return now; }, [this] { return ms; }}};

        QByteArray frame = MeterFrame(0x00, 0x00, 0x12, 0x34, 0x05, 0x67);
        void Frame() {
            assembler.Feed(reinterpret_cast<const uint8_t*>(frame.constData()), int(frame.size()));
        }
        // A tick gapMs after the previous one.
        void Tick(int gapMs = 1000, bool withFrame = true) {
            ms += gapMs;
            now += gapMs / 86400000.0;
            if (withFrame)
                Frame();
            ++tick;
            const Heartbeat::Due due =
                beat.Tick(interval, {portOpen, pointTicks.isEmpty(), rowTicks.isEmpty()});
            polls += due.Poll ? 1 : 0;
            linkLost += due.LinkLost ? 1 : 0;
            if (due.GraphPoint) {
                pointTicks << tick;
                leftOut << std::pair{due.GraphPoint->MainOff(), due.GraphPoint->SubOff()};
                QCOMPARE(due.GraphPoint->Time, now);
            }
            if (due.LogRow) {
                rowTicks << tick;
                rowTimes << due.LogRow->Time;
            }
            interval = due.NextInterval;
        }
    };

private slots:
    void intervalCorrection_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<int>>("gaps");
        QTest::addColumn<QList<int>>("intervals");
        QTest::newRow("1000 ms ticks keep it")
            << 1000 << QList<int>{0, 1000, 1000, 1000} << QList<int>{1000, 1000, 1000, 1000};
        QTest::newRow("1300 ms shortens the next")
            << 1000 << QList<int>{0, 1300} << QList<int>{1000, 700};
        QTest::newRow("1100 then back on time")
            << 1000 << QList<int>{0, 1100, 900} << QList<int>{1000, 900, 1000};
        QTest::newRow("floor of 500") << 1000 << QList<int>{0, 1700} << QList<int>{1000, 500};
        QTest::newRow("exactly at the floor")
            << 1000 << QList<int>{0, 1500} << QList<int>{1000, 500};
        QTest::newRow("second tick 700 ms after the first")
            << 700 << QList<int>{0, 700} << QList<int>{700, 1000};
        QTest::newRow("after a paused timer")
            << 1000 << QList<int>{0, 1000, 60000, 500} << QList<int>{1000, 1000, 500, 1000};
    }
    void intervalCorrection() {
        QFETCH(int, start);
        QFETCH(QList<int>, gaps);
        QFETCH(QList<int>, intervals);
        Rig rig;
        rig.interval = start;
        QList<int> got;
        for (int gap : gaps) {
            rig.Tick(gap);
            got << rig.interval;
        }
        QCOMPARE(got, intervals);
    }

    void wallClockJumpsDoNotStretchTheInterval() {
        Rig rig;
        rig.interval = 1000;
        rig.Tick(0);
        // The clocks go back an hour: samples keep the wall time, ticks keep their pace.
        rig.now -= 1.0 / 24;
        rig.Tick(1000);
        QCOMPARE(rig.interval, 1000);
    }

    void linkLostAtFifthSilentTick_data() {
        QTest::addColumn<QString>("ticks"); // F: tick after a frame, s: silent tick
        QTest::addColumn<bool>("connected");
        QTest::addColumn<int>("lost");
        QTest::newRow("four silent ticks keep it") << "Fssss" << true << 0;
        QTest::newRow("the fifth drops it") << "Fsssss" << false << 1;
        QTest::newRow("a frame resets the count") << "FssssFssss" << true << 0;
        QTest::newRow("lost once, not again while down") << "Fssssssssss" << false << 1;
        QTest::newRow("lost, back, lost again") << "FsssssFsssss" << false << 2;
    }
    void linkLostAtFifthSilentTick() {
        QFETCH(QString, ticks);
        QFETCH(bool, connected);
        QFETCH(int, lost);
        Rig rig;
        for (QChar t : ticks)
            rig.Tick(1000, t == QLatin1Char('F'));
        QCOMPARE(rig.state.Link.MeterConnected, connected);
        QCOMPARE(rig.linkLost, lost);
        if (!connected)
            QCOMPARE(rig.state.Link.MissedTicks, 0);
    }

    void samplingRates_data() {
        QTest::addColumn<int>("graphingRate");
        QTest::addColumn<int>("listingRate");
        QTest::addColumn<QString>("ticks");
        QTest::addColumn<QList<int>>("points");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("graph 5, log 10, empty tables")
            << 5 << 10 << QString(22, QLatin1Char('F')) << QList<int>{1, 6, 11, 16, 21}
            << QList<int>{1, 11, 21};
        QTest::newRow("rates 0 and 1 sample every tick")
            << 0 << 1 << "FFF" << QList<int>{1, 2, 3} << QList<int>{1, 2, 3};
        // Ticks 2 and 3 have no frame: they neither count nor sample.
        QTest::newRow("silent ticks do not count")
            << 2 << 2 << "FssFFF" << QList<int>{1, 5} << QList<int>{1, 5};
    }
    void samplingRates() {
        QFETCH(int, graphingRate);
        QFETCH(int, listingRate);
        QFETCH(QString, ticks);
        QFETCH(QList<int>, points);
        QFETCH(QList<int>, rows);
        Rig rig;
        rig.state.Settings.GraphingRate = graphingRate;
        rig.state.Settings.ListingRate = listingRate;
        rig.state.Recording = {true, true};
        for (QChar t : ticks)
            rig.Tick(1000, t == QLatin1Char('F'));
        QCOMPARE(rig.pointTicks, points);
        QCOMPARE(rig.rowTicks, rows);
    }

    // A display without a number, like an overloaded one, gives the graph no point.
    void displayWithoutNumberIsLeftOut_data() {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<bool>("mainOut");
        QTest::addColumn<bool>("subOut");
        QTest::newRow("numbers") << MeterFrame(0x80, 0x00, 0xB2, 0x35, 0xB4, 0x80) << false
                                 << false;
        QTest::newRow("main dashes")
            << MeterFrame(0x80, 0x00, 0xAB, 0xBA, 0xB4, 0x80) << true << false;
        QTest::newRow("second H") << MeterFrame(0x80, 0x00, 0xB2, 0x35, 0xC1, 0x23) << false
                                  << true;
        QTest::newRow("codes 13 to 15")
            << MeterFrame(0x80, 0x00, 0x0D, 0xE0, 0xF1, 0x23) << true << true;
        QTest::newRow("main overload")
            << MeterFrame(0x80, 0x01, 0xB2, 0x35, 0xB4, 0x80) << true << false;
    }
    void displayWithoutNumberIsLeftOut() {
        QFETCH(QByteArray, frame);
        QFETCH(bool, mainOut);
        QFETCH(bool, subOut);
        Rig rig;
        rig.state.Reading.ModelCode = 301;
        rig.state.Recording = {true, false};
        rig.frame = frame;
        rig.Tick();
        QCOMPARE(rig.leftOut, (QList<std::pair<bool, bool>>{{mainOut, subOut}}));
    }

    void pausedRecordingTakesNothing() {
        Rig rig;
        rig.state.Recording = {false, false};
        for (int i = 0; i < 5; ++i)
            rig.Tick();
        QVERIFY(rig.pointTicks.isEmpty());
        QVERIFY(rig.rowTicks.isEmpty());
        QVERIFY(!rig.state.Link.FrameSeen);
    }

    void recordingResumesWhenTheLinkReturns() {
        Rig rig;
        rig.state.Settings.GraphingRate = 1;
        rig.state.Settings.ListingRate = 1;
        rig.state.Recording = {true, true};
        rig.Tick();
        for (int i = 0; i < 8; ++i)
            rig.Tick(1000, false);
        QCOMPARE(rig.linkLost, 1);
        QCOMPARE(rig.rowTicks, QList<int>{1});
        rig.Tick(); // the frame reconnects, and this very tick samples
        rig.Tick();
        QVERIFY(rig.state.Link.MeterConnected);
        QVERIFY(rig.state.Recording.ListRunning && rig.state.Recording.GraphRunning);
        QCOMPARE(rig.rowTicks, (QList<int>{1, 10, 11}));
        QCOMPARE(rig.pointTicks, (QList<int>{1, 10, 11}));
    }

    void pollIsDueEachTickWhileThePortIsOpen() {
        Rig rig;
        rig.Tick(1000, false);
        rig.Tick(1000, false);
        rig.portOpen = false;
        rig.Tick(1000, false);
        QCOMPARE(rig.polls, 2);
    }
};

QTEST_GUILESS_MAIN(HeartbeatTest)
#include "tst_heartbeat.moc"
