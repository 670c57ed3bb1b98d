#pragma once
// Small awaitables for coroutines on the GUI thread.
#include <QTimer>
#include <chrono>
#include <qcoro/qcorotask.h>
#include <qcoro/qcorotimer.h>

namespace sorbeta {

// Suspends the calling coroutine for the given time on a monotonic timer.
inline QCoro::Task<> sleepFor(std::chrono::milliseconds duration) {
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    timer.start(duration);
    co_await qCoro(timer).waitForTimeout();
}

}  // namespace sorbeta
