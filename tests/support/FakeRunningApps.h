#pragma once
// A running-applications list for tests: applications are added by hand,
// terminate() is recorded, and an application quits on it only when told to.
#include <QString>
#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/RunningApps.h"

namespace sorbeta::test {

class FakeApp final : public platform::RunningApp {
public:
    FakeApp(QString id, QString name, bool quitsOnTerminate)
        : id_(std::move(id)), name_(std::move(name)), quitsOnTerminate_(quitsOnTerminate) {}

    QString identifier() const override { return id_; }
    QString name() const override { return name_; }
    void terminate() override {
        ++terminateCalls;
        if (quitsOnTerminate_) terminated = true;
    }
    bool isTerminated() const override { return terminated; }

    std::atomic<int> terminateCalls{0};
    std::atomic<bool> terminated{false};

private:
    QString id_;
    QString name_;
    bool quitsOnTerminate_;
};

class FakeRunningApps final : public platform::RunningApps {
public:
    std::shared_ptr<FakeApp> add(QString id, QString name = {}, bool quitsOnTerminate = true) {
        auto app = std::make_shared<FakeApp>(std::move(id), std::move(name), quitsOnTerminate);
        std::lock_guard guard(lock_);
        apps_.push_back(app);
        return app;
    }

    // Applications that have not quit, as a fresh read of the system would give.
    std::vector<platform::RunningAppPtr> list() const override {
        std::lock_guard guard(lock_);
        ++reads_;
        std::vector<platform::RunningAppPtr> out;
        for (const auto& app : apps_)
            if (!app->terminated) out.push_back(app);
        return out;
    }

    int reads() const { return reads_; }

private:
    mutable std::mutex lock_;
    mutable std::atomic<int> reads_{0};
    std::vector<std::shared_ptr<FakeApp>> apps_;
};

}  // namespace sorbeta::test
