#pragma once
// Paints one image in horizontal bands at the same time. Each band has its
// own long-lived thread, so the per-thread layer caches of the jellies it
// draws stay warm from frame to frame; the caller's thread paints band 0.
// One hand-over per band and frame, instead of one per span batch as in Qt's
// own parallel fills.
#include <QImage>
#include <QPainter>
#include <QRect>
#include <functional>
#include <memory>

namespace sorbeta {

class BandPainter {
public:
    // Three quarters of the processors, at most six: a frame is a short burst
    // of work, and a quarter stays free for the rest of the program.
    static int defaultBands();

    // Starts a thread for every band but the first. One painter can serve
    // every map of the application: it paints one image at a time.
    explicit BandPainter(int bands = defaultBands());
    ~BandPainter();
    BandPainter(const BandPainter&) = delete;
    BandPainter& operator=(const BandPainter&) = delete;

    int bands() const;

    // Splits `target` into bands of whole pixel rows and calls paint(painter,
    // deviceRows) for each, at the same time, with a painter on that band that
    // draws as `like` does on the whole image (same transform, opacity and
    // hints); returns when every band is done. `like` must paint into `target`.
    void paint(QImage& target, const QPainter& like, const std::function<void(QPainter&, QRect)>& paint);

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace sorbeta
