// Measuring speed on a synthetic home of more than 300,000 files laid out over
// the catalog's places (deep dependency trees, flat log and cache folders,
// a content store hard-linked into projects):
//   1. DiskScanner::size of one large root against `du -sx` of it;
//   2. every category and rule measured concurrently, as a scan does, against
//      `du -sx` of the same roots run one after another;
//   3. entries per second of both.
// Each figure is the median of several warm runs. The tree lives in a
// temporary folder under /tmp and is removed at the end.
#include <fcntl.h>
#include <fts.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QThreadPool>
#include <QtConcurrent>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "BenchSupport.h"
#include "model/catalog/Catalog.h"
#include "model/disk/Measure.h"
#include "model/disk/Targets.h"
#include "platform/EntryInfo.h"
#include "platform/Listing.h"
#include "platform/Places.h"
#include "platform/ProcessRunner.h"

namespace fs = std::filesystem;
using namespace sorbeta;
using bench::median;
using bench::seconds;

namespace {

constexpr int kRuns = 5;

class HomeBuilder {
public:
    explicit HomeBuilder(fs::path home) : home_(std::move(home)), random_(20240611) {}

    int64_t files() const { return files_; }
    int64_t links() const { return links_; }

    fs::path at(const std::string& relative) const { return home_ / relative; }

    // A small file of 1 to 6,000 bytes (one or two blocks).
    fs::path file(const fs::path& path, int64_t bytes = -1) {
        if (bytes < 0) bytes = std::uniform_int_distribution<int64_t>(1, 6000)(random_);
        fs::create_directories(path.parent_path());
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0) fail("cannot create " + path.native());
        static const std::string chunk(1 << 16, 'x');
        for (int64_t left = bytes; left > 0;) {
            const auto n = ::write(fd, chunk.data(), std::size_t(std::min<int64_t>(left, int64_t(chunk.size()))));
            if (n <= 0) fail("cannot write " + path.native());
            left -= n;
        }
        ::close(fd);
        ++files_;
        return path;
    }

    void link(const fs::path& existing, const fs::path& path) {
        fs::create_directories(path.parent_path());
        if (::link(existing.c_str(), path.c_str()) != 0) fail("cannot link " + path.native());
        ++links_;
    }

    // One folder holding `count` files.
    void flat(const std::string& relative, int count, const std::string& suffix = ".log") {
        for (int i = 0; i < count; ++i) file(at(relative) / ("entry-" + std::to_string(i) + suffix));
    }

    // A balanced tree: `fanout` folders per level, `perFolder` files in each folder.
    void tree(const fs::path& root, int fanout, int depth, int perFolder) {
        for (int i = 0; i < perFolder; ++i) file(root / ("f" + std::to_string(i) + ".o"));
        if (depth == 0) return;
        for (int i = 0; i < fanout; ++i) tree(root / ("d" + std::to_string(i)), fanout, depth - 1, perFolder);
    }

    // A chain `depth` folders deep with `perLevel` files on every level.
    void deep(const fs::path& root, int depth, int perLevel) {
        fs::path folder = root;
        for (int level = 0; level < depth; ++level) {
            folder /= "level" + std::to_string(level);
            for (int i = 0; i < perLevel; ++i) file(folder / ("part" + std::to_string(i)));
        }
    }

    // Content-addressed folders two hex levels deep, as package caches keep them.
    std::vector<fs::path> hashed(const std::string& relative, int count) {
        std::vector<fs::path> made;
        char name[40];
        for (int i = 0; i < count; ++i) {
            const unsigned value = unsigned(random_());
            std::snprintf(name, sizeof name, "%02x/%02x/%08x%06d", value & 0xff, (value >> 8) & 0xff, value, i);
            made.push_back(file(at(relative) / name));
        }
        return made;
    }

    std::mt19937_64& random() { return random_; }

    [[noreturn]] static void fail(const std::string& why) {
        std::fprintf(stderr, "bench_measure: %s\n", why.c_str());
        std::exit(1);
    }

private:
    fs::path home_;
    std::mt19937_64 random_;
    int64_t files_ = 0;
    int64_t links_ = 0;
};

// The synthetic home: about 305,000 files. The large root is ~/Projects.
void buildHome(HomeBuilder& b) {
    // A pnpm-style store whose files are hard-linked into the projects' node_modules.
    const auto store = b.hashed("Library/pnpm/store/v3/files", 30000);
    std::size_t next = 0;
    for (int project = 0; project < 40; ++project) {
        const fs::path root = b.at("Projects/app" + std::to_string(project));
        b.file(root / "package.json", 400);
        b.tree(root / "src", 3, 2, 8);  // 104 files
        // Dependencies nested 12 levels deep, as old npm layouts were.
        for (int dep = 0; dep < 25; ++dep) {
            fs::path folder = root / "node_modules";
            for (int level = 0; level < 1 + dep % 12; ++level) {
                folder /= "pkg" + std::to_string(dep) + "-" + std::to_string(level);
                b.file(folder / "package.json", 300);
                for (int i = 0; i < 4; ++i)
                    b.link(store[next++ % store.size()], folder / ("lib" + std::to_string(i) + ".js"));
                folder /= "node_modules";
            }
        }
        b.deep(root / "target/debug/deps", 24, 10);  // 240 files, 24 levels
        b.flat("Projects/app" + std::to_string(project) + "/build/flat", 1500, ".class");
    }
    // Package-manager caches.
    b.hashed(".npm/_cacache/content-v2/sha512", 30000);
    b.hashed("go/pkg/mod/cache/download", 15000);
    b.tree(b.at(".gradle/caches/modules-2"), 4, 3, 60);  // 5,100 files
    b.tree(b.at(".cargo/registry/cache"), 6, 2, 40);     // 1,720 files
    b.tree(b.at(".cache/huggingface/hub"), 2, 2, 10);
    b.flat("Library/Caches/Yarn/v6", 10000, ".tgz");
    b.flat("Library/Caches/pip/http", 4000, ".body");
    b.flat("Library/Caches/Homebrew/downloads", 300, ".bottle.tar.gz");
    // Application caches: many folders, one very flat one.
    for (int app = 0; app < 40; ++app) b.tree(b.at("Library/Caches/com.example.app" + std::to_string(app)), 3, 2, 30);
    b.flat("Library/Caches/com.flat.cache", 40000, ".cache");
    b.tree(b.at("Library/Caches/Google/Chrome/Default/Cache"), 4, 2, 100);
    // Xcode: deep DerivedData trees, device support, simulator devices.
    for (int project = 0; project < 8; ++project)
        b.deep(
            b.at("Library/Developer/Xcode/DerivedData/App" + std::to_string(project) + "/Build/Intermediates.noindex"),
            30, 80);
    b.tree(b.at("Library/Developer/Xcode/iOS DeviceSupport/17.0 (21A329)"), 5, 2, 40);
    for (int device = 0; device < 12; ++device) {
        const std::string folder = "Library/Developer/CoreSimulator/Devices/DEVICE-" + std::to_string(device) + "/data";
        b.flat(folder + "/tmp", 150, ".tmp");
        b.tree(b.at(folder + "/Containers"), 3, 2, 20);
    }
    // Logs, user folders, chat apps, trash.
    b.flat("Library/Logs/DiagnosticReports", 20000, ".ips");
    b.tree(b.at("Documents"), 5, 2, 200);  // 6,200 files
    b.tree(b.at("Pictures/Photos Library.photoslibrary/originals"), 16, 1, 400);
    b.flat("Music/iTunes", 3000, ".m4a");
    b.flat("Movies", 200, ".mov");
    b.flat("Downloads", 500, ".part");
    b.flat("Desktop", 800, ".png");
    b.tree(b.at("Library/Containers/com.tencent.xinWeChat/Data/Library/Caches"), 4, 2, 150);
    b.tree(b.at("Library/Application Support/Slack/Cache"), 4, 1, 300);
    b.flat(".Trash", 3000, ".old");
    for (int blob = 0; blob < 4; ++blob) b.file(b.at(".ollama/models/blobs/sha256-" + std::to_string(blob)), 8 << 20);
}

// Runs du -sx over the given roots; returns its total in bytes.
int64_t du(const std::vector<fs::path>& roots) {
    std::vector<std::string> arguments{"-sx", "-B1"};
    for (const auto& root : roots) arguments.push_back(root.native());
    platform::ProcessOptions options;
    options.environment = platform::toolEnvironment(platform::Places::fromEnvironment().home);
    options.timeLimit = std::chrono::minutes(10);
    const auto result = platform::runProcess("/usr/bin/du", arguments, options);
    if (!result.succeeded()) HomeBuilder::fail("du failed: " + result.err);
    int64_t total = 0;
    std::size_t start = 0;
    while (start < result.out.size()) {
        total += std::strtoll(result.out.c_str() + start, nullptr, 10);
        const auto end = result.out.find('\n', start);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return total;
}

struct Census {
    int64_t entries = 0;
    int64_t folderBytes = 0;
};

// Every entry a walk of these roots visits, and what the folders themselves take.
Census census(const std::vector<fs::path>& roots) {
    Census result;
    for (const auto& root : roots) {
        std::string path = root.native();
        char* paths[] = {path.data(), nullptr};
        FTS* walk = ::fts_open(paths, FTS_NOCHDIR | FTS_PHYSICAL | FTS_XDEV, nullptr);
        if (!walk) continue;
        while (FTSENT* entry = ::fts_read(walk)) {
            if (entry->fts_info == FTS_DP) continue;
            ++result.entries;
            if (entry->fts_info == FTS_D) result.folderBytes += int64_t(entry->fts_statp->st_blocks) * 512;
        }
        ::fts_close(walk);
    }
    return result;
}

// One unit of the scan: a category or a rule with the places it measures.
struct Unit {
    std::string id;
    std::function<int64_t()> measure;  // resolves and measures, as the scan's child task does
    std::vector<fs::path> roots;       // what it resolved to, for du
};

std::vector<Unit> scanUnits(const platform::Places& places) {
    std::vector<Unit> units;
    for (const CategorySpec& category : Catalog::categories()) {
        Unit unit{category.id, {}, {}};
        unit.measure = [category, places] {
            auto urls =
                DiskScanner::resolveRoots(category.roots, category.childrenOf, category.excludingChildren, {}, places);
            std::erase_if(urls, [](const fs::path& url) { return !platform::exists(url); });
            return DiskScanner::sizeWithParts(urls, 20'000'000, places).total;
        };
        auto urls =
            DiskScanner::resolveRoots(category.roots, category.childrenOf, category.excludingChildren, {}, places);
        std::erase_if(urls, [](const fs::path& url) { return !platform::exists(url); });
        unit.roots = urls;
        units.push_back(std::move(unit));
    }
    for (const CleanSpec& rule : Catalog::cleanables()) {
        Unit unit{rule.id, {}, DiskScanner::targets(rule, {}, places)};
        unit.measure = [rule, places] { return DiskScanner::size(DiskScanner::targets(rule, {}, places)); };
        units.push_back(std::move(unit));
    }
    return units;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    char folder[] = "/tmp/sorbeta-bench-XXXXXX";
    if (!::mkdtemp(folder)) HomeBuilder::fail("cannot make a temporary folder");
    const fs::path home = fs::path(folder) / "home";
    fs::create_directories(home);
    ::setenv("HOME", home.c_str(), 1);
    const auto places = platform::Places::fromEnvironment();

    std::printf("building the synthetic home in %s …\n", home.c_str());
    std::fflush(stdout);
    HomeBuilder builder(home);
    const double buildTime = seconds([&] { buildHome(builder); });
    std::printf("built %lld files and %lld hard links in %.1f s\n", (long long)builder.files(),
                (long long)builder.links(), buildTime);

    const fs::path large = home / "Projects";
    const Census largeCensus = census({large});

    // 1. One large root.
    int64_t ours = 0, theirs = 0;
    ours = DiskScanner::size(large);  // warm the cache
    theirs = du({large});
    std::vector<double> oursTimes, duTimes;
    for (int run = 0; run < kRuns; ++run) {
        oursTimes.push_back(seconds([&] { ours = DiskScanner::size(large); }));
        duTimes.push_back(seconds([&] { theirs = du({large}); }));
    }
    const double oursLarge = median(oursTimes), duLarge = median(duTimes);
    std::printf("large root %s: %lld entries; DiskScanner %lld bytes, du %lld bytes (%lld without folders)%s\n",
                large.c_str(), (long long)largeCensus.entries, (long long)ours, (long long)theirs,
                (long long)(theirs - largeCensus.folderBytes),
                ours == theirs - largeCensus.folderBytes ? ", same" : ", DIFFERENT");

    // 2. Every category and rule, concurrently, against du over the same roots in turn.
    const std::vector<Unit> units = scanUnits(places);
    std::vector<fs::path> allRoots;
    for (const Unit& unit : units) allRoots.insert(allRoots.end(), unit.roots.begin(), unit.roots.end());
    const Census scanCensus = census(allRoots);
    QThreadPool pool;
    pool.setMaxThreadCount(int(std::max(1u, std::thread::hardware_concurrency())));
    int64_t scanBytes = 0;
    const auto concurrentScan = [&] {
        std::vector<QFuture<int64_t>> futures;
        for (const Unit& unit : units) futures.push_back(QtConcurrent::run(&pool, unit.measure));
        scanBytes = 0;
        for (auto& future : futures) scanBytes += future.result();
    };
    int64_t duBytes = 0;
    const auto sequentialDu = [&] {
        duBytes = 0;
        for (const Unit& unit : units)
            if (!unit.roots.empty()) duBytes += du(unit.roots);
    };
    concurrentScan();
    sequentialDu();
    // Each unit alone, for the longest one (the floor of any concurrent scan).
    double unitSum = 0, unitMax = 0;
    std::string longest;
    for (const Unit& unit : units) {
        const double t = seconds([&] { unit.measure(); });
        unitSum += t;
        if (t > unitMax) unitMax = t, longest = unit.id;
    }
    std::vector<double> scanTimes, seqTimes;
    for (int run = 0; run < kRuns; ++run) {
        scanTimes.push_back(seconds(concurrentScan));
        seqTimes.push_back(seconds(sequentialDu));
    }
    const double scanTime = median(scanTimes), seqTime = median(seqTimes);
    std::printf("scan: %zu units over %zu roots, %lld entries walked; DiskScanner %lld bytes, du %lld bytes\n",
                units.size(), allRoots.size(), (long long)scanCensus.entries, (long long)scanBytes, (long long)duBytes);

    std::printf("units one after another: DiskScanner %.3f s in all, longest \"%s\" %.3f s\n", unitSum, longest.c_str(),
                unitMax);

    std::error_code error;
    fs::remove_all(folder, error);

    // 3. The figures, last.
    const auto best = [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); };
    std::printf("best runs: large root %.3f s vs du %.3f s (ratio %.2f); all %.3f s vs du %.3f s (ratio %.2f)\n",
                best(oursTimes), best(duTimes), best(oursTimes) / best(duTimes), best(scanTimes), best(seqTimes),
                best(scanTimes) / best(seqTimes));
    std::printf("threads: %d, runs per figure: %d (median, warm cache)\n", pool.maxThreadCount(), kRuns);
    std::printf("large root: DiskScanner::size %.3f s, du -sx %.3f s, ratio %.2f (aim <= 1.10)\n", oursLarge, duLarge,
                oursLarge / duLarge);
    std::printf("all categories and rules: concurrent %.3f s, sequential du -sx %.3f s, ratio %.2f (aim <= 0.50)\n",
                scanTime, seqTime, scanTime / seqTime);
    std::printf("entries/s: large root DiskScanner %.0f, du %.0f; all roots concurrent %.0f, sequential du %.0f\n",
                largeCensus.entries / oursLarge, largeCensus.entries / duLarge, scanCensus.entries / scanTime,
                scanCensus.entries / seqTime);
    return 0;
}
