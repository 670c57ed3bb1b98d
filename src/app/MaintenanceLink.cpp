#include "app/MaintenanceLink.h"

#include "model/catalog/Catalog.h"
#include "ui/views/care/RuleRow.h"

namespace sorbeta {

MaintenanceLink::MaintenanceLink(Maintenance& care, QObject* parent) : CareLink(parent), care_(&care) {
    connect(&care, &Maintenance::settingsChanged, this, &CareLink::settingsChanged);
    connect(&care, &Maintenance::launchAtLoginChanged, this, &CareLink::launchAtLoginChanged);
    connect(&care, &Maintenance::lastAutoCleanChanged, this, &CareLink::lastAutoCleanChanged);
}

CareLink::Alerts MaintenanceLink::alerts() const {
    const CareSettings& settings = care_->settings();
    return {settings.lowSpaceAlert, settings.lowSpaceGB, settings.memoryAlert};
}

void MaintenanceLink::setAlerts(const Alerts& alerts) {
    CareSettings settings = care_->settings();
    settings.lowSpaceAlert = alerts.lowSpaceAlert;
    settings.lowSpaceGB = alerts.lowSpaceGB;
    settings.memoryAlert = alerts.memoryAlert;
    care_->setSettings(std::move(settings));
}

bool MaintenanceLink::dailySnapshot() const { return care_->settings().dailySnapshot; }

void MaintenanceLink::setDailySnapshot(bool on) {
    CareSettings settings = care_->settings();
    settings.dailySnapshot = on;
    care_->setSettings(std::move(settings));
}

bool MaintenanceLink::launchAtLogin() const { return care_->launchAtLogin(); }

void MaintenanceLink::setLaunchAtLogin(bool on) { care_->setLaunchAtLogin(on); }

std::vector<std::string> MaintenanceLink::ruleIDs() const {
    std::vector<std::string> ids;
    for (const AutoRule& rule : care_->settings().rules) ids.push_back(rule.itemID);
    return ids;
}

QWidget* MaintenanceLink::makeRuleRow(const std::string& itemID, std::optional<int64_t> current,
                                      std::function<void()> changed, QWidget* parent) {
    const CleanSpec* spec = Catalog::cleanable(itemID);
    if (!spec) return new QWidget(parent);
    auto* row = new RuleRow(care_->ruleBinding(itemID), *spec, current, std::move(changed), parent);
    // Another row's edit replaces the settings; this row reads its own rule again.
    connect(care_, &Maintenance::settingsChanged, row, &RuleRow::refresh);
    return row;
}

bool MaintenanceLink::ruleEnabled(const std::string& itemID) const {
    for (const AutoRule& rule : care_->settings().rules)
        if (rule.itemID == itemID) return rule.enabled;
    return false;
}

std::optional<CareLink::LastClean> MaintenanceLink::lastAutoClean() const {
    const std::optional<AutoClean>& last = care_->lastAutoClean();
    if (!last) return std::nullopt;
    return LastClean{last->date, last->bytes};
}

}  // namespace sorbeta
