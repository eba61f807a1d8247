#include "app/delay.h"

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
        loop.exec();
    }
    return static_cast<uint32_t>(clock.elapsed());
}

uint32_t WaitWhile(const std::function<bool()>& condition, uint32_t maxMs) {
    QElapsedTimer clock;
    clock.start();
    // Only wakes the wait at the end; the condition changes in event handlers.
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.start(static_cast<int>(maxMs));
    while (condition() && static_cast<uint64_t>(clock.elapsed()) < maxMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return static_cast<uint32_t>(clock.elapsed());
}
