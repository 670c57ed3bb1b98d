// Speed of the living jelly map: one full animated frame with 60 jellies all
// under or just after the pointer (rippling, tilted, pulled), painted
// offscreen at 1280 × 820; a resting map's frames as a shown window paints
// them (only what the wobble moved, some jellies ticked); and the synthesis
// of all sound buffers.
// Usage: bench_map [frames] [png path to save the last frame] [pixel ratio]
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "BenchSupport.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/SoundFX.h"
#include "ui/map/JellyMapView.h"
#include "ui/map/JellyMapViewBands.h"

using namespace sorbeta;
using bench::median;

namespace {

std::vector<MapNode> sixtyNodes() {
    std::vector<MapNode> nodes;
    for (int i = 0; i < 60; ++i) {
        MapNode node;
        node.id = "node" + std::to_string(i);
        node.title = QStringLiteral("果冻 %1").arg(i);
        node.bytes = int64_t(2'000'000'000) / (i + 1) + 50'000'000;
        node.flavor = allFlavors[std::size_t(i % 13)];
        node.kind = i == 0 ? MapNode::Kind::free : (i % 7 == 3 ? MapNode::Kind::item : MapNode::Kind::category);
        node.urls = {"/tmp/" + node.id};
        nodes.push_back(node);
    }
    return nodes;
}

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const double ratio = argc > 3 ? std::clamp(std::atof(argv[3]), 1.0, 4.0) : 1.0;
    // The widgets see the ratio as a window on such a screen would.
    if (ratio != 1.0) ::setenv("QT_SCALE_FACTOR", QByteArray::number(ratio).constData(), 1);
    QApplication app(argc, argv);
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 120;

    // Sound: all 20 buffers, as the application's instance builds them.
    std::vector<double> synthMs;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        std::size_t samples = 0;
        for (double f : SoundSynth::kScale) {
            samples += SoundSynth::blip(SoundSynth::kHover, f).size();
            samples += SoundSynth::blip(SoundSynth::kTap, f).size();
        }
        synthMs.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (samples != 180810) std::printf("unexpected sample count %zu\n", samples);
    }

    ManualKitClock clock(700'000'000.0);
    BandPainter bands;
    // No sound, and delayed work never runs: every touch stays alive.
    JellyMapView view(MapServices{.bands = &bands, .schedule = [](int, std::function<void()>) {}});
    view.resize(1280, 820);
    view.setNodes(sixtyNodes());
    clock.advance(3);  // fade-in over
    const auto placed = view.placed();

    QImage image(int(1280 * ratio), int(820 * ratio), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    // Processor time of all threads, which a busy machine inflates less than wall time.
    auto cpuMs = [] {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
    };
    std::vector<double> cpu;
    auto frame = [&] {
        image.fill(QColor(255, 247, 251));
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = cpuMs();
        {
            QPainter painter(&image);
            view.paintMap(painter);
        }
        cpu.push_back(cpuMs() - cpuStart);
        return double(timer.nsecsElapsed()) / 1e6;
    };
    // Resting map: only the slow wobble.
    std::vector<double> idleMs;
    for (int i = 0; i < frames; ++i) {
        clock.advance(0.07);
        idleMs.push_back(frame());
    }
    clock.set(700'000'003.0);

    // A shown window at rest, some jellies ticked: each frame repaints only
    // what moved, as a paint event does. Processor time of all threads per
    // second of such frames at 15 a second.
    std::vector<double> restingCpu;
    qint64 restingPixels = 0, restingFrames = 0, restingRects = 0;
    {
        ManualKitClock restClock(800'000'000.0);
        JellyMapView resting(MapServices{.bands = &bands, .schedule = [](int, std::function<void()>) {}});
        resting.setSelection(MapSelection{[](const std::string& id) { return std::stoi(id.substr(4)) % 7 == 3; }, {}});
        resting.resize(1280, 820);
        resting.setNodes(sixtyNodes());
        restClock.advance(3);
        QImage shown = image;
        shown.fill(QColor(255, 247, 251));
        resting.render(&shown, QPoint(), QRegion(resting.rect()), QWidget::DrawChildren);
        for (int second = 0; second < std::max(2, frames / 15); ++second) {
            const double cpuStart = cpuMs();
            for (int f = 0; f < 15; ++f) {
                restClock.advance(1.0 / 15);
                const QRegion changed = resting.advanceFrame();
                for (const QRect& r : changed) restingPixels += qint64(r.width()) * r.height();
                restingRects += changed.rectCount();
                ++restingFrames;
                if (changed.isEmpty()) continue;
                // As in a window, the background is painted under the map first.
                {
                    QPainter background(&shown);
                    for (const QRect& r : changed) background.fillRect(r, QColor(255, 247, 251));
                }
                resting.render(&shown, changed.boundingRect().topLeft(), changed, QWidget::DrawChildren);
            }
            restingCpu.push_back(cpuMs() - cpuStart);
        }
    }

    // Sweep the pointer over every jelly within 0.6 s: all of them ripple.
    for (const PlacedNode& p : placed) {
        const QPointF at = p.rect.topLeft() + QPointF(p.rect.width() * 0.7, p.rect.height() * 0.35);
        QMouseEvent move(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &move);
        clock.advance(0.01);
    }

    std::vector<double> frameMs;
    cpu.clear();
    for (int i = 0; i < frames; ++i) {
        // Every frame lies within the ripple so all 60 stay lively.
        clock.set(700'000'003.0 + 0.6 + 0.1 * double(i % 2) + 0.001 * i / frames);
        frameMs.push_back(frame());
    }
    if (argc > 2) image.save(QString::fromLocal8Bit(argv[2]));

    const double idle = median(idleMs), lively = median(frameMs);
    std::printf("pixel ratio %.1f\n", ratio);
    std::printf(
        "resting map as shown, 15 frames of what moved: median %.1f ms of processor a second (%.1f %% of a core)\n",
        median(restingCpu), median(restingCpu) / 10.0);
    std::printf("resting map: %lld pixels and %lld rectangles repainted a frame on average\n",
                restingPixels / std::max<qint64>(restingFrames, 1), restingRects / std::max<qint64>(restingFrames, 1));
    std::printf("processor time of a hovered frame, all threads together: median %.2f ms\n", median(cpu));
    std::printf("blobs placed: %zu, touched: %zu\n", placed.size(), view.tracker().touches().size());
    std::printf("sound buffers, 20 blips / 180810 samples: median %.2f ms (aim < 20 ms: %.2fx)\n", median(synthMs),
                median(synthMs) / 20.0);
    std::printf("map frame, 60 blobs resting (slow wobble): median %.2f ms (aim 8 ms: %.2fx)\n", idle, idle / 8.0);
    std::printf(
        "map frame, 60 blobs hovered and rippling at 1280x820: median %.2f ms, best %.2f ms (aim 8 ms: %.2fx)\n",
        lively, *std::min_element(frameMs.begin(), frameMs.end()), lively / 8.0);
    return 0;
}
