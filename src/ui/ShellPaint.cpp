#include "ui/ShellPaint.h"

#include <algorithm>
#include <cmath>

namespace sorbeta {

QPainterPath shellCapsule(const QRectF& rect) {
    QPainterPath path;
    const double radius = std::min(rect.width(), rect.height()) / 2;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void paintDropShadow(QPainter& painter, const QPainterPath& path, const QColor& color, double radius,
                     QPointF offset) {
    if (color.alphaF() <= 0 || radius <= 0) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(offset);
    // Rings from the outside in, each adding a little opacity: a gaussian-ish
    // falloff over `radius` points around the outline.
    const int steps = std::clamp(int(std::ceil(radius)), 2, 10);
    for (int i = steps; i >= 1; --i) {
        const double spread = radius * i / steps;
        QColor ring = color;
        ring.setAlphaF(color.alphaF() / steps * 1.6 * (1.0 - double(i - 1) / steps));
        QPen pen(ring, spread);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    QColor core = color;
    core.setAlphaF(color.alphaF() * 0.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(core);
    painter.drawPath(path);
    painter.restore();
}

void paintInnerShadow(QPainter& painter, const QPainterPath& path, const QColor& color, double radius,
                      QPointF offset) {
    if (color.alphaF() <= 0) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipPath(path, Qt::IntersectClip);
    // The shape's outside, moved by the offset, casts the rim inside it.
    QPainterPath outside;
    outside.addRect(path.boundingRect().adjusted(-40, -40, 40, 40));
    outside = outside.subtracted(path).translated(offset);
    const int steps = std::clamp(int(std::ceil(radius)), 1, 6);
    for (int i = steps; i >= 1; --i) {
        QColor ring = color;
        ring.setAlphaF(color.alphaF() / steps);
        QPen pen(ring, 2.0 * radius * i / steps);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(outside);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(outside);
    painter.restore();
}

}  // namespace sorbeta
