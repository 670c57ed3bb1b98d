#include "ui/kit/ImageEffects.h"

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
    const double m = (12.0 * sigma * sigma - n * lower * lower - 4.0 * n * lower - 3.0 * n) / (-4.0 * lower - 4.0);
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

void blurChannels(uchar* bits, int width, int height, qsizetype bytesPerLine, int channels, double sigma) {
    if (sigma <= 0.0 || width <= 0 || height <= 0) return;
    std::vector<uchar> scratch;
    for (int box : boxesFor(sigma)) {
        const int radius = (box - 1) / 2;
        for (int c = 0; c < channels; ++c) {
            for (int y = 0; y < height; ++y) boxLine(bits + y * bytesPerLine + c, width, channels, radius, scratch);
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

Layer dropShadow(const QPainterPath& path, const QColor& color, double radius, QPointF offset, double pixelRatio) {
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
    return {colourise(mask, color), QRectF(target.topLeft(), QSizeF(mask.width() / scale, mask.height() / scale)), {}};
}

Layer innerShadow(const QPainterPath& path, const QColor& color, double radius, QPointF offset, double pixelRatio) {
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
    return {colourise(mask, color), QRectF(target.topLeft(), QSizeF(mask.width() / scale, mask.height() / scale)), {}};
}

void findHole(Layer& layer) {
    layer.hole = QRect();
    const QImage& image = layer.image;
    if (image.isNull() || image.format() != QImage::Format_ARGB32_Premultiplied) return;
    auto clear = [&](int x0, int y0, int x1, int y1) {  // inclusive bounds
        if (x0 < 0 || y0 < 0 || x1 >= image.width() || y1 >= image.height()) return false;
        for (int y = y0; y <= y1; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = x0; x <= x1; ++x)
                if (qAlpha(line[x]) != 0) return false;
        }
        return true;
    };
    int left = image.width() / 2, right = left, top = image.height() / 2, bottom = top;
    if (!clear(left, top, right, bottom)) return;
    // Grow one side at a time while the new edge stays transparent.
    for (bool grew = true; grew;) {
        grew = false;
        if (clear(left - 1, top, left - 1, bottom)) {
            --left;
            grew = true;
        }
        if (clear(right + 1, top, right + 1, bottom)) {
            ++right;
            grew = true;
        }
        if (clear(left, top - 1, right, top - 1)) {
            --top;
            grew = true;
        }
        if (clear(left, bottom + 1, right, bottom + 1)) {
            ++bottom;
            grew = true;
        }
    }
    // Keep a pixel of transparent border so smooth scaling never samples across.
    const QRect hole = QRect(QPoint(left, top), QPoint(right, bottom)).adjusted(1, 1, -1, -1);
    if (hole.width() > 8 && hole.height() > 8) layer.hole = hole;
}

void eraseInside(Layer& layer, const QPainterPath& inside) {
    if (layer.isNull() || inside.isEmpty()) return;
    const double sx = layer.image.width() / layer.target.width();
    const double sy = layer.image.height() / layer.target.height();
    QPainter p(&layer.image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.scale(sx, sy);
    p.translate(-layer.target.topLeft());
    p.fillPath(inside, Qt::black);
}

void toFullResolution(Layer& layer, double pixelRatio) {
    if (layer.isNull()) return;
    const QSize size(std::max(1, static_cast<int>(std::lround(layer.target.width() * pixelRatio))),
                     std::max(1, static_cast<int>(std::lround(layer.target.height() * pixelRatio))));
    if (size != layer.image.size())
        layer.image = layer.image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

Layer combine(const std::vector<Layer>& layers, const QRectF& area) {
    double scale = 0.0;
    for (const Layer& layer : layers)
        if (!layer.isNull()) scale = std::max(scale, layer.image.width() / layer.target.width());
    if (scale <= 0.0) return {};
    QImage image(pixelRect(area, scale).size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.scale(scale, scale);
        p.translate(-area.topLeft());
        for (const Layer& layer : layers)
            if (!layer.isNull()) p.drawImage(layer.target, layer.image);
    }
    return {image, QRectF(area.topLeft(), QSizeF(image.width() / scale, image.height() / scale)), {}};
}

void drawLayer(QPainter& painter, const Layer& layer) {
    if (layer.isNull()) return;
    const QTransform& transform = painter.worldTransform();
    if (layer.hole.isEmpty() || transform.type() > QTransform::TxScale) {
        painter.drawImage(layer.target, layer.image);
        return;
    }
    // Only the ring around the transparent middle, as up to four pieces whose
    // edges are snapped to device pixels so neighbours neither overlap nor gap.
    const double sx = layer.target.width() / layer.image.width();
    const double sy = layer.target.height() / layer.image.height();
    const QRect& h = layer.hole;
    auto snapX = [&](double x) {
        return (std::round(transform.m11() * x + transform.dx()) - transform.dx()) / transform.m11();
    };
    auto snapY = [&](double y) {
        return (std::round(transform.m22() * y + transform.dy()) - transform.dy()) / transform.m22();
    };
    const double xs[4] = {snapX(layer.target.left()), snapX(layer.target.left() + h.left() * sx),
                          snapX(layer.target.left() + (h.right() + 1) * sx), snapX(layer.target.right())};
    const double ys[4] = {snapY(layer.target.top()), snapY(layer.target.top() + h.top() * sy),
                          snapY(layer.target.top() + (h.bottom() + 1) * sy), snapY(layer.target.bottom())};
    const int px[4] = {0, h.left(), h.right() + 1, layer.image.width()};
    const int py[4] = {0, h.top(), h.bottom() + 1, layer.image.height()};
    auto piece = [&](int x0, int x1, int y0, int y1) {  // indices into the edge lists
        if (px[x1] <= px[x0] || py[y1] <= py[y0] || xs[x1] <= xs[x0] || ys[y1] <= ys[y0]) return;
        painter.drawImage(QRectF(QPointF(xs[x0], ys[y0]), QPointF(xs[x1], ys[y1])), layer.image,
                          QRectF(QPointF(px[x0], py[y0]), QPointF(px[x1], py[y1])));
    };
    const bool antialiased = painter.testRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::Antialiasing, false);
    piece(0, 3, 0, 1);  // top
    piece(0, 3, 2, 3);  // bottom
    piece(0, 1, 1, 2);  // left
    piece(2, 3, 1, 2);  // right
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
}

double pixelRatioOf(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    return device ? std::max(1.0, device->devicePixelRatioF()) : 1.0;
}

LayerCache::LayerCache(qint64 limit) : baseLimit_(limit), limit_(limit) {}

LayerCache& LayerCache::shared() {
    static LayerCache cache;
    return cache;
}

Layer LayerCache::get(const Key& key, const std::function<Layer()>& make) {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (auto found = index_.constFind(key); found != index_.constEnd()) {
            entries_.splice(entries_.begin(), entries_, *found);
            return (*found)->layer;
        }
        if (!making_.contains(key)) break;
        made_.wait(lock);
    }
    ++misses_;
    making_.append(key);
    lock.unlock();
    Layer layer = make();
    lock.lock();
    making_.removeOne(key);
    const qint64 bytes = layer.image.sizeInBytes();
    // Layers for a finer screen are larger by the square of its pixel ratio.
    const double ratio = std::max(1.0, key.pixelRatio / 100.0);
    limit_ = std::max(limit_, std::min(kLargestLimit, static_cast<qint64>(baseLimit_ * ratio * ratio)));
    entries_.push_front({key, layer, bytes});
    index_.insert(key, entries_.begin());
    bytes_ += bytes;
    evictOver(limit_);
    made_.notify_all();
    return layer;
}

void LayerCache::evictOver(qint64 limit) {
    // The newest entry stays even when it alone is over the limit.
    while (bytes_ > limit && entries_.size() > 1) {
        const Entry& oldest = entries_.back();
        bytes_ -= oldest.bytes;
        index_.remove(oldest.key);
        entries_.pop_back();
    }
}

std::optional<Layer> LayerCache::find(const Key& key) {
    std::lock_guard lock(mutex_);
    const auto found = index_.constFind(key);
    if (found == index_.constEnd()) return std::nullopt;
    entries_.splice(entries_.begin(), entries_, *found);
    return (*found)->layer;
}

void LayerCache::clear() {
    std::lock_guard lock(mutex_);
    entries_.clear();
    index_.clear();
    bytes_ = 0;
}

qsizetype LayerCache::size() const {
    std::lock_guard lock(mutex_);
    return index_.size();
}

qint64 LayerCache::bytes() const {
    std::lock_guard lock(mutex_);
    return bytes_;
}

qint64 LayerCache::limit() const {
    std::lock_guard lock(mutex_);
    return limit_;
}

qsizetype LayerCache::misses() const {
    std::lock_guard lock(mutex_);
    return misses_;
}

// Stand-ins differ by at most about 20 % per side.
constexpr double kStandInRange = 0.18;

std::optional<Layer> LayerCache::nearest(const Key& key, Key* found) {
    std::lock_guard lock(mutex_);
    const Entry* best = nullptr;
    double bestDistance = 0.0;
    for (const Entry& entry : entries_) {
        Key sized = entry.key;
        sized.width = key.width;
        sized.height = key.height;
        if (!(sized == key)) continue;
        // Relative difference of the sides: stretching by a few percent is invisible.
        const double dw = std::abs(std::log(double(entry.key.width) / key.width));
        const double dh = std::abs(std::log(double(entry.key.height) / key.height));
        if (dw > kStandInRange || dh > kStandInRange) continue;  // its margins would stretch visibly
        const double distance = dw + dh;
        if (!best || distance < bestDistance) {
            best = &entry;
            bestDistance = distance;
        }
    }
    if (!best) return std::nullopt;
    if (found) *found = best->key;
    return best->layer;
}

size_t qHash(const LayerCache::Key& key, size_t seed) {
    return qHashMulti(seed, key.effect, key.width, key.height, key.shapeParam, key.radius, key.offsetX, key.offsetY,
                      key.color, key.radius2, key.offsetY2, key.color2, key.color3, key.pixelRatio);
}

}  // namespace sorbeta::ImageEffects
