#pragma once
// Small awaitables for coroutines on the GUI thread.
//
// Awaited tasks and futures are named, never awaited as temporaries: g++ 12
// destroys temporaries inside a co_await expression twice
// (https://gcc.gnu.org/bugzilla/show_bug.cgi?id=99576). Every
// `auto task = …; co_await task;` in Sorbeta is written that way for this
// reason; the other places only point here.
#include <qcoro/qcorotask.h>
#include <qcoro/qcorotimer.h>
#include <QTimer>
#include <chrono>

namespace sorbeta {

// Suspends the calling coroutine for the given time on a monotonic timer.
inline QCoro::Task<> sleepFor(std::chrono::milliseconds duration) {
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    timer.start(duration);
    auto awaitable = qCoro(timer);
    QCoro::Task<> timeout = awaitable.waitForTimeout();  // named: see the note above
    co_await timeout;
}

}  // namespace sorbeta
