#pragma once
// The user's choices for background upkeep: when to warn about low space and
// memory, whether to record a daily snapshot, and the automatic cleaning
// rules, each a safe catalog rule with a size threshold. Stored as one JSON
// value under "careSettings" in the app's defaults.
#include <QByteArray>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Defaults.h"

namespace sorbeta {

// One automatic cleaning rule; its identity is the catalog rule it cleans.
struct AutoRule {
    std::string itemID;  // the id of a safe row of Catalog::cleanables()
    bool enabled = false;
    double thresholdGB = 0;  // decimal gigabytes (10^9 bytes)

    bool operator==(const AutoRule&) const = default;
};

struct CareSettings {
    // The low-space threshold the alert page offers, in decimal gigabytes.
    static constexpr double kMinLowSpaceGB = 5, kMaxLowSpaceGB = 200;

    bool lowSpaceAlert = false;
    double lowSpaceGB = 30;  // decimal gigabytes
    bool memoryAlert = false;
    bool dailySnapshot = true;
    std::vector<AutoRule> rules = defaultRules();

    bool operator==(const CareSettings&) const = default;

    // The 13 rules upkeep can run, with their first thresholds, in order.
    static const std::vector<std::pair<std::string, double>>& defaultThresholds();
    // The same as rules, all switched off.
    static const std::vector<AutoRule>& defaultRules();

    // The stored settings: fresh ones when nothing readable is stored; a
    // readable value gets the default rules it lacks appended and loses the
    // rules that name no safe catalog row, and its low-space threshold is
    // kept inside the range the alert page offers. Writes nothing.
    static CareSettings load(const platform::Defaults& defaults);
    // Stores the settings; one that cannot be written as JSON (a threshold
    // that is not a finite number) leaves the stored value as it was.
    void save(platform::Defaults& defaults) const;

    // The JSON form; none for a value JSON cannot hold.
    std::optional<QByteArray> encoded() const;
    // Every key present with its type, or nothing; unknown keys are ignored.
    static std::optional<CareSettings> decoded(const QByteArray& json);
};

namespace CareMath {

// The enabled rules whose measured size (`sizes`: catalog id → bytes; a
// missing id counts as 0) has reached their threshold, in rule order.
std::vector<AutoRule> due(const std::vector<AutoRule>& rules, const std::map<std::string, int64_t>& sizes);

// A threshold in gigabytes as the whole number a label shows (the fraction
// dropped); kept inside what a 64-bit integer holds, 0 for a value that is
// not a number.
int64_t wholeGB(double gigabytes);

}  // namespace CareMath

}  // namespace sorbeta
