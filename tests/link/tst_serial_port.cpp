// SPDX-License-Identifier: GPL-3.0-or-later
// The serial port on real pseudo-terminals: open rules (one holder of a device,
// whichever path it is opened by), failures through OnError, ordered writes, and a
// device that vanishes under an open port.
#include "base/handler_guard.h"
#include "far_end.h"
#include "link/serial_port.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>

namespace {
struct ErrorLog {
    QList<ESerialError> errors;
    TSerialAction answer = TSerialAction::saAbort;
    TSerialPort::ErrorHandler Handler() {
        return [this](TSerialPort*, const ESerialError& e, TSerialAction& action) {
            errors.append(e);
            action = answer;
        };
    }
};
} // namespace

class TestSerialPort : public QObject {
    Q_OBJECT
    QStringList shown;

private slots:
    void initTestCase() {
        SetExceptionDisplay([this](const QString& m) { shown.append(m); });
    }
    void init() { shown.clear(); }

    void listsExtraDevicesOnce() {
        QStringList list{QStringLiteral("/dev/pts/77")};
        TSerialPort::ListPortNames(
            list, {QStringLiteral("/dev/pts/77"), QStringLiteral("/tmp/meter"), QString()});
        QCOMPARE(list.count(QStringLiteral("/dev/pts/77")), 1);
        QCOMPARE(list.last(), QStringLiteral("/tmp/meter"));
    }

    void inputBeforeOpenIsDiscarded() {
        FarEnd meter;
        QVERIFY(meter.Open());
        QVERIFY(meter.Write("stale bytes"));
        TSerialPort port;
        port.SetDeviceName(meter.Path());
        port.SetActive(true);
        QVERIFY(port.Active());
        QTest::qWait(100);
        QCOMPARE(port.BytesWaiting(), 0u);
        QVERIFY(meter.Write("fresh"));
        QVERIFY(QTest::qWaitFor([&] { return port.BytesWaiting() == 5; }, 3000));
        char buffer[5];
        port.ReadData(buffer, 5, false);
        QCOMPARE(QByteArray(buffer, 5), QByteArray("fresh"));
    }

    void writesArriveInOrder() {
        FarEnd meter;
        QVERIFY(meter.Open());
        TSerialPort port;
        port.SetDeviceName(meter.Path());
        port.SetActive(true);
        static const char keys[] = "ARHMNTCK";
        for (int i = 0; i < 8; ++i)
            port.WriteData(&keys[i], 1, false);
        port.WriteData(keys, 0, false); // nothing to send
        QVERIFY(meter.WaitReceived(8));
        QTest::qWait(50);
        QCOMPARE(meter.received, QByteArray("ARHMNTCK"));
    }

    // A device held by another port object (another program) is refused under any
    // path: its lock file is named after the path, the lock on the device is not.
    void openFailuresGoThroughOnError_data() {
        QTest::addColumn<QString>("by");
        QTest::addColumn<int>("errorCode");
        QTest::addColumn<bool>("inUse");
        QTest::newRow("missing device") << "missing" << ENOENT << false;
        QTest::newRow("device in use") << "same path" << EACCES << true;
        QTest::newRow("device in use, through a link") << "link" << EBUSY << true;
    }
    void openFailuresGoThroughOnError() {
        QFETCH(QString, by);
        QFETCH(int, errorCode);
        FarEnd meter;
        QVERIFY(meter.Open());
        TSerialPort holder;
        holder.SetDeviceName(meter.Path());
        holder.SetActive(true);
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("meter"));
        QVERIFY(QFile::link(meter.Path(), link));

        ErrorLog log;
        TSerialPort port;
        port.SetOnError(log.Handler());
        port.SetDeviceName(by == "missing" ? QStringLiteral("/dev/no-such-meter")
                           : by == "link"  ? link
                                           : meter.Path());
        QVERIFY(!RunGuarded([&] { port.SetActive(true); })); // a silent abort
        QVERIFY(shown.isEmpty());
        QVERIFY(!port.Active());
        QCOMPARE(log.errors.size(), 1);
        QCOMPARE(log.errors[0].ErrorCode, errorCode);
        QVERIFY(!log.errors[0].Message().isEmpty());
        QTEST(port.InUseElsewhere(), "inUse");
        if (errorCode == EBUSY)
            QVERIFY2(log.errors[0].Message().contains(link), qPrintable(log.errors[0].Message()));

        // The port stays usable: the same object opens a free device afterwards.
        holder.SetActive(false);
        port.SetDeviceName(by == "link" ? link : meter.Path());
        port.SetActive(true);
        QVERIFY(port.Active());
    }

    void closedPortOperations() {
        ErrorLog log;
        TSerialPort port;
        port.SetOnError(log.Handler());
        const char b = 'A';
        QVERIFY(!RunGuarded([&] { port.WriteData(&b, 1, false); }));
        QVERIFY(shown.isEmpty());
        QCOMPARE(log.errors.size(), 1);
        QCOMPARE(log.errors[0].Message(), TSerialPort::ClosedPortText());
        QCOMPARE(log.errors[0].ErrorCode, 0);

        // Without the abort answer the error itself reaches the caller.
        log.answer = TSerialAction::saFail;
        try {
            port.WriteData(&b, 1, false);
            QFAIL("no error raised");
        } catch (const ESerialError& e) {
            QCOMPARE(e.Message(), TSerialPort::ClosedPortText());
        }
        QVERIFY_THROWS_EXCEPTION(ESerialError, port.BytesWaiting());
        char buffer[1];
        QVERIFY_THROWS_EXCEPTION(ESerialError, port.ReadData(buffer, 1, false));
    }

    void deviceNameOnlyWhileClosed() {
        FarEnd meter;
        QVERIFY(meter.Open());
        ErrorLog log;
        log.answer = TSerialAction::saFail;
        TSerialPort port;
        port.SetOnError(log.Handler());
        port.SetDeviceName(meter.Path());
        port.SetActive(true);
        port.SetDeviceName(meter.Path()); // the same name: nothing happens
        QVERIFY(log.errors.isEmpty());
        QVERIFY_THROWS_EXCEPTION(ESerialError, port.SetDeviceName(QStringLiteral("/dev/other")));
        QCOMPARE(log.errors[0].Message(), TSerialPort::OpenPortText());
        QCOMPARE(port.DeviceName(), meter.Path());
    }

    void rxCharOnlyWhileAttached() {
        FarEnd meter;
        QVERIFY(meter.Open());
        TSerialPort port;
        int events = 0;
        port.SetDeviceName(meter.Path());
        port.SetActive(true);
        QVERIFY(meter.Write("KEEP"));
        QVERIFY(QTest::qWaitFor([&] { return port.BytesWaiting() == 4; }, 3000));
        QCOMPARE(events, 0); // detached: the bytes just wait in the queue

        port.SetOnRxChar([&](TSerialPort* sender) {
            ++events;
            QCOMPARE(sender, &port);
            char buffer[64];
            sender->ReadData(buffer, int(sender->BytesWaiting()), false);
        });
        QVERIFY(meter.Write("MORE"));
        QVERIFY(QTest::qWaitFor([&] { return events > 0 && port.BytesWaiting() == 0; }, 3000));
    }

    void vanishingDeviceClosesOnce() {
        FarEnd meter;
        QVERIFY(meter.Open());
        ErrorLog log;
        TSerialPort port;
        port.SetOnError(log.Handler());
        int events = 0;
        port.SetOnRxChar([&](TSerialPort* sender) {
            ++events;
            char buffer[256];
            sender->ReadData(buffer, int(qMin<uint32_t>(sender->BytesWaiting(), 256)), false);
        });
        port.SetDeviceName(meter.Path());
        port.SetActive(true);
        QVERIFY(meter.Write("abc"));
        QVERIFY(QTest::qWaitFor([&] { return events > 0; }, 3000));

        meter.device.Close(); // the adapter is unplugged
        QVERIFY(QTest::qWaitFor([&] { return !port.Active(); }, 3000));
        QTest::qWait(200);
        QCOMPARE(log.errors.size(), 1);
        QVERIFY(shown.isEmpty());

        // Writing to it afterwards aborts quietly, and a new device opens fine.
        const char b = 'A';
        QVERIFY(!RunGuarded([&] { port.WriteData(&b, 1, false); }));
        FarEnd other;
        QVERIFY(other.Open());
        port.SetDeviceName(other.Path());
        port.SetActive(true);
        QVERIFY(port.Active());
    }
};

QTEST_GUILESS_MAIN(TestSerialPort)
#include "tst_serial_port.moc"
