#pragma once
// Keeps every thread of the work pool busy until released, so work a test
// queues meanwhile cannot end before the test has changed what it wants to
// change. Without it a loaded machine may finish the work before the caller
// awaits it, and the caller then goes on at once, before the change.
#include <QSemaphore>
#include <QThreadPool>
#include <QtConcurrent>

#include <memory>

#include "model/common/WorkPool.h"

namespace sorbeta::test {

class PoolHold {
public:
    PoolHold() : threads_(workPool()->maxThreadCount()) {
        for (int i = 0; i < threads_; ++i)
            (void)QtConcurrent::run(workPool(), [state = state_] {
                state->arrived.release();
                state->gate.acquire();
            });
        state_->arrived.acquire(threads_);  // every thread is held now
    }
    ~PoolHold() { release(); }
    PoolHold(const PoolHold&) = delete;
    PoolHold& operator=(const PoolHold&) = delete;

    void release() {
        if (released_) return;
        released_ = true;
        state_->gate.release(threads_);
    }

private:
    struct State {
        QSemaphore arrived;
        QSemaphore gate;
    };
    std::shared_ptr<State> state_ = std::make_shared<State>();
    int threads_;
    bool released_ = false;
};

}  // namespace sorbeta::test
