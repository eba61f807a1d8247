// SPDX-License-Identifier: GPL-3.0-or-later
// The readings waiting for the broker: handed over in order, gone only when
// acknowledged, handed again after a lost connection, and bounded by dropping the
// oldest.
#include "publish/message_queue.h"

#include <QTest>

class TestMessageQueue : public QObject {
    Q_OBJECT

    // Hands everything not yet handed, with ids from firstId up; returns the payloads.
    static QList<QByteArray> HandAll(MessageQueue& q, int firstId) {
        QList<QByteArray> handed;
        while (const QByteArray* p = q.NextToHand()) {
            handed << *p;
            q.Handed(firstId++);
        }
        return handed;
    }

    static QList<QByteArray> Numbers(int from, int to) {
        QList<QByteArray> list;
        for (int i = from; i <= to; ++i)
            list << QByteArray::number(i);
        return list;
    }

private slots:
    // Steps: p = push the next number, h = hand all (ids from 1 on each
    // connection), a<id> = acknowledge, e = connection ended.
    void deliversInOrderAtLeastOnce_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::addColumn<int>("left");
        QTest::newRow("all acknowledged") << "p p p h a1 a2 a3" << Numbers(1, 3) << 0;
        QTest::newRow("unacknowledged sent again after a loss")
            << "p p p h a1 e h" << (Numbers(1, 3) + Numbers(2, 3)) << 2;
        QTest::newRow("an early acknowledgement waits for the one before")
            << "p p p h a2 e h" << (Numbers(1, 3) + Numbers(1, 3)) << 3;
        QTest::newRow("rows while away follow the resent ones")
            << "p p h e p p h a1 a2 a3 a4" << (Numbers(1, 2) + Numbers(1, 4)) << 0;
        QTest::newRow("unknown acknowledgement changes nothing") << "p h a7" << Numbers(1, 1) << 1;
    }
    void deliversInOrderAtLeastOnce() {
        QFETCH(QString, steps);
        MessageQueue q(100);
        QList<QByteArray> sent;
        int pushed = 0;
        int nextId = 1;
        for (const QString& step : steps.split(QLatin1Char(' '))) {
            if (step == QLatin1String("p"))
                q.Push(QByteArray::number(++pushed));
            else if (step == QLatin1String("h"))
                sent << HandAll(q, std::exchange(nextId, nextId + 100));
            else if (step == QLatin1String("e")) {
                q.ConnectionEnded();
                nextId = 1;
            } else
                q.Acknowledged(step.mid(1).toInt());
        }
        // Ids were given from 1 on, one connection after another.
        QTEST(sent, "sent");
        QTEST(q.Size(), "left");
    }

    void dropsTheOldestBeyondTheBound() {
        MessageQueue q(3);
        for (int i = 1; i <= 3; ++i)
            QVERIFY(!q.Push(QByteArray::number(i)));
        QVERIFY(q.Push("4"));
        QVERIFY(q.Push("5"));
        QCOMPARE(q.Dropped(), 2);
        QCOMPARE(q.Size(), 3);
        QCOMPARE(HandAll(q, 1), Numbers(3, 5));

        // A reading in flight may be dropped too; its late acknowledgement finds
        // nothing and the rest still leave in order.
        QVERIFY(q.Push("6"));
        QCOMPARE(q.InFlight(), 2);
        q.Acknowledged(1); // "3", dropped already
        QCOMPARE(q.Size(), 3);
        q.Acknowledged(2);
        q.Acknowledged(3);
        QCOMPARE(q.Size(), 1);
        QCOMPARE(HandAll(q, 4), Numbers(6, 6));
    }

    // A day of one-second rows fits; the bound holds after that.
    void holdsADay() {
        MessageQueue q(86400);
        for (int i = 0; i < 86400; ++i)
            QVERIFY(!q.Push("r"));
        QVERIFY(q.Push("r"));
        QCOMPARE(q.Size(), 86400);
    }
};

QTEST_GUILESS_MAIN(TestMessageQueue)
#include "tst_message_queue.moc"
