#include <gtest/gtest.h>

#include "DevTestSupport.h"
#include "model/dev/AndroidData.h"
#include "model/dev/DevDates.h"
#include "model/dev/XcodeData.h"

namespace sorbeta {
namespace {

namespace fs = std::filesystem;

std::string plist(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>" + body + "</dict></plist>\n";
}

std::string dateKey(const QDateTime& date) {
    return "<key>CreationDate</key><date>" + date.toString(Qt::ISODate).toStdString() + "</date>";
}

QStringList idsOf(const std::vector<DevEntry>& entries) {
    QStringList ids;
    for (const DevEntry& entry : entries) ids << entry.id;
    return ids;
}

class XcodeAndroidTest : public test::DevHomeTest {
protected:
    const std::string archives = "Library/Developer/Xcode/Archives/";

    fs::path archive(const std::string& relative, const std::string& info) {
        tree->file(archives + relative + "/Products/app.bin", 4096);
        if (!info.empty()) tree->text(archives + relative + "/Info.plist", info);
        return home() / archives / relative;
    }
    QString id(const char* prefix, const fs::path& path) { return prefix + QString::fromStdString(path.native()); }
};

TEST_F(XcodeAndroidTest, ArchivesByAppNewestKept) {
    constexpr int64_t day = 86'400;
    const auto app1 = archive("2024-05-01/App 1.xcarchive",
                              plist("<key>Name</key><string>App</string>" + dateKey(now.addSecs(-30 * day))));
    const auto app2 = archive("2024-05-02/App 2.xcarchive",
                              plist("<key>Name</key><string>App</string>" + dateKey(now.addSecs(-20 * day))));
    const auto app3 = archive("2024-05-03/App 3.xcarchive",
                              plist("<key>Name</key><string>App</string>" + dateKey(now.addSecs(-10 * day))));
    const auto beta1 = archive("2024-05-03/Beta.xcarchive",
                               plist("<key>Name</key><string>Beta</string>" + dateKey(now.addSecs(-5 * day))));
    const auto beta2 = archive("2024-05-04/Beta 2.xcarchive",
                               plist("<key>Name</key><string>Beta</string>" + dateKey(now.addSecs(-day))));
    // Without a name the bundle's own name counts; without a readable list, its own date too.
    const auto gamma = archive("2024-05-04/Gamma 1.xcarchive", plist(dateKey(now.addSecs(-3 * day))));
    const auto zeta = archive("2024-05-04/Zeta.xcarchive", "bplist00\x01\x02");
    ageDays(archives + "2024-05-04/Zeta.xcarchive", 2);
    tree->file(archives + "2024-05-04/notes.txt");
    tree->file(archives + "loose-file");
    tree->file(archives + "2024-05-05/App 9.xcarchive/Products/app.bin");
    tree->unreadable(archives + "2024-05-05");

    const auto entries = DevScan::archives(environment);
    EXPECT_EQ(idsOf(entries), (QStringList{id("arc:", app3), id("arc:", app2), id("arc:", app1), id("arc:", beta2),
                                           id("arc:", beta1), id("arc:", gamma), id("arc:", zeta)}));
    const std::vector<bool> ticked = {false, false, true, false, false, false, false};
    for (std::size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(entries[i].recommended, ticked[i]) << i;
    EXPECT_EQ(entries[0].title, "App");
    EXPECT_EQ(entries[0].detail, DevDates::abbreviatedDateTime(now.addSecs(-10 * day)));
    EXPECT_EQ(entries[0].action, DevEntry::Action(DevEntry::Trash{{app3}}));
    EXPECT_EQ(entries[0].bytes, DiskScanner::size(app3));
    EXPECT_EQ(entries[5].title, "Gamma 1");
    EXPECT_EQ(entries[6].title, "Zeta");
    EXPECT_EQ(entries[6].detail, DevDates::abbreviatedDateTime(now.addSecs(-2 * day)));

    // The grouping itself: names in code-point order, a stable sort within a name.
    const QDateTime same = now;
    const auto parsed = DevParse::archives(
        {{"/b1", "b", same, 1}, {"/Z", "Z", same, 1}, {"/b2", "b", same, 2}, {"/中", "中", same, 1}}, 1);
    EXPECT_EQ(idsOf(parsed), (QStringList{"arc:/Z", "arc:/b1", "arc:/b2", "arc:/中"}));
    EXPECT_FALSE(parsed[1].recommended);
    EXPECT_TRUE(parsed[2].recommended);
}

TEST_F(XcodeAndroidTest, ExtraXcodeCopiesLargestFirstNeverTicked) {
    test::FileTree apps(environment.applications);
    apps.file("Xcode.app/Contents/MacOS/Xcode", 10'000);
    apps.text("Xcode.app/Contents/Info.plist", plist("<key>CFBundleShortVersionString</key><string>15.2</string>"));
    apps.file("Xcode-beta.app/Contents/MacOS/Xcode", 100'000);
    apps.text("Xcode-beta.app/Contents/Info.plist",
              plist("<key>CFBundleShortVersionString</key><integer>16</integer>"));
    apps.file("Other.app/Contents/MacOS/Other", 100);
    apps.file("xcode-lower.app/x", 100);
    apps.file("Xcode.txt", 100);

    const auto entries = DevScan::xcodeApps(environment);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].title, "Xcode-beta");
    EXPECT_EQ(entries[0].detail, "");
    EXPECT_EQ(entries[1].title, "Xcode");
    EXPECT_EQ(entries[1].detail, "15.2");
    EXPECT_EQ(entries[1].id, id("xc:", apps.at("Xcode.app")));
    EXPECT_EQ(entries[1].action, DevEntry::Action(DevEntry::Trash{{apps.at("Xcode.app")}}));
    EXPECT_FALSE(entries[0].recommended || entries[1].recommended);

    environment.applications = outside() / "missing";
    EXPECT_TRUE(DevScan::xcodeApps(environment).empty());
}

TEST_F(XcodeAndroidTest, AndroidImagesInEverySdkAndEmulators) {
    const std::string mac = "Library/Android/sdk/system-images/";
    const std::string sdk = "Android/Sdk/system-images/";
    tree->file(mac + "android-34/google_apis/x86_64/system.img", 200'000);
    tree->file(mac + "android-34/google_apis/.DS_Store", 4096);
    tree->dir(mac + "android-34/default/arm64-v8a");  // empty: not listed
    tree->file(sdk + "android-33/default/x86_64/system.img", 100'000);
    tree->file(".android/avd/Pixel.avd/userdata.img", 300'000);
    tree->text(".android/avd/Pixel.ini", "path=...");
    tree->file(".android/avd/Old.avd/userdata.img", 50'000);
    tree->file(".android/avd/readme.txt", 100);
    ageSeconds(".android/avd/Pixel.avd", DevScan::kOldEmulatorSeconds);  // exactly 90 days: kept
    ageSeconds(".android/avd/Old.avd", DevScan::kOldEmulatorSeconds + 1);

    const auto entries = DevScan::androidEntries(now, environment);
    const fs::path pixel = home() / ".android/avd/Pixel.avd";
    const fs::path image34 = home() / mac / "android-34/google_apis/x86_64";
    EXPECT_EQ(idsOf(entries), (QStringList{id("avd:", pixel), id("img:", image34),
                                           id("img:", home() / sdk / "android-33/default/x86_64"),
                                           id("avd:", home() / ".android/avd/Old.avd")}));
    EXPECT_EQ(entries[0].title, "Pixel");
    EXPECT_EQ(entries[0].detail,
              "模拟器 · 上次改动 " + DevDates::abbreviatedDate(now.addSecs(-DevScan::kOldEmulatorSeconds)));
    EXPECT_EQ(entries[0].action, DevEntry::Action(DevEntry::Trash{{pixel, home() / ".android/avd/Pixel.ini"}}));
    EXPECT_EQ(entries[0].bytes, DiskScanner::size(pixel));
    EXPECT_FALSE(entries[0].recommended);
    EXPECT_EQ(entries[1].title, "android-34 · google_apis");
    EXPECT_EQ(entries[1].detail, "系统镜像 · x86_64");
    EXPECT_EQ(entries[1].action, DevEntry::Action(DevEntry::Trash{{image34}}));
    EXPECT_FALSE(entries[1].recommended);
    EXPECT_TRUE(entries[3].recommended);

    // The same SDK named twice is scanned once.
    fs::remove_all(home() / "Android");
    tree->symlink(home() / "Library/Android/sdk", "Android/Sdk");
    EXPECT_EQ(DevScan::androidEntries(now, environment).size(), 3u);
}

}  // namespace
}  // namespace sorbeta
