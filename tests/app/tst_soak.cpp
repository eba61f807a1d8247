// SPDX-License-Identifier: GPL-3.0-or-later
// A month of recording in a minute: one million heartbeat ticks on a fake clock, a
// row and a live graph point at every tick, the points kept as the live graph keeps
// them (5,000 a series, the oldest 100 dropped when full), the meter silent for five
// ticks every thousand (the link lost and back), every row journaled. The frames go
// straight into the frame assembler (a pseudo-terminal would take an hour). The
// heap grows only with the rows kept and shrinks back when they are cleared; no
// connection and no timer is left behind by the losses and returns. Unoptimised or
// under the sanitizers, many times slower, the build sets a tenth of the ticks
// (SOAK_TICKS): the link is still lost and back a hundred times and the chart drops
// its oldest points hundreds of times.
#include "graph/chart_data.h"
#include "log/journal_contents.h"
#include "meter_emulator.h"
#include "recording/recording_session.h"
#include "support/journal_rows.h"
#include "support/scratch_settings.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QMetaMethod>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's own count: its allocator takes the place of malloc's.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
size_t HeapInUse() {
    return __sanitizer_get_current_allocated_bytes();
}
#else
#include <malloc.h>
size_t HeapInUse() {
    return mallinfo2().uordblks;
}
#endif

namespace {
// The core with its signals' receivers in view.
class SoakSession : public RecordingSession {
public:
    using RecordingSession::RecordingSession;
    // Receivers of each signal, by signature.
    QMap<QByteArray, int> Receivers() const {
        QMap<QByteArray, int> counts;
        const QMetaObject& meta = RecordingSession::staticMetaObject;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            const QMetaMethod m = meta.method(i);
            if (m.methodType() == QMetaMethod::Signal) {
                const QByteArray signal = QByteArray::number(QSIGNAL_CODE) + m.methodSignature();
                counts[m.methodSignature()] = receivers(signal.constData());
            }
        }
        return counts;
    }
};

// Wake-ups of the event loop while the program idles for a while.
int WakeUps(int ms) {
    int count = 0;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    const QMetaObject::Connection c =
        QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, [&] { ++count; });
    QEventLoop idle;
    QTimer::singleShot(ms, &idle, &QEventLoop::quit);
    idle.exec();
    QObject::disconnect(c);
    return count;
}
} // namespace

class TestSoak : public QObject {
    Q_OBJECT
    ScratchSettings settings_;

private slots:
    void millionTicks() {
        constexpr int Ticks = SOAK_TICKS;
        constexpr int SilentEvery = 1000; // the last 5 ticks of each thousand
        QTemporaryDir dir;
        double now = 46000.0; // a day count in 2025
        int64_t ms = 0;
        const Heartbeat::Clock clock{[&] { return now; }, [&] { return ms; }};
        SoakSession session(settings_.Store(RangeSettings(0, 100, 1, 1)), {}, clock);
        IdentifyModel(session, 301);
        session.Log().SetLocale(QLocale::c());
        session.EnableJournal(dir.path());
        session.Journal()->SetSyncDelay(10);
        session.SetListRunning(true);
        session.SetGraphRunning(true);
        MeterEmulator meter(301);
        meter.SetSeed(7);

        constexpr int ChartPoints = 5000, ChartDrop = 100;
        ChartData chart;
        chart.SetSubsets(2);
        chart.SetPoints(ChartPoints);
        int nextPoint = 0;

        int points = 0, rows = 0, lost = 0, up = 0;
        double lastPoint = 0;
        bool ordered = true;
        connect(&session, &RecordingSession::PointDue, this, [&](const Sample& s) {
            ordered = ordered && s.Time > lastPoint;
            lastPoint = s.Time;
            ++points;
            if (nextPoint >= ChartPoints - 1) {
                nextPoint -= ChartDrop;
                chart.DropOldest(ChartDrop);
            }
            chart.SetX(0, nextPoint, s.Time);
            chart.SetY(0, nextPoint, float(s.Reading.MainValue));
            chart.SetX(1, nextPoint, s.Time);
            chart.SetY(1, nextPoint, float(s.Reading.SubValue));
            ++nextPoint;
        });
        connect(&session, &RecordingSession::RowAppended, this, [&](int) { ++rows; });
        connect(&session, &RecordingSession::LinkShown, this,
                [&](bool linked) { linked ? ++up : ++lost; });
        const QMap<QByteArray, int> receiversBefore = session.Receivers();
        const int childrenBefore = int(session.children().size());
        const int idleBefore = WakeUps(500);

        QElapsedTimer elapsed;
        elapsed.start();
        size_t heapWarm = 0;
        int rowsWarm = 0;
        for (int tick = 0; tick < Ticks; ++tick) {
            if (tick % SilentEvery < SilentEvery - 5) {
                const MeterEmulator::Frame frame = meter.DisplayFrame();
                session.Meter().Assembler.Feed(frame.data(), int(frame.size()));
            }
            now += 1.0 / 86400.0;
            ms += 1000;
            session.ThTimer1Timer();
            if (tick % 50'000 == 0)
                QCoreApplication::processEvents(); // the journal's sync timer, queued work
            if (tick == 20'000) {
                heapWarm = HeapInUse();
                rowsWarm = rows;
            }
        }
        QCoreApplication::processEvents();
        const size_t heapEnd = HeapInUse();
        qInfo("%d ticks in %lld ms", Ticks, elapsed.elapsed());

        const int expectedRows = Ticks / SilentEvery * (SilentEvery - 5);
        QCOMPARE(rows, expectedRows);
        QCOMPARE(points, expectedRows);
        QVERIFY(ordered);
        QCOMPARE(lost, Ticks / SilentEvery);
        QCOMPARE(up, Ticks / SilentEvery);
        QCOMPARE(session.Log().RowCount() - 1, expectedRows);
        QCOMPARE(session.Log().Cell(expectedRows, 0), QString::number(expectedRows));

        // The chart holds the newest points in order, then blanks, and no more.
        QCOMPARE(chart.Points(), ChartPoints);
        QCOMPARE(chart.X(0, nextPoint - 1), lastPoint);
        for (int p = 1; p < nextPoint; ++p)
            QVERIFY(chart.X(1, p) > chart.X(1, p - 1));
        QCOMPARE(chart.X(0, nextPoint), 0.0);
        ChartData::Extent extent{};
        QVERIFY(chart.XExtent(extent));
        QCOMPARE(extent.upper, lastPoint);

        // The heap grew with the rows kept: a row's eight texts cost about 40 bytes.
        const double perRow = double(heapEnd - heapWarm) / double(rows - rowsWarm);
        qInfo("heap: %.1f bytes per row kept", perRow);
        QVERIFY2(perRow < 64, qPrintable(QString::number(perRow)));
        QCOMPARE(session.Receivers(), receiversBefore);
        QCOMPARE(int(session.children().size()), childrenBefore);
        const int idleAfter = WakeUps(500);
        QVERIFY2(idleAfter <= idleBefore + 2,
                 qPrintable(QStringLiteral("%1 then %2").arg(idleBefore).arg(idleAfter)));

        // Every row is in the journal, which the next start would read back.
        QCOMPARE(session.Journal()->Rows(), expectedRows);
        {
            const JournalContents journal = JournalContents::Read(session.Journal()->CurrentPath());
            QCOMPARE(journal.RowCount(), expectedRows);
            QCOMPARE(RowsOf(journal).value(expectedRows - 1),
                     session.Log().LineFields(expectedRows));
        }

        // Cleared, the table gives its memory back.
        session.BitBtn4Click();
        QCoreApplication::processEvents();
        QVERIFY2(
            HeapInUse() < heapWarm + (1 << 20),
            qPrintable(
                QStringLiteral("%1 after clearing, %2 before").arg(HeapInUse()).arg(heapWarm)));
    }
};

QTEST_GUILESS_MAIN(TestSoak)
#include "tst_soak.moc"
