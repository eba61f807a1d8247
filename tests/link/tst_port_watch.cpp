// SPDX-License-Identifier: GPL-3.0-or-later
// The watch for meters plugged in, on real pseudo-terminals: only ports that
// appear are asked, each once while it stays, again after it went away; the first
// that answers with a model is reported; the full port list is taken only when the
// cheap look says it may have changed; the system's own list costs next to nothing
// while nothing changes.
#include "far_end.h"
#include "link/port_watch.h"
#include "link/serial_port.h"
#include "meter_emulator.h"
#include "platform/device_access.h"

#include <QEventLoop>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {
// Waits without waking every few milliseconds, as qWait does.
void Idle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
} // namespace

class TestPortWatch : public QObject {
    Q_OBJECT

private slots:
    void asksOnlyPortsThatAppear() {
        MeterEmulator there(300), plugged(302);
        QVERIFY(there.OpenPty());
        QStringList listed{there.DevicePath()};
        PortWatch watch([&] { return listed; }, {});
        QSignalSpy answered(&watch, &PortWatch::MeterAnswered);
        watch.Start(listed);
        Idle(PortWatch::LookMs + 300);
        QCOMPARE(watch.Asked(), 0);

        QVERIFY(plugged.OpenPty());
        listed.append(plugged.DevicePath());
        QVERIFY(answered.wait(PortWatch::LookMs * 2 + 2000));
        QCOMPARE(answered.at(0).at(0).toString(), plugged.DevicePath());
        QCOMPARE(answered.at(0).at(1).toByteArray(), QByteArray("302\x13"));
        QCOMPARE(plugged.Received(), QByteArray("K"));
        QVERIFY(there.Received().isEmpty());
        QVERIFY(!watch.Watching()); // one meter found is enough
        QCOMPARE(plugged.PollCount(), 0u);
    }

    // A port that answers no model is asked once while it stays; unplugged and
    // plugged in again it is asked again; a meter plugged in later is found.
    void otherDevicesAreAskedOncePerAppearance() {
        FarEnd modem;
        QVERIFY(modem.Open());
        QStringList listed;
        PortWatch watch([&] { return listed; }, {});
        QSignalSpy answered(&watch, &PortWatch::MeterAnswered);
        watch.Start({});
        listed = {modem.Path()};
        QVERIFY(QTest::qWaitFor([&] { return watch.Asked() == 1; }, PortWatch::LookMs * 2));
        Idle(PortWatch::LookMs * 2);
        QCOMPARE(watch.Asked(), 1);
        QCOMPARE(modem.received, QByteArray("K"));

        listed.clear();
        Idle(PortWatch::LookMs + 200);
        listed = {modem.Path()};
        QVERIFY(QTest::qWaitFor([&] { return watch.Asked() == 2; }, PortWatch::LookMs * 2));
        QVERIFY(watch.Watching());

        MeterEmulator meter(301);
        QVERIFY(meter.OpenPty());
        listed.append(meter.DevicePath());
        QVERIFY(answered.wait(PortWatch::LookMs * 2 + 2000));
        QCOMPARE(answered.at(0).at(0).toString(), meter.DevicePath());
        QCOMPARE(answered.count(), 1);
    }

    // A port that cannot be opened yet (in use, or not yet ours) is tried at the next
    // looks, a few times; once free it is asked.
    void busyPortIsTriedAgain() {
        MeterEmulator meter(303);
        QVERIFY(meter.OpenPty());
        TSerialPort holder;
        holder.SetDeviceName(meter.DevicePath());
        holder.SetActive(true);
        QStringList listed;
        PortWatch watch([&] { return listed; }, {});
        QSignalSpy answered(&watch, &PortWatch::MeterAnswered);
        watch.Start({});
        listed = {meter.DevicePath()};
        Idle(PortWatch::LookMs * 2 + 300);
        QCOMPARE(watch.Asked(), 0);
        holder.SetActive(false);
        QVERIFY(answered.wait(PortWatch::LookMs * 2 + 2000));
        QCOMPARE(answered.at(0).at(1).toByteArray(), QByteArray("303\x13"));
    }

    // The full list is taken at the first look and then only when the mark moves.
    void listTakenOnlyWhenTheMarkMoves() {
        int listings = 0;
        QString mark = QStringLiteral("a");
        PortWatch watch(
            [&] {
                ++listings;
                return QStringList();
            },
            [&] { return mark; });
        watch.Start({});
        Idle(PortWatch::LookMs * 2 + 300);
        QCOMPARE(listings, 1);
        mark = QStringLiteral("b");
        QVERIFY(QTest::qWaitFor([&] { return listings == 2; }, PortWatch::LookMs * 2));
        Idle(PortWatch::LookMs + 300);
        QCOMPARE(listings, 2);
        watch.Stop();
        QVERIFY(!watch.Watching());
    }

    // Watching the system's own ports and a device given by path: the full list,
    // which costs thousands of system calls, is taken only when the device folder's
    // mark changed, not at every look.
    void systemWatchListsOnlyOnChange() {
        const QStringList extra{QStringLiteral("/tmp/brackwater-no-such-meter")};
        int listings = 0;
        QStringList marks;
        PortWatch watch(
            [&] {
                ++listings;
                QStringList ports;
                TSerialPort::ListPortNames(ports, extra);
                ports.removeIf([](const QString& p) { return !TSerialPort::Present(p); });
                return ports;
            },
            [&] {
                const QString mark = DeviceListMark(extra);
                if (!marks.contains(mark))
                    marks << mark;
                return mark;
            });
        watch.Start({});
        Idle(4 * PortWatch::LookMs + 300);
        QVERIFY(!marks.isEmpty());
        QCOMPARE(listings, int(marks.size()));
    }
};

QTEST_GUILESS_MAIN(TestPortWatch)
#include "tst_port_watch.moc"
