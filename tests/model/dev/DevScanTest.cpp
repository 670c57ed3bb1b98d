#include "model/dev/DevScan.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <cstdlib>

#include "DevTestSupport.h"
#include "model/dev/AndroidData.h"

namespace sorbeta {
namespace {

namespace fs = std::filesystem;

class DevScanTest : public test::DevHomeTest {
protected:
    // A simulator tool answering its two listings from fixture files.
    void simulators(const std::string& devices, const std::string& runtimes) {
        test::FileTree fixtures(outside());
        fixtures.text("devices.json", devices);
        fixtures.text("runtimes.json", runtimes);
        tool("xcrun",
             "case \"$*\" in\n"
             "  'simctl list devices -j') cat '" +
                 (outside() / "devices.json").native() +
                 "' ;;\n"
                 "  'simctl runtime list -j') cat '" +
                 (outside() / "runtimes.json").native() +
                 "' ;;\n"
                 "  *) exit 1 ;;\nesac");
    }

    static std::string devicesJson() {
        return R"({"devices": {"com.apple.CoreSimulator.SimRuntime.iOS-17-2": [
            {"udid": "U1", "name": "iPhone", "dataPathSize": 60000000, "isAvailable": true},
            {"udid": "U2", "name": "iPad", "dataPathSize": 70000000, "isAvailable": true,
             "lastUsedAt": ")" +
               QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString() + R"("}]}})";
    }
    static std::string runtimesJson() {
        return R"({"a": {"identifier": "OLD", "platformIdentifier": "com.apple.platform.iphonesimulator",
                         "version": "16.4", "runtimeIdentifier": "unused", "sizeBytes": 5000000000,
                         "deletable": true},
                   "b": {"identifier": "NEW", "platformIdentifier": "com.apple.platform.iphonesimulator",
                         "version": "17.2", "runtimeIdentifier": "com.apple.CoreSimulator.SimRuntime.iOS-17-2",
                         "sizeBytes": 7000000000, "deletable": true}})";
    }

    static QStringList idsOf(const std::vector<DevGroup>& groups) {
        QStringList ids;
        for (const DevGroup& group : groups) ids << group.id;
        return ids;
    }
};

TEST_F(DevScanTest, SevenGroupsInTheirOrderWithTheirTexts) {
    simulators(devicesJson(), runtimesJson());
    tree->file("Library/Developer/Xcode/Archives/2024-01-01/A.xcarchive/data", 4096);
    test::FileTree apps(environment.applications);
    apps.file("Xcode.app/x", 4096);
    apps.file("Xcode-beta.app/x", 8192);
    tree->file("Library/Android/sdk/system-images/android-34/default/x86_64/system.img", 4096);
    allocated(".colima/disk.img", 101'000'000);
    tool("docker", "echo 2GB");
    environment.codeRoots = std::vector<fs::path>{home() / "Projects"};
    tree->text("Projects/app/package.json", "{}");
    allocated("Projects/app/node_modules/blob.bin", 60'000'000);
    for (const char* part : {"app/node_modules/blob.bin", "app/node_modules", "app/package.json", "app"})
        ageDays(std::string("Projects/") + part, 200);

    const auto groups = DevScan::all(environment);
    ASSERT_EQ(idsOf(groups), (QStringList{"runtimes", "devices", "archives", "xcodes", "android", "vms", "stale"}));

    const std::vector<std::tuple<QString, QString, Flavor, QString>> looks = {
        {"模拟器运行时", "iphone.gen3", Flavor::sky,
         "每个系统版本的模拟器镜像，动辄 8 G。默认勾上 60 天没用、没有设备在用、又不是最新版本的；删了以后要用再从 "
         "Xcode 下载。"},
        {"模拟器设备", "ipad.and.iphone", Flavor::blueberry,
         "每台模拟器里装的 App 和数据。默认勾上 90 天没开过的，以及运行时已经被删掉的。"},
        {"Xcode 归档", "archivebox", Flavor::grape,
         "按 App 分组，每个 App 默认保留最新的 2 个归档。删掉的归档不能再重新导出或上传。"},
        {"多个 Xcode", "hammer", Flavor::peach, "装了不止一个 Xcode。不会默认勾选，确认不用了再移到废纸篓。"},
        {"Android SDK", "cpu", Flavor::lime,
         "系统镜像和模拟器。默认勾上 90 天没动过的模拟器；镜像要用时可以用 SDK Manager 重新下载。"},
        {"Docker 与虚拟机", "shippingbox.circle", Flavor::mint,
         "容器和虚拟机的磁盘文件。这里只帮你看大小；Docker 开着时可以一键清掉不用的镜像和容器。"},
        {"很久没动的项目", "folder.badge.questionmark", Flavor::bubblegum,
         "90 天没改过的项目，只清它们的依赖和构建产物（node_modules、target、Pods…），代码不动，被 git "
         "跟踪的也不动。"},
    };
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const auto& [title, icon, flavor, note] = looks[i];
        EXPECT_EQ(groups[i].title, title) << i;
        EXPECT_EQ(groups[i].icon, icon) << i;
        EXPECT_EQ(groups[i].flavor, flavor) << i;
        EXPECT_EQ(groups[i].note, note) << i;
    }

    // Runtimes: the unused older one is recommended; devices: the never-used one.
    EXPECT_EQ(groups[0].recommendedBytes(), 5'000'000'000);
    EXPECT_EQ(groups[0].entries[1].detail, "没用过 · 0 台设备");
    EXPECT_EQ(groups[0].entries[0].detail, "有设备在用 · 2 台设备");
    EXPECT_EQ(groups[1].recommendedBytes(), 60'000'000);
    EXPECT_EQ(groups[3].recommendedBytes(), 0);
    // The prune entry and the folder can only be shown or run by hand: nothing recommended.
    EXPECT_EQ(groups[5].entries.size(), 2u);
    EXPECT_EQ(groups[5].recommendedBytes(), 0);
    EXPECT_EQ(groups[6].recommendedBytes(), groups[6].entries[0].bytes);
    EXPECT_GT(groups[6].entries[0].bytes, 50'000'000);
}

TEST_F(DevScanTest, FailedToolsOnlyRemoveTheirOwnGroups) {
    // No simulator tool (as on Linux), one Xcode: neither simulator group nor an Xcode group.
    test::FileTree apps(environment.applications);
    apps.file("Xcode.app/x", 4096);
    tree->file("Library/Developer/Xcode/Archives/2024-01-01/A.xcarchive/data", 4096);
    EXPECT_EQ(idsOf(DevScan::all(environment)), QStringList{"archives"});

    // The device listing fails but the runtimes are listed: they are shown, none recommended.
    simulators("garbage", runtimesJson());
    auto groups = DevScan::all(environment);
    EXPECT_EQ(idsOf(groups), (QStringList{"runtimes", "archives"}));
    EXPECT_EQ(groups[0].recommendedBytes(), 0);

    // The runtime listing fails: the devices still appear.
    simulators(devicesJson(), "[]");
    EXPECT_EQ(idsOf(DevScan::all(environment)), (QStringList{"devices", "archives"}));

    // Nothing at all is a valid answer.
    fs::remove_all(home() / "Library");
    fs::remove(environment.xcrun);
    EXPECT_TRUE(DevScan::all(environment).empty());
}

TEST_F(DevScanTest, TheSystemEnvironment) {
    ::setenv("ANDROID_SDK_ROOT", "/opt/sdk-root", 1);
    ::setenv("ANDROID_HOME", "relative/sdk", 1);  // not absolute: ignored
    ::setenv("DOCKER_HOST", "unix:///run/user/1000/docker.sock", 1);
    ::unsetenv("XDG_RUNTIME_DIR");
    const DevEnvironment system = DevEnvironment::system(places());
    ::unsetenv("ANDROID_SDK_ROOT");
    ::unsetenv("ANDROID_HOME");
    ::unsetenv("DOCKER_HOST");

    EXPECT_EQ(system.xcrun, fs::path("/usr/bin/xcrun"));
    EXPECT_EQ(system.applications, fs::path("/Applications"));
    EXPECT_EQ(system.toolTimeLimit, std::chrono::seconds(120));
    EXPECT_EQ(system.dockerCandidates,
              (std::vector<fs::path>{"/usr/local/bin/docker", "/opt/homebrew/bin/docker", home() / ".local/bin/docker",
                                     home() / "bin/docker", home() / ".orbstack/bin/docker", "/snap/bin/docker",
                                     "/usr/bin/docker"}));
    const auto& tools = system.toolEnvironment;
    EXPECT_NE(std::find(tools.begin(), tools.end(), "DOCKER_HOST=unix:///run/user/1000/docker.sock"), tools.end());
    EXPECT_NE(std::find(tools.begin(), tools.end(), "HOME=" + home().native()), tools.end());
    EXPECT_EQ(std::count_if(tools.begin(), tools.end(), [](const std::string& v) { return v.starts_with("XDG_"); }), 0);
    EXPECT_EQ(system.androidImageRoots,
              (std::vector<fs::path>{home() / "Library/Android/sdk/system-images", "/opt/sdk-root/system-images"}));
    EXPECT_EQ(system.androidEmulators, home() / ".android/avd");
    EXPECT_EQ(DevPlaces::linuxAndroidSdk(places(), "", ""), home() / "Android/Sdk");
    EXPECT_EQ(DevPlaces::linuxAndroidSdk(places(), "/a", "/b"), fs::path("/a"));

    QStringList titles;
    for (const DevVmFolder& folder : system.vmFolders) titles << folder.title;
    EXPECT_EQ(titles, (QStringList{"OrbStack", "Docker Desktop", "UTM", "Parallels", "Colima", "libvirt", "VirtualBox",
                                   "GNOME Boxes", "Podman", "Docker Desktop", "Docker (rootless)", "Vagrant"}));
    EXPECT_EQ(system.vmFolders[1].path, home() / "Library/Containers/com.docker.docker/Data/vms");
    EXPECT_EQ(system.vmFolders[8].path, places().dataHome / "containers/storage");
    EXPECT_EQ(system.vmFolders[9].path, home() / ".docker/desktop/vms");
    EXPECT_EQ(system.vmFolders[10].path, places().dataHome / "docker");
}

// The emulator's own variables move its AVD folder: ANDROID_AVD_HOME names
// it, ANDROID_USER_HOME holds it as "avd"; values that are not absolute paths
// do not count.
TEST_F(DevScanTest, TheEmulatorsFollowTheirVariables) {
    const auto emulatorsWith = [&](const char* avdHome, const char* userHome) {
        const std::pair<const char*, const char*> variables[] = {{"ANDROID_AVD_HOME", avdHome},
                                                                 {"ANDROID_USER_HOME", userHome}};
        for (const auto& [name, value] : variables) {
            if (value)
                ::setenv(name, value, 1);
            else
                ::unsetenv(name);
        }
        const fs::path emulators = DevEnvironment::system(places()).androidEmulators;
        ::unsetenv("ANDROID_AVD_HOME");
        ::unsetenv("ANDROID_USER_HOME");
        return emulators;
    };
    EXPECT_EQ(emulatorsWith(nullptr, nullptr), home() / ".android/avd");
    EXPECT_EQ(emulatorsWith("/data/avds", "/data/android"), fs::path("/data/avds"));
    EXPECT_EQ(emulatorsWith(nullptr, "/data/android"), fs::path("/data/android/avd"));
    EXPECT_EQ(emulatorsWith("", "/data/android"), fs::path("/data/android/avd"));
    EXPECT_EQ(emulatorsWith("avds", nullptr), home() / ".android/avd");
    EXPECT_EQ(emulatorsWith("relative/avds", "relative/android"), home() / ".android/avd");

    // The scan looks in the folder they name.
    tree->file("emulators/Pixel.avd/userdata.img", 4096);
    tree->file("emulators/Pixel.ini", 10);
    environment.androidEmulators = emulatorsWith((home() / "emulators").c_str(), nullptr);
    const auto entries = DevScan::androidEntries(now, environment);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].title, "Pixel");
}

}  // namespace
}  // namespace sorbeta
