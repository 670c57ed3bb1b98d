#include "ui/ShellSymbols.h"

#include <QPainterPath>
#include <QPainterPathStroker>
#include <cmath>
#include <numbers>

namespace sorbeta {
namespace {

// All symbols are designed on a 24 × 24 grid.
constexpr double kGrid = 24.0;

QPainterPath stroked(const QPainterPath& path, double width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(path);
}

QPainterPath sparkle(QPointF centre, double radius) {
    // A four-pointed star with concave sides.
    QPainterPath path;
    const double r = radius, w = radius * 0.28;
    path.moveTo(centre + QPointF(0, -r));
    path.quadTo(centre + QPointF(w, -w), centre + QPointF(r, 0));
    path.quadTo(centre + QPointF(w, w), centre + QPointF(0, r));
    path.quadTo(centre + QPointF(-w, w), centre + QPointF(-r, 0));
    path.quadTo(centre + QPointF(-w, -w), centre + QPointF(0, -r));
    path.closeSubpath();
    return path;
}

QPainterPath drop() {
    QPainterPath path;
    path.moveTo(12, 2.5);
    path.cubicTo(15.5, 7.5, 19.5, 11.5, 19.5, 15);
    path.cubicTo(19.5, 19.2, 16.2, 22, 12, 22);
    path.cubicTo(7.8, 22, 4.5, 19.2, 4.5, 15);
    path.cubicTo(4.5, 11.5, 8.5, 7.5, 12, 2.5);
    path.closeSubpath();
    return path;
}

QPainterPath gear() {
    QPainterPath body;
    constexpr int teeth = 8;
    const QPointF c(12, 12);
    for (int i = 0; i < teeth * 2; ++i) {
        const double a0 = (i - 0.5) * std::numbers::pi / teeth;
        const double a1 = (i + 0.5) * std::numbers::pi / teeth;
        const double r = (i % 2 == 0) ? 10.5 : 8.2;
        const QPointF p0 = c + QPointF(r * std::cos(a0), r * std::sin(a0));
        const QPointF p1 = c + QPointF(r * std::cos(a1), r * std::sin(a1));
        if (i == 0) body.moveTo(p0); else body.lineTo(p0);
        body.lineTo(p1);
    }
    body.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, 3.4, 3.4);
    return body.subtracted(hole);
}

QPainterPath symbolPath(ShellSymbol symbol) {
    QPainterPath path;
    switch (symbol) {
        case ShellSymbol::sparkles:
            path.addPath(sparkle({10, 13}, 8.5));
            path.addPath(sparkle({19, 5}, 4));
            path.addPath(sparkle({19.5, 19.5}, 3));
            break;
        case ShellSymbol::shippingBox: {
            QPainterPath outline;
            outline.moveTo(12, 2);
            outline.lineTo(21, 6.5);
            outline.lineTo(21, 17.5);
            outline.lineTo(12, 22);
            outline.lineTo(3, 17.5);
            outline.lineTo(3, 6.5);
            outline.closeSubpath();
            outline.moveTo(3, 6.5);
            outline.lineTo(12, 11);
            outline.lineTo(21, 6.5);
            outline.moveTo(12, 11);
            outline.lineTo(12, 22);
            outline.moveTo(7.5, 4.2);
            outline.lineTo(16.5, 8.8);
            path = stroked(outline, 1.9);
            break;
        }
        case ShellSymbol::hammer: {
            QPainterPath head;
            head.addRoundedRect(QRectF(4, 3, 14, 6), 1.5, 1.5);
            QPainterPath handle;
            handle.addRoundedRect(QRectF(9.5, 8, 4, 14), 1.6, 1.6);
            path = head.united(handle);
            break;
        }
        case ShellSymbol::docOnDoc: {
            QPainterPath back;
            back.addRoundedRect(QRectF(8, 2.5, 12, 15), 2.5, 2.5);
            QPainterPath front;
            front.addRoundedRect(QRectF(4, 6.5, 12, 15), 2.5, 2.5);
            path = stroked(back, 1.9).united(front);
            break;
        }
        case ShellSymbol::chartUptrend: {
            QPainterPath line;
            line.moveTo(3, 18);
            line.lineTo(9, 11.5);
            line.lineTo(13, 15);
            line.lineTo(20.5, 6);
            line.moveTo(15.5, 6);
            line.lineTo(20.5, 6);
            line.lineTo(20.5, 11);
            line.moveTo(3, 3);
            line.lineTo(3, 21);
            line.lineTo(21, 21);
            path = stroked(line, 2.0);
            break;
        }
        case ShellSymbol::gaugeWithNeedle: {
            QPainterPath ring;
            ring.addEllipse(QPointF(12, 12), 9.5, 9.5);
            QPainterPath needle;
            needle.moveTo(12, 12);
            needle.lineTo(16.5, 7.5);
            QPainterPath hub;
            hub.addEllipse(QPointF(12, 12), 2.2, 2.2);
            path = stroked(ring, 1.9).united(stroked(needle, 2.0)).united(hub);
            break;
        }
        case ShellSymbol::gearshapeFill: path = gear(); break;
        case ShellSymbol::arrowClockwise: {
            QPainterPath arc;
            arc.arcMoveTo(QRectF(4, 4, 16, 16), 60);
            arc.arcTo(QRectF(4, 4, 16, 16), 60, -300);
            QPainterPath head;
            head.moveTo(12.5, 1.5);
            head.lineTo(17.5, 4.8);
            head.lineTo(12.5, 8.5);
            head.closeSubpath();
            path = stroked(arc, 2.2).united(head);
            break;
        }
        case ShellSymbol::dropFill: path = drop(); break;
        case ShellSymbol::dropHalfFull: {
            QPainterPath lower;
            lower.addRect(QRectF(0, 13, 24, 11));
            path = stroked(drop(), 1.8).united(drop().intersected(lower));
            break;
        }
        case ShellSymbol::uturnBackwardCircleFill: {
            QPainterPath disc;
            disc.addEllipse(QPointF(12, 12), 10.5, 10.5);
            QPainterPath arrow;
            arrow.moveTo(8, 10);
            arrow.lineTo(14, 10);
            arrow.cubicTo(18, 10, 18, 17, 14, 17);
            arrow.lineTo(10, 17);
            QPainterPath tip;
            tip.moveTo(6.5, 10);
            tip.lineTo(10, 6.8);
            tip.lineTo(10, 13.2);
            tip.closeSubpath();
            path = disc.subtracted(stroked(arrow, 2.0).united(tip));
            break;
        }
        case ShellSymbol::chevronForward: {
            QPainterPath chevron;
            chevron.moveTo(9, 4.5);
            chevron.lineTo(16.5, 12);
            chevron.lineTo(9, 19.5);
            path = stroked(chevron, 2.4);
            break;
        }
    }
    path.setFillRule(Qt::WindingFill);
    return path;
}

}  // namespace

void paintShellSymbol(QPainter& painter, const QRectF& box, ShellSymbol symbol, const QBrush& brush) {
    const double side = std::min(box.width(), box.height());
    if (side <= 0) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    painter.scale(side / kGrid, side / kGrid);
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    painter.drawPath(symbolPath(symbol));
    painter.restore();
}

}  // namespace sorbeta
