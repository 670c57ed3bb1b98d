#pragma once
// Background upkeep while the application runs: 90 seconds after start and
// then 30 minutes after each pass has finished, it re-reads the volume, warns
// about low space and memory pressure, runs the automatic cleaning rules,
// lets the holding area drop expired batches and may record the day's
// snapshot. It owns the upkeep settings (saved on every change) and switches
// launching at login. Lives on the GUI thread; file work runs on workers.
//
// This is the one place that deletes files without asking: the automatic
// clean uses the same targets, safety test and removal as the manual clean,
// only ever for safe catalog rules, and never while a scan or another clean
// runs or a question waits for the user's answer.
#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <qcoro/qcorotask.h>

#include "model/care/CareSettings.h"
#include "model/disk/Measure.h"
#include "model/status/StatusTypes.h"
#include "platform/Places.h"

namespace sorbeta {

class AppModel;
class HistoryModel;
class HoldingModel;
struct CleanSpec;

// The last automatic clean that freed something (kept in memory only).
struct AutoClean {
    QDateTime date;  // when it ended, UTC
    int64_t bytes = 0;
    QStringList names;  // the rules cleaned, in rule order

    bool operator==(const AutoClean&) const = default;
};

// A read-write handle on one rule of Maintenance::settings(), found by its
// catalog id: what a rule row edits.
struct RuleBinding {
    std::function<AutoRule()> get;
    std::function<void(const AutoRule&)> set;
};

class Maintenance final : public QObject {
    Q_OBJECT
    Q_PROPERTY(sorbeta::CareSettings settings READ settings WRITE setSettings NOTIFY settingsChanged)
    Q_PROPERTY(std::optional<sorbeta::AutoClean> lastAutoClean READ lastAutoClean WRITE setLastAutoClean NOTIFY
                   lastAutoCleanChanged)
    Q_PROPERTY(bool launchAtLogin READ launchAtLogin WRITE setLaunchAtLogin NOTIFY launchAtLoginChanged)
    Q_PROPERTY(int enabledRuleCount READ enabledRuleCount NOTIFY settingsChanged)

public:
    // The loop's rhythm.
    static constexpr std::chrono::seconds kFirstDelay{90};
    static constexpr std::chrono::seconds kInterval{1800};
    // The least time between two alerts of one kind.
    static constexpr int64_t kLowSpaceSpacingSeconds = 43'200;
    static constexpr int64_t kMemorySpacingSeconds = 7'200;
    // Memory pressure from which the memory alert is posted (critical).
    static constexpr int kCriticalPressure = 4;

    // What upkeep asks of the system; tests hand in fakes.
    struct Environment {
        // Whose defaults hold the settings, whose login items hold ours.
        platform::Places places;
        // The moment a pass starts; empty: the current time.
        std::function<QDateTime()> now;
        // Read on a worker; empty: the file system that holds the home.
        std::function<DiskScanner::Volume()> volume;
        // Read on a worker, only while the memory alert is on; empty: the system's figures.
        std::function<MemoryBreakdown()> memory;
        // Posts one notification at once; empty: the desktop's notification service.
        std::function<void(const QString& title, const QString& body)> notify;
        // Calls `wake` once after `delay` on a clock that keeps counting while
        // the machine sleeps; a later call replaces a pending one. Empty: the
        // boot-time clock.
        std::function<void(std::chrono::seconds delay, std::function<void()> wake)> schedule;
        // Whether the history page is offered (the daily snapshot serves it only).
        bool historyVisible = false;
        // The program the login item starts; empty: this executable.
        QString program;

        static Environment system(const platform::Places& places);
    };

    // Loads the stored settings (without saving them).
    Maintenance(AppModel& model, HistoryModel& history, Environment environment, QObject* parent = nullptr);
    ~Maintenance() override;

    const CareSettings& settings() const { return settings_; }
    // Saves a value that differs from the current one; an equal one changes nothing.
    void setSettings(CareSettings settings);
    RuleBinding ruleBinding(const std::string& itemID);

    const std::optional<AutoClean>& lastAutoClean() const { return lastAutoClean_; }
    void setLastAutoClean(std::optional<AutoClean> value);

    HoldingModel* holding() const;
    void setHolding(HoldingModel* holding);

    // Read from the autostart folder on every call.
    bool launchAtLogin() const;
    // Writes or removes our autostart entry; a failure is dropped, and the
    // change is announced either way so views read the real state again.
    void setLaunchAtLogin(bool on);

    int enabledRuleCount() const;

    // Whether a question waits on screen for the user's answer: most often
    // whether to clean, or what to do about running applications before a
    // clean. The automatic clean waits meanwhile; cleaning under it would
    // leave the model busy when the answer comes, and the clean the user
    // just confirmed would be dropped. Without `onScreen`: whether the
    // model's dialog centre holds a question.
    void setQuestionOnScreen(std::function<bool()> onScreen);
    bool userIsAsked() const;

    // Starts the loop once; later calls do nothing.
    void start();
    bool started() const { return started_; }

    // One pass of upkeep; `now` is when the loop woke.
    QCoro::Task<> tick(QDateTime now);
    // The automatic clean of one pass.
    QCoro::Task<> runRules();

signals:
    void settingsChanged();
    void lastAutoCleanChanged();
    void launchAtLoginChanged();
    void holdingChanged();

private:
    void arm(std::chrono::seconds delay);
    void wake();
    QCoro::Task<> pass();
    QDateTime currentTime() const;
    void notify(const QString& title, const QString& body);
    static bool alertMustWait(std::optional<QDateTime>& last, const QDateTime& now, qint64 spacing);
    void alertLowSpace(const QDateTime& now, int64_t freeBytes);
    QCoro::Task<> alertMemory(QDateTime now);
    QCoro::Task<> recordDailySnapshot(QDateTime now);

    CareSettings settings_;
    std::optional<AutoClean> lastAutoClean_;
    QPointer<AppModel> model_;
    QPointer<HistoryModel> history_;
    QPointer<HoldingModel> holding_;
    Environment environment_;
    bool started_ = false;
    std::optional<QDateTime> lastLowSpaceAlert_;
    std::optional<QDateTime> lastMemoryAlert_;
    QObject* timer_ = nullptr;  // the boot-clock timer, made on first use
    std::function<bool()> questionOnScreen_;
};

}  // namespace sorbeta

Q_DECLARE_METATYPE(sorbeta::CareSettings)
Q_DECLARE_METATYPE(sorbeta::AutoClean)
