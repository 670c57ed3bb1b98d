#pragma once
// Soft shadows and blur over QImage (Qt has no public image blur). Shadows are
// rendered as coloured layers from an alpha mask blurred by three box passes;
// a shadow "radius" is about two standard deviations of the blur.
#include <QColor>
#include <QHash>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QRegion>
#include <QTransform>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <list>
#include <mutex>
#include <optional>
#include <vector>

class QPainter;

namespace sorbeta::ImageEffects {

// An image and where it goes, in the painter's (device-independent) units.
struct Layer {
    QImage image;
    QRectF target;
    QRect hole;  // fully transparent inside (image pixels); drawing skips it
    bool isNull() const { return image.isNull(); }
};

// Finds the transparent middle of the layer so drawing can skip it.
void findHole(Layer& layer);

// Sets the pixels inside the path (painter units) fully transparent: parts a
// layer draws under an opaque shape need not be drawn.
void eraseInside(Layer& layer, const QPainterPath& inside);

// The layer resampled once to `pixelRatio` pixels per point, so drawing it
// needs no smooth scaling.
void toFullResolution(Layer& layer, double pixelRatio);

// Several layers drawn into one covering `area`, at the finest of their scales.
Layer combine(const std::vector<Layer>& layers, const QRectF& area);

// Blurs an Alpha8 or ARGB32(_Premultiplied) image in place; sigma in pixels.
void blur(QImage& image, double sigma);

// A blurred copy of the image for a shadow radius given in device-independent
// units at the given pixel ratio.
QImage blurred(const QImage& image, double radius, double pixelRatio = 1.0);

// The path's coverage moved by offset, blurred and coloured.
Layer dropShadow(const QPainterPath& path, const QColor& color, double radius, QPointF offset, double pixelRatio = 1.0);

// The coverage outside the path moved by offset, blurred and coloured: draw
// it clipped to the path to shade the path's inside.
Layer innerShadow(const QPainterPath& path, const QColor& color, double radius, QPointF offset,
                  double pixelRatio = 1.0);

void drawLayer(QPainter& painter, const Layer& layer);

// Pixel ratio of the painter's device (1 when it has none).
double pixelRatioOf(const QPainter& painter);

// --- Direct pixel work (ImageEffectsRaster.cpp)
//
// Qt's raster engine hands large span batches to a thread pool and resamples
// transformed images at ~10 ns a pixel; painting many jellies a frame needs
// neither. These loops work on premultiplied ARGB32 pixels on the calling
// thread.

// The image a painter draws straight into, when our own pixel writes would
// land exactly where its drawing would: a premultiplied image, no clip,
// source-over, and a device transform that only scales and translates.
QImage* directTarget(const QPainter& painter);
// The same with any device transform (our loops then map each pixel back).
QImage* pixelTarget(const QPainter& painter);
// The device pixels a painter on an image may change: the system clip its
// owner set on the image's paint engine before the painter began (a map
// repainting only what changed), else the whole image. Qt's own drawing
// keeps to it by itself; our pixel loops ask for it.
QRegion deviceClip(const QPainter& painter);

// Draws `src` over `dst` (source-over), `srcToDst` mapping source pixel
// coordinates (pixel i spans [i, i+1)) to destination ones, affine or
// projective, resampled bilinearly. A translation alone lands on whole
// pixels, as Qt's own drawing does. `clip` limits the destination pixels
// touched (empty: the whole image).
void blendImage(QImage& dst, const QImage& src, const QTransform& srcToDst, double opacity,
                const QRect& clip = QRect());
// The same within every rectangle of `clip`; each pixel comes out as without it.
void blendImage(QImage& dst, const QImage& src, const QTransform& srcToDst, double opacity, const QRegion& clip);

// Draws `image` (device pixels, its origin at the painter's) over what the
// painter paints on, within `region` (pixels of `image`; empty: all of it)
// and the painter's system clip. Straight into the device's pixels where they
// can be reached: Qt's own drawing hands a region of many pieces to its
// thread pool in many small tasks, whose waking and waiting cost more than
// the copy. An RGB32 image is copied, not blended.
void drawImageDirect(QPainter& painter, const QImage& image, const QRegion& region = {});

// A premultiplied pixel over another.
inline QRgb byteMul(QRgb x, uint a) {
    uint t = (x & 0xff00ffu) * a;
    t = ((t + ((t >> 8) & 0xff00ffu) + 0x800080u) >> 8) & 0xff00ffu;
    x = ((x >> 8) & 0xff00ffu) * a;
    x = (x + ((x >> 8) & 0xff00ffu) + 0x800080u) & 0xff00ff00u;
    return x | t;
}
inline QRgb over(QRgb src, QRgb dst) { return src + byteMul(dst, 255u - qAlpha(src)); }
// White at `alpha` (0 to 255), premultiplied.
inline QRgb whiteAt(uint alpha) { return alpha * 0x01010101u; }

// Coverage (0 to 1) of an axis-aligned ellipse at a point, with about one
// device pixel of antialiasing at its edge (`pixels` device pixels a unit).
double ellipseCoverage(double x, double y, double cx, double cy, double rx, double ry, double pixels = 1.0);

// A premultiplied image of at least `size` pixels kept per thread for
// scratch work (contents undefined). The same image object every time, so a
// painter on it keeps its paint engine instead of building one per use.
QImage& scratchImage(QSize size);

// Blurred layers kept between frames, keyed by what determines them. One for
// the whole process, shared by every painting thread (the bands of a map
// paint the same jellies at the same time, so each layer is made once);
// limited in bytes, the least recently used going first.
class LayerCache {
public:
    struct Key {
        int effect = 0;
        int width = 0;
        int height = 0;
        int shapeParam = 0;
        int radius = 0;   // hundredths of a point
        int offsetX = 0;  // hundredths of a point
        int offsetY = 0;
        QRgb color = 0;
        int radius2 = 0;  // a second shadow composed into the same layer
        int offsetY2 = 0;
        QRgb color2 = 0;
        QRgb color3 = 0;
        int pixelRatio = 0;
        bool operator==(const Key&) const = default;
    };

    // Bytes of layers kept at a pixel ratio of 1; at a larger ratio the limit
    // grows with the pixels of a point.
    static constexpr qint64 kDefaultLimit = 40ll << 20;
    static constexpr qint64 kLargestLimit = 160ll << 20;

    explicit LayerCache(qint64 limit = kDefaultLimit);
    static LayerCache& shared();

    // The layer for the key, made by `make` the first time (outside the lock;
    // a thread asking for a layer another thread is making waits for it).
    Layer get(const Key& key, const std::function<Layer()>& make);
    std::optional<Layer> find(const Key& key);
    // The entry that differs from `key` only in size, closest in size and
    // within about 20 % per side; none when there is no such entry. Stands in
    // while sizes animate.
    std::optional<Layer> nearest(const Key& key, Key* found);
    // Lets go of every layer (the map left the screen).
    void clear();
    qsizetype size() const;
    qint64 bytes() const;
    qint64 limit() const;
    qsizetype misses() const;

private:
    struct Entry {
        Key key;
        Layer layer;
        qint64 bytes = 0;
    };
    void evictOver(qint64 limit);

    mutable std::mutex mutex_;
    std::condition_variable made_;
    std::list<Entry> entries_;  // most recently used first
    QHash<Key, std::list<Entry>::iterator> index_;
    QList<Key> making_;
    qint64 baseLimit_;
    qint64 limit_;
    qint64 bytes_ = 0;
    qsizetype misses_ = 0;
};

size_t qHash(const LayerCache::Key& key, size_t seed = 0);

}  // namespace sorbeta::ImageEffects
