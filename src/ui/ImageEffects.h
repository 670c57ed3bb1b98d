#pragma once
// Soft shadows and blur over QImage (Qt has no public image blur). Shadows are
// rendered as coloured layers from an alpha mask blurred by three box passes;
// a shadow "radius" is about two standard deviations of the blur.
#include <QColor>
#include <QHash>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <functional>

class QPainter;

namespace sorbeta::ImageEffects {

// An image and where it goes, in the painter's (device-independent) units.
struct Layer {
    QImage image;
    QRectF target;
    bool isNull() const { return image.isNull(); }
};

// Blurs an Alpha8 or ARGB32(_Premultiplied) image in place; sigma in pixels.
void blur(QImage& image, double sigma);

// A blurred copy of the image for a shadow radius given in device-independent
// units at the given pixel ratio.
QImage blurred(const QImage& image, double radius, double pixelRatio = 1.0);

// The path's coverage moved by offset, blurred and coloured.
Layer dropShadow(const QPainterPath& path, const QColor& color, double radius, QPointF offset,
                 double pixelRatio = 1.0);

// The coverage outside the path moved by offset, blurred and coloured: draw
// it clipped to the path to shade the path's inside.
Layer innerShadow(const QPainterPath& path, const QColor& color, double radius, QPointF offset,
                  double pixelRatio = 1.0);

void drawLayer(QPainter& painter, const Layer& layer);

// Pixel ratio of the painter's device (1 when it has none).
double pixelRatioOf(const QPainter& painter);

// Blurred layers kept between frames, keyed by what determines them. Main
// thread only; cleared as a whole when it grows past its capacity.
class LayerCache {
public:
    struct Key {
        int effect = 0;
        int width = 0;
        int height = 0;
        int shapeParam = 0;
        int radius = 0;
        int offsetX = 0;
        int offsetY = 0;
        QRgb color = 0;
        int pixelRatio = 0;
        bool operator==(const Key&) const = default;
    };

    static LayerCache& shared();

    const Layer& get(const Key& key, const std::function<Layer()>& make);
    void clear() { layers_.clear(); }
    qsizetype size() const { return layers_.size(); }
    qsizetype misses() const { return misses_; }

private:
    static constexpr qsizetype kCapacity = 768;
    QHash<Key, Layer> layers_;
    qsizetype misses_ = 0;
};

size_t qHash(const LayerCache::Key& key, size_t seed = 0);

}  // namespace sorbeta::ImageEffects
