// SPDX-License-Identifier: GPL-3.0-or-later
// The waits between the steps of the port's sequences, on the real clock: a step
// never comes before its time, a newer step takes the place of a pending one, a
// dropped step never comes, and a step that fails ends at the handler boundary.
#include "base/handler_guard.h"
#include "base/step_timer.h"

#include <QElapsedTimer>
#include <QTest>
#include <stdexcept>

class TestStepTimer : public QObject {
    Q_OBJECT

private slots:
    void neverBeforeItsTime_data() {
        QTest::addColumn<int>("ms");
        QTest::newRow("no wait") << 0;
        QTest::newRow("short") << 30;
        QTest::newRow("a reply's wait") << 500;
    }
    void neverBeforeItsTime() {
        QFETCH(int, ms);
        StepTimer steps;
        QElapsedTimer clock;
        qint64 ranAt = -1;
        clock.start();
        steps.After(uint32_t(ms), [&] { ranAt = clock.elapsed(); });
        QVERIFY(steps.Pending());
        QCOMPARE(ranAt, -1); // never within the call
        QVERIFY(QTest::qWaitFor([&] { return ranAt >= 0; }, ms + 5000));
        QVERIFY2(ranAt > ms, qPrintable(QString::number(ranAt)));
        QVERIFY(!steps.Pending());
    }

    // One step pending at a time; a step may arm the next.
    void aNewerStepTakesThePlace() {
        StepTimer steps;
        QStringList ran;
        steps.After(40, [&] { ran << "first"; });
        steps.After(10, [&] {
            ran << "second";
            steps.After(10, [&] { ran << "third"; });
        });
        QVERIFY(QTest::qWaitFor([&] { return ran.size() == 2; }, 5000));
        QTest::qWait(100);
        QCOMPARE(ran, (QStringList{"second", "third"}));
    }

    void stopDropsThePendingStep() {
        StepTimer steps;
        bool ran = false;
        steps.After(10, [&] { ran = true; });
        steps.Stop();
        QVERIFY(!steps.Pending());
        QTest::qWait(100);
        QVERIFY(!ran);
    }

    void aFailingStepIsShown() {
        QStringList shown;
        const ExceptionDisplay old =
            SetExceptionDisplay([&](const QString& text) { shown << text; });
        StepTimer steps;
        bool next = false;
        steps.After(0, [&] {
            steps.After(0, [&] { next = true; });
            throw std::runtime_error("the port went away");
        });
        const bool ran = QTest::qWaitFor([&] { return next; }, 5000);
        SetExceptionDisplay(old);
        QVERIFY(ran); // the step armed before it failed still runs
        QCOMPARE(shown, QStringList{"the port went away"});
    }
};

QTEST_GUILESS_MAIN(TestStepTimer)
#include "tst_step_timer.moc"
