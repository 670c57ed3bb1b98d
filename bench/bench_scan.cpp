// One full scan of a synthetic home of about 380,000 entries (hard links, deep
// and flat folders): how long the GUI thread goes without running its timer
// while the scan runs (the longest gap between ticks of a 1 ms timer), the
// scan's wall time against the floor of the machine (a bare parallel walk of
// the same home, ScanFloor.h), `du -sx` and `gdu -npc` of the home, and the
// same roots measured one after another with `du -sx`. The totals of every
// category and rule are checked against the measuring functions. Then the
// same for a Linux-shaped home (bench/LinuxShapedHome.h); the figures against
// the aims come last.
// Usage: bench_scan [files]   (default 200000 spread over the places, plus the
// deep and flat folders; the tree lives in a temporary folder, or is kept in
// $BENCH_SCAN_HOME; BENCH_SCAN_TOTALS prints every total, BENCH_SCAN_ONE_HOME
// leaves out the Linux-shaped home, BENCH_SCAN_SCANS_ONLY the tools and the floor)
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
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
#include <thread>
#include <vector>

#include <qcoro/qcorotask.h>

#include "LinuxShapedHome.h"
#include "ScanFloor.h"
#include "model/catalog/Catalog.h"
#include "model/common/WorkPool.h"
#include "model/disk/Measure.h"
#include "model/disk/RowRoots.h"
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
    // The GUI thread's own CPU time between two ticks, at most: a gap much
    // longer than this is the thread waiting for a core, not doing our work.
    double longestBusyMs = 0;
    int ticks = 0;
};

// The one-minute load average: the figures mean little on a busy machine.
double loadAverage() {
    std::ifstream in("/proc/loadavg");
    double load = -1;
    in >> load;
    return load;
}

const char* verdict(bool met) { return met ? "met" : "NOT met"; }

double threadCpuMs() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

ScanFigures timedScan(AppModel& model) {
    ScanFigures figures;
    QElapsedTimer clock;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    qint64 last = 0;
    double lastBusy = threadCpuMs();
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        const double gap = double(now - last) / 1e6;
        const double busy = threadCpuMs();
        const double ownWork = busy - lastBusy;
        figures.longestBusyMs = std::max(figures.longestBusyMs, ownWork);
        lastBusy = busy;
        if (gap > 10 && std::getenv("BENCH_SCAN_VERBOSE"))
            std::printf("  gap of %.1f ms (GUI thread busy %.1f ms) ending at %.1f ms (done %d)\n", gap, ownWork,
                        double(now) / 1e6, model.scanDone());
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

// Every rule the measuring functions find at the item threshold or above is
// an item of the scan with the same bytes, and no other rule is.
bool rulesMatch(const AppModel& model, const platform::Places& places) {
    bool same = true;
    std::size_t expectedItems = 0;
    for (const CleanSpec& spec : Catalog::cleanables()) {
        const int64_t expected = DiskScanner::size(DiskScanner::targets(spec, {}, places));
        if (expected < AppModel::cleanItemThreshold) continue;
        ++expectedItems;
        const auto item = std::find_if(model.items().begin(), model.items().end(),
                                       [&](const CleanItem& it) { return it.spec.id == spec.id; });
        if (item == model.items().end() || item->bytes != expected) {
            same = false;
            std::printf("MISMATCH rule %s: scan %lld, measuring %lld\n", spec.id.c_str(),
                        static_cast<long long>(item == model.items().end() ? -1 : item->bytes),
                        static_cast<long long>(expected));
        }
    }
    return same && expectedItems == model.items().size();
}

// The floor walk, du and gdu of the whole home: one warm-up, then the median of three.
struct Baselines {
    bench::FloorFigures floor;
    double duHome = 0;
    double gduHome = 0;
};

Baselines baselines(const fs::path& home) {
    const auto median3 = [](auto run) {
        run();
        std::vector<double> times{run(), run(), run()};
        std::sort(times.begin(), times.end());
        return times[1];
    };
    Baselines out;
    bench::FloorWalk floor(int(std::max(1u, std::thread::hardware_concurrency())));
    out.floor.ms = median3([&] {
        out.floor = floor.run(home);
        return out.floor.ms;
    });
    out.duHome = median3([&] { return bench::duOfHome(home); });
    out.gduHome = median3([&] { return bench::gduOfHome(home); });
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    const int files = argc > 1 ? std::atoi(argv[1]) : 200'000;
    // BENCH_SCAN_HOME names a folder to keep the home in between runs, so that
    // two builds can be timed one after another on the very same tree.
    QTemporaryDir dir;
    const char* kept = std::getenv("BENCH_SCAN_HOME");
    const fs::path folder = kept && *kept ? fs::path(kept) : fs::path(dir.path().toStdString());
    const fs::path home = folder / "home";
    const bool reused = fs::exists(folder / "built");
    fs::create_directories(home);
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home / ".local/share").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (home / ".cache").c_str(), 1);
    QCoreApplication app(argc, argv);
    // The engine's threads step back from this one, as they do in the application.
    yieldWorkToInterface();
    const auto places = platform::Places::fromEnvironment();

    if (reused) {
        std::printf("reusing the home in %s\n", home.c_str());
    } else {
        buildHome(places.home, files);
        std::printf("added %d files in deep and flat folders\n", bench::addDeepAndFlat(places.home, 40'000));
        std::ofstream(folder / "built") << files << "\n";
    }
    const std::vector<fs::path> roots = scanRoots(places);

    std::fflush(stdout);  // the du children must not flush it again
    // Warm the cache, then time du over the same roots one after another.
    // BENCH_SCAN_SCANS_ONLY times the scans alone (to profile them): no tools, no floor.
    const bool scansOnly = std::getenv("BENCH_SCAN_SCANS_ONLY");
    if (!scansOnly) sequentialDu(roots);
    const double du = scansOnly ? -1 : sequentialDu(roots);
    const double loadAtStart = loadAverage();
    const Baselines base = scansOnly ? Baselines{{1, 1, 0}, -1, -1} : baselines(places.home);

    ModelEnvironment environment = ModelEnvironment::system(places);
    environment.apps = nullptr;  // the scan never asks
    AppModel model(environment);
    std::vector<ScanFigures> scans;
    for (int run = 0; run < 3; ++run) scans.push_back(timedScan(model));

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
    same = rulesMatch(model, places) && same;
    int64_t itemBytes = 0;
    for (const CleanItem& item : model.items()) itemBytes += item.bytes;

    std::printf(
        "home: %lld entries; roots measured: %zu (categories and rule targets), clean items: %zu (%lld bytes)\n",
        static_cast<long long>(base.floor.entries), roots.size(), model.items().size(),
        static_cast<long long>(itemBytes));
    std::printf("scan totals equal the measuring functions (categories and rules): %s\n", same ? "yes" : "NO");
    double longestGap = 0;
    double longestBusy = 0;
    std::vector<double> walls;
    for (std::size_t run = 0; run < scans.size(); ++run) {
        std::printf(
            "scan %zu: wall %.1f ms, longest GUI-thread gap %.2f ms over %d ticks (GUI thread busy at most "
            "%.2f ms of it)\n",
            run + 1, scans[run].wallMs, scans[run].longestGapMs, scans[run].ticks, scans[run].longestBusyMs);
        longestGap = std::max(longestGap, scans[run].longestGapMs);
        longestBusy = std::max(longestBusy, scans[run].longestBusyMs);
        walls.push_back(scans[run].wallMs);
    }
    std::sort(walls.begin(), walls.end());
    const double scan = walls[1];
    std::printf("floor walk (%u threads, getdents64 + fstatat by descriptor): %.1f ms, %.0f entries/s\n",
                std::max(1u, std::thread::hardware_concurrency()), base.floor.ms,
                double(base.floor.entries) / base.floor.ms * 1000);
    std::printf("du -sx of the home: %.1f ms; gdu -npc of the home: %.1f ms%s\n", base.duHome, base.gduHome,
                base.gduHome < 0 ? " (gdu missing)" : "");
    std::printf("sequential du -sx over the same roots: %.1f ms\n", du);
    const double loadAtEnd = loadAverage();

    // Every figure the scan found, one line each, to compare two builds' totals.
    if (std::getenv("BENCH_SCAN_TOTALS")) {
        for (const CategoryResult& result : model.categories())
            std::printf("total category %s %lld\n", result.spec.id.c_str(), static_cast<long long>(result.bytes));
        for (const CleanItem& item : model.items())
            std::printf("total rule %s %lld\n", item.spec.id.c_str(), static_cast<long long>(item.bytes));
    }
    // BENCH_SCAN_ONE_HOME leaves out the Linux-shaped home (rounds against another build).
    const bool linuxSame =
        std::getenv("BENCH_SCAN_ONE_HOME") ||
        LinuxShapedHome::run(files, {sequentialDu, [](AppModel& scanned) { return timedScan(scanned).wallMs; }});

    // The figures against the aims, last.
    const double toFloor = scan / base.floor.ms;
    const double toGdu = base.gduHome > 0 ? scan / base.gduHome : -1;
    std::printf(
        "== aims, home of %lld entries, warm cache, %u cores, load average %.2f at the start, %.2f after "
        "the scans\n",
        static_cast<long long>(base.floor.entries), std::max(1u, std::thread::hardware_concurrency()), loadAtStart,
        loadAtEnd);
    std::printf("scan (median of 3) %.1f ms; floor walk %.1f ms; gdu -npc %.1f ms; du -sx %.1f ms\n", scan,
                base.floor.ms, base.gduHome, base.duHome);
    std::printf("scan / floor walk: %.2f (aim <= 1.30) %s\n", toFloor, verdict(toFloor <= 1.3));
    if (toGdu > 0)
        std::printf("scan / gdu -npc: %.2f (aim <= 0.60) %s\n", toGdu, verdict(toGdu <= 0.6));
    else
        std::printf("scan / gdu -npc: gdu missing (scripts/dev.sh bench installs it)\n");
    std::printf("scan / du -sx: %.2f\n", scan / base.duHome);
    std::printf("longest GUI-thread gap: %.2f ms (aim < 16 ms) %s; the GUI thread's own work in it at most %.2f ms\n",
                longestGap, verdict(longestGap < 16), longestBusy);
    std::printf("every category and rule total equals the measuring functions: %s\n", same && linuxSame ? "yes" : "NO");
    return same && linuxSame ? 0 : 1;
}
