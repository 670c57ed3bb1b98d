// Removal and holding speed on one 200,000-file tree (200 folders of 1,000
// files), against the system's tools on an identical copy:
//   - the engine's delete (a clean without holding) against `rm -rf`;
//   - holding the tree's 200 top-level entries into one batch, and restoring
//     them, against one `mv` per entry; the measuring walk a clean does
//     before each hold is timed apart;
//   - the rise of peak resident memory during each operation over the
//     process's memory just before it, against `rm`'s peak.
// Works in a temporary home folder.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "model/disk/Measure.h"
#include "model/disk/Removal.h"
#include "model/holding/HoldingArea.h"
#include "platform/Places.h"

extern char** environ;

using namespace sorbeta;
namespace fs = std::filesystem;
using bench::Clock;
using bench::msSince;

namespace {

constexpr int kFolders = 200, kPerFolder = 1000;

void makeTree(const fs::path& root) {
    for (int d = 0; d < kFolders; ++d) {
        const fs::path folder = root / ("d" + std::to_string(d));
        fs::create_directories(folder);
        for (int f = 0; f < kPerFolder; ++f) {
            const std::string path = (folder / ("file-" + std::to_string(f) + ".cache")).native();
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd >= 0) {
                if (::write(fd, "x", 1) != 1) std::perror("write");
                ::close(fd);
            }
        }
    }
}

// Runs a tool; answers its time and its peak resident memory in KiB.
struct ToolRun {
    double ms = 0;
    long peakKiB = 0;
};
ToolRun run(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    ToolRun result;
    const auto start = Clock::now();
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return result;
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    result.ms = msSince(start);
    result.peakKiB = usage.ru_maxrss;
    return result;
}

long statusKiB(const char* field) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::strlen(field));
    return 0;
}

// The rise of peak resident memory over what the process holds now.
class PeakRise {
public:
    PeakRise() {
        std::ofstream("/proc/self/clear_refs") << "5";  // resets the peak to the current size
        before_ = statusKiB("VmRSS:");
    }
    long kib() const { return std::max(0L, statusKiB("VmHWM:") - before_); }

private:
    long before_ = 0;
};

std::vector<fs::path> entriesOf(const fs::path& root) {
    std::vector<fs::path> entries;
    for (int d = 0; d < kFolders; ++d) entries.push_back(root / ("d" + std::to_string(d)));
    return entries;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    bench::ScratchHome scratch;
    if (!scratch.make("removal")) return 1;
    const fs::path base = scratch.base;
    const fs::path home = scratch.home;
    const auto places = platform::Places::fromEnvironment();
    const fs::path ours = home / ".cache/tree";
    const fs::path theirs = base / "copy";
    const fs::path theirsMoved = base / "moved";

    // Hold and restore against one mv per entry, both ways.
    makeTree(ours);
    makeTree(theirs);
    fs::create_directories(theirsMoved);
    const auto entries = entriesOf(ours);
    HoldingArea area(places.holdingFolder(), home);

    auto start = Clock::now();
    std::vector<int64_t> sizes;
    for (const fs::path& entry : entries) sizes.push_back(DiskScanner::size(entry));
    const double measureMs = msSince(start);

    std::optional<HoldBatch> batch;
    long holdRise = 0;
    start = Clock::now();
    {
        const PeakRise rise;
        auto writer = area.makeWriter();
        for (std::size_t i = 0; i < entries.size(); ++i) writer->hold(entries[i], sizes[i]);
        batch = area.commit(*writer, QStringLiteral("bench"), QDateTime::currentDateTimeUtc());
        holdRise = rise.kib();
    }
    const double holdMs = msSince(start);

    double mvMs = 0, mvBackMs = 0;
    long mvPeak = 0;
    for (const fs::path& entry : entriesOf(theirs)) {
        const ToolRun mv = run({"/bin/mv", "-n", entry.native(), (theirsMoved / entry.filename()).native()});
        mvMs += mv.ms;
        mvPeak = std::max(mvPeak, mv.peakKiB);
    }

    long restoreRise = 0;
    start = Clock::now();
    int64_t restored = 0;
    {
        const PeakRise rise;
        if (batch) restored = area.restore(*batch).restored;
        restoreRise = rise.kib();
    }
    const double restoreMs = msSince(start);
    for (const fs::path& entry : entriesOf(theirsMoved))
        mvBackMs += run({"/bin/mv", "-n", entry.native(), (theirs / entry.filename()).native()}).ms;
    fs::remove_all(theirsMoved);

    // Delete: the engine on one tree, rm -rf on the other.
    start = Clock::now();
    int64_t freed = 0;
    long deleteRise = 0;
    {
        const PeakRise rise;
        freed = DiskScanner::clean({ours}, true, false, nullptr, places);
        deleteRise = rise.kib();
    }
    const double deleteMs = msSince(start);
    const ToolRun rm = run({"/bin/rm", "-rf", theirs.native()});
    if (fs::exists(ours)) std::fprintf(stderr, "engine left the tree behind\n");
    scratch.remove();

    const int files = kFolders * kPerFolder;
    std::printf("tree: %d files in %d folders\n", files, kFolders);
    std::printf("delete (engine): %.1f ms, freed %lld bytes; rm -rf: %.1f ms; ratio %.2f (aim: at most 1.20)\n",
                deleteMs, static_cast<long long>(freed), rm.ms, deleteMs / rm.ms);
    std::printf("measuring walk of the %zu entries: %.1f ms (timed apart)\n", entries.size(), measureMs);
    std::printf("hold %zu entries: %.1f ms; mv per entry: %.1f ms; ratio %.2f (aim: at most 1.10)\n",
                batch ? batch->items.size() : 0, holdMs, mvMs, holdMs / mvMs);
    std::printf("restore %lld entries: %.1f ms; mv back per entry: %.1f ms; ratio %.2f (aim: at most 1.10)\n",
                static_cast<long long>(restored), restoreMs, mvBackMs, restoreMs / mvBackMs);
    std::printf(
        "peak memory rise: delete %ld KiB, hold %ld KiB, restore %ld KiB; rm peak %ld KiB, mv peak %ld KiB "
        "(aim: under 3x rm)\n",
        deleteRise, holdRise, restoreRise, rm.peakKiB, mvPeak);
    return 0;
}
