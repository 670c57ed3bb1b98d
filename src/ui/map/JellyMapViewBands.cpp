#include "ui/map/JellyMapViewBands.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace sorbeta {

struct BandPainter::State {
    int bands = 1;
    std::vector<std::thread> threads;
    std::mutex mutex;
    std::condition_variable wake, done;
    std::mutex running;  // one image at a time
    const std::function<void(int)>* job = nullptr;
    unsigned generation = 0;
    int pending = 0;
    bool stopping = false;

    void work(int band) {
        unsigned seen = 0;
        for (;;) {
            const std::function<void(int)>* current = nullptr;
            {
                std::unique_lock lock(mutex);
                wake.wait(lock, [&] { return stopping || generation != seen; });
                if (stopping) return;
                seen = generation;
                current = job;
            }
            (*current)(band);
            std::lock_guard lock(mutex);
            if (--pending == 0) done.notify_one();
        }
    }
};

int BandPainter::defaultBands() {
    return static_cast<int>(std::clamp(std::thread::hardware_concurrency() * 3 / 4, 1u, 6u));
}

BandPainter::BandPainter(int bands) : state_(std::make_unique<State>()) {
    state_->bands = std::max(bands, 1);
    for (int band = 1; band < state_->bands; ++band)
        state_->threads.emplace_back([state = state_.get(), band] { state->work(band); });
}

BandPainter::~BandPainter() {
    {
        std::lock_guard lock(state_->mutex);
        state_->stopping = true;
    }
    state_->wake.notify_all();
    for (std::thread& thread : state_->threads) thread.join();
}

int BandPainter::bands() const { return state_->bands; }

void BandPainter::paint(QImage& target, const QPainter& like, const std::function<void(QPainter&, QRect)>& paint) {
    const int height = target.height();
    const int bands = std::clamp(height / 64, 1, state_->bands);
    const int rows = (height + bands - 1) / bands;
    const double ratio = target.devicePixelRatio();
    const std::function<void(int)> job = [&](int band) {
        const int top = band * rows;
        const int count = std::min(rows, height - top);
        if (band >= bands || count <= 0) return;
        // A view of the band's rows: painting through it cannot reach past them.
        QImage view(const_cast<uchar*>(target.constBits()) + top * target.bytesPerLine(), target.width(), count,
                    target.bytesPerLine(), target.format());
        view.setDevicePixelRatio(ratio);
        QPainter painter(&view);
        painter.setRenderHints(like.renderHints());
        painter.setOpacity(like.opacity());
        painter.setWorldTransform(like.worldTransform() * QTransform::fromTranslate(0, -top / ratio));
        paint(painter, QRect(0, top, target.width(), count));
    };
    if (bands == 1) {
        job(0);
        return;
    }
    std::lock_guard one(state_->running);
    {
        std::lock_guard lock(state_->mutex);
        state_->job = &job;
        state_->pending = state_->bands - 1;
        ++state_->generation;
    }
    state_->wake.notify_all();
    job(0);
    std::unique_lock lock(state_->mutex);
    state_->done.wait(lock, [&] { return state_->pending == 0; });
    state_->job = nullptr;
}

}  // namespace sorbeta
