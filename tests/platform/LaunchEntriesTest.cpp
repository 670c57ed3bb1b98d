// Reading what desktop entries, systemd units and property lists run, and
// which mounts keep access times.
#include <gtest/gtest.h>

#include <filesystem>

#include "FileTree.h"
#include "TestEnvironment.h"
#include "platform/DesktopEntry.h"
#include "platform/FileOps.h"
#include "platform/MountInfo.h"
#include "platform/PropertyList.h"
#include "platform/SystemdUnit.h"

using namespace sorbeta;
using Words = std::vector<std::string>;

namespace {

TEST(LaunchEntriesTest, DesktopExecLinesAndLocalisedNames) {
    EXPECT_EQ(platform::execWords(R"("/home/u/My Apps/Tool.AppImage" --x %U)"),
              (Words{"/home/u/My Apps/Tool.AppImage", "--x"}));
    // Escapes inside quotes, "%%" kept as "%", a quoted field code kept as an empty word.
    EXPECT_EQ(platform::execWords(R"(tool "a \"b\" \$c" 100%% "%f")"), (Words{"tool", "a \"b\" $c", "100%", ""}));
    const auto entry = platform::parseDesktopEntry(
        "# comment\n[Desktop Entry]\nName=Tool\nName[zh]=工具\nName[zh_TW]=工具台\n"
        "Exec=env GDK_BACKEND=x11 -u FOO /home/u/Applications/Tool\\sDir/run %F\nTryExec=/x\nHidden=true\n"
        "[Desktop Action new]\nName=Other\nExec=/other\n");
    ASSERT_TRUE(entry);
    // "\s" becomes a blank before the words are split, so unquoted it splits
    // them, as launchers read it.
    EXPECT_EQ(entry->execProgram(), "/home/u/Applications/Tool");
    EXPECT_EQ(entry->localizedName(QStringLiteral("zh_CN")), "工具");
    EXPECT_EQ(entry->localizedName(QStringLiteral("zh_TW")), "工具台");
    EXPECT_EQ(entry->localizedName(QStringLiteral("de_DE")), "Tool");
    EXPECT_TRUE(entry->isTrue("Hidden"));
    EXPECT_FALSE(platform::parseDesktopEntry("[Desktop Action x]\nExec=/x\n"));
    EXPECT_EQ(platform::commandProgram({"env", "A=1", "B=2"}), "");
}

TEST(LaunchEntriesTest, SystemdUnitsAndTimers) {
    const auto unit = platform::parseSystemdUnit(
        "[Unit]\nDescription=x\n[Service]\nExecStart=\nExecStart=-@%h/Applications/Tool.AppImage tool --daemon\n"
        "ExecStart=!!\"/opt/with space/run\" \\\n  --flag\nExecStop=/bin/kill x\n");
    ASSERT_TRUE(unit);
    EXPECT_EQ(unit->execPrograms("/home/u"), (Words{"/home/u/Applications/Tool.AppImage", "/opt/with space/run"}));
    EXPECT_EQ(platform::unitCommandWords("/bin/sh -c 'echo %%h; x'", "/h"), (Words{"/bin/sh", "-c", "echo %h; x"}));
    const auto timer = platform::parseSystemdUnit("[Timer]\nOnCalendar=daily\n");
    EXPECT_EQ(timer->timerUnit("tool-sync.timer"), "tool-sync.service");
    EXPECT_EQ(platform::parseSystemdUnit("[Timer]\nUnit=other.service\n")->timerUnit("a.timer"), "other.service");
    EXPECT_TRUE(platform::isPlainUnitName("tool-sync@1.service"));
    for (const char* bad : {"-rf.service", "a/b.service", "tool", "tool.exe", "a b.service", ".service"})
        EXPECT_FALSE(platform::isPlainUnitName(bad)) << bad;
}

TEST(LaunchEntriesTest, PropertyListsInXml) {
    const auto document = platform::parsePropertyList(
        "<?xml version=\"1.0\"?><!DOCTYPE plist><plist version=\"1.0\"><dict>"
        "<key>Label</key><string>com.example.tool.agent</string>"
        "<key>ProgramArguments</key><array><string>~/Library/x</string><string>-d</string></array>"
        "<key>RunAtLoad</key><true/><key>Nested</key><dict><key>n</key><integer>7</integer></dict>"
        "</dict></plist>");
    ASSERT_TRUE(document);
    const QVariantMap agent = document->toMap();
    const QVariantMap* plist = &agent;
    EXPECT_EQ(plist->value("Label").toString(), "com.example.tool.agent");
    EXPECT_EQ(plist->value("ProgramArguments").toList().value(0).toString(), "~/Library/x");
    EXPECT_TRUE(plist->value("RunAtLoad").toBool());
    EXPECT_EQ(plist->value("Nested").toMap().value("n").toLongLong(), 7);
    EXPECT_FALSE(platform::parsePropertyList("bplist00\x01\x02"));
    EXPECT_FALSE(platform::parsePropertyList("<plist><dict><string>no key</string></dict></plist>"));
    std::string deep = "<plist><dict><key>a</key>";
    for (int i = 0; i < 200; ++i) deep += "<array>";
    EXPECT_FALSE(platform::parsePropertyList(QByteArray::fromStdString(deep)));
}

class MountInfoTest : public test::HomeTest {};

TEST_F(MountInfoTest, AccessTimesOnlyWhereTheMountKeepsThem) {
    const auto mounts = platform::parseMountInfo(
        "22 1 0:21 / /sys rw,nosuid,relatime shared:7 - sysfs sysfs rw\n"
        "36 22 8:1 / /media/my\\040disk rw,noatime - ext4 /dev/sda1 rw\n");
    ASSERT_EQ(mounts.size(), 2u);
    EXPECT_EQ(mounts[1].id, 36u);
    EXPECT_EQ(mounts[1].mountPoint, "/media/my disk");
    EXPECT_EQ(mounts[1].options, (Words{"rw", "noatime"}));

    test::FileTree tree(home());
    const auto file = tree.file("Tool.AppImage", 10);
    tree.setModified("Tool.AppImage", std::chrono::system_clock::from_time_t(1'600'000'000));
    const auto seen = platform::recordedAccessTime(file);
    ASSERT_TRUE(seen);  // the test folder's mount keeps access times
    EXPECT_EQ(*seen, 1'600'000'000);
    // The same file on a mount listed as noatime has no trustworthy access time.
    std::string ownMounts;
    ASSERT_TRUE(platform::readSmallFile("/proc/self/mountinfo", 1 << 22, ownMounts));
    std::string noatime;
    for (const auto& mount : platform::parseMountInfo(ownMounts))
        noatime += std::to_string(mount.id) + " 1 0:1 / " + mount.mountPoint + " rw,noatime - x x rw\n";
    const auto listed = tree.text("mountinfo", noatime);
    EXPECT_FALSE(platform::recordedAccessTime(file, listed));
    EXPECT_FALSE(platform::recordedAccessTime(home() / "missing"));
}

}  // namespace
