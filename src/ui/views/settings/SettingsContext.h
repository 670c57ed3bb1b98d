#pragma once
// What the settings pages read and change, handed in by the application:
// the app's own settings, the sound player, the relaunch of a language
// change, the access probe, the scan's items, the update checker and the
// upkeep object (through CareLink).
#include <QDateTime>
#include <QObject>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/disk/Access.h"
#include "model/shell/AppLanguage.h"

namespace sorbeta {

class AppModel;
class AppSettings;
class SoundFX;
namespace platform {
class Updater;
}

// The upkeep object as the alert, general and automatic-cleaning pages see
// it: a few fields of its settings, launch at login, the rule rows and the
// last automatic clean. Every write replaces the stored settings at once.
class CareLink : public QObject {
    Q_OBJECT
public:
    struct Alerts {
        bool lowSpaceAlert = false;
        double lowSpaceGB = 30;  // decimal gigabytes
        bool memoryAlert = false;
        bool operator==(const Alerts&) const = default;
    };
    struct LastClean {
        QDateTime date;
        int64_t bytes = 0;
    };

    using QObject::QObject;

    virtual Alerts alerts() const = 0;
    virtual void setAlerts(const Alerts& alerts) = 0;
    virtual bool dailySnapshot() const = 0;
    virtual void setDailySnapshot(bool on) = 0;
    virtual bool launchAtLogin() const = 0;
    virtual void setLaunchAtLogin(bool on) = 0;
    // The ids of the automatic rules, in stored order.
    virtual std::vector<std::string> ruleIDs() const = 0;
    // The row editing the rule with this id (found by id whenever it writes);
    // `changed` runs after the user switched the rule.
    virtual QWidget* makeRuleRow(const std::string& itemID, std::optional<int64_t> current,
                                 std::function<void()> changed, QWidget* parent) = 0;
    // Whether the rule is on now.
    virtual bool ruleEnabled(const std::string& itemID) const = 0;
    virtual std::optional<LastClean> lastAutoClean() const = 0;

signals:
    void settingsChanged();
    void launchAtLoginChanged();
    void lastAutoCleanChanged();
};

struct SettingsContext {
    AppSettings* settings = nullptr;
    SoundFX* sound = nullptr;  // the sample played when sounds are switched on
    AppLanguage::Relaunch relaunch;
    Access::Probe fullDisk;
    AppModel* model = nullptr;             // the last scan's items for the rule rows; its phase for the language picker
    platform::Updater* updater = nullptr;  // none: no update card
    CareLink* care = nullptr;              // none: the upkeep rows are left out
    // Whether the app keeps running once its window is closed (a tray icon
    // shows it); without, the upkeep runs only while the window is open.
    bool staysInTray = true;
    // Asks for leave to post notifications when an alert or rule is switched on.
    std::function<void()> askNotificationPermission;
    // Opens the privacy settings page.
    std::function<void()> openPrivacySettings;
};

}  // namespace sorbeta
