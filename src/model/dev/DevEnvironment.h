#pragma once
// Everything the developer scanners reach outside themselves: the user's
// places, the tools they run (with the environment those tools get and their
// time limit), the Linux places of the same kinds of data, and the clock.
// The application builds one with system(); tests point every piece at a
// temporary home and fake tools.
#include <QDateTime>
#include <QString>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/disk/ProjectArtifacts.h"
#include "platform/Places.h"

namespace sorbeta {

// One folder where virtual machines or container engines keep their disks.
struct DevVmFolder {
    std::filesystem::path path;
    QString title;  // a product name, never translated
};

struct DevEnvironment {
    using Path = std::filesystem::path;

    platform::Places places;
    Path xcrun = "/usr/bin/xcrun";             // the simulator tool's launcher
    Path applications = "/Applications";       // where extra Xcode copies would be
    std::vector<Path> dockerCandidates;        // the container engine's tool, tried in order
    std::vector<std::string> toolEnvironment;  // exactly what every tool gets
    std::chrono::milliseconds toolTimeLimit{120'000};
    // Folders holding Android system images, in the order scanned.
    std::vector<Path> androidImageRoots;
    Path androidEmulators;  // the emulators' folder (~/.android/avd unless moved)
    std::vector<DevVmFolder> vmFolders;
    ProjectArtifacts::Git git;
    // Everything the user's running programs hold on to (what they run, work
    // in, map or name on their command line); none: nothing runs.
    std::function<std::vector<Path>()> placesInUse;
    std::optional<std::vector<Path>> codeRoots;  // nullopt: the default code folders
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTimeUtc(); };

    // The real places and tools of this system, for the home of `places`;
    // reads ANDROID_HOME, ANDROID_SDK_ROOT, ANDROID_AVD_HOME, ANDROID_USER_HOME,
    // DOCKER_HOST and XDG_RUNTIME_DIR now.
    static DevEnvironment system(const platform::Places& places);
};

namespace DevPlaces {

// The folders other operating systems use, as tilde paths with their titles,
// in the order the virtual-machine group lists them.
struct TildeFolder {
    const char* path;
    const char* title;
};
const std::vector<TildeFolder>& vmTildeFolders();

// The container engine's tool in the places installers put it, for `home`.
std::vector<std::filesystem::path> dockerCandidates(const std::filesystem::path& home);

// The Linux SDK: $ANDROID_HOME, else $ANDROID_SDK_ROOT, else ~/Android/Sdk
// (variables that are not absolute paths do not count).
std::filesystem::path linuxAndroidSdk(const platform::Places& places, const QString& androidHome,
                                      const QString& androidSdkRoot);

// The emulators' folder: $ANDROID_AVD_HOME, else $ANDROID_USER_HOME/avd,
// else ~/.android/avd (variables that are not absolute paths do not count).
std::filesystem::path androidEmulators(const platform::Places& places, const QString& avdHome, const QString& userHome);

// Where Linux keeps virtual machines and container storage, after the other
// systems' rows.
std::vector<DevVmFolder> linuxVmFolders(const platform::Places& places);

}  // namespace DevPlaces
}  // namespace sorbeta
