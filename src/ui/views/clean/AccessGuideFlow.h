#pragma once
// What the full-disk-access guide does, apart from how it looks: it waits for
// the user to open the settings page, then watches for the grant (a probe
// once a second, and again whenever the application becomes active), shows
// the happy state for 1.1 s and finishes. Skipping finishes at once. The
// guide finishes exactly once and stores nothing; the host removes it.
#include <QObject>
#include <QPointer>
#include <chrono>
#include <functional>

namespace sorbeta {

class AccessGuideFlow final : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool waiting READ waiting NOTIFY waitingChanged)
    Q_PROPERTY(bool granted READ granted NOTIFY grantedChanged)

public:
    static constexpr std::chrono::milliseconds pollInterval{1000};
    static constexpr std::chrono::milliseconds successPause{1100};

    // Runs `fire` once after the delay unless `context` is gone by then. The
    // real one is a single-shot timer; tests pass one they fire by hand.
    using Scheduler =
        std::function<void(std::chrono::milliseconds delay, QObject* context, std::function<void()> fire)>;

    struct Services {
        std::function<bool()> probe;         // empty: Access::hasFullDisk
        std::function<void()> openSettings;  // empty: the system's privacy page (nothing on Linux)
        Scheduler schedule;                  // empty: QTimer::singleShot
    };

    explicit AccessGuideFlow(std::function<void(bool)> finish, Services services = {}, QObject* parent = nullptr);

    bool waiting() const { return waiting_; }
    bool granted() const { return granted_; }
    bool isOver() const { return over_; }

    // The open-settings button: opens the page (again) and starts watching.
    // The watch starts once; a second press does not restart its rhythm.
    void openSettings();
    // "先跳过": finishes with false, unless access was already seen.
    void skip();
    // The application became active (not its initial state): catches the user
    // coming back from the settings.
    void applicationBecameActive();

signals:
    void waitingChanged();
    void grantedChanged();

private:
    void pollPass();
    void succeed();
    void finishOnce(bool granted);

    std::function<void(bool)> finish_;
    Services services_;
    bool waiting_ = false;
    bool granted_ = false;
    bool polling_ = false;
    bool over_ = false;
};

}  // namespace sorbeta
