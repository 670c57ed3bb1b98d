// Removal and holding speed. Removes a 100,000-file tree through the engine
// (measuring first, as a clean does) and a copy of it with `rm -rf`, then
// holds 10,000 items into one batch. Works in a temporary home folder.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "model/disk/Removal.h"
#include "model/holding/HoldingArea.h"
#include "platform/Places.h"

extern char** environ;

using namespace sorbeta;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void makeFiles(const fs::path& root, int folders, int perFolder) {
    for (int d = 0; d < folders; ++d) {
        const fs::path folder = folders == 1 ? root : root / ("d" + std::to_string(d));
        fs::create_directories(folder);
        for (int f = 0; f < perFolder; ++f) {
            const std::string path = (folder / ("file-" + std::to_string(f) + ".cache")).native();
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd >= 0) {
                if (::write(fd, "x", 1) != 1) std::perror("write");
                ::close(fd);
            }
        }
    }
}

double rmRf(const fs::path& path) {
    std::string rm = "/bin/rm", flags = "-rf", target = path.native();
    char* argv[] = {rm.data(), flags.data(), target.data(), nullptr};
    const auto start = Clock::now();
    pid_t pid = -1;
    if (posix_spawn(&pid, rm.c_str(), nullptr, nullptr, argv, environ) != 0) return -1;
    int status = 0;
    ::waitpid(pid, &status, 0);
    return msSince(start);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    char templ[] = "/tmp/sorbeta-bench-XXXXXX";
    if (!::mkdtemp(templ)) return 1;
    const fs::path base = templ;
    const fs::path home = base / "home";
    fs::create_directories(home);
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home / ".local/share").c_str(), 1);
    const auto places = platform::Places::fromEnvironment();

    constexpr int kRounds = 3;
    std::vector<double> engine, rm;
    int64_t freed = 0;
    for (int round = 0; round < kRounds; ++round) {
        const fs::path ours = home / ".cache/tree";
        const fs::path theirs = base / "copy";
        makeFiles(ours, 100, 1000);
        makeFiles(theirs, 100, 1000);
        const auto start = Clock::now();
        freed = DiskScanner::clean({ours}, true, false, nullptr, places);
        engine.push_back(msSince(start));
        rm.push_back(rmRf(theirs));
        if (fs::exists(ours)) std::fprintf(stderr, "engine left the tree behind\n");
    }

    std::vector<double> holding;
    std::size_t held = 0;
    for (int round = 0; round < kRounds; ++round) {
        const fs::path source = home / ".cache/hold";
        makeFiles(source, 1, 10000);
        HoldingArea area(places.holdingFolder());
        const auto start = Clock::now();
        auto writer = area.makeWriter();
        DiskScanner::clean({source}, false, false, writer.get(), places);
        const auto batch = area.commit(*writer, QStringLiteral("bench"), QDateTime::currentDateTimeUtc());
        holding.push_back(msSince(start));
        held = batch ? batch->items.size() : 0;
        if (batch) area.purge(*batch);
    }
    fs::remove_all(base);

    const double ourTime = median(engine), rmTime = median(rm);
    std::printf("remove 100000 files (engine, measuring first): %.1f ms (freed %lld bytes)\n", ourTime,
                static_cast<long long>(freed));
    std::printf("remove 100000 files (rm -rf): %.1f ms\n", rmTime);
    std::printf("engine / rm ratio: %.2f (aim: at most 2.00)\n", ourTime / rmTime);
    std::printf("hold %zu items into one batch (measure, journal, move, manifest): %.1f ms (aim: well under 1000)\n",
                held, median(holding));
    return 0;
}
