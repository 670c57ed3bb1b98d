#include "model/common/WorkPool.h"

#include <QSemaphore>
#include <QThreadPool>
#include <memory>

#include "platform/ThreadPriority.h"

namespace sorbeta {

QThreadPool* workPool() {
    // Like Qt's global pool, it waits at exit for what still runs on it.
    static QThreadPool pool;
    return &pool;
}

void yieldWorkToInterface() {
    // Threads that stay are the only ones the pool ever uses, so each one
    // steps back once, at its start.
    QThreadPool& pool = *workPool();
    pool.setExpiryTimeout(-1);
    const int threads = pool.maxThreadCount();
    auto arrived = std::make_shared<QSemaphore>();
    for (int i = 0; i < threads; ++i) {
        pool.start([arrived, threads] {
            platform::yieldToInterface();
            // Held until all have arrived, so each lands on a thread of its
            // own; never for long, whatever happens.
            arrived->release();
            if (arrived->tryAcquire(threads, 2000)) arrived->release(threads);
        });
    }
}

namespace {

std::stop_source& leaving() {
    static std::stop_source source;
    return source;
}

}  // namespace

std::stop_token leavingToken() { return leaving().get_token(); }

void finishWork() {
    leaving().request_stop();
    workPool()->waitForDone();
}

}  // namespace sorbeta
