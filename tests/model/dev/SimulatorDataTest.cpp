#include "model/dev/SimulatorData.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "model/dev/DevDates.h"

namespace sorbeta {
namespace {

const QDateTime kNow(QDate(2024, 6, 1), QTime(12, 0), Qt::UTC);

QString stamp(int64_t secondsAgo) { return kNow.addSecs(-secondsAgo).toString(Qt::ISODate); }

QJsonObject device(const QString& udid, const QJsonValue& size, const QJsonValue& lastUsed = QJsonValue::Undefined,
                   const QJsonValue& available = QJsonValue::Undefined) {
    QJsonObject object{{"udid", udid}, {"name", "Phone " + udid}, {"dataPathSize", size}};
    if (!lastUsed.isUndefined()) object.insert("lastUsedAt", lastUsed);
    if (!available.isUndefined()) object.insert("isAvailable", available);
    return object;
}

QByteArray listing(const QJsonObject& byRuntime) { return QJsonDocument(QJsonObject{{"devices", byRuntime}}).toJson(); }

const DevEntry* find(const std::vector<DevEntry>& entries, const QString& id) {
    for (const DevEntry& entry : entries)
        if (entry.id == id) return &entry;
    return nullptr;
}

TEST(SimulatorData, DevicesFloorAgeAvailabilityAndOrder) {
    constexpr int64_t day = 86'400;
    const QString ios = "com.apple.CoreSimulator.SimRuntime.iOS-17-2";
    const QJsonArray phones{
        device("small", 49'999'999, stamp(200 * day)),               // below the floor: dropped
        device("floor", 50'000'000, stamp(90 * day)),                // exactly 90 days: kept, not old
        device("old", 60'000'000, stamp(90 * day + 1)),              // one second more: old
        device("gone", 0, stamp(day), false),                        // runtime gone: kept whatever its size
        device("never", 70'000'000),                                 // never used: old
        device("garbled", 80'000'000, "yesterday"),                  // unreadable date: not old
        device("number", 80'000'000, 12345),                         // a date that is no text: not old either
        device("fraction", 90'000'000, "2024-05-30T10:11:12.345Z"),  // fractions are read
        device("offset", 90'000'000, "2024-05-30T12:11:12+02:00"),   // equal size: read order kept
        device("huge", 1e30, stamp(200 * day)),                      // beyond 64 bits: no size, dropped
        device("negative", -5, stamp(200 * day)),                    // no size: dropped
        QJsonObject{{"name", "no udid"}, {"dataPathSize", 1e9}},     // skipped, still counted
        QJsonValue("not an object"),                                 // skipped, still counted
    };
    const QString watch = "com.apple.CoreSimulator.SimRuntime.watchOS10";
    const QJsonArray watches{device("watch", 1.5e8, stamp(day), true)};

    const auto result = DevParse::devices(listing({{ios, phones}, {watch, watches}}), kNow, 50'000'000);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->byRuntime, (std::map<QString, int64_t>{{ios, 13}, {watch, 1}}));

    QStringList order;
    for (const DevEntry& entry : result->entries) order << entry.id;
    EXPECT_EQ(order, (QStringList{"dev:watch", "dev:fraction", "dev:offset", "dev:garbled", "dev:number", "dev:never",
                                  "dev:old", "dev:floor", "dev:gone"}));

    const DevEntry* floor = find(result->entries, "dev:floor");
    ASSERT_TRUE(floor);
    EXPECT_FALSE(floor->recommended);
    EXPECT_EQ(floor->title, "Phone floor");
    EXPECT_EQ(floor->detail, "iOS 17.2 · 上次用 " + DevDates::abbreviatedDate(kNow.addSecs(-90 * day)));
    EXPECT_EQ(floor->action, DevEntry::Action(DevEntry::SimDevice{"floor"}));
    EXPECT_FALSE(floor->cluster);

    EXPECT_TRUE(find(result->entries, "dev:old")->recommended);
    const DevEntry* gone = find(result->entries, "dev:gone");
    EXPECT_TRUE(gone->recommended);
    EXPECT_EQ(gone->bytes, 0);
    EXPECT_EQ(gone->detail, "iOS 17.2 · 运行时已经没了");
    EXPECT_TRUE(find(result->entries, "dev:never")->recommended);
    EXPECT_EQ(find(result->entries, "dev:never")->detail, "iOS 17.2 · 没用过");
    for (const char* unreadable : {"dev:garbled", "dev:number"}) {
        EXPECT_FALSE(find(result->entries, unreadable)->recommended) << unreadable;
        EXPECT_EQ(find(result->entries, unreadable)->detail, "iOS 17.2 · 上次使用日期不明");
    }
    EXPECT_FALSE(find(result->entries, "dev:fraction")->recommended);
    EXPECT_EQ(find(result->entries, "dev:watch")->detail.left(10), "watchOS10 ");
    EXPECT_EQ(find(result->entries, "dev:watch")->bytes, 150'000'000);
}

TEST(SimulatorData, ListingsOfAnotherShapeAreUnreadable) {
    for (const QByteArray& bad : {QByteArray(), QByteArray("not json"), QByteArray("[]"), QByteArray("{}"),
                                  QByteArray(R"({"devices": []})"), QByteArray(R"({"devices": {"k": {}}})")})
        EXPECT_FALSE(DevParse::devices(bad, kNow, 0)) << bad.toStdString();
    const auto empty = DevParse::devices(R"({"devices": {}})", kNow, 0);
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->entries.empty());

    EXPECT_TRUE(DevParse::runtimes("[1, 2]", std::map<QString, int64_t>{}, kNow).empty());
    EXPECT_TRUE(DevParse::runtimes("{", std::map<QString, int64_t>{}, kNow).empty());
}

QJsonObject runtime(const QString& id, const QString& platform, const QString& version, int64_t size,
                    const QJsonValue& lastUsed, bool deletable = true) {
    QJsonObject object{{"identifier", id},          {"platformIdentifier", platform},
                       {"version", version},        {"runtimeIdentifier", "key." + id},
                       {"sizeBytes", double(size)}, {"deletable", deletable}};
    if (!lastUsed.isUndefined()) object.insert("lastUsedAt", lastUsed);
    return object;
}

TEST(SimulatorData, RuntimesAreRecommendedOnlyWhenOldUnusedAndNotTheNewest) {
    constexpr int64_t day = 86'400;
    const QString iphone = "com.apple.platform.iphonesimulator";
    const QString watch = "com.apple.platform.watchsimulator";
    const QJsonObject runtimes{
        {"a", runtime("A", iphone, "17.9", 7e9, stamp(61 * day))},              // old, older than 17.10: recommended
        {"b", runtime("B", iphone, "17.10", 8e9, QJsonValue::Undefined)},       // the newest: never recommended
        {"c", runtime("C", iphone, "16.4", 6e9, QJsonValue::Undefined)},        // two devices use it
        {"d", runtime("D", iphone, "15.0", 5e9, stamp(60 * day))},              // exactly 60 days: not old
        {"e", runtime("E", iphone, "14.0", 4e9, "garbled")},                    // unreadable date: not old
        {"f", runtime("F", watch, "10.0", 3e9, QJsonValue::Undefined, false)},  // not deletable, yet the newest
        {"g", runtime("G", watch, "9.1", 2e9, stamp(100 * day))},               // old watchOS below the newest
        {"h", QJsonObject{{"identifier", "H"}, {"deletable", true}}},           // no version: skipped
        {"i", QJsonObject{{"version", "1.0"}, {"deletable", true}}},            // no identifier: skipped
        {"j", QJsonObject{{"identifier", "J"}, {"version", "1"}, {"deletable", true}, {"sizeBytes", -1}}},
    };
    const QByteArray json = QJsonDocument(runtimes).toJson();
    const std::map<QString, int64_t> devices{{"key.C", 2}, {"key.G", 0}};

    const auto entries = DevParse::runtimes(json, devices, kNow);
    QStringList order;
    for (const DevEntry& entry : entries) order << entry.id;
    EXPECT_EQ(order, (QStringList{"rt:B", "rt:A", "rt:C", "rt:D", "rt:E", "rt:G", "rt:J"}));

    EXPECT_TRUE(find(entries, "rt:A")->recommended);
    EXPECT_EQ(find(entries, "rt:A")->title, "iOS 17.9");
    EXPECT_EQ(find(entries, "rt:A")->action, DevEntry::Action(DevEntry::SimRuntime{"A"}));
    EXPECT_FALSE(find(entries, "rt:B")->recommended);
    EXPECT_EQ(find(entries, "rt:B")->detail, "没用过 · 0 台设备");
    EXPECT_FALSE(find(entries, "rt:C")->recommended);
    EXPECT_EQ(find(entries, "rt:C")->detail, "有设备在用 · 2 台设备");
    EXPECT_FALSE(find(entries, "rt:D")->recommended);
    EXPECT_FALSE(find(entries, "rt:E")->recommended);
    EXPECT_EQ(find(entries, "rt:E")->detail, "上次使用日期不明 · 0 台设备");
    EXPECT_TRUE(find(entries, "rt:G")->recommended);
    EXPECT_EQ(find(entries, "rt:G")->title, "watchOS 9.1");
    EXPECT_EQ(find(entries, "rt:J")->title, "macOS 1");
    EXPECT_EQ(find(entries, "rt:J")->bytes, 0);

    // When the device listing failed, no runtime can be known to be unused.
    for (const DevEntry& entry : DevParse::runtimes(json, std::nullopt, kNow))
        EXPECT_FALSE(entry.recommended) << entry.id.toStdString();
}

TEST(SimulatorData, DatesPlatformsAndVersions) {
    EXPECT_EQ(DevParse::iso("2024-03-05T10:11:12Z"), QDateTime(QDate(2024, 3, 5), QTime(10, 11, 12), Qt::UTC));
    EXPECT_EQ(DevParse::iso("2024-03-05T10:11:12.5Z"), QDateTime(QDate(2024, 3, 5), QTime(10, 11, 12, 500), Qt::UTC));
    EXPECT_EQ(DevParse::iso("2024-03-05T12:11:12+02:00"), QDateTime(QDate(2024, 3, 5), QTime(10, 11, 12), Qt::UTC));
    EXPECT_EQ(DevParse::iso("2024-03-05T05:11:12-0500"), QDateTime(QDate(2024, 3, 5), QTime(10, 11, 12), Qt::UTC));
    for (const char* bad : {"", "2024-03-05", "2024-03-05T10:11:12", "2024-13-05T10:11:12Z", "2024-02-30T10:11:12Z",
                            "2024-03-05 10:11:12Z", "2024-03-05T24:00:00Z", "2024-03-05T10:11:12+25:00", "x"})
        EXPECT_FALSE(DevParse::iso(bad)) << bad;

    EXPECT_EQ(DevParse::platformName("com.apple.platform.iphonesimulator"), "iOS");
    EXPECT_EQ(DevParse::platformName("com.apple.platform.watchsimulator"), "watchOS");
    EXPECT_EQ(DevParse::platformName("com.apple.platform.appletvsimulator"), "tvOS");
    EXPECT_EQ(DevParse::platformName("com.apple.platform.xrsimulator"), "visionOS");
    EXPECT_EQ(DevParse::platformName("visionos"), "visionOS");
    EXPECT_EQ(DevParse::platformName("IPHONE"), "macOS");  // case-sensitive
    EXPECT_EQ(DevParse::platformName(""), "macOS");

    EXPECT_TRUE(DevParse::versionIsNewer("17.10", "17.9"));
    EXPECT_FALSE(DevParse::versionIsNewer("17.9", "17.10"));
    EXPECT_TRUE(DevParse::versionIsNewer("17.2.1", "17.2"));
    EXPECT_FALSE(DevParse::versionIsNewer("17.02", "17.2"));
    EXPECT_FALSE(DevParse::versionIsNewer("17.2", "17.2"));
    EXPECT_TRUE(DevParse::versionIsNewer("18.0 beta", "18.0 alpha"));
}

}  // namespace
}  // namespace sorbeta
