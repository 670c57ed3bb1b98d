#include "ui/kit/CandyBackground.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/kit/ImageEffects.h"
#include "ui/kit/Theme.h"

namespace sorbeta {

namespace {

constexpr double kBlurRadius = 90.0;
constexpr double kBlurScale = 1.0 / 8.0;  // a blur this wide loses nothing at an eighth of the pixels

struct SpotsImage {
    QSize size;
    QImage image;
    QRectF target;  // relative to the background's top-left
};

SpotsImage renderSpots(QSizeF size) {
    // The spots spill past the edges; the blur sees them fade into transparency there.
    const double pad = std::ceil(kBlurRadius * 1.5);
    const QRectF target(-pad, -pad, size.width() + 2 * pad, size.height() + 2 * pad);
    QImage image(std::max(1, static_cast<int>(std::ceil(target.width() * kBlurScale))),
                 std::max(1, static_cast<int>(std::ceil(target.height() * kBlurScale))),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(kBlurScale, kBlurScale);
        painter.translate(pad, pad);
        painter.setPen(Qt::NoPen);
        for (const BackgroundSpot& spot : candyBackgroundSpots(size)) {
            painter.setBrush(spot.color);
            painter.drawEllipse(spot.circle);
        }
    }
    ImageEffects::blur(image, kBlurRadius / 2.0 * kBlurScale);
    return {size.toSize(), image,
            QRectF(target.topLeft(), QSizeF(image.width() / kBlurScale, image.height() / kBlurScale))};
}

}  // namespace

std::array<BackgroundSpot, 4> candyBackgroundSpots(QSizeF size) {
    const double w = size.width();
    const double h = size.height();
    auto spot = [&](QColor color, double frameWidth, QPointF centre) {
        const double d = std::max(0.0, std::min(frameWidth, h));
        return BackgroundSpot{color, QRectF(centre.x() - d / 2, centre.y() - d / 2, d, d)};
    };
    return {spot(rgba(255, 209, 227), 0.55 * w, {0.08 * w, 0.1 * h}),
            spot(rgba(212, 228, 255), 0.5 * w, {0.95 * w, 0.05 * h}),
            spot(rgba(255, 240, 184), 0.45 * w, {0.15 * w, h}),
            spot(rgba(216, 255, 233), 0.5 * w, {0.85 * w, 0.98 * h})};
}

void paintCandyBackground(QPainter& painter, const QRectF& rect) {
    thread_local SpotsImage cached;  // per thread: images may be painted off the main thread
    if (cached.image.isNull() || cached.size != rect.size().toSize()) cached = renderSpots(rect.size());
    painter.save();
    painter.fillRect(rect, Theme::paper());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setOpacity(painter.opacity() * 0.9);
    painter.drawImage(cached.target.translated(rect.topLeft()), cached.image);
    painter.restore();
}

CandyBackground::CandyBackground(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void CandyBackground::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintCandyBackground(painter, rect());
}

}  // namespace sorbeta
