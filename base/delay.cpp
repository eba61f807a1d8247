#include "base/delay.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

uint32_t DelayWithMessages(uint32_t ms) {
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    // The loop ends strictly after ms; a timer may fire a little early on some platforms.
    while (static_cast<uint64_t>(clock.elapsed()) <= ms) {
        timer.start(static_cast<int>(ms - clock.elapsed()) + 1);
        if (loop.exec() < 0)
            break; // the program is ending: no event loop runs any more
    }
    return static_cast<uint32_t>(clock.elapsed());
}

uint32_t WaitWhile(const std::function<bool()>& condition, uint32_t maxMs) {
    QElapsedTimer clock;
    clock.start();
    // The condition changes in event handlers; this timer only wakes the wait at
    // its end, restarted should it fire a little early.
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    while (condition()) {
        const qint64 left = static_cast<qint64>(maxMs) - clock.elapsed();
        if (left <= 0)
            break;
        if (!deadline.isActive())
            deadline.start(static_cast<int>(left) + 1);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return static_cast<uint32_t>(clock.elapsed());
}
