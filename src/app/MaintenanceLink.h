#pragma once
// The upkeep object as the settings pages see it (CareLink over Maintenance).
#include <QPointer>

#include "model/care/Maintenance.h"
#include "ui/views/settings/SettingsContext.h"

namespace sorbeta {

class MaintenanceLink final : public CareLink {
public:
    explicit MaintenanceLink(Maintenance& care, QObject* parent = nullptr);

    Alerts alerts() const override;
    void setAlerts(const Alerts& alerts) override;
    bool dailySnapshot() const override;
    void setDailySnapshot(bool on) override;
    bool launchAtLogin() const override;
    void setLaunchAtLogin(bool on) override;
    std::vector<std::string> ruleIDs() const override;
    QWidget* makeRuleRow(const std::string& itemID, std::optional<int64_t> current, std::function<void()> changed,
                         QWidget* parent) override;
    bool ruleEnabled(const std::string& itemID) const override;
    std::optional<LastClean> lastAutoClean() const override;

private:
    QPointer<Maintenance> care_;
};

}  // namespace sorbeta
