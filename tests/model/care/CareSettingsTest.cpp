#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <limits>

#include "TestEnvironment.h"
#include "model/care/CareSettings.h"
#include "model/catalog/Catalog.h"
#include "platform/Defaults.h"

namespace sorbeta {
namespace {

const QString kKey = QStringLiteral("careSettings");

std::vector<std::string> ids(const std::vector<AutoRule>& rules) {
    std::vector<std::string> out;
    for (const AutoRule& rule : rules) out.push_back(rule.itemID);
    return out;
}

QJsonObject storedObject(QJsonArray rules) {
    return QJsonObject{{"lowSpaceAlert", true},
                       {"lowSpaceGB", 12.5},
                       {"memoryAlert", true},
                       {"dailySnapshot", false},
                       {"rules", rules}};
}

QJsonObject rule(const char* id, bool enabled, double threshold) {
    return QJsonObject{{"itemID", id}, {"enabled", enabled}, {"thresholdGB", threshold}};
}

class CareSettingsTest : public test::HomeTest {
protected:
    platform::Defaults defaults() const {
        return platform::Defaults(QString::fromLatin1(platform::Defaults::appDomain), places().configHome);
    }
    void store(const QJsonObject& object) {
        defaults().setValue(kKey, QJsonDocument(object).toJson(QJsonDocument::Compact));
    }
    CareSettings load() const { return CareSettings::load(defaults()); }
};

TEST_F(CareSettingsTest, NothingStoredGivesTheFreshSettingsWithEveryRuleOff) {
    const CareSettings settings = load();
    EXPECT_FALSE(settings.lowSpaceAlert);
    EXPECT_EQ(settings.lowSpaceGB, 30);
    EXPECT_FALSE(settings.memoryAlert);
    EXPECT_TRUE(settings.dailySnapshot);
    ASSERT_EQ(settings.rules.size(), 13u);
    const std::vector<std::string> order = {"derived", "simcache", "xcodecache", "npm",     "yarn",      "bun", "pip",
                                            "brew",    "pods",     "spm",        "gobuild", "devcaches", "logs"};
    EXPECT_EQ(ids(settings.rules), order);
    const std::vector<double> thresholds = {20, 5, 2, 5, 5, 3, 3, 3, 3, 5, 5, 5, 1};
    for (std::size_t i = 0; i < 13; ++i) {
        EXPECT_FALSE(settings.rules[i].enabled);
        EXPECT_EQ(settings.rules[i].thresholdGB, thresholds[i]) << order[i];
        // Every default names a safe catalog row: only those are ever cleaned unasked.
        const CleanSpec* spec = Catalog::cleanable(order[i]);
        ASSERT_NE(spec, nullptr) << order[i];
        EXPECT_EQ(spec->safety, Safety::safe) << order[i];
    }
    EXPECT_FALSE(defaults().contains(kKey));  // loading writes nothing
}

TEST_F(CareSettingsTest, ReadingIsStrictAboutEveryKeyAndType) {
    const CareSettings fresh;
    const QJsonArray rules{rule("logs", true, 2)};
    for (const char* missing : {"lowSpaceAlert", "lowSpaceGB", "memoryAlert", "dailySnapshot", "rules"}) {
        QJsonObject object = storedObject(rules);
        object.remove(QLatin1String(missing));
        store(object);
        EXPECT_EQ(load(), fresh) << "without " << missing;
        object.insert(QLatin1String(missing), QJsonValue::Null);
        store(object);
        EXPECT_EQ(load(), fresh) << missing << " null";
    }
    // Wrong types, also inside a rule.
    QJsonObject object = storedObject(rules);
    object["lowSpaceAlert"] = QStringLiteral("true");
    store(object);
    EXPECT_EQ(load(), fresh);
    object = storedObject(rules);
    object["lowSpaceGB"] = QStringLiteral("30");
    store(object);
    EXPECT_EQ(load(), fresh);
    store(storedObject(QJsonArray{QJsonObject{{"itemID", "logs"}, {"enabled", 1}, {"thresholdGB", 2}}}));
    EXPECT_EQ(load(), fresh);
    store(storedObject(QJsonArray{QJsonObject{{"itemID", "logs"}, {"enabled", true}}}));
    EXPECT_EQ(load(), fresh);
    store(storedObject(QJsonArray{QJsonValue(3)}));
    EXPECT_EQ(load(), fresh);
    // Not JSON, not an object, or not stored as bytes.
    defaults().setValue(kKey, QByteArray("{\"lowSpaceAlert\": tru"));
    EXPECT_EQ(load(), fresh);
    defaults().setValue(kKey, QByteArray("[]"));
    EXPECT_EQ(load(), fresh);
    defaults().setValue(kKey, 7);
    EXPECT_EQ(load(), fresh);

    // Keys nobody knows are ignored; the others are read.
    object = storedObject(rules);
    object["future"] = QStringLiteral("x");
    store(object);
    const CareSettings read = load();
    EXPECT_TRUE(read.lowSpaceAlert);
    EXPECT_EQ(read.lowSpaceGB, 12.5);
    EXPECT_TRUE(read.memoryAlert);
    EXPECT_FALSE(read.dailySnapshot);
    EXPECT_EQ(read.rules.front(), (AutoRule{"logs", true, 2}));
}

TEST_F(CareSettingsTest, StoredRulesComeFirstThenMissingDefaultsAndOnlySafeRowsStay) {
    store(storedObject(QJsonArray{rule("logs", true, 4), rule("nosuchrule", true, 1), rule("derived", true, 50),
                                  rule("trash", true, 1) /* a review row */}));
    const CareSettings settings = load();
    const std::vector<std::string> order = {"logs", "derived", "simcache", "xcodecache", "npm",     "yarn",     "bun",
                                            "pip",  "brew",    "pods",     "spm",        "gobuild", "devcaches"};
    EXPECT_EQ(ids(settings.rules), order);
    EXPECT_EQ(settings.rules[0], (AutoRule{"logs", true, 4}));
    EXPECT_EQ(settings.rules[1], (AutoRule{"derived", true, 50}));
    EXPECT_EQ(settings.rules[2], (AutoRule{"simcache", false, 5}));

    store(storedObject(QJsonArray{}));
    EXPECT_EQ(load().rules, CareSettings::defaultRules());
}

TEST_F(CareSettingsTest, AHandEditedLowSpaceThresholdIsKeptInsideTheSlidersRange) {
    // Below the range an alert that is on would never come; above it the
    // slider could not show it.
    for (const auto& [stored, read] : std::vector<std::pair<double, double>>{
             {-10, 5}, {0, 5}, {4.5, 5}, {5, 5}, {12.5, 12.5}, {200, 200}, {250, 200}, {1e300, 200}}) {
        QJsonObject object = storedObject(QJsonArray{rule("logs", true, 2)});
        object["lowSpaceGB"] = stored;
        store(object);
        const CareSettings settings = load();
        EXPECT_EQ(settings.lowSpaceGB, read) << stored;
        EXPECT_TRUE(settings.lowSpaceAlert);
        EXPECT_EQ(settings.rules.front(), (AutoRule{"logs", true, 2}));
    }
}

TEST_F(CareSettingsTest, SavedSettingsReadBackEqualAndUnwritableOnesLeaveTheStoredValue) {
    CareSettings settings;
    settings.lowSpaceAlert = true;
    settings.lowSpaceGB = 45.25;
    settings.rules[3] = AutoRule{"npm", true, 0.1};
    platform::Defaults store = defaults();
    settings.save(store);
    EXPECT_EQ(load(), settings);

    // NaN or infinity has no JSON form: nothing is written, least of all a
    // null that would throw every setting away at the next launch.
    CareSettings broken = settings;
    broken.lowSpaceGB = std::numeric_limits<double>::quiet_NaN();
    broken.save(store);
    EXPECT_EQ(load(), settings);
    broken = settings;
    broken.rules[0].thresholdGB = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(broken.encoded());
    broken.save(store);
    EXPECT_EQ(load(), settings);
}

TEST(CareMath, DueRulesReachTheirThresholdInDecimalGigabytes) {
    const std::vector<AutoRule> rules = {{"npm", true, 5}, {"yarn", false, 1}, {"logs", true, 0}, {"pip", true, 1}};
    auto dueIDs = [&](std::map<std::string, int64_t> sizes) { return ids(CareMath::due(rules, sizes)); };
    EXPECT_EQ(dueIDs({{"npm", 4'999'999'999}}), (std::vector<std::string>{"logs"}));
    EXPECT_EQ(dueIDs({{"npm", 5'000'000'000}, {"yarn", 9'000'000'000}}), (std::vector<std::string>{"npm", "logs"}));
    // A missing size counts as 0 bytes: only a threshold of 0 or less is met.
    EXPECT_EQ(dueIDs({}), (std::vector<std::string>{"logs"}));
    EXPECT_EQ(dueIDs({{"pip", 1'000'000'000}, {"npm", 5'000'000'001}}),
              (std::vector<std::string>{"npm", "logs", "pip"}));
    // A threshold that is not a number is never met.
    EXPECT_TRUE(CareMath::due({{"npm", true, std::nan("")}}, {{"npm", INT64_MAX}}).empty());
}

TEST(CareMath, WholeGigabytesStayInsideTheIntegerRange) {
    EXPECT_EQ(CareMath::wholeGB(2.5), 2);
    EXPECT_EQ(CareMath::wholeGB(200), 200);
    EXPECT_EQ(CareMath::wholeGB(-0.5), 0);
    EXPECT_EQ(CareMath::wholeGB(std::nan("")), 0);
    EXPECT_EQ(CareMath::wholeGB(std::numeric_limits<double>::infinity()), INT64_MAX);
    EXPECT_EQ(CareMath::wholeGB(-std::numeric_limits<double>::infinity()), INT64_MIN);
    EXPECT_EQ(CareMath::wholeGB(1e300), INT64_MAX);
    EXPECT_EQ(CareMath::wholeGB(9.2e18), int64_t(9'200'000'000'000'000'000));
}

}  // namespace
}  // namespace sorbeta
