#include "model/care/CareSettings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

#include "model/catalog/Catalog.h"
#include "model/shell/AppSettings.h"

namespace sorbeta {
namespace {

constexpr double kBytesPerGB = 1'000'000'000.0;

QString key() { return QString::fromLatin1(AppSettings::kCareSettings); }

bool allFinite(const CareSettings& settings) {
    return std::isfinite(settings.lowSpaceGB) &&
           std::all_of(settings.rules.begin(), settings.rules.end(),
                       [](const AutoRule& rule) { return std::isfinite(rule.thresholdGB); });
}

std::optional<AutoRule> decodedRule(const QJsonValue& value) {
    if (!value.isObject()) return std::nullopt;
    const QJsonObject object = value.toObject();
    const QJsonValue id = object.value(QLatin1String("itemID"));
    const QJsonValue enabled = object.value(QLatin1String("enabled"));
    const QJsonValue threshold = object.value(QLatin1String("thresholdGB"));
    if (!id.isString() || !enabled.isBool() || !threshold.isDouble()) return std::nullopt;
    return AutoRule{id.toString().toStdString(), enabled.toBool(), threshold.toDouble()};
}

std::set<std::string> safeIDs() {
    std::set<std::string> ids;
    for (const CleanSpec& spec : Catalog::cleanables())
        if (spec.safety == Safety::safe) ids.insert(spec.id);
    return ids;
}

}  // namespace

const std::vector<std::pair<std::string, double>>& CareSettings::defaultThresholds() {
    static const std::vector<std::pair<std::string, double>> table = {
        {"derived", 20}, {"simcache", 5}, {"xcodecache", 2}, {"npm", 5},     {"yarn", 5},      {"bun", 3}, {"pip", 3},
        {"brew", 3},     {"pods", 3},     {"spm", 5},        {"gobuild", 5}, {"devcaches", 5}, {"logs", 1}};
    return table;
}

const std::vector<AutoRule>& CareSettings::defaultRules() {
    static const std::vector<AutoRule> rules = [] {
        std::vector<AutoRule> list;
        for (const auto& [id, threshold] : defaultThresholds()) list.push_back(AutoRule{id, false, threshold});
        return list;
    }();
    return rules;
}

std::optional<QByteArray> CareSettings::encoded() const {
    // JSON has no NaN or infinity; Qt would write null, which reads back as
    // the wrong type and would throw every setting away at the next launch.
    if (!allFinite(*this)) return std::nullopt;
    QJsonArray list;
    for (const AutoRule& rule : rules)
        list.append(QJsonObject{{QLatin1String("itemID"), QString::fromStdString(rule.itemID)},
                                {QLatin1String("enabled"), rule.enabled},
                                {QLatin1String("thresholdGB"), rule.thresholdGB}});
    const QJsonObject object{{QLatin1String("lowSpaceAlert"), lowSpaceAlert},
                             {QLatin1String("lowSpaceGB"), lowSpaceGB},
                             {QLatin1String("memoryAlert"), memoryAlert},
                             {QLatin1String("dailySnapshot"), dailySnapshot},
                             {QLatin1String("rules"), list}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<CareSettings> CareSettings::decoded(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
    const QJsonObject object = document.object();
    const QJsonValue lowSpaceAlert = object.value(QLatin1String("lowSpaceAlert"));
    const QJsonValue lowSpaceGB = object.value(QLatin1String("lowSpaceGB"));
    const QJsonValue memoryAlert = object.value(QLatin1String("memoryAlert"));
    const QJsonValue dailySnapshot = object.value(QLatin1String("dailySnapshot"));
    const QJsonValue rules = object.value(QLatin1String("rules"));
    if (!lowSpaceAlert.isBool() || !lowSpaceGB.isDouble() || !memoryAlert.isBool() || !dailySnapshot.isBool() ||
        !rules.isArray())
        return std::nullopt;
    CareSettings settings;
    settings.lowSpaceAlert = lowSpaceAlert.toBool();
    settings.lowSpaceGB = lowSpaceGB.toDouble();
    settings.memoryAlert = memoryAlert.toBool();
    settings.dailySnapshot = dailySnapshot.toBool();
    settings.rules.clear();
    for (const QJsonValue& element : rules.toArray()) {
        std::optional<AutoRule> rule = decodedRule(element);
        if (!rule) return std::nullopt;
        settings.rules.push_back(std::move(*rule));
    }
    return settings;
}

CareSettings CareSettings::load(const platform::Defaults& defaults) {
    const QVariant stored = defaults.value(key());
    if (stored.typeId() != QMetaType::QByteArray) return CareSettings{};
    std::optional<CareSettings> settings = decoded(stored.toByteArray());
    if (!settings) return CareSettings{};

    // Default rules the stored list lacks come last, switched off.
    std::set<std::string> present;
    for (const AutoRule& rule : settings->rules) present.insert(rule.itemID);
    for (const AutoRule& rule : defaultRules())
        if (!present.count(rule.itemID)) settings->rules.push_back(rule);
    // Only safe catalog rules may ever be cleaned without asking.
    const std::set<std::string> safe = safeIDs();
    std::erase_if(settings->rules, [&](const AutoRule& rule) { return !safe.count(rule.itemID); });
    // Only an edit by hand stores a threshold the slider cannot make: one of
    // 0 or below would keep a switched-on alert silent however full the disk.
    settings->lowSpaceGB = std::clamp(settings->lowSpaceGB, kMinLowSpaceGB, kMaxLowSpaceGB);
    return *settings;
}

void CareSettings::save(platform::Defaults& defaults) const {
    const std::optional<QByteArray> json = encoded();
    if (!json) return;
    defaults.setValue(key(), *json);
}

namespace CareMath {

std::vector<AutoRule> due(const std::vector<AutoRule>& rules, const std::map<std::string, int64_t>& sizes) {
    std::vector<AutoRule> out;
    for (const AutoRule& rule : rules) {
        if (!rule.enabled) continue;
        const auto found = sizes.find(rule.itemID);
        const double bytes = found == sizes.end() ? 0.0 : double(found->second);
        if (bytes >= rule.thresholdGB * kBytesPerGB) out.push_back(rule);
    }
    return out;
}

int64_t wholeGB(double gigabytes) {
    if (std::isnan(gigabytes)) return 0;
    // 2^63 is the first double past the range; anything from there on (and
    // infinity) stays at the edge instead of overflowing the cast.
    constexpr double edge = 9'223'372'036'854'775'808.0;
    if (gigabytes >= edge) return std::numeric_limits<int64_t>::max();
    if (gigabytes <= -edge) return std::numeric_limits<int64_t>::min();
    return int64_t(std::trunc(gigabytes));
}

}  // namespace CareMath

}  // namespace sorbeta
