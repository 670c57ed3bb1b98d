#include "ui/ImageEffects.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace sorbeta::ImageEffects {

namespace {

// Box widths whose three passes approximate a Gaussian of the given sigma.
std::array<int, 3> boxesFor(double sigma) {
    constexpr int n = 3;
    const double ideal = std::sqrt(12.0 * sigma * sigma / n + 1.0);
    int lower = static_cast<int>(std::floor(ideal));
    if (lower % 2 == 0) --lower;
    const int upper = lower + 2;
    const double m = (12.0 * sigma * sigma - n * lower * lower - 4.0 * n * lower - 3.0 * n) /
                     (-4.0 * lower - 4.0);
    const int lowerCount = static_cast<int>(std::lround(m));
    std::array<int, 3> sizes{};
    for (int i = 0; i < n; ++i) sizes[static_cast<std::size_t>(i)] = i < lowerCount ? lower : upper;
    return sizes;
}

// One box pass over `count` samples spaced `stride` apart, edges clamped.
void boxLine(uchar* data, int count, int stride, int radius, std::vector<uchar>& scratch) {
    if (radius <= 0 || count <= 0) return;
    scratch.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) scratch[static_cast<std::size_t>(i)] = data[i * stride];
    const int width = 2 * radius + 1;
    auto at = [&](int i) { return static_cast<int>(scratch[static_cast<std::size_t>(std::clamp(i, 0, count - 1))]); };
    int sum = 0;
    for (int i = -radius; i <= radius; ++i) sum += at(i);
    for (int i = 0; i < count; ++i) {
        data[i * stride] = static_cast<uchar>((sum + width / 2) / width);
        sum += at(i + radius + 1) - at(i - radius);
    }
}

void blurChannels(uchar* bits, int width, int height, qsizetype bytesPerLine, int channels,
                  double sigma) {
    if (sigma <= 0.0 || width <= 0 || height <= 0) return;
    std::vector<uchar> scratch;
    for (int box : boxesFor(sigma)) {
        const int radius = (box - 1) / 2;
        for (int c = 0; c < channels; ++c) {
            for (int y = 0; y < height; ++y)
                boxLine(bits + y * bytesPerLine + c, width, channels, radius, scratch);
            for (int x = 0; x < width; ++x)
                boxLine(bits + x * channels + c, height, static_cast<int>(bytesPerLine), radius, scratch);
        }
    }
}

// Blurs are done at half resolution once they are wide: the result is soft
// anyway and a quarter of the pixels is much cheaper.
double maskScale(double radius, double pixelRatio) {
    const double sigma = radius / 2.0 * pixelRatio;
    return sigma >= 4.0 ? pixelRatio * 0.5 : pixelRatio;
}

QImage colourise(const QImage& mask, const QColor& color) {
    QImage out(mask.size(), QImage::Format_ARGB32_Premultiplied);
    const int r = color.red(), g = color.green(), b = color.blue(), a = color.alpha();
    for (int y = 0; y < mask.height(); ++y) {
        const uchar* src = mask.constScanLine(y);
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < mask.width(); ++x) {
            const int alpha = (src[x] * a + 127) / 255;
            dst[x] = qRgba((r * alpha + 127) / 255, (g * alpha + 127) / 255, (b * alpha + 127) / 255, alpha);
        }
    }
    return out;
}

QRect pixelRect(const QRectF& target, double scale) {
    return QRect(0, 0, std::max(1, static_cast<int>(std::ceil(target.width() * scale))),
                 std::max(1, static_cast<int>(std::ceil(target.height() * scale))));
}

}  // namespace

void blur(QImage& image, double sigma) {
    if (image.isNull()) return;
    if (image.format() == QImage::Format_Alpha8 || image.format() == QImage::Format_Grayscale8) {
        blurChannels(image.bits(), image.width(), image.height(), image.bytesPerLine(), 1, sigma);
        return;
    }
    if (image.format() != QImage::Format_ARGB32_Premultiplied && image.format() != QImage::Format_ARGB32 &&
        image.format() != QImage::Format_RGB32)
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    blurChannels(image.bits(), image.width(), image.height(), image.bytesPerLine(), 4, sigma);
}

QImage blurred(const QImage& image, double radius, double pixelRatio) {
    QImage copy = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    blur(copy, radius / 2.0 * pixelRatio);
    return copy;
}

Layer dropShadow(const QPainterPath& path, const QColor& color, double radius, QPointF offset,
                 double pixelRatio) {
    if (path.isEmpty() || color.alpha() == 0) return {};
    const double extent = std::ceil(radius * 1.5) + 1.0;
    const QRectF target = path.boundingRect().translated(offset).adjusted(-extent, -extent, extent, extent);
    const double scale = maskScale(radius, pixelRatio);
    QImage mask(pixelRect(target, scale).size(), QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        p.translate(-target.topLeft() + offset);
        p.fillPath(path, Qt::white);
    }
    blur(mask, radius / 2.0 * scale);
    return {colourise(mask, color), QRectF(target.topLeft(), QSizeF(mask.width() / scale, mask.height() / scale))};
}

Layer innerShadow(const QPainterPath& path, const QColor& color, double radius, QPointF offset,
                  double pixelRatio) {
    if (path.isEmpty() || color.alpha() == 0) return {};
    const double extent = std::ceil(radius * 1.5) + 1.0;
    const QRectF target = path.boundingRect().adjusted(-extent - std::abs(offset.x()), -extent - std::abs(offset.y()),
                                                       extent + std::abs(offset.x()), extent + std::abs(offset.y()));
    const double scale = maskScale(radius, pixelRatio);
    QImage mask(pixelRect(target, scale).size(), QImage::Format_Alpha8);
    mask.fill(255);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        p.scale(scale, scale);
        p.translate(-target.topLeft() + offset);
        p.fillPath(path, Qt::white);
    }
    blur(mask, radius / 2.0 * scale);
    return {colourise(mask, color), QRectF(target.topLeft(), QSizeF(mask.width() / scale, mask.height() / scale))};
}

void drawLayer(QPainter& painter, const Layer& layer) {
    if (layer.isNull()) return;
    painter.drawImage(layer.target, layer.image);
}

double pixelRatioOf(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    return device ? std::max(1.0, device->devicePixelRatioF()) : 1.0;
}

LayerCache& LayerCache::shared() {
    static LayerCache cache;
    return cache;
}

const Layer& LayerCache::get(const Key& key, const std::function<Layer()>& make) {
    auto found = layers_.constFind(key);
    if (found != layers_.constEnd()) return *found;
    ++misses_;
    if (layers_.size() >= kCapacity) layers_.clear();
    return *layers_.insert(key, make());
}

size_t qHash(const LayerCache::Key& key, size_t seed) {
    return qHashMulti(seed, key.effect, key.width, key.height, key.shapeParam, key.radius, key.offsetX,
                      key.offsetY, key.color, key.pixelRatio);
}

}  // namespace sorbeta::ImageEffects
