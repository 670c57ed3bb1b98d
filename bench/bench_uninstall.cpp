// Cost of the uninstaller's listing: discovery of 100 installed applications
// (bundles, AppImages and unpacked folders with their desktop entries) and
// the weighing of each with its 5 leftovers, on a synthetic home, against
// `du -sx` over the same bundles and leftover folders in the same run.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "model/uninstall/AppDiscovery.h"
#include "model/uninstall/LinuxLaunchers.h"
#include "model/uninstall/Weighing.h"
#include "platform/Places.h"

extern char** environ;

using namespace sorbeta;
namespace fs = std::filesystem;
using bench::Clock;
using bench::median;
using bench::msSince;

namespace {

constexpr int kApps = 100;
constexpr int kFilesPerBundle = 60;
constexpr int kFilesPerLeftover = 8;

void write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

void fill(const fs::path& folder, int files, std::size_t bytes) {
    for (int f = 0; f < files; ++f)
        write(folder / ("part" + std::to_string(f % 4)) / ("file-" + std::to_string(f)), std::string(bytes, 'x'));
}

// One application of each kind in turn, each with five leftovers.
void makeHome(const fs::path& home, const platform::Places& places) {
    for (int i = 0; i < kApps; ++i) {
        const std::string n = std::to_string(i);
        const std::string id = "org.bench.App" + n;
        const std::string name = "Bench App " + n;
        switch (i % 3) {
            case 0: {
                const fs::path bundle = home / "Applications" / (name + ".app");
                write(bundle / "Contents/Info.plist",
                      "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>CFBundleIdentifier</key><string>" + id +
                          "</string><key>CFBundleExecutable</key><string>app</string></dict></plist>");
                fill(bundle / "Contents/Resources", kFilesPerBundle, 3000);
                for (const char* folder : {"Application Support", "Caches", "Logs", "Containers", "WebKit"})
                    fill(home / "Library" / folder / id, kFilesPerLeftover, 2000);
                break;
            }
            case 1: {
                const fs::path image = home / "Applications" / ("BenchApp" + n + "-1.0-x86_64.AppImage");
                write(image, std::string(180000, 'x'));
                fs::permissions(image, fs::perms::owner_all);
                write(places.dataHome / "applications" / (id + ".desktop"),
                      "[Desktop Entry]\nType=Application\nName=" + name + "\nIcon=" + id + "\nExec=" + image.native() +
                          " %U\n");
                write(places.dataHome / "icons/hicolor/64x64/apps" / (id + ".png"), std::string(3000, 'x'));
                for (const fs::path& root : {places.configHome, places.dataHome, places.cacheHome})
                    fill(root / id, kFilesPerLeftover, 2000);
                break;
            }
            default: {
                const fs::path folder = home / "Applications" / ("bench-app-" + n);
                fill(folder / "lib", kFilesPerBundle, 3000);
                write(folder / "bin/run", "#!/bin/sh\n");
                fs::permissions(folder / "bin/run", fs::perms::owner_all);
                write(places.dataHome / "applications" / (id + ".desktop"),
                      "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=\"" + (folder / "bin/run").native() +
                          "\"\n");
                write(places.configHome / "autostart" / (id + ".desktop"),
                      "[Desktop Entry]\nType=Application\nExec=" + (folder / "bin/run").native() + " --tray\n");
                for (const fs::path& root : {places.configHome, places.cacheHome})
                    fill(root / id, kFilesPerLeftover, 2000);
                fill(home / ".var/app" / id, kFilesPerLeftover, 2000);
            }
        }
    }
}

double duSx(const std::vector<std::string>& paths) {
    std::vector<std::string> words{"/usr/bin/du", "-sx"};
    words.insert(words.end(), paths.begin(), paths.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    ::waitpid(pid, &status, 0);
    return msSince(start);
}

struct Run {
    double ms = 0;
    std::size_t apps = 0;
    std::size_t leftovers = 0;
    int64_t bytes = 0;
    std::vector<std::string> paths;  // every bundle and leftover weighed
};

Run listAndWeigh(const UninstallPlaces& where, bool parallel) {
    Run run;
    const auto start = Clock::now();
    std::vector<InstalledApp> apps = Uninstaller::listApps(where);
    const std::set<QString> shared = Uninstaller::sharedNames(apps);
    const Uninstaller::LinuxLaunchers launchers = Uninstaller::LinuxLaunchers::read(where);
    const auto weighOne = [&](const InstalledApp& app) {
        return Uninstaller::weigh(app, false, shared.count(app.name.toLower()) > 0, where, launchers);
    };
    std::vector<Uninstaller::Weighed> weighed;
    if (parallel) {
        weighed = QtConcurrent::blockingMapped<std::vector<Uninstaller::Weighed>>(apps, weighOne);
    } else {
        for (const InstalledApp& app : apps) weighed.push_back(weighOne(app));
    }
    run.ms = msSince(start);
    run.apps = apps.size();
    for (const Uninstaller::Weighed& w : weighed) {
        run.paths.push_back(w.url.native());
        run.bytes += w.appBytes;
        for (const Leftover& l : w.leftovers) {
            run.paths.push_back(l.url.native());
            run.bytes += l.bytes;
            ++run.leftovers;
        }
    }
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    bench::ScratchHome scratch;
    if (!scratch.make("uninstall")) return 1;
    const fs::path base = scratch.base;
    const fs::path home = scratch.home;
    const auto places = platform::Places::fromEnvironment();
    makeHome(home, places);

    UninstallPlaces where;
    where.places = places;
    where.systemApplications = base / "Applications";  // empty: only the user's own
    where.locale = QStringLiteral("en_US");

    constexpr int kRounds = 5;
    Run serial = listAndWeigh(where, false);  // warms the caches for both sides
    duSx(serial.paths);
    std::vector<double> ours, pooled, du;
    for (int round = 0; round < kRounds; ++round) {
        serial = listAndWeigh(where, false);
        ours.push_back(serial.ms);
        pooled.push_back(listAndWeigh(where, true).ms);
        du.push_back(duSx(serial.paths));
    }
    scratch.remove();

    const double oursMs = median(ours), pooledMs = median(pooled), duMs = median(du);
    std::printf("applications %zu, leftovers %zu, %lld bytes, %zu paths\n", serial.apps, serial.leftovers,
                static_cast<long long>(serial.bytes), serial.paths.size());
    std::printf("discover and weigh (one thread): %.1f ms\n", oursMs);
    std::printf("discover and weigh (worker pool, as the model runs it): %.1f ms\n", pooledMs);
    std::printf("du -sx over the same paths: %.1f ms\n", duMs);
    std::printf("one thread / du ratio: %.2f, pool / du ratio: %.2f (aim: under 1.20)\n", oursMs / duMs,
                pooledMs / duMs);
    return 0;
}
