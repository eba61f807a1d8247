// SPDX-License-Identifier: GPL-3.0-or-later
// Work on a worker thread: it runs off the creating thread, reports progress and
// sees the cancel mark; Done comes once, on the creating thread, also when the
// end is waited for; an exception in the work becomes a failure text.

#include "base/background_task.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <atomic>
#include <stdexcept>

class TestBackgroundTask : public QObject {
    Q_OBJECT
private slots:
    void runsOffThisThreadAndEndsHere() {
        std::atomic<QThread*> worker{nullptr};
        BackgroundTask task([&](BackgroundTask& t) {
            worker = QThread::currentThread();
            for (int i = 1; i <= 5; ++i)
                t.Step(i);
        });
        QThread* doneOn = nullptr;
        connect(&task, &BackgroundTask::Done, this, [&] { doneOn = QThread::currentThread(); });
        QSignalSpy done(&task, &BackgroundTask::Done);
        QVERIFY(!task.Running());
        task.Start();
        QVERIFY(task.Running());
        QVERIFY(done.wait(5000));
        QCOMPARE(done.size(), 1);
        QVERIFY(worker.load() && worker.load() != QThread::currentThread());
        QCOMPARE(doneOn, QThread::currentThread());
        QCOMPARE(task.Progress(), 5);
        QVERIFY(task.Ended() && !task.Running());
        QVERIFY(task.Failure().isEmpty());
    }

    void cancelAndWait() {
        BackgroundTask task([](BackgroundTask& t) {
            for (int i = 1; t.Step(i); ++i)
                QThread::msleep(1);
        });
        QSignalSpy done(&task, &BackgroundTask::Done);
        task.Start();
        QTRY_VERIFY(task.Progress() > 2);
        task.Cancel();
        task.Wait(); // Done now, not later
        QCOMPARE(done.size(), 1);
        QTest::qWait(20);
        QCOMPARE(done.size(), 1);
    }

    void failureIsKept() {
        BackgroundTask task([](BackgroundTask&) { throw std::bad_alloc(); });
        task.Start();
        task.Wait();
        QCOMPARE(task.Failure(), QStringLiteral("there is not enough memory"));
        BackgroundTask other([](BackgroundTask&) { throw std::runtime_error("disk gone"); });
        other.Start();
        other.Wait();
        QCOMPARE(other.Failure(), QStringLiteral("disk gone"));
    }

    // A task destroyed while it runs is cancelled and waited for, not torn down under it.
    void destroyedWhileRunning() {
        std::atomic<bool> ended{false};
        {
            BackgroundTask task([&](BackgroundTask& t) {
                while (t.Step(0))
                    QThread::msleep(1);
                ended = true;
            });
            task.Start();
            QThread::msleep(5);
        }
        QVERIFY(ended);
    }
};

QTEST_GUILESS_MAIN(TestBackgroundTask)
#include "tst_background_task.moc"
