// Cost of the share card: rendering the 1080 × 1440 picture of a clean with
// eight items (the first render pays for fonts and the background's blur)
// and encoding it as PNG.
// Usage: bench_share [card.png]   (writes the picture when a path is given)
#include <QApplication>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "BenchSupport.h"
#include "ui/views/share/ShareCard.h"

using namespace sorbeta;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CleanReport report;
    report.date = QDateTime::currentDateTimeUtc();
    const std::vector<std::pair<const char*, int64_t>> items = {
        {"Xcode 编译缓存", 8'400'000'000}, {"npm 缓存", 2'100'000'000},
        {"浏览器缓存", 1'300'000'000},     {"日志", 640'000'000},
        {"pip 缓存", 220'000'000},         {"Go 编译缓存", 90'000'000},
        {"Yarn 缓存", 40'000'000},         {"Bun 缓存", 3'000'000}};
    for (std::size_t i = 0; i < items.size(); ++i)
        report.items.push_back({QString::fromUtf8(items[i].first), items[i].second, allFlavors[i]});
    report.freed = 12'793'000'000;
    report.freeBefore = 31'000'000'000;

    auto start = bench::Clock::now();
    QImage image = ShareCard::render(report);
    const double first = bench::msSince(start);
    std::vector<double> renders, encodes;
    for (int i = 0; i < 21; ++i) {
        start = bench::Clock::now();
        image = ShareCard::render(report);
        renders.push_back(bench::msSince(start));
        start = bench::Clock::now();
        const auto data = ShareCard::png(image);
        encodes.push_back(bench::msSince(start));
        if (i == 0 && argc > 1 && data) {
            QFile out(QString::fromLocal8Bit(argv[1]));
            if (out.open(QIODevice::WriteOnly)) out.write(*data);
        }
    }
    std::printf("image %dx%d\n", image.width(), image.height());
    std::printf("first render: %.1f ms\n", first);
    std::printf("render median: %.1f ms (min %.1f)\n", bench::median(renders),
                *std::min_element(renders.begin(), renders.end()));
    std::printf("png encode median: %.1f ms\n", bench::median(encodes));
    return 0;
}
