// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/EventLoopClock.h"

#include <QEventLoop>
#include <QTimer>

namespace tessaro::link {

EventLoopClock::EventLoopClock() {
    elapsed_.start();
}

Micros EventLoopClock::now() {
    return Micros(elapsed_.nsecsElapsed() / 1000);
}

void EventLoopClock::wait(int ms) {
    QEventLoop loop;
    QTimer Timer1;
    Timer1.setObjectName("Timer1");
    Timer1.setSingleShot(true);
    Timer1.setTimerType(Qt::PreciseTimer);
    QObject::connect(&Timer1, &QTimer::timeout, &loop, &QEventLoop::quit);
    Timer1.start(ms);
    loop.exec();
}

} // namespace tessaro::link
