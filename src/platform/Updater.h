#pragma once
// The update checker: reads the release feed on request and, while automatic
// checks are on, once every 24 hours; tells whether a newer version exists.
// Its own settings (automatic checks, the date of the last completed check)
// live in the "Updater" group of the app's defaults. Without a feed (a build
// that set no address) it never starts: no check can start, no timer runs,
// nothing goes to the network. Main thread only.
#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "platform/Defaults.h"
#include "platform/UpdateFeed.h"

namespace sorbeta::platform {

struct UpdateCheckResult {
    enum class Outcome { upToDate, newer, failed };
    Outcome outcome = Outcome::failed;
    Release release;  // what the feed announced (not for failed)
    QString error;    // why it failed
};

class Updater final : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool canCheck READ canCheck NOTIFY canCheckChanged)

public:
    static constexpr std::chrono::hours kInterval{24};
    // A check that failed on its own is tried again after this long.
    static constexpr std::chrono::hours kRetry{1};
    // The first automatic check waits this long after start, away from the
    // busy launch.
    static constexpr std::chrono::seconds kFirstDelay{60};
    // A feed that has not answered by then counts as failed.
    static constexpr std::chrono::seconds kWatchdog{30};

    static constexpr const char* kAutomaticKey = "Updater/automaticallyChecksForUpdates";
    static constexpr const char* kLastCheckKey = "Updater/lastUpdateCheckDate";

    using Clock = std::function<QDateTime()>;

    struct Setup {
        std::unique_ptr<UpdateFeed> feed;  // none: the checker never starts
        QString currentVersion;
        Defaults settings;
        Clock now;  // UTC; the system clock when empty
        std::chrono::milliseconds watchdog = kWatchdog;
    };

    explicit Updater(Setup setup, QObject* parent = nullptr);
    ~Updater() override;

    // The application's checker: the build's feed address (none when unset),
    // its version and the app's defaults.
    static Setup standardSetup();

    // Starts the checker: checks may start from the next turn of the event
    // loop, and the automatic schedule begins. Does nothing without a feed or
    // when started already.
    void start();
    bool started() const { return started_; }

    // Whether a check may start now: started, and no check under way.
    bool canCheck() const { return canCheck_; }

    // Reads the feed. `userInitiated` is handed back with the result so the
    // interface speaks up only when the user asked. Ignored while a check
    // cannot start.
    void checkForUpdates(bool userInitiated);

    // On unless the user turned it off.
    bool automaticallyChecksForUpdates() const;
    void setAutomaticallyChecksForUpdates(bool on);

    // When the feed last answered; none before the first completed check.
    std::optional<QDateTime> lastUpdateCheckDate() const;

    const QString& currentVersion() const { return currentVersion_; }
    // How long the automatic schedule waited when it was last set; none while it is off.
    std::optional<std::chrono::milliseconds> nextAutomaticCheck() const;

signals:
    void canCheckChanged(bool canCheck);
    void lastUpdateCheckDateChanged();
    void checkFinished(const sorbeta::platform::UpdateCheckResult& result, bool userInitiated);

private:
    void setCanCheck(bool value);
    void finish(quint64 generation, FeedAnswer answer);
    void schedule();
    QDateTime now() const;

    std::unique_ptr<UpdateFeed> feed_;
    QString currentVersion_;
    Defaults settings_;
    Clock now_;
    std::chrono::milliseconds watchdogTime_;
    bool started_ = false;
    bool canCheck_ = false;
    bool checking_ = false;
    bool userInitiated_ = false;
    bool lastFailed_ = false;
    quint64 generation_ = 0;
    std::chrono::milliseconds scheduled_{0};
    QTimer automatic_;
    QTimer watchdog_;
};

}  // namespace sorbeta::platform
