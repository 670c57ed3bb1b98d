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
    // Named, not awaited as temporaries: g++ 12 destroys temporaries inside a
    // co_await expression twice.
    auto awaitable = qCoro(timer);
    QCoro::Task<> timeout = awaitable.waitForTimeout();
    co_await timeout;
}

}  // namespace sorbeta
