#include "platform/BootTimer.h"

#include <sys/timerfd.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <ctime>

namespace sorbeta::platform {

BootTimer::BootTimer(QObject* parent) : QObject(parent) {
    fd_ = ::timerfd_create(CLOCK_BOOTTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ >= 0) {
        notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, [this] {
            // Reading the expiry count re-arms the notifier; a start() that
            // came in between leaves nothing to read.
            uint64_t expirations = 0;
            if (::read(fd_, &expirations, sizeof expirations) == ssize_t(sizeof expirations) && expirations > 0) fire();
        });
    } else {
        fallback_ = new QTimer(this);
        fallback_->setSingleShot(true);
        fallback_->setTimerType(Qt::CoarseTimer);
        connect(fallback_, &QTimer::timeout, this, &BootTimer::fire);
    }
}

BootTimer::~BootTimer() {
    delete notifier_;
    if (fd_ >= 0) ::close(fd_);
}

void BootTimer::start(std::chrono::milliseconds delay) {
    active_ = true;
    if (fallback_) {
        fallback_->start(delay);
        return;
    }
    // A zero value would disarm the timer: the shortest wait is 1 ns.
    const int64_t ms = std::max<int64_t>(delay.count(), 0);
    itimerspec value{};
    value.it_value.tv_sec = time_t(ms / 1000);
    value.it_value.tv_nsec = long((ms % 1000) * 1'000'000);
    if (ms == 0) value.it_value.tv_nsec = 1;
    ::timerfd_settime(fd_, 0, &value, nullptr);
}

void BootTimer::stop() {
    active_ = false;
    if (fallback_) {
        fallback_->stop();
        return;
    }
    itimerspec value{};
    ::timerfd_settime(fd_, 0, &value, nullptr);
}

void BootTimer::fire() {
    if (!active_) return;
    active_ = false;
    emit timeout();
}

}  // namespace sorbeta::platform
