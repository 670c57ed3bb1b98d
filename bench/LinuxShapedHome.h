#pragma once
// The scan benchmark's second home: the same number of files laid out as a
// Linux desktop keeps them (XDG caches, Electron settings folders, Flatpak
// sandboxes, a freedesktop Trash, a Chinese user-dirs.dirs). Reports the scan
// against `du -sx` of the same roots and `gdu -npc` of the whole home, and how
// much of the cache folder the cleaning rules account for.
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "model/catalog/Catalog.h"
#include "model/disk/Measure.h"
#include "model/disk/RowRoots.h"
#include "model/disk/Targets.h"
#include "model/scan/AppModel.h"
#include "platform/Places.h"

namespace sorbeta::LinuxShapedHome {

namespace fs = std::filesystem;

// What the benchmark already knows how to time.
struct Timers {
    std::function<double(const std::vector<fs::path>&)> sequentialDu;  // ms
    std::function<double(AppModel&)> scan;                             // wall ms
};

struct Place {
    const char* folder;
    int share;  // per mille
    int depth;
};

inline const Place kPlaces[] = {
    {"图片/Camera", 120, 3},
    {"视频/Projects", 30, 2},
    {"Documents/Work", 120, 3},
    {"下载", 30, 1},
    {"Projects/webapp/node_modules", 150, 4},
    {".cache/google-chrome/Default/Cache/Cache_Data", 60, 2},
    {".cache/mozilla/firefox/p.default/cache2/entries", 40, 1},
    {".cache/yarn/v6", 60, 2},
    {".cache/pip/http", 30, 2},
    {".npm/_cacache/content-v2", 80, 3},
    {".cache/huggingface/hub", 20, 2},
    {".config/Slack/Cache/Cache_Data", 40, 2},
    {".config/Slack/logs", 10, 1},
    {".local/share/Trash/files/old", 40, 2},
    {".gradle/caches/build-cache-1", 40, 1},
    {".cache/thumbnails/large", 40, 2},
    {".cache/JetBrains/IdeaIC2024.1/caches", 30, 2},
    {".var/app/org.gimp.GIMP/cache/gimp", 20, 2},
    {".mozilla/firefox/p.default/storage", 40, 2},
};

inline void writeBytes(const fs::path& path, std::size_t bytes) {
    std::ofstream out(path, std::ios::binary);
    static const std::string block(65536, 'y');
    while (bytes > 0) {
        const std::size_t n = std::min(bytes, block.size());
        out.write(block.data(), std::streamsize(n));
        bytes -= n;
    }
}

inline int build(const fs::path& home, int files) {
    fs::create_directories(home / ".config");
    std::ofstream(home / ".config/user-dirs.dirs")
        << "XDG_DOWNLOAD_DIR=\"$HOME/下载\"\nXDG_PICTURES_DIR=\"$HOME/图片\"\nXDG_VIDEOS_DIR=\"$HOME/视频\"\n";
    std::mt19937 random(11);
    std::geometric_distribution<int> size(0.002);
    int made = 0;
    for (const Place& place : kPlaces) {
        const int count = files * place.share / 1000;
        for (int i = 0; i < count; ++i) {
            fs::path folder = home / place.folder;
            for (int level = 0, value = i; level < place.depth; ++level, value /= 16)
                folder /= "d" + std::to_string(value % 16);
            fs::create_directories(folder);
            writeBytes(folder / ("f" + std::to_string(i) + ".bin"), std::size_t(size(random)) * 16);
            ++made;
        }
    }
    fs::create_directories(home / ".local/share/Trash/info");
    std::ofstream(home / ".local/share/Trash/info/old.trashinfo") << "[Trash Info]\nPath=/tmp/old\n";
    writeBytes(home / "视频/Projects/render.mkv", 40'000'000);
    std::printf("built a Linux-shaped home of %d files in %s\n", made, home.c_str());
    return made;
}

// Wall time of one `gdu -npc <home>` (non-interactive, no progress, no colour);
// negative when gdu cannot be run.
inline double timedGdu(const fs::path& home) {
    if (::access("/usr/bin/gdu", X_OK) != 0) return -1;
    QElapsedTimer timer;
    timer.start();
    const pid_t child = ::fork();
    if (child == 0) {
        if (!std::freopen("/dev/null", "w", stdout)) ::_exit(127);
        ::execl("/usr/bin/gdu", "gdu", "-npc", home.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return double(timer.nsecsElapsed()) / 1e6;
}

// Every category's existing roots and every rule's targets, as the scan measures them.
inline std::vector<fs::path> scanRoots(const platform::Places& places) {
    std::vector<fs::path> roots;
    for (const CategorySpec& spec : Catalog::categories())
        for (const fs::path& root : DiskScanner::categoryRoots(spec, places))
            if (fs::exists(root)) roots.push_back(root);
    for (const CleanSpec& spec : Catalog::cleanables())
        for (const fs::path& target : DiskScanner::targets(spec, {}, places)) roots.push_back(target);
    return roots;
}

// How much of the cache folder the rules account for, and its largest
// children that no rule accounts for.
inline void reportCacheShare(const platform::Places& places) {
    std::vector<fs::path> inCache;
    for (const CleanSpec& spec : Catalog::cleanables())
        for (const fs::path& target : DiskScanner::targets(spec, {}, places))
            if (DiskScanner::isWithin(target, places.cacheHome)) inCache.push_back(target);
    const int64_t total = DiskScanner::size(places.cacheHome);
    const int64_t attributed = DiskScanner::size(inCache);
    std::printf("cache folder: %lld bytes, %.1f%% attributed to cleaning rules\n", static_cast<long long>(total),
                total > 0 ? 100.0 * double(attributed) / double(total) : 0.0);
    std::vector<std::pair<int64_t, std::string>> unattributed;
    for (const auto& entry : fs::directory_iterator(places.cacheHome)) {
        std::vector<fs::path> inside;
        for (const fs::path& target : inCache)
            if (DiskScanner::isWithin(target, entry.path())) inside.push_back(target);
        const int64_t left = DiskScanner::size(entry.path()) - DiskScanner::size(inside);
        if (left > 0) unattributed.emplace_back(left, entry.path().filename().native());
    }
    std::sort(unattributed.rbegin(), unattributed.rend());
    for (std::size_t i = 0; i < std::min<std::size_t>(5, unattributed.size()); ++i)
        std::printf("  unattributed: %-24s %lld bytes\n", unattributed[i].second.c_str(),
                    static_cast<long long>(unattributed[i].first));
}

// Makes "home" and an empty "system" root inside `dir` and points HOME, the
// XDG folders and the system root at them; returns the home.
inline fs::path pointEnvironmentAt(const QTemporaryDir& dir) {
    const fs::path base = dir.path().toStdString();
    const fs::path home = base / "home";
    fs::create_directories(home);
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home / ".local/share").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (home / ".cache").c_str(), 1);
    ::setenv("SORBETA_SYSTEM_ROOT", (base / "system").c_str(), 1);
    return home;
}

// Builds the home in a folder of its own, points HOME and the XDG variables at
// it, scans it twice and prints the figures. False when the scan's category
// totals differ from the measuring functions.
inline bool run(int files, const Timers& timers) {
    QTemporaryDir dir;
    const fs::path home = pointEnvironmentAt(dir);
    build(home, files);
    const auto places = platform::Places::fromEnvironment();
    const std::vector<fs::path> roots = scanRoots(places);

    std::fflush(stdout);         // the children must not flush it again
    timers.sequentialDu(roots);  // warm the cache
    const double du = timers.sequentialDu(roots);
    timedGdu(home);
    const double gdu = timedGdu(home);

    ModelEnvironment environment = ModelEnvironment::system(places);
    environment.apps = nullptr;
    AppModel model(environment);
    const double scan = std::min(timers.scan(model), timers.scan(model));

    bool same = true;
    for (const CategoryResult& result : model.categories()) {
        std::vector<fs::path> kept;
        for (const fs::path& root : DiskScanner::categoryRoots(result.spec, places))
            if (fs::exists(root)) kept.push_back(root);
        const int64_t expected = DiskScanner::sizeWithParts(kept, AppModel::minPartBytes, places).total;
        if (expected != result.bytes) same = false;
        std::printf("  category %-8s %lld bytes%s\n", result.spec.id.c_str(), static_cast<long long>(result.bytes),
                    expected == result.bytes ? "" : " MISMATCH");
    }
    std::printf("Linux-shaped home: %zu roots, %zu clean items\n", roots.size(), model.items().size());
    std::printf("Linux-shaped scan: %.1f ms; sequential du -sx of the same roots: %.1f ms (ratio %.2f)\n", scan, du,
                scan / du);
    if (gdu >= 0)
        std::printf("Linux-shaped scan against gdu -npc of the whole home: %.1f ms (ratio %.2f)\n", gdu, scan / gdu);
    else
        std::printf("gdu is not installed: no comparison\n");
    reportCacheShare(places);
    return same;
}

}  // namespace sorbeta::LinuxShapedHome
