// Frame cost of the jelly kit: one 1280 × 820 frame of 60 jelly bodies with
// their shadows (wobbling, so every outline is new each frame), and the
// squarified treemap over 10,000 weights.
// Usage: bench_jelly [frame.png]   (writes the last frame when a path is given)
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "ui/jelly/JellyBody.h"
#include "ui/kit/ImageEffects.h"
#include "ui/kit/Theme.h"
#include "ui/map/JellyBlob.h"
#include "ui/map/JellyMapViewBands.h"
#include "ui/map/MapLayout.h"
#include "ui/map/Treemap.h"

using namespace sorbeta;

namespace {

std::vector<MapNode> sampleNodes(int count) {
    std::mt19937_64 random(42);
    std::lognormal_distribution<double> size(20.0, 1.6);
    std::vector<MapNode> nodes;
    for (int i = 0; i < count; ++i) {
        MapNode node;
        node.id = "node" + std::to_string(i);
        node.bytes = static_cast<int64_t>(size(random)) + 1;
        node.flavor = allFlavors[static_cast<std::size_t>(i) % allFlavors.size()];
        node.kind = i == 0 ? MapNode::Kind::free : MapNode::Kind::category;
        nodes.push_back(node);
    }
    std::sort(nodes.begin(), nodes.end(), [](const MapNode& a, const MapNode& b) { return a.bytes > b.bytes; });
    return nodes;
}

void paintBody(QPainter& painter, const PlacedNode& p, int i, double time, int selectedIndex) {
    const bool free = p.node.kind == MapNode::Kind::free;
    JellyShape shape{
        .time = time, .seed = jellySeed(p.node.id), .wobble = 3.0, .squareness = jellySquareness(p.node.kind)};
    if (i == selectedIndex) {  // the hovered jelly bulges towards the pointer
        shape.pull = QPointF(0.7, 0.3);
        shape.pullAmount = 8.0;
    }
    paintJellyBody(painter, p.rect, shape, palette(p.node.flavor),
                   {.glass = free, .selected = i == selectedIndex, .tilt = QSizeF(0.2, -0.1)});
}

// Paints the frame as the map does: in horizontal bands at the same time
// (with one band, all on the calling thread).
void paintFrame(QImage& image, const std::vector<PlacedNode>& placed, double time, int selectedIndex,
                BandPainter& bands) {
    image.fill(Theme::paper());
    QPainter painter(&image);
    bands.paint(image, painter, [&](QPainter& band, QRect rows) {
        const JellyLayerBudget budget(4);  // as the map does per frame
        int i = 0;
        for (const PlacedNode& p : placed) {
            // Shadows reach about 20 points out and 28 down.
            const QRect reach = p.rect.adjusted(-30, -30, 30, 40).toAlignedRect();
            if (reach.bottom() >= rows.top() && reach.top() <= rows.bottom())
                paintBody(band, p, i, time, selectedIndex);
            ++i;
        }
    });
}

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);

    const std::vector<MapNode> nodes = sampleNodes(60);
    std::vector<PlacedNode> placed = MapLayout::layout(nodes, QRectF(0, 0, 1280, 820), 0.0);
    // Keep all 60 (the layout would drop the tiny ones) by placing by the raw treemap.
    std::vector<double> weights;
    for (const MapNode& node : nodes) weights.push_back(MapLayout::weight(node.bytes));
    const auto rects = Treemap::layout(weights, QRectF(0, 0, 1280, 820));
    placed.clear();
    for (std::size_t i = 0; i < nodes.size(); ++i)
        placed.push_back({nodes[i], rects[i].adjusted(3.5, 3.5, -3.5, -3.5)});

    QImage image(1280, 820, QImage::Format_ARGB32_Premultiplied);
    BandPainter one(1);
    BandPainter bands;

    // Cold frame: every shadow is blurred.
    ImageEffects::LayerCache::shared().clear();
    QElapsedTimer timer;
    timer.start();
    paintFrame(image, placed, 0.0, 5, one);
    const double coldMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;

    // Warm frames: the map animating at 60 frames a second. The median of
    // single frames (the machine may be shared), on one thread and in bands.
    auto warm = [&](BandPainter& painter) {
        for (int f = 0; f < 10; ++f) paintFrame(image, placed, f / 60.0, 5, painter);  // warm every band's caches
        std::vector<double> ms;
        for (int f = 1; f <= 120; ++f) {
            timer.restart();
            paintFrame(image, placed, f / 60.0, 5, painter);
            ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        std::sort(ms.begin(), ms.end());
        return std::pair(ms[ms.size() / 2], ms.front());
    };
    const auto [oneMs, oneBest] = warm(one);
    const auto [bandsMs, bandsBest] = warm(bands);

    // Relayout frames: sizes change every frame, so shadows miss the cache.
    timer.restart();
    for (int f = 1; f <= 30; ++f) {
        std::vector<PlacedNode> moving = placed;
        for (PlacedNode& p : moving) p.rect.adjust(0, 0, -f * 0.5, -f * 0.5);
        paintFrame(image, moving, f / 60.0, 5, bands);
    }
    const double relayoutMs = static_cast<double>(timer.nsecsElapsed()) / 1e6 / 30;

    if (argc > 1) {
        paintFrame(image, placed, 1.0, 5, one);
        image.save(QString::fromLocal8Bit(argv[1]));
    }

    // Treemap of 10,000 weights.
    std::mt19937_64 random(7);
    std::lognormal_distribution<double> size(12.0, 2.0);
    std::vector<double> many(10000);
    for (double& w : many) w = size(random);
    const int runs = 50;
    timer.restart();
    std::size_t sink = 0;
    for (int r = 0; r < runs; ++r) sink += Treemap::layout(many, QRectF(0, 0, 1280, 820)).size();
    const double treemapMs = static_cast<double>(timer.nsecsElapsed()) / 1e6 / runs;

    std::printf("placed jellies: %zu (sink %zu)\n", placed.size(), sink);
    std::printf("cold frame (all shadows blurred): %.2f ms\n", coldMs);
    std::printf("relayout frame (sizes change every frame, %d bands): %.2f ms\n", bands.bands(), relayoutMs);
    std::printf("treemap 10000 weights: %.3f ms\n", treemapMs);
    std::printf("jelly frame 60 bodies 1280x820, one thread: median %.2f ms, best %.2f ms (aim 8 ms: %.2fx)\n", oneMs,
                oneBest, oneMs / 8.0);
    std::printf("jelly frame 60 bodies 1280x820, %d bands: median %.2f ms, best %.2f ms (aim 8 ms: %.2fx)\n",
                bands.bands(), bandsMs, bandsBest, bandsMs / 8.0);
    return 0;
}
