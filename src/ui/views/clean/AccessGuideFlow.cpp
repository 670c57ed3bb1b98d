#include "ui/views/clean/AccessGuideFlow.h"

#include <QTimer>

#include "model/disk/Access.h"

namespace sorbeta {

AccessGuideFlow::AccessGuideFlow(std::function<void(bool)> finish, Services services, QObject* parent)
    : QObject(parent), finish_(std::move(finish)), services_(std::move(services)) {
    if (!services_.probe) services_.probe = [] { return Access::hasFullDisk(); };
    if (!services_.openSettings) {
        // The privacy page lives in the macOS System Settings; Linux has no
        // such gate and nothing to open.
        services_.openSettings = [] {};
    }
    if (!services_.schedule) {
        services_.schedule = [](std::chrono::milliseconds delay, QObject* context, std::function<void()> fire) {
            QTimer::singleShot(delay, Qt::PreciseTimer, context, std::move(fire));
        };
    }
}

void AccessGuideFlow::openSettings() {
    if (over_ || granted_) return;
    // Whether the page opened is not examined: the guide waits either way.
    services_.openSettings();
    if (!waiting_) {
        waiting_ = true;
        emit waitingChanged();
    }
    if (!polling_) {
        polling_ = true;
        pollPass();  // each pass probes before it sleeps
    }
}

void AccessGuideFlow::pollPass() {
    if (over_ || granted_) return;
    if (services_.probe()) {
        succeed();
        return;
    }
    services_.schedule(pollInterval, this, [this] { pollPass(); });
}

void AccessGuideFlow::applicationBecameActive() {
    if (!waiting_ || granted_ || over_) return;
    if (services_.probe()) succeed();
}

void AccessGuideFlow::skip() {
    if (granted_) return;  // the skip button is gone once access was seen
    finishOnce(false);
}

void AccessGuideFlow::succeed() {
    if (granted_ || over_) return;
    // Set before the pause, so a poll pass or an activation during it does
    // nothing.
    granted_ = true;
    emit grantedChanged();
    services_.schedule(successPause, this, [this] { finishOnce(true); });
}

void AccessGuideFlow::finishOnce(bool granted) {
    if (over_) return;
    over_ = true;
    // A copy: the host may delete the guide, and this object, from inside.
    const std::function<void(bool)> finish = finish_;
    if (finish) finish(granted);
}

}  // namespace sorbeta
