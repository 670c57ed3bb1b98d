// Pixel loops over premultiplied ARGB32 images: blending images under any
// transform and the scratch buffers jellies are composed in. They run on the
// calling thread only, so a frame of many small draws pays no hand-over to
// Qt's painting threads.
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <span>
#include <vector>

#include "ui/kit/DeviceRects.h"
#include "ui/kit/ImageEffects.h"

namespace sorbeta::ImageEffects {

namespace {

// x·(256 − f) + y·f over 256, per channel; f from 0 to 256.
inline QRgb lerp256(QRgb x, QRgb y, uint f) {
    const uint g = 256u - f;
    const uint rb = ((((x & 0xff00ffu) * g) + ((y & 0xff00ffu) * f)) >> 8) & 0xff00ffu;
    const uint ag = ((((x >> 8) & 0xff00ffu) * g) + (((y >> 8) & 0xff00ffu) * f)) & 0xff00ff00u;
    return rb | ag;
}

inline void blendPixel(QRgb& d, QRgb s, uint alpha) {
    if (alpha < 255) s = byteMul(s, alpha);
    const uint a = qAlpha(s);
    if (a == 255)
        d = s;
    else if (a != 0 || s != 0)
        d = over(s, d);
}

QImage usable(const QImage& src) {
    if (src.format() == QImage::Format_ARGB32_Premultiplied || src.format() == QImage::Format_RGB32) return src;
    return src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// A row of pixels copied. The rows of a repaint region are mostly a few
// pixels wide, where a call to the library's copy costs more than the copy.
inline void copyPixels(QRgb* to, const QRgb* from, int count) {
    if (count > 32) {
        std::memcpy(to, from, std::size_t(count) * sizeof(QRgb));
        return;
    }
    int i = 0;
    for (; i + 4 <= count; i += 4) std::memcpy(to + i, from + i, 4 * sizeof(QRgb));
    for (; i < count; ++i) to[i] = from[i];
}

uchar* writableBits(QImage& image) {
    // Not bits(): that may detach the image from the painter drawing into it.
    return const_cast<uchar*>(image.constBits());
}

void blendTranslated(QImage& dst, const QImage& src, int dx, int dy, uint alpha, const QRect& area) {
    uchar* dbits = writableBits(dst);
    const qsizetype dstride = dst.bytesPerLine();
    const bool opaque = src.format() == QImage::Format_RGB32;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* d = reinterpret_cast<QRgb*>(dbits + y * dstride);
        const auto* s = reinterpret_cast<const QRgb*>(src.constScanLine(y - dy));
        if (opaque && alpha == 255) {
            copyPixels(d + area.left(), s + area.left() - dx, area.width());
            continue;
        }
        for (int x = area.left(); x <= area.right(); ++x) blendPixel(d[x], s[x - dx], alpha);
    }
}

void blendBilinear(QImage& dst, const QImage& src, const QTransform& m, uint alpha, const QRect& area) {
    bool invertible = false;
    const QTransform inv = m.inverted(&invertible);
    if (!invertible) return;
    uchar* dbits = writableBits(dst);
    const qsizetype dstride = dst.bytesPerLine();
    const int sw = src.width(), sh = src.height();
    const uchar* sbits = src.constBits();
    const qsizetype sstride = src.bytesPerLine();
    auto at = [&](int x, int y) -> QRgb {
        if (uint(x) >= uint(sw) || uint(y) >= uint(sh)) return 0;
        return reinterpret_cast<const QRgb*>(sbits + y * sstride)[x];
    };
    const bool projective = inv.type() == QTransform::TxProject;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* d = reinterpret_cast<QRgb*>(dbits + y * dstride);
        // Each pixel's position from its own column, so a pixel comes out the
        // same whichever column a clipped run starts at.
        const double py = y + 0.5;
        const double X0 = inv.m21() * py + inv.dx(), Y0 = inv.m22() * py + inv.dy(), W0 = inv.m23() * py + inv.m33();
        for (int x = area.left(); x <= area.right(); ++x) {
            const double px = x + 0.5;
            const double X = X0 + inv.m11() * px, Y = Y0 + inv.m12() * px, W = W0 + inv.m13() * px;
            double u = X, v = Y;
            if (projective) {
                if (W <= 0) continue;
                u /= W;
                v /= W;
            }
            u -= 0.5;
            v -= 0.5;
            if (u <= -1.0 || v <= -1.0 || u >= sw || v >= sh) continue;
            // floor() of values above −1 without a library call.
            const int iu = static_cast<int>(u + 1.0) - 1, iv = static_cast<int>(v + 1.0) - 1;
            const double fu = iu, fv = iv;
            const uint fx = static_cast<uint>((u - fu) * 256.0), fy = static_cast<uint>((v - fv) * 256.0);
            QRgb top, bottom;
            if (iu >= 0 && iv >= 0 && iu + 1 < sw && iv + 1 < sh) {
                const auto* row = reinterpret_cast<const QRgb*>(sbits + iv * sstride) + iu;
                const auto* next = reinterpret_cast<const QRgb*>(reinterpret_cast<const uchar*>(row) + sstride);
                if ((row[0] | row[1] | next[0] | next[1]) == 0) continue;  // clear: nothing to draw
                top = lerp256(row[0], row[1], fx);
                bottom = lerp256(next[0], next[1], fx);
            } else {
                top = lerp256(at(iu, iv), at(iu + 1, iv), fx);
                bottom = lerp256(at(iu, iv + 1), at(iu + 1, iv + 1), fx);
            }
            const QRgb s = lerp256(top, bottom, fy);
            if (s != 0) blendPixel(d[x], s, alpha);
        }
    }
}

}  // namespace

QImage* directTarget(const QPainter& painter) {
    QImage* image = pixelTarget(painter);
    const QTransform t = painter.deviceTransform();
    if (!image || t.type() > QTransform::TxScale || t.m11() <= 0 || t.m22() <= 0) return nullptr;
    return image;
}

QRegion deviceClip(const QPainter& painter) {
    QPaintDevice* device = painter.device();
    if (!device) return {};
    const QRect whole = device->devType() == QInternal::Image
                            ? static_cast<const QImage*>(device)->rect()
                            : QRect(0, 0, int(std::ceil(device->width() * device->devicePixelRatioF())),
                                    int(std::ceil(device->height() * device->devicePixelRatioF())));
    const QPaintEngine* engine = painter.paintEngine();
    const QRegion system = engine ? engine->systemClip() : QRegion();
    return system.isEmpty() ? QRegion(whole) : system & whole;
}

QImage* pixelTarget(const QPainter& painter) {
    if (!painter.isActive()) return nullptr;
    QPaintDevice* device = painter.device();
    if (!device || device->devType() != QInternal::Image) return nullptr;
    auto* image = static_cast<QImage*>(device);
    if (image->format() != QImage::Format_ARGB32_Premultiplied) return nullptr;
    if (painter.hasClipping() || painter.compositionMode() != QPainter::CompositionMode_SourceOver) return nullptr;
    return image;
}

namespace {

// One image blended into the rectangles of a clip: what every rectangle
// shares is worked out once, as a repaint region holds thousands of them.
void blendInto(QImage& dst, const QImage& source, const QTransform& srcToDst, double opacity,
               std::span<const QRect> rects) {
    if (source.isNull() || dst.isNull() || !(opacity > 0.0)) return;
    const auto alpha = static_cast<uint>(std::clamp(std::lround(opacity * 255.0), 0L, 255L));
    if (alpha == 0) return;
    const QImage src = usable(source);
    const QRect reach = srcToDst.mapRect(QRectF(src.rect())).toAlignedRect() & dst.rect();
    // Like Qt's own image drawing, an unscaled image lands on whole pixels.
    const bool translated = srcToDst.type() <= QTransform::TxTranslate;
    const int dx = static_cast<int>(std::lround(srcToDst.dx())), dy = static_cast<int>(std::lround(srcToDst.dy()));
    const QRect within = translated ? reach & src.rect().translated(dx, dy) : reach;
    auto blend = [&](const QRect& area) {
        if (area.isEmpty()) return;
        if (translated)
            blendTranslated(dst, src, dx, dy, alpha, area);
        else
            blendBilinear(dst, src, srcToDst, alpha, area);
    };
    if (rects.size() == 1) return blend(rects.front().isEmpty() ? within : rects.front() & within);
    // A small image over a repaint region: only the rows it spans are looked at.
    for (const QRect& area : DeviceRects::within(rects, within)) blend(area);
}

}  // namespace

void blendImage(QImage& dst, const QImage& source, const QTransform& srcToDst, double opacity, const QRect& clip) {
    blendInto(dst, source, srcToDst, opacity, std::span<const QRect>(&clip, 1));
}

void blendImage(QImage& dst, const QImage& src, const QTransform& srcToDst, double opacity, const QRegion& clip) {
    if (clip.isEmpty()) return;
    blendInto(dst, src, srcToDst, opacity, std::span<const QRect>(clip.begin(), clip.end()));
}

void drawImageDirect(QPainter& painter, const QImage& image, const QRegion& region) {
    QPaintEngine* engine = painter.paintEngine();
    QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
    auto* screen = device && device->devType() == QInternal::Image ? static_cast<QImage*>(device) : nullptr;
    const double ratio = image.devicePixelRatio();
    const QTransform toDevice = QTransform::fromScale(1 / ratio, 1 / ratio) * painter.deviceTransform();
    const bool reachable =
        screen && toDevice.type() <= QTransform::TxTranslate && painter.opacity() == 1.0 && !painter.hasClipping() &&
        (screen->format() == QImage::Format_ARGB32_Premultiplied || screen->format() == QImage::Format_RGB32);
    if (!reachable) {
        if (region.isEmpty()) {
            painter.drawImage(QPointF(0, 0), image);
            return;
        }
        painter.save();
        painter.setClipRegion(QTransform::fromScale(1 / ratio, 1 / ratio).map(region), Qt::IntersectClip);
        painter.drawImage(QPointF(0, 0), image);
        painter.restore();
        return;
    }
    const QPoint offset(int(std::lround(toDevice.dx())), int(std::lround(toDevice.dy())));
    const QRegion system = engine->systemClip();
    QRegion within = region.isEmpty() ? QRegion(image.rect().translated(offset)) : region.translated(offset);
    if (!system.isEmpty()) within &= system;
    blendImage(*screen, image, QTransform::fromTranslate(offset.x(), offset.y()), 1.0, within);
}

double ellipseCoverage(double x, double y, double cx, double cy, double rx, double ry, double pixels) {
    if (!(rx > 0.0) || !(ry > 0.0)) return 0.0;
    const double dx = x - cx, dy = y - cy;
    const double ux = dx / rx, uy = dy / ry;
    const double f = ux * ux + uy * uy;
    if (f < 0.25) return 1.0;
    // First-order distance to the edge: (f − 1) / |∇f|.
    const double gx = ux / rx, gy = uy / ry;
    const double distance = (f - 1.0) / (2.0 * std::sqrt(gx * gx + gy * gy));
    return std::clamp(0.5 - distance * pixels, 0.0, 1.0);
}

QImage& scratchImage(QSize size) {
    thread_local QImage image;
    if (image.width() < size.width() || image.height() < size.height())
        image = QImage(std::max({size.width(), image.width(), 64}), std::max({size.height(), image.height(), 64}),
                       QImage::Format_ARGB32_Premultiplied);
    return image;
}

}  // namespace sorbeta::ImageEffects
