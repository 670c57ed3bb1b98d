#include "ui/kit/CandyPaint.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "ui/kit/ImageEffects.h"
#include "ui/kit/SymbolIcons.h"

namespace sorbeta {

namespace {

constexpr double kSymbolGap = 6.0;

QFont buttonFont() { return roundedFont(kCandyButtonFontSize, QFont::Bold); }

double lerp(double a, double b, double t) { return a + (b - a) * t; }

// Inner shadow of a path, painted clipped to it.
void innerShadow(QPainter& painter, const QPainterPath& path, const QColor& color, double radius, QPointF offset) {
    painter.save();
    painter.setClipPath(path, Qt::IntersectClip);
    ImageEffects::drawLayer(
        painter, ImageEffects::innerShadow(path, color, radius, offset, ImageEffects::pixelRatioOf(painter)));
    painter.restore();
}

void paintButtonFace(QPainter& painter, const QRectF& rect, const QString& label, const JellyPalette& p, double press,
                     const QString& symbol, Qt::LayoutDirection direction) {
    // Squash about the bottom centre: wider and shorter while pressed.
    const double sx = lerp(1.0, 1.06, press);
    const double sy = lerp(1.0, 0.9, press);
    painter.save();
    painter.translate(rect.center().x(), rect.bottom());
    painter.scale(sx, sy);
    painter.translate(-rect.center().x(), -rect.bottom());

    const QPainterPath capsule = candyCapsulePath(rect);
    const double ratio = ImageEffects::pixelRatioOf(painter);
    ImageEffects::drawLayer(
        painter, ImageEffects::dropShadow(capsule, withOpacity(p.deep, lerp(0.45, 0.25, press)),
                                          std::max(0.0, lerp(10, 4, press)), QPointF(0, lerp(6, 2, press)), ratio));
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, p.light);
    fill.setColorAt(0.5, p.base);
    fill.setColorAt(1, p.deep);
    painter.fillPath(capsule, fill);
    innerShadow(painter, capsule, withOpacity(Qt::white, 0.6), 4, QPointF(0, 3));
    innerShadow(painter, capsule, withOpacity(p.deep, 0.6), 5, QPointF(0, -3));

    const QRectF gloss(rect.left() + 14, rect.top() + 5, std::max(0.0, rect.width() - 28), 10);
    painter.fillPath(candyCapsulePath(gloss), withOpacity(Qt::white, 0.45));

    // Label with a crisp shadow one point down.
    const QFont font = buttonFont();
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const double textWidth = metrics.horizontalAdvance(label);
    const double symbolSide = symbol.isEmpty() ? 0.0 : metrics.height() * 0.8;
    const double contentWidth = textWidth + (symbol.isEmpty() ? 0.0 : symbolSide + (label.isEmpty() ? 0 : kSymbolGap));
    const double left = rect.center().x() - contentWidth / 2.0;
    const bool rtl = direction == Qt::RightToLeft;
    const QRectF symbolRect(rtl ? left + contentWidth - symbolSide : left, rect.center().y() - symbolSide / 2.0,
                            symbolSide, symbolSide);
    const QRectF textRect(rtl ? left : left + contentWidth - textWidth, rect.top(), textWidth + 1, rect.height());
    for (int pass = 0; pass < 2; ++pass) {
        const QColor color = pass == 0 ? withOpacity(p.deep, 0.5) : QColor(Qt::white);
        const QPointF shift(0, pass == 0 ? 1 : 0);
        if (!symbol.isEmpty()) paintSymbol(painter, symbol, symbolRect.translated(shift), color);
        painter.setPen(color);
        painter.drawText(textRect.translated(shift), Qt::AlignVCenter | Qt::AlignLeft, label);
    }
    painter.restore();
}

}  // namespace

QPainterPath candyCapsulePath(const QRectF& rect) {
    QPainterPath path;
    const double radius = std::min(rect.width(), rect.height()) / 2.0;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void saturate(QImage& image, double amount) {
    if (image.format() != QImage::Format_ARGB32_Premultiplied) image.convertTo(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x];
            const double r = qRed(c), g = qGreen(c), b = qBlue(c);
            const double luma = 0.2126 * r + 0.7152 * g + 0.0722 * b;
            auto mix = [&](double v) {
                return std::clamp(static_cast<int>(std::lround(luma + (v - luma) * amount)), 0, qAlpha(c));
            };
            line[x] = qRgba(mix(r), mix(g), mix(b), qAlpha(c));
        }
    }
}

QSizeF candyButtonSize(const QString& label, bool compact, double height, const QString& symbol) {
    const QFontMetricsF metrics(buttonFont());
    double content = metrics.horizontalAdvance(label);
    if (!symbol.isEmpty()) content += metrics.height() * 0.8 + (label.isEmpty() ? 0 : kSymbolGap);
    const double padding = compact ? 16.0 : 22.0;
    return {std::ceil(content) + 2 * padding, height};
}

void paintCandyButton(QPainter& painter, const QRectF& rect, const QString& label, Flavor flavor, double press,
                      bool enabled, const QString& symbol, Qt::LayoutDirection direction) {
    const JellyPalette p = palette(flavor);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (enabled) {
        paintButtonFace(painter, rect, label, p, press, symbol, direction);
    } else {
        // Washed out: draw into a layer, desaturate it, lay it down faded.
        const double ratio = ImageEffects::pixelRatioOf(painter);
        const QRectF area = rect.adjusted(-20, -12, 20, 24);
        QImage layer((area.size() * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        layer.setDevicePixelRatio(ratio);
        layer.fill(Qt::transparent);
        {
            QPainter inner(&layer);
            inner.setRenderHints(painter.renderHints());
            inner.translate(-area.topLeft());
            paintButtonFace(inner, rect, label, p, 0.0, symbol, direction);
        }
        saturate(layer, 0.15);
        painter.setOpacity(painter.opacity() * 0.6);
        painter.drawImage(area.topLeft(), layer);
    }
    painter.restore();
}

void paintJellyCheck(QPainter& painter, const QRectF& box, const JellyPalette& p, double on) {
    const double t = std::clamp(on, 0.0, 1.0);
    const double scale = lerp(0.92, 1.0, on);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(box.center());
    painter.scale(scale, scale);
    painter.translate(-box.center());

    QPainterPath square;
    square.addRoundedRect(box, 7, 7);
    if (t > 0.0)
        ImageEffects::drawLayer(painter, ImageEffects::dropShadow(square, withOpacity(p.deep, 0.35 * t), 3,
                                                                  QPointF(0, 2), ImageEffects::pixelRatioOf(painter)));
    if (t < 1.0) painter.fillPath(square, withOpacity(Qt::white, 0.8 * (1.0 - t)));
    if (t > 0.0) {
        QLinearGradient fill(box.topLeft(), box.bottomRight());
        fill.setColorAt(0, withOpacity(p.light, t));
        fill.setColorAt(0.5, withOpacity(p.base, t));
        fill.setColorAt(1, withOpacity(p.deep, t));
        painter.fillPath(square, fill);
        innerShadow(painter, square, withOpacity(Qt::white, 0.6 * t), 2, QPointF(0, 2));
    }
    if (t < 1.0) {  // stroked inside the edge
        const double line = 1.6;
        QPainterPath inset;
        inset.addRoundedRect(box.adjusted(line / 2, line / 2, -line / 2, -line / 2), 7 - line / 2, 7 - line / 2);
        painter.strokePath(inset, QPen(withOpacity(p.base, 0.55 * (1.0 - t)), line));
    }
    if (t > 0.0) {
        // The mark pops in from 0.2 of its size while fading in.
        const double markScale = lerp(0.2, 1.0, on);
        const double side = 11.0 * markScale;
        painter.setOpacity(painter.opacity() * t);
        paintSymbol(painter, QStringLiteral("checkmark"),
                    QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side), Qt::white,
                    SymbolWeight::heavy);
    }
    painter.restore();
}

double progressFillWidth(double fraction, double width) {
    // A fraction that is not a number (0 of 0 done) shows the empty stub.
    if (std::isnan(fraction)) return kProgressMinFill;
    return std::max(fraction * width, kProgressMinFill);
}

void paintCleanProgressBar(QPainter& painter, const QRectF& rect, double fraction, Qt::LayoutDirection direction) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bar(rect.left(), rect.top(), rect.width(), kProgressBarHeight);
    painter.fillPath(candyCapsulePath(bar), withOpacity(Qt::white, 0.7));

    const double fillWidth = progressFillWidth(fraction, bar.width());
    const bool rtl = direction == Qt::RightToLeft;
    const QRectF fill(rtl ? bar.right() - fillWidth : bar.left(), bar.top(), fillWidth, bar.height());
    QLinearGradient gradient(rtl ? fill.topRight() : fill.topLeft(), rtl ? fill.topLeft() : fill.topRight());
    gradient.setColorAt(0, rgba(255, 92, 138));
    gradient.setColorAt(0.5, rgba(255, 154, 60));
    gradient.setColorAt(1, rgba(161, 102, 255));
    painter.fillPath(candyCapsulePath(fill), gradient);
    const QRectF gloss(fill.left() + 6, fill.top() + 2, std::max(0.0, fill.width() - 12), 3);
    painter.fillPath(candyCapsulePath(gloss), withOpacity(Qt::white, 0.45));
    painter.restore();
}

}  // namespace sorbeta

namespace sorbeta {

void paintChosenCapsule(QPainter& painter, const QRectF& rect, const JellyPalette& palette, double shadowOpacity,
                        double shadowRadius, double shadowDrop) {
    const QPainterPath capsule = candyCapsulePath(rect);
    const double ratio = ImageEffects::pixelRatioOf(painter);
    ImageEffects::drawLayer(painter, ImageEffects::dropShadow(capsule, withOpacity(palette.deep, shadowOpacity),
                                                              shadowRadius, {0, shadowDrop}, ratio));
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, palette.light);
    fill.setColorAt(0.5, palette.base);
    fill.setColorAt(1, palette.deep);
    painter.fillPath(capsule, fill);
    painter.save();
    painter.setClipPath(capsule, Qt::IntersectClip);
    ImageEffects::drawLayer(painter, ImageEffects::innerShadow(capsule, withOpacity(Qt::white, 0.5), 3, {0, 2}, ratio));
    painter.restore();
}

}  // namespace sorbeta
