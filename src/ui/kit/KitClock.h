#pragma once
// The kit's one clock: seconds since 1 January 2001 as a double. Every
// animation, pointer record and sound limit reads it, so tests can drive time.
// It advances with the monotonic clock (a wall-clock jump never makes
// animations leap) from the wall time read on first use.
#include <QDateTime>
#include <QElapsedTimer>
#include <functional>
#include <utility>

namespace sorbeta {

namespace detail {
inline std::function<double()>& kitClockOverride() {
    static std::function<double()> source;
    return source;
}
inline double kitSystemNow() {
    static const double origin = [] {
        constexpr double kUnixAt2001 = 978307200.0;  // 2001-01-01T00:00:00Z
        return static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000.0 - kUnixAt2001;
    }();
    static const QElapsedTimer timer = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return origin + static_cast<double>(timer.nsecsElapsed()) / 1e9;
}
}  // namespace detail

inline double kitNow() {
    const auto& source = detail::kitClockOverride();
    return source ? source() : detail::kitSystemNow();
}

// Replaces the clock; an empty function restores the real one. Main thread only.
inline void setKitClock(std::function<double()> source) { detail::kitClockOverride() = std::move(source); }

// A hand-driven clock for tests: installed while it lives.
class ManualKitClock {
public:
    explicit ManualKitClock(double start = 1000.0) : now_(start) {
        setKitClock([this] { return now_; });
    }
    ~ManualKitClock() { setKitClock({}); }
    ManualKitClock(const ManualKitClock&) = delete;
    ManualKitClock& operator=(const ManualKitClock&) = delete;

    double now() const { return now_; }
    void set(double seconds) { now_ = seconds; }
    void advance(double seconds) { now_ += seconds; }

private:
    double now_;
};

}  // namespace sorbeta
