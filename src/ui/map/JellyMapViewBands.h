#pragma once
// Paints one image in horizontal bands at the same time, on the threads of
// Qt's global pool while the caller waits. One hand-over per band and frame,
// instead of one per span batch as in Qt's own parallel fills, which it does
// not make from its own threads.
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <functional>
#include <memory>

namespace sorbeta {

class BandPainter {
public:
    // Threads a frame may use: every processor but one, at most eight. A
    // frame is a short burst of work while the caller waits, and one
    // processor stays free for the rest of the program.
    static int defaultBands();

    // One painter can serve every map of the application: it paints one
    // image at a time.
    explicit BandPainter(int bands = defaultBands());
    ~BandPainter();
    BandPainter(const BandPainter&) = delete;
    BandPainter& operator=(const BandPainter&) = delete;

    int bands() const;
    // How many bands paint() would split `target` into for `clip` (0 when
    // the clip misses it): 1 is a small clip painted on the calling thread.
    int bandsFor(const QImage& target, const QRegion& clip) const;

    // Splits `target` into bands of whole pixel rows (up to twice as many as
    // it has threads) and calls paint(painter,
    // deviceRows) for each, at the same time, with a painter on that band that
    // draws as `like` does on the whole image (same transform, opacity and
    // hints); returns when every band is done. `like` must paint into `target`.
    // A non-empty `clip` (device pixels of `target`) limits what the bands may
    // change (their painters' system clip); bands it misses are not painted,
    // and a small one (under 160 × 160 pixels or a sixth of the image) is
    // painted as one band, on the calling thread.
    void paint(QImage& target, const QPainter& like, const std::function<void(QPainter&, QRect)>& paint,
               const QRegion& clip = QRegion());

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace sorbeta
