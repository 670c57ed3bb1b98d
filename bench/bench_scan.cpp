// One full scan of a synthetic home of 200,000 files: how long the GUI thread
// goes without running its timer while the scan runs (the longest gap between
// ticks of a 1 ms timer), the scan's wall time, and the same roots measured
// one after another with `du -sx`. The totals of every category are checked
// against the measuring functions. Then the same for a Linux-shaped home
// (bench/LinuxShapedHome.h).
// Usage: bench_scan [files]   (default 200000; the tree lives in a temporary folder)
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <qcoro/qcorotask.h>

#include "LinuxShapedHome.h"
#include "model/catalog/Catalog.h"
#include "model/disk/Measure.h"
#include "model/disk/Targets.h"
#include "model/scan/AppModel.h"
#include "platform/Places.h"
#include "platform/RunningApps.h"

using namespace sorbeta;
namespace fs = std::filesystem;

namespace {

// Where the files go, with the share of the total each place gets.
struct Place {
    const char* folder;
    int share;  // per mille
    int depth;  // folder levels below it
};

const Place kPlaces[] = {
    {"Pictures/Library", 120, 3},
    {"Movies/Projects", 30, 2},
    {"Documents/Work", 120, 3},
    {"Downloads", 30, 1},
    {"Projects/webapp/node_modules", 150, 4},
    {"Library/Developer/Xcode/DerivedData/App-abc/Build", 80, 4},
    {"Library/Caches/com.example.Editor", 60, 2},
    {"Library/Caches/Yarn/v6", 60, 2},
    {"Library/Caches/Google/Chrome/Default/Cache", 50, 1},
    {".npm/_cacache/content-v2", 100, 3},
    {".cache/huggingface/hub", 20, 2},
    {"Library/Logs/Apps", 40, 2},
    {".Trash/old", 40, 2},
    {"Library/Application Support/Slack/Cache", 50, 2},
    {".gradle/caches/build-cache-1", 50, 1},
};

void writeFile(const fs::path& path, std::size_t bytes) {
    std::ofstream out(path, std::ios::binary);
    static const std::string block(65536, 'x');
    while (bytes > 0) {
        const std::size_t n = std::min(bytes, block.size());
        out.write(block.data(), std::streamsize(n));
        bytes -= n;
    }
}

int buildHome(const fs::path& home, int files) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> spread(0, 15);
    std::geometric_distribution<int> size(0.002);  // mostly small, a few large
    int made = 0;
    int links = 0;
    for (const Place& place : kPlaces) {
        const int count = files * place.share / 1000;
        fs::path lastFile;
        for (int i = 0; i < count; ++i) {
            fs::path folder = home / place.folder;
            int value = i;
            for (int level = 0; level < place.depth; ++level) {
                std::string name("d");
                name.append(std::to_string(value % 16)).append("_").append(std::to_string(spread(random) % 2));
                folder /= name;
                value /= 16;
            }
            fs::create_directories(folder);
            std::string name("f");
            name.append(std::to_string(i)).append(".bin");
            const fs::path file = folder / name;
            if (i % 97 == 0 && !lastFile.empty()) {
                fs::create_hard_link(lastFile, file);  // counted once
                ++links;
            } else {
                writeFile(file, std::size_t(size(random)) * 16);
                lastFile = file;
            }
            ++made;
        }
    }
    // A few big files so that categories have parts of 20 MB and more.
    writeFile(home / "Movies/Projects/render.mov", 40'000'000);
    writeFile(home / "Documents/Work/archive.zip", 25'000'000);
    std::printf("built %d files (%d hard links) in %s\n", made, links, home.c_str());
    return made;
}

// The places the scan measures: every category's existing roots and every rule's targets.
std::vector<fs::path> scanRoots(const platform::Places& places) {
    std::vector<fs::path> roots;
    for (const CategorySpec& spec : Catalog::categories())
        for (const fs::path& root : DiskScanner::categoryRoots(spec, places))
            if (fs::exists(root)) roots.push_back(root);
    for (const CleanSpec& spec : Catalog::cleanables())
        for (const fs::path& target : DiskScanner::targets(spec, {}, places)) roots.push_back(target);
    return roots;
}

double sequentialDu(const std::vector<fs::path>& roots) {
    QElapsedTimer timer;
    timer.start();
    for (const fs::path& root : roots) {
        const pid_t child = ::fork();
        if (child == 0) {
            if (!std::freopen("/dev/null", "w", stdout)) ::_exit(127);
            ::execl("/usr/bin/du", "du", "-sx", root.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

struct ScanFigures {
    double wallMs = 0;
    double longestGapMs = 0;
    int ticks = 0;
};

ScanFigures timedScan(AppModel& model) {
    ScanFigures figures;
    QElapsedTimer clock;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    qint64 last = 0;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        const double gap = double(now - last) / 1e6;
        if (gap > 10 && std::getenv("BENCH_SCAN_VERBOSE"))
            std::printf("  gap of %.1f ms ending at %.1f ms (done %d)\n", gap, double(now) / 1e6, model.scanDone());
        figures.longestGapMs = std::max(figures.longestGapMs, gap);
        last = now;
        ++figures.ticks;
    });
    clock.start();
    ticker.start();
    QCoro::Task<> task = model.scan();
    if (std::getenv("BENCH_SCAN_VERBOSE"))
        std::printf("  scan() returned to its caller after %.1f ms\n", double(clock.nsecsElapsed()) / 1e6);
    QCoro::waitFor(task);
    figures.wallMs = double(clock.nsecsElapsed()) / 1e6;
    // The gap up to the end counts too.
    figures.longestGapMs = std::max(figures.longestGapMs, double(clock.nsecsElapsed() - last) / 1e6);
    ticker.stop();
    return figures;
}

}  // namespace

int main(int argc, char** argv) {
    const int files = argc > 1 ? std::atoi(argv[1]) : 200'000;
    QTemporaryDir dir;
    const fs::path home = fs::path(dir.path().toStdString()) / "home";
    fs::create_directories(home);
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home / ".local/share").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (home / ".cache").c_str(), 1);
    ::setenv("SORBETA_SYSTEM_ROOT", (fs::path(dir.path().toStdString()) / "system").c_str(), 1);
    QCoreApplication app(argc, argv);
    const auto places = platform::Places::fromEnvironment();

    buildHome(places.home, files);
    const std::vector<fs::path> roots = scanRoots(places);

    std::fflush(stdout);  // the du children must not flush it again
    // Warm the cache, then time du over the same roots one after another.
    sequentialDu(roots);
    const double du = sequentialDu(roots);

    ModelEnvironment environment = ModelEnvironment::system(places);
    environment.apps = nullptr;  // the scan never asks
    AppModel model(environment);
    const ScanFigures first = timedScan(model);
    const ScanFigures second = timedScan(model);

    // The scan's totals against the measuring functions on the same roots.
    bool same = true;
    for (const CategoryResult& result : model.categories()) {
        std::vector<fs::path> kept;
        for (const fs::path& root : DiskScanner::categoryRoots(result.spec, places))
            if (fs::exists(root)) kept.push_back(root);
        const int64_t expected = DiskScanner::sizeWithParts(kept, AppModel::minPartBytes, places).total;
        if (expected != result.bytes) {
            same = false;
            std::printf("MISMATCH %s: scan %lld, measuring %lld\n", result.spec.id.c_str(),
                        static_cast<long long>(result.bytes), static_cast<long long>(expected));
        }
    }
    int64_t itemBytes = 0;
    for (const CleanItem& item : model.items()) itemBytes += item.bytes;

    std::printf("roots measured: %zu (categories and rule targets), clean items: %zu (%lld bytes)\n", roots.size(),
                model.items().size(), static_cast<long long>(itemBytes));
    std::printf("scan totals equal the measuring functions: %s\n", same ? "yes" : "NO");
    std::printf("first scan:  wall %.1f ms, longest GUI-thread gap %.2f ms over %d ticks\n", first.wallMs,
                first.longestGapMs, first.ticks);
    std::printf("second scan: wall %.1f ms, longest GUI-thread gap %.2f ms over %d ticks\n", second.wallMs,
                second.longestGapMs, second.ticks);
    std::printf("sequential du -sx over the same roots: %.1f ms\n", du);
    const double best = std::min(first.wallMs, second.wallMs);
    std::printf("ratio scan / sequential du: %.2f\n", best / du);
    std::printf("longest GUI-thread gap: %.2f ms (aim: under 50 ms)\n",
                std::max(first.longestGapMs, second.longestGapMs));

    const bool linuxSame =
        LinuxShapedHome::run(files, {sequentialDu, [](AppModel& scanned) { return timedScan(scanned).wallMs; }});
    return same && linuxSame ? 0 : 1;
}
