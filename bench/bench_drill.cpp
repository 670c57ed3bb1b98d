// Drill-down and history chart speed:
//   1. opening a drill-down level of a folder with 20,000 children (files and
//      folders of a synthetic home): the time until the first jellies could
//      show and until every size is in, against `du -x --max-depth=1` of the
//      same folder in the same run (GNU du refuses -s beside --max-depth; -x
//      keeps it on one file system, as our walk stays);
//   2. painting the usage chart of 400 snapshots at 1280 × 820.
// Each figure is the median of several warm runs; every run opens the level
// in a fresh model, so nothing comes from the size cache. The tree lives in
// a temporary folder under /tmp and is removed at the end.
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QThreadPool>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "model/drill/DrillModel.h"
#include "model/history/History.h"
#include "platform/Places.h"
#include "platform/ProcessRunner.h"
#include "ui/views/history/UsageChart.h"

namespace fs = std::filesystem;
using namespace sorbeta;
using bench::median;

namespace {

constexpr int kChildren = 20'000;
constexpr int kFolderShare = 4;  // every fourth child is a folder
constexpr int kRuns = 5;
constexpr int kPaintRuns = 60;

fs::path benchRoot;  // removed on the way out, also after a failure

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "bench_drill: %s\n", why.c_str());
    if (!benchRoot.empty()) fs::remove_all(benchRoot);
    std::exit(1);
}

void writeFile(const fs::path& path, int64_t bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) fail("cannot create " + path.native());
    static const std::string chunk(1 << 14, 'x');
    for (int64_t left = bytes; left > 0;) {
        const auto written = ::write(fd, chunk.data(), std::size_t(std::min<int64_t>(left, int64_t(chunk.size()))));
        if (written <= 0) fail("cannot write " + path.native());
        left -= written;
    }
    ::close(fd);
}

// 15,000 files of 1 to 6,000 bytes and 5,000 folders of a few files, some
// with a nested folder, like a busy Downloads or cache folder.
int64_t buildLevel(const fs::path& folder) {
    std::mt19937 random(20'261'209);
    std::uniform_int_distribution<int64_t> size(1, 6000);
    std::uniform_int_distribution<int> inner(1, 6);
    int64_t files = 0;
    fs::create_directories(folder);
    for (int i = 0; i < kChildren; ++i) {
        const fs::path child = folder / ("item-" + std::to_string(i));
        if (i % kFolderShare != 0) {
            writeFile(child, size(random));
            ++files;
            continue;
        }
        fs::create_directory(child);
        const int count = inner(random);
        for (int j = 0; j < count; ++j) writeFile(child / ("f" + std::to_string(j)), size(random)), ++files;
        if (i % (kFolderShare * 3) == 0) {
            fs::create_directory(child / "nested");
            for (int j = 0; j < 4; ++j) writeFile(child / "nested" / ("g" + std::to_string(j)), size(random)), ++files;
        }
    }
    return files;
}

double milliseconds(const QElapsedTimer& timer) { return double(timer.nsecsElapsed()) / 1e6; }

struct LevelTimes {
    double first = 0;  // the first entries are published
    double all = 0;    // every size is in
    int64_t total = 0;
    std::size_t entries = 0;
};

LevelTimes openLevel(const platform::Places& places, const fs::path& folder) {
    DrillModel drill(DrillEnvironment::system(places));
    LevelTimes times;
    QElapsedTimer timer;
    QEventLoop loop;
    QObject::connect(&drill, &DrillModel::entriesChanged, &loop, [&] {
        if (times.first == 0 && !drill.entries().empty()) times.first = milliseconds(timer);
    });
    QObject::connect(&drill, &DrillModel::loadingChanged, &loop, [&] {
        if (drill.loading()) return;
        times.all = milliseconds(timer);
        loop.quit();
    });
    QTimer::singleShot(120'000, &loop, [] { fail("the level never finished"); });
    timer.start();
    drill.open(DrillLevel{.title = QStringLiteral("bench"), .urls = {folder}});
    loop.exec();
    for (const DirEntry& entry : drill.entries()) times.total += entry.bytes;
    times.entries = drill.entries().size();
    return times;
}

double duMaxDepth(const fs::path& folder, const fs::path& home) {
    QElapsedTimer timer;
    timer.start();
    const auto result = platform::runProcess(
        "/usr/bin/du", {"-x", "--max-depth=1", folder.native()},
        {.environment = platform::toolEnvironment(home), .timeLimit = std::chrono::milliseconds(120'000)});
    if (!result.succeeded()) fail("du failed: " + result.err);
    return milliseconds(timer);
}

std::vector<DiskSnapshot> history(int count) {
    std::vector<DiskSnapshot> snapshots;
    std::mt19937 random(7);
    std::normal_distribution<double> step(0, 1.5e9);
    int64_t used = 300'000'000'000;
    const QDateTime start(QDate(2025, 1, 1), QTime(12, 0), Qt::UTC);
    for (int i = 0; i < count; ++i) {
        used = std::max<int64_t>(0, used + int64_t(step(random)));
        snapshots.push_back({.date = start.addDays(i), .total = 1'000'000'000'000, .free = 1'000'000'000'000 - used});
    }
    return snapshots;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    char pattern[] = "/tmp/sorbeta-bench-drill-XXXXXX";
    if (!::mkdtemp(pattern)) fail("cannot make a temporary folder");
    const fs::path root = pattern;
    benchRoot = root;
    const fs::path folder = root / "Downloads";
    std::printf("building %d children…\n", kChildren);
    const int64_t files = buildLevel(folder);
    std::printf("%lld files under %d children\n", static_cast<long long>(files), kChildren);
    const platform::Places places = platform::Places::fromEnvironment();

    // Warm the caches once with each, then alternate.
    openLevel(places, folder);
    duMaxDepth(folder, places.home);
    std::vector<double> firsts, alls, dus;
    LevelTimes last;
    for (int run = 0; run < kRuns; ++run) {
        last = openLevel(places, folder);
        firsts.push_back(last.first);
        alls.push_back(last.all);
        dus.push_back(duMaxDepth(folder, places.home));
    }

    const std::vector<DiskSnapshot> snapshots = history(400);
    QImage image(1280, 820, QImage::Format_ARGB32_Premultiplied);
    std::vector<double> paints;
    for (int run = 0; run < kPaintRuns + 5; ++run) {
        image.fill(Qt::transparent);
        QElapsedTimer timer;
        timer.start();
        QPainter painter(&image);
        paintUsageChart(painter, QRectF(0, 0, 1280, 820), snapshots, UsageChartLook{});
        painter.end();
        if (run >= 5) paints.push_back(milliseconds(timer));
    }
    fs::remove_all(root);

    const double first = median(firsts), all = median(alls), du = median(dus), paint = median(paints);
    std::printf("level entries shown: %zu, %.1f MB\n", last.entries, double(last.total) / 1e6);
    std::printf("pool threads: %d\n", QThreadPool::globalInstance()->maxThreadCount());
    std::printf("first jellies: %.1f ms\n", first);
    std::printf("every size in: %.1f ms\n", all);
    std::printf("du -x --max-depth=1: %.1f ms\n", du);
    std::printf("every size in / du: %.2fx (aim < 1.0x)\n", all / du);
    std::printf("history chart of 400 snapshots at 1280x820: %.2f ms (aim < 4 ms)\n", paint);
    return 0;
}
