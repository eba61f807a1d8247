#include "app/delay.h"

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
