#include "ui/map/JellyLayers.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "ui/kit/ImageEffects.h"
#include "ui/kit/SymbolIcons.h"
#include "ui/kit/WrapAnywhereLabel.h"

namespace sorbeta {

// --- Fizz bubbles

std::array<FizzBubble, kFizzBubbleCount> fizzBubbles(QSizeF size, double time) {
    std::array<FizzBubble, kFizzBubbleCount> bubbles{};
    const double w = size.width(), h = size.height();
    for (int i = 0; i < kFizzBubbleCount; ++i) {
        const double speed = 0.04 + 0.012 * (i % 5);
        const double p = std::fmod(0.137 * i + time * speed, 1.0);
        const double column = std::fmod(0.618 * i, 1.0) * 0.84 + 0.08;
        const double x = w * column + 6.0 * std::sin(1.3 * time + i);
        const double y = h * (1.05 - 1.1 * p);
        bubbles[std::size_t(i)] = {QPointF(x, y), double((7 * i) % 13 + 5)};
    }
    return bubbles;
}

void paintFizzBubbles(QPainter& painter, QSizeF size, double time, const QColor& tint) {
    const QColor fill = withOpacity(Qt::white, 0.5);
    const QColor edge = withOpacity(tint, 0.35);
    painter.save();
    for (const FizzBubble& bubble : fizzBubbles(size, time)) {
        const double r = bubble.diameter / 2;
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawEllipse(bubble.center, r, r);
        // The outline lies inside the bubble's edge.
        painter.setPen(QPen(edge, 1.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(bubble.center, r - 0.6, r - 0.6);
    }
    painter.restore();
}

// --- Tick dot

namespace {

void paintPickDotShapes(QPainter& painter, const QRectF& rect, double on, const JellyPalette& palette) {
    const double ratio = ImageEffects::pixelRatioOf(painter);
    const QRectF circle = rect;
    QPainterPath disc;
    disc.addEllipse(circle);
    // The shadow belongs to the whole dot, so it is cached per flavour and size.
    const auto& shadow = ImageEffects::LayerCache::shared().get(
        {0x7d07, int(rect.width() * 4), int(rect.height() * 4), 0, 12, 0, 8, palette.deep.rgba(), int(ratio * 100)},
        [&] {
            QPainterPath local;
            local.addEllipse(QRectF(QPointF(0, 0), rect.size()));
            return ImageEffects::dropShadow(local, withOpacity(palette.deep, 0.35), 3, QPointF(0, 2), ratio);
        });
    ImageEffects::drawLayer(painter, {shadow.image, shadow.target.translated(rect.topLeft())});

    painter.save();
    painter.setPen(Qt::NoPen);
    const double clamped = std::clamp(on, 0.0, 1.0);
    painter.setBrush(withOpacity(Qt::white, 0.35 + 0.65 * clamped));
    painter.drawEllipse(circle);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(circle.adjusted(1, 1, -1, -1));
    if (on > 0.001) {
        // Pops in by scale and fade, about the dot's centre.
        const double scale = std::max(on, 0.00001);
        painter.translate(circle.center());
        painter.scale(scale, scale);
        painter.setOpacity(painter.opacity() * clamped);
        paintSymbol(painter, QStringLiteral("checkmark"), QRectF(-5, -5, 10, 10), palette.deep, SymbolWeight::heavy);
    }
    painter.restore();
}

}  // namespace

void paintPickDot(QPainter& painter, const QRectF& rect, double on, const JellyPalette& palette) {
    QImage* pixels = ImageEffects::pixelTarget(painter);
    if (!pixels) return paintPickDotShapes(painter, rect, on, palette);
    // The whole dot drawn once per look (its tick state in steps of 1/32,
    // overshoot included) and copied: a map draws many, and under a tilted
    // jelly Qt's own drawing would take its slow path.
    const double ratio = ImageEffects::pixelRatioOf(painter);
    const int step = static_cast<int>(std::lround(std::clamp(on, -0.5, 1.5) * 32));
    constexpr double margin = 8;  // room for the shadow
    const ImageEffects::Layer& dot = ImageEffects::LayerCache::shared().get(
        {0x7d08, int(rect.width() * 4), int(rect.height() * 4), step, 0, 0, 0, palette.deep.rgba(), 0, 0,
         palette.base.rgba(), 0, int(ratio * 100)},
        [&] {
            const QRectF local(QPointF(margin, margin), rect.size());
            QImage image(int(std::ceil((rect.width() + 2 * margin) * ratio)),
                         int(std::ceil((rect.height() + 2 * margin) * ratio)), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(ratio, ratio);
            paintPickDotShapes(p, local, step / 32.0, palette);
            p.end();
            return ImageEffects::Layer{
                image, QRectF(-margin, -margin, image.width() / ratio, image.height() / ratio), {}};
        });
    ImageEffects::blendImage(*pixels, dot.image,
                             QTransform::fromScale(1 / ratio, 1 / ratio) *
                                 QTransform::fromTranslate(rect.x() + dot.target.x(), rect.y() + dot.target.y()) *
                                 painter.deviceTransform(),
                             painter.opacity(), ImageEffects::deviceClip(painter));
}

// --- Hint

void paintOpenHint(QPainter& painter, QSizeF size, const QColor& ink, double progress) {
    if (progress <= 0.001) return;
    const QFont font = roundedFont(11, QFont::Bold);
    const QString text = jellyOpenHint();
    const QFontMetricsF metrics(font);
    const QSizeF capsule(metrics.horizontalAdvance(text) + 16, metrics.height() + 6);
    const QRectF box(QPointF(size.width() / 2 - capsule.width() / 2, size.height() - 12 - capsule.height()), capsule);
    painter.save();
    painter.translate(box.center());
    const double scale = 0.6 + 0.4 * progress;
    painter.scale(scale, scale);
    painter.setOpacity(painter.opacity() * std::clamp(progress, 0.0, 1.0));
    const QRectF local(-capsule.width() / 2, -capsule.height() / 2, capsule.width(), capsule.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(withOpacity(Qt::white, 0.28));
    painter.drawRoundedRect(local, local.height() / 2, local.height() / 2);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(local, Qt::AlignCenter, text);
    painter.restore();
}

// --- Label

LabelLines layOutLabel(const JellyLabelContent& content, double textWidth) {
    LabelLines lines;
    lines.sizeFont = roundedFont(content.sizePixelSize, QFont::DemiBold);
    const QFontMetricsF sizeMetrics(lines.sizeFont);
    lines.sizeLines = wrappedLines(content.sizeLine, lines.sizeFont, std::max(textWidth, 1.0));
    for (QString& line : lines.sizeLines) line = line.trimmed();
    lines.height = sizeMetrics.height() * double(lines.sizeLines.size());
    if (content.title) {
        QFont font = roundedFont(content.titlePixelSize, QFont::Bold);
        const double full = QFontMetricsF(font).horizontalAdvance(*content.title);
        QString title = *content.title;
        if (full > textWidth && full > 0) {
            // Shrink first, to 0.7 of the size at most, then cut the text short.
            const double factor = std::max(textWidth / full, 0.7);
            font.setPixelSize(std::max(1, int(std::floor(content.titlePixelSize * factor))));
            title = QFontMetricsF(font).elidedText(title, Qt::ElideRight, std::max(textWidth, 0.0));
        }
        lines.titleFont = font;
        lines.title = title;
        lines.height += QFontMetricsF(font).height() + content.spacing;
    }
    return lines;
}

void JellyLabelImage::update(const JellyLabelContent& content, const QColor& ink, double textWidth, qreal pixelRatio) {
    if (!content.visible) {
        image_ = QImage();
        key_.clear();
        return;
    }
    const QString key = content.title.value_or(QStringLiteral("\x01")) + QChar(0x02) + content.sizeLine + QChar(0x02) +
                        QString::number(content.titlePixelSize) + QChar(0x02) + QString::number(textWidth, 'f', 1) +
                        QChar(0x02) + QString::number(ink.rgba()) + QChar(0x02) + QString::number(pixelRatio);
    if (key == key_) return;
    key_ = key;

    const LabelLines lines = layOutLabel(content, textWidth);
    constexpr double margin = 4;  // room for the shadow
    const QSizeF logical(std::max(textWidth, 1.0) + 2 * margin, lines.height + 2 * margin);
    auto draw = [&](QImage& target, const QColor& color) {
        QPainter p(&target);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setPen(color);
        double y = margin;
        const QRectF column(margin, 0, logical.width() - 2 * margin, 0);
        if (content.title) {
            p.setFont(lines.titleFont);
            const double lineHeight = QFontMetricsF(lines.titleFont).height();
            p.drawText(QRectF(column.left(), y, column.width(), lineHeight), Qt::AlignHCenter | Qt::AlignTop,
                       lines.title);
            y += lineHeight + content.spacing;
        }
        p.setFont(lines.sizeFont);
        p.setOpacity(0.85);
        const double sizeHeight = QFontMetricsF(lines.sizeFont).height();
        for (const QString& line : lines.sizeLines) {
            p.drawText(QRectF(column.left(), y, column.width(), sizeHeight), Qt::AlignHCenter | Qt::AlignTop, line);
            y += sizeHeight;
        }
    };
    const QSize pixels(int(std::ceil(logical.width() * pixelRatio)), int(std::ceil(logical.height() * pixelRatio)));
    QImage text(pixels, QImage::Format_ARGB32_Premultiplied);
    text.setDevicePixelRatio(pixelRatio);
    text.fill(Qt::transparent);
    draw(text, ink);

    image_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(pixelRatio);
    image_.fill(Qt::transparent);
    QPainter out(&image_);
    // White text gets a faint shadow; dark text (lemon) none.
    if (ink == QColor(Qt::white)) {
        QImage mask(pixels, QImage::Format_ARGB32_Premultiplied);
        mask.setDevicePixelRatio(pixelRatio);
        mask.fill(Qt::transparent);
        draw(mask, withOpacity(Qt::black, 0.18));
        const QImage shadow = ImageEffects::blurred(mask, 1.5, pixelRatio);
        out.drawImage(QPointF(0, 1), shadow);
    }
    out.drawImage(QPointF(0, 0), text);
}

QSizeF JellyLabelImage::size() const {
    if (image_.isNull()) return {};
    return QSizeF(image_.width() / image_.devicePixelRatio(), image_.height() / image_.devicePixelRatio());
}

void JellyLabelImage::paint(QPainter& painter, QPointF center) const {
    if (image_.isNull()) return;
    const QSizeF s = size();
    const QRectF target(center - QPointF(s.width() / 2, s.height() / 2), s);
    if (QImage* pixels = ImageEffects::pixelTarget(painter)) {
        // Our own resampling: under a tilted jelly Qt's would take its slow path.
        const double ratio = image_.devicePixelRatio();
        ImageEffects::blendImage(*pixels, image_,
                                 QTransform::fromScale(1 / ratio, 1 / ratio) *
                                     QTransform::fromTranslate(target.x(), target.y()) * painter.deviceTransform(),
                                 painter.opacity(), ImageEffects::deviceClip(painter));
        return;
    }
    painter.drawImage(target, image_);
}

}  // namespace sorbeta
