#include "ui/map/JellyMapViewBands.h"

#include <QPaintEngine>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace sorbeta {

struct BandPainter::State {
    int bands = 1;
    std::mutex running;  // one image at a time
};

int BandPainter::defaultBands() {
    return static_cast<int>(std::clamp(std::max(std::thread::hardware_concurrency(), 2u) - 1, 1u, 8u));
}

BandPainter::BandPainter(int bands) : state_(std::make_unique<State>()) { state_->bands = std::max(bands, 1); }

BandPainter::~BandPainter() = default;

int BandPainter::bands() const { return state_->bands; }

namespace {

// A clip of fewer pixels than this is not worth waking the other threads
// for: each hand-over costs the threads' waking and sleeping, which the
// strips a resting map repaints cannot win back.
constexpr qint64 kSmallClip = 160 * 160;
// Nor is a clip of less than this share of the image.
constexpr qint64 kSmallShare = 6;

qint64 pixelsOf(const QRegion& region) {
    qint64 pixels = 0;
    for (const QRect& rect : region) pixels += qint64(rect.width()) * rect.height();
    return pixels;
}

// The bands for `clip`, `within` being its part in the image.
int bandCount(const QImage& target, const QRegion& clip, const QRegion& within, int threads) {
    if (!clip.isEmpty() && within.isEmpty()) return 0;
    const QRect rowsToPaint = clip.isEmpty() ? target.rect() : within.boundingRect();
    const qint64 pixels = clip.isEmpty() ? 0 : pixelsOf(within);
    const bool small =
        !clip.isEmpty() && (pixels < kSmallClip || pixels < qint64(target.width()) * target.height() / kSmallShare);
    // Twice as many bands as threads, taken as threads come free: a band
    // crowded with jellies then holds up the frame less.
    return small ? 1 : std::clamp(rowsToPaint.height() / 64, 1, threads * 2);
}

}  // namespace

int BandPainter::bandsFor(const QImage& target, const QRegion& clip) const {
    return bandCount(target, clip, clip & target.rect(), state_->bands);
}

void BandPainter::paint(QImage& target, const QPainter& like, const std::function<void(QPainter&, QRect)>& paint,
                        const QRegion& clip) {
    const QRegion within = clip & target.rect();
    const int bands = bandCount(target, clip, within, state_->bands);
    if (bands == 0) return;
    // Bands split the rows the clip reaches (all rows without one).
    const QRect rowsToPaint = clip.isEmpty() ? target.rect() : within.boundingRect();
    const int first = rowsToPaint.top(), height = rowsToPaint.height();
    const int rows = (height + bands - 1) / bands;
    const double ratio = target.devicePixelRatio();
    const std::function<void(int)> job = [&](int band) {
        const int top = first + band * rows;
        const int count = std::min(rows, first + height - top);
        if (band >= bands || count <= 0) return;
        QRegion bandClip;
        if (!clip.isEmpty()) {
            bandClip = within & QRect(0, top, target.width(), count);
            if (bandClip.isEmpty()) return;
        }
        // A view of the band's rows: painting through it cannot reach past them.
        QImage view(const_cast<uchar*>(target.constBits()) + top * target.bytesPerLine(), target.width(), count,
                    target.bytesPerLine(), target.format());
        view.setDevicePixelRatio(ratio);
        if (!bandClip.isEmpty()) view.paintEngine()->setSystemClip(bandClip.translated(0, -top));
        QPainter painter(&view);
        painter.setRenderHints(like.renderHints());
        painter.setOpacity(like.opacity());
        painter.setWorldTransform(like.worldTransform() * QTransform::fromTranslate(0, -top / ratio));
        paint(painter, QRect(0, top, target.width(), count));
    };
    // Several bands are painted on threads of Qt's own pool: Qt splits a large
    // fill over that pool unless it is drawn from one of its threads, and a
    // split costs a hand-over per batch of spans. A lone band is a small clip
    // whose jellies go straight into pixels: handing it to another thread
    // would only add the waking of two threads to every resting frame.
    QThreadPool* pool = QThreadPool::globalInstance();
    if (bands == 1 || pool->contains(QThread::currentThread())) {
        for (int band = 0; band < bands; ++band) job(band);
        return;
    }
    std::lock_guard one(state_->running);
    std::atomic<int> next{0};
    const int threads = std::min(bands, state_->bands);
    QSemaphore done;
    for (int thread = 0; thread < threads; ++thread)
        pool->start([&job, &next, &done, bands] {
            for (int band = next++; band < bands; band = next++) job(band);
            done.release();
        });
    done.acquire(threads);
}

}  // namespace sorbeta
