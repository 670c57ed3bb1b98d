#pragma once
// A single-shot timer on the boot-time clock, which keeps counting while the
// machine is suspended: a wait of 30 minutes ends 30 minutes of wall time
// later even when the lid was closed in between. A timerfd behind a socket
// notifier; where the kernel refuses one, a plain monotonic timer.
#include <QObject>
#include <chrono>
#include <memory>

class QSocketNotifier;
class QTimer;

namespace sorbeta::platform {

class BootTimer final : public QObject {
    Q_OBJECT

public:
    explicit BootTimer(QObject* parent = nullptr);
    ~BootTimer() override;

    // Fires once `delay` from now; a new start replaces a pending one.
    void start(std::chrono::milliseconds delay);
    void stop();
    bool isActive() const { return active_; }
    // Whether the boot-time clock is in use (else the monotonic fallback).
    bool onBootClock() const { return fd_ >= 0; }

signals:
    void timeout();

private:
    void fire();

    int fd_ = -1;
    bool active_ = false;
    QSocketNotifier* notifier_ = nullptr;
    QTimer* fallback_ = nullptr;
};

}  // namespace sorbeta::platform
