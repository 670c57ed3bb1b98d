// Developer data search speed. A synthetic home holds 200 node projects in
// ~/Projects, every one with a dependency folder of 1,000 small files: half
// are idle (nothing changed for 200 days), half were edited 30 days ago deep
// in their sources. A quarter of the idle ones carry a 52 MB blob in their
// dependencies, so they are large enough to be offered. There is no simulator
// tool and no container engine, as on most Linux machines.
//   1. DevScan::all on that home against `du -sx` of the same code root;
//   2. the in-use check of all 200 projects alone (it must not walk the
//      dependency folders, so it should cost a small part of du).
// Each figure is the median of several warm runs. The tree lives in a
// temporary folder under /tmp and is removed at the end.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "model/dev/DevScan.h"
#include "model/dev/StaleProjects.h"
#include "platform/Places.h"
#include "platform/ProcessRunner.h"

namespace fs = std::filesystem;
using namespace sorbeta;
using bench::median;
using bench::seconds;

namespace {

constexpr int kRuns = 5;
constexpr int kProjects = 200;
constexpr int kPackages = 25;         // folders in each dependency folder
constexpr int kFilesPerPackage = 40;  // files in each of them
constexpr int64_t kBlobBytes = 52'000'000;
constexpr int64_t kDay = 86'400;

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "bench_dev: %s\n", why.c_str());
    std::exit(1);
}

// Builds the projects with their dates set as they are written: files get
// theirs at once, folders once everything inside them exists.
class ProjectBuilder {
public:
    explicit ProjectBuilder(std::time_t now) : now_(now) {}

    int64_t files() const { return files_; }

    void file(const fs::path& path, int64_t bytes, int64_t ageDays, bool allocateOnly = false) {
        fs::create_directories(path.parent_path());
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) fail("cannot create " + path.native());
        if (allocateOnly) {
            if (::posix_fallocate(fd, 0, bytes) != 0) fail("cannot allocate " + path.native());
        } else {
            static const std::string chunk(8192, 'x');
            if (::write(fd, chunk.data(), std::size_t(bytes)) != bytes) fail("cannot write " + path.native());
        }
        const timespec times[2] = {{now_ - ageDays * kDay, 0}, {now_ - ageDays * kDay, 0}};
        ::futimens(fd, times);
        ::close(fd);
        ++files_;
    }

    void project(const fs::path& root, bool idle, bool large) {
        const int64_t age = 200;
        file(root / "package.json", 200, age);
        file(root / "README.md", 900, age);
        for (int part = 0; part < 3; ++part)
            for (int i = 0; i < 10; ++i)
                file(root / "src" / ("part" + std::to_string(part)) / "deep" / ("mod" + std::to_string(i) + ".js"),
                     1500, age);
        for (int package = 0; package < kPackages; ++package)
            for (int i = 0; i < kFilesPerPackage; ++i)
                file(root / "node_modules" / ("pkg" + std::to_string(package)) / "lib" /
                         ("file" + std::to_string(i) + ".js"),
                     1000 + 100 * (i % 50), age);
        if (large) file(root / "node_modules/blob/data.bin", kBlobBytes, age, true);
        // An edit a month ago, deep in the sources: every folder above it stays old.
        if (!idle) file(root / "src/part2/deep/edited.js", 700, 30);
        ageFolders(root, age);
    }

private:
    void ageFolders(const fs::path& root, int64_t ageDays) {
        std::vector<fs::path> folders{root};
        for (const auto& entry : fs::recursive_directory_iterator(root))
            if (entry.is_directory()) folders.push_back(entry.path());
        const timespec times[2] = {{now_ - ageDays * kDay, 0}, {now_ - ageDays * kDay, 0}};
        // Deepest first, so a folder's date is not changed by its children's.
        std::sort(folders.begin(), folders.end(), [](const fs::path& a, const fs::path& b) { return a > b; });
        for (const fs::path& folder : folders) ::utimensat(AT_FDCWD, folder.c_str(), times, AT_SYMLINK_NOFOLLOW);
    }

    std::time_t now_;
    int64_t files_ = 0;
};

int64_t du(const fs::path& root, const fs::path& home) {
    platform::ProcessOptions options;
    options.environment = platform::toolEnvironment(home);
    options.timeLimit = std::chrono::minutes(10);
    const auto result = platform::runProcess("/usr/bin/du", {"-sx", "-B1", root.native()}, options);
    if (!result.succeeded()) fail("du failed: " + result.err);
    return std::strtoll(result.out.c_str(), nullptr, 10);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    bench::ScratchHome scratch;
    if (!scratch.make("dev")) return 1;
    const fs::path base = scratch.base;
    const fs::path home = scratch.home;
    const auto places = platform::Places::fromEnvironment();

    const QDateTime now = QDateTime::currentDateTimeUtc();
    ProjectBuilder builder(std::time_t(now.toSecsSinceEpoch()));
    const fs::path code = places.home / "Projects";
    std::vector<fs::path> projects;
    for (int i = 0; i < kProjects; ++i) {
        const bool idle = i % 2 == 0;
        const bool large = idle && i % 8 == 0;
        char name[16];
        std::snprintf(name, sizeof name, "p%03d", i);
        projects.push_back(code / name);
        builder.project(projects.back(), idle, large);
    }

    DevEnvironment environment = DevEnvironment::system(places);
    environment.xcrun = base / "no-simulator-tool";
    environment.dockerCandidates = {};
    environment.applications = base / "Applications";
    environment.now = [now] { return now; };

    std::vector<DevGroup> groups;
    std::vector<double> ours, theirs, inUse;
    int64_t duBytes = 0;
    int idleFound = 0;
    // One cold pass of each fills the page cache; the figures are warm.
    groups = DevScan::all(environment);
    duBytes = du(code, places.home);
    const QDateTime cutoff = now.addSecs(-DevScan::kStaleSeconds);
    for (int run = 0; run < kRuns; ++run) {
        ours.push_back(seconds([&] { groups = DevScan::all(environment); }));
        theirs.push_back(seconds([&] { duBytes = du(code, places.home); }));
        inUse.push_back(seconds([&] {
            idleFound = 0;
            for (const fs::path& project : projects)
                if (!DevScan::changedSince(project, {project / "node_modules"}, cutoff)) ++idleFound;
        }));
    }
    scratch.remove();

    std::size_t offered = 0;
    int64_t offeredBytes = 0;
    for (const DevGroup& group : groups) {
        if (group.id != QLatin1String("stale")) continue;
        offered = group.entries.size();
        offeredBytes = group.recommendedBytes();
    }
    const double ourTime = median(ours), duTime = median(theirs), checkTime = median(inUse);
    std::printf("home: %d projects (%d idle), %lld files, du -sx %lld bytes\n", kProjects, kProjects / 2,
                static_cast<long long>(builder.files()), static_cast<long long>(duBytes));
    std::printf("groups found: %zu; idle projects offered: %zu (%lld bytes recommended)\n", groups.size(), offered,
                static_cast<long long>(offeredBytes));
    std::printf("in-use check of %d projects: %.1f ms (%d idle found)\n", kProjects, checkTime * 1000, idleFound);
    std::printf("DevScan::all: %.1f ms\n", ourTime * 1000);
    std::printf("du -sx of the code root: %.1f ms\n", duTime * 1000);
    std::printf("in-use check / du ratio: %.2f (aim: a small part of 1)\n", checkTime / duTime);
    std::printf("DevScan::all / du ratio: %.2f (aim: under 1.50)\n", ourTime / duTime);
    return 0;
}
