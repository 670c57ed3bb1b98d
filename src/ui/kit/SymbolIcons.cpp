#include "ui/kit/SymbolIcons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPixmap>
#include <cmath>
#include <functional>
#include <numbers>

namespace sorbeta {

namespace {

// Symbols are drawn in a unit square; `line` is the stroke width for the weight.
using Builder = std::function<QPainterPath(double line)>;

// Stroking and path booleans flatten curves with an absolute tolerance, so
// they run at 100 × the unit size and the result is scaled back.
constexpr double kWork = 100.0;

QPainterPath up(const QPainterPath& path) { return QTransform::fromScale(kWork, kWork).map(path); }
QPainterPath down(const QPainterPath& path) { return QTransform::fromScale(1 / kWork, 1 / kWork).map(path); }

QPainterPath stroked(const QPainterPath& path, double line, Qt::PenCapStyle cap = Qt::RoundCap) {
    QPainterPathStroker stroker;
    stroker.setWidth(line * kWork);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return down(stroker.createStroke(up(path)).simplified());
}

QPainterPath minus(const QPainterPath& a, const QPainterPath& b) { return down(up(a).subtracted(up(b))); }
QPainterPath plus(const QPainterPath& a, const QPainterPath& b) { return down(up(a).united(up(b))); }
QPainterPath within(const QPainterPath& a, const QPainterPath& b) { return down(up(a).intersected(up(b))); }

QPainterPath polyline(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& p : points) {
        if (first) path.moveTo(p);
        else path.lineTo(p);
        first = false;
    }
    return path;
}

QPainterPath circle(QPointF centre, double radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath roundRect(const QRectF& rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath drop() {
    QPainterPath path;
    path.moveTo(0.5, 0.06);
    path.cubicTo(0.6, 0.25, 0.82, 0.42, 0.82, 0.62);
    path.cubicTo(0.82, 0.8, 0.68, 0.94, 0.5, 0.94);
    path.cubicTo(0.32, 0.94, 0.18, 0.8, 0.18, 0.62);
    path.cubicTo(0.18, 0.42, 0.4, 0.25, 0.5, 0.06);
    path.closeSubpath();
    return path;
}

QPainterPath arrowHead(QPointF tip, double angle, double size) {
    const QPointF a = tip + QPointF(std::cos(angle + 2.5), std::sin(angle + 2.5)) * size;
    const QPointF b = tip + QPointF(std::cos(angle - 2.5), std::sin(angle - 2.5)) * size;
    return polyline({a, tip, b});
}

// A filled disc with the stroked glyph cut out of it.
QPainterPath discWith(const QPainterPath& glyph) {
    return minus(circle({0.5, 0.5}, 0.46), glyph);
}

QPainterPath page(const QRectF& r) {
    const double fold = r.width() * 0.32;
    return polyline({r.topLeft(), {r.right() - fold, r.top()}, {r.right(), r.top() + fold}, r.bottomRight(),
                     r.bottomLeft(), r.topLeft()});
}

const QHash<QString, Builder>& builders() {
    static const QHash<QString, Builder> table = {
        {"checkmark", [](double l) { return stroked(polyline({{0.12, 0.55}, {0.4, 0.82}, {0.9, 0.18}}), l * 1.3); }},
        {"xmark", [](double l) {
             QPainterPath p = polyline({{0.2, 0.2}, {0.8, 0.8}});
             p.addPath(polyline({{0.8, 0.2}, {0.2, 0.8}}));
             return stroked(p, l * 1.2);
         }},
        {"chevron.forward", [](double l) { return stroked(polyline({{0.35, 0.12}, {0.7, 0.5}, {0.35, 0.88}}), l * 1.2); }},
        {"chevron.backward", [](double l) { return stroked(polyline({{0.65, 0.12}, {0.3, 0.5}, {0.65, 0.88}}), l * 1.2); }},
        {"magnifyingglass", [](double l) {
             QPainterPath p = circle({0.42, 0.42}, 0.28);
             p.addPath(polyline({{0.63, 0.63}, {0.88, 0.88}}));
             return stroked(p, l * 1.1);
         }},
        {"trash", [](double l) {
             QPainterPath p = polyline({{0.14, 0.24}, {0.86, 0.24}});
             p.addPath(polyline({{0.38, 0.24}, {0.4, 0.1}, {0.6, 0.1}, {0.62, 0.24}}));
             p.addPath(polyline({{0.22, 0.24}, {0.28, 0.9}, {0.72, 0.9}, {0.78, 0.24}}));
             p.addPath(polyline({{0.42, 0.4}, {0.43, 0.74}}));
             p.addPath(polyline({{0.58, 0.4}, {0.57, 0.74}}));
             return stroked(p, l);
         }},
        {"trash.fill", [](double l) {
             QPainterPath body = polyline({{0.2, 0.3}, {0.27, 0.92}, {0.73, 0.92}, {0.8, 0.3}});
             body.closeSubpath();
             QPainterPath p = stroked(polyline({{0.12, 0.2}, {0.88, 0.2}}), l);
             p.addPath(stroked(polyline({{0.38, 0.2}, {0.4, 0.08}, {0.6, 0.08}, {0.62, 0.2}}), l));
             return minus(minus(plus(p, body), stroked(polyline({{0.42, 0.42}, {0.43, 0.78}}), l * 0.8)),
                          stroked(polyline({{0.58, 0.42}, {0.57, 0.78}}), l * 0.8));
         }},
        {"drop.fill", [](double) { return drop(); }},
        {"drop.halffull", [](double l) {
             QPainterPath lower;
             lower.addRect(0, 0.55, 1, 0.5);
             return plus(stroked(drop(), l), within(drop(), lower));
         }},
        {"arrow.clockwise", [](double l) {
             QPainterPath p;
             p.arcMoveTo(QRectF(0.16, 0.18, 0.68, 0.68), 80);
             p.arcTo(QRectF(0.16, 0.18, 0.68, 0.68), 80, -320);
             const QPointF tip = p.currentPosition();
             QPainterPath arc = stroked(p, l);
             arc.addPath(stroked(arrowHead(tip + QPointF(0.02, -0.02), -0.45, 0.2), l));
             return plus(arc, QPainterPath());
         }},
        {"folder", [](double l) {
             QPainterPath p = polyline({{0.08, 0.22}, {0.38, 0.22}, {0.46, 0.32}, {0.92, 0.32}, {0.92, 0.82}, {0.08, 0.82}, {0.08, 0.22}});
             return stroked(p, l);
         }},
        {"doc.fill", [](double) {
             QPainterPath p = page(QRectF(0.2, 0.08, 0.6, 0.84));
             p.closeSubpath();
             return p;
         }},
        {"doc.on.doc", [](double l) {
             QPainterPath p = page(QRectF(0.14, 0.06, 0.5, 0.66));
             p.addPath(page(QRectF(0.36, 0.28, 0.5, 0.66)));
             return stroked(p, l);
         }},
        {"gearshape.fill", [](double) {
             QPainterPath gear;
             const int teeth = 8;
             for (int i = 0; i < teeth * 4; ++i) {
                 const double angle = 2 * std::numbers::pi * i / (teeth * 4);
                 const double radius = (i % 4 < 2) ? 0.46 : 0.36;
                 const QPointF point(0.5 + radius * std::cos(angle), 0.5 + radius * std::sin(angle));
                 if (i == 0) gear.moveTo(point);
                 else gear.lineTo(point);
             }
             gear.closeSubpath();
             return minus(gear, circle({0.5, 0.5}, 0.15));
         }},
        {"sparkles", [](double) {
             auto star = [](QPointF c, double r) {
                 QPainterPath s;
                 s.moveTo(c.x(), c.y() - r);
                 s.quadTo(c, QPointF(c.x() + r, c.y()));
                 s.quadTo(c, QPointF(c.x(), c.y() + r));
                 s.quadTo(c, QPointF(c.x() - r, c.y()));
                 s.quadTo(c, QPointF(c.x(), c.y() - r));
                 return s;
             };
             QPainterPath p = star({0.42, 0.56}, 0.36);
             p.addPath(star({0.78, 0.2}, 0.16));
             p.addPath(star({0.8, 0.8}, 0.1));
             return p;
         }},
        {"exclamationmark.triangle.fill", [](double l) {
             QPainterPath t = polyline({{0.5, 0.08}, {0.95, 0.88}, {0.05, 0.88}});
             t.closeSubpath();
             t = plus(stroked(t, 0.08), t);
             QPainterPath mark = stroked(polyline({{0.5, 0.36}, {0.5, 0.6}}), l * 1.2);
             mark.addPath(circle({0.5, 0.74}, l * 0.7));
             return minus(t, mark);
         }},
        {"info.circle.fill", [](double l) {
             QPainterPath glyph = stroked(polyline({{0.5, 0.45}, {0.5, 0.74}}), l * 1.2);
             glyph.addPath(circle({0.5, 0.3}, l * 0.75));
             return discWith(glyph);
         }},
        {"arrow.up.circle.fill", [](double l) {
             QPainterPath glyph = polyline({{0.5, 0.76}, {0.5, 0.26}});
             glyph.addPath(polyline({{0.3, 0.46}, {0.5, 0.26}, {0.7, 0.46}}));
             return discWith(stroked(glyph, l * 1.2));
         }},
        {"arrow.down.circle.fill", [](double l) {
             QPainterPath glyph = polyline({{0.5, 0.24}, {0.5, 0.74}});
             glyph.addPath(polyline({{0.3, 0.54}, {0.5, 0.74}, {0.7, 0.54}}));
             return discWith(stroked(glyph, l * 1.2));
         }},
        {"arrow.uturn.backward.circle.fill", [](double l) {
             QPainterPath glyph;
             glyph.moveTo(0.3, 0.4);
             glyph.lineTo(0.58, 0.4);
             glyph.cubicTo(0.78, 0.4, 0.78, 0.7, 0.58, 0.7);
             glyph.lineTo(0.45, 0.7);
             glyph.addPath(polyline({{0.42, 0.27}, {0.29, 0.4}, {0.42, 0.53}}));
             return discWith(stroked(glyph, l * 1.1));
         }},
        {"checkmark.seal.fill", [](double l) {
             QPainterPath seal;
             const int bumps = 12;
             for (int i = 0; i <= bumps * 8; ++i) {
                 const double angle = 2 * std::numbers::pi * i / (bumps * 8);
                 const double radius = 0.43 + 0.04 * std::cos(angle * bumps);
                 const QPointF point(0.5 + radius * std::cos(angle), 0.5 + radius * std::sin(angle));
                 if (i == 0) seal.moveTo(point);
                 else seal.lineTo(point);
             }
             seal.closeSubpath();
             return minus(seal, stroked(polyline({{0.32, 0.52}, {0.45, 0.65}, {0.68, 0.36}}), l * 1.2));
         }},
        {"eye", [](double l) {
             QPainterPath p;
             p.moveTo(0.06, 0.5);
             p.quadTo(0.5, 0.1, 0.94, 0.5);
             p.quadTo(0.5, 0.9, 0.06, 0.5);
             QPainterPath e = stroked(p, l);
             e.addPath(circle({0.5, 0.5}, 0.13));
             return e;
         }},
        {"key.fill", [](double l) {
             QPainterPath head = minus(circle({0.3, 0.5}, 0.22), circle({0.22, 0.5}, 0.06));
             QPainterPath shaft = stroked(polyline({{0.48, 0.5}, {0.92, 0.5}}), l * 1.6, Qt::FlatCap);
             shaft.addPath(stroked(polyline({{0.78, 0.5}, {0.78, 0.66}}), l * 1.4, Qt::FlatCap));
             shaft.addPath(stroked(polyline({{0.9, 0.5}, {0.9, 0.62}}), l * 1.4, Qt::FlatCap));
             return plus(head, shaft);
         }},
        {"wind", [](double l) {
             QPainterPath p;
             p.moveTo(0.08, 0.36);
             p.lineTo(0.62, 0.36);
             p.cubicTo(0.8, 0.36, 0.8, 0.12, 0.64, 0.14);
             p.moveTo(0.08, 0.54);
             p.lineTo(0.8, 0.54);
             p.cubicTo(0.98, 0.54, 0.98, 0.3, 0.84, 0.3);
             p.moveTo(0.08, 0.72);
             p.lineTo(0.52, 0.72);
             p.cubicTo(0.7, 0.72, 0.7, 0.94, 0.56, 0.92);
             return stroked(p, l);
         }},
        {"clock", [](double l) {
             QPainterPath p = circle({0.5, 0.5}, 0.42);
             p.addPath(polyline({{0.5, 0.24}, {0.5, 0.5}, {0.68, 0.6}}));
             return stroked(p, l);
         }},
        {"bell.fill", [](double) {
             QPainterPath p;
             p.moveTo(0.5, 0.1);
             p.cubicTo(0.26, 0.1, 0.22, 0.34, 0.22, 0.5);
             p.lineTo(0.22, 0.66);
             p.lineTo(0.12, 0.78);
             p.lineTo(0.88, 0.78);
             p.lineTo(0.78, 0.66);
             p.lineTo(0.78, 0.5);
             p.cubicTo(0.78, 0.34, 0.74, 0.1, 0.5, 0.1);
             p.addEllipse(QPointF(0.5, 0.86), 0.09, 0.07);
             return p;
         }},
        {"list", [](double l) {
             QPainterPath p;
             for (double y : {0.25, 0.5, 0.75}) {
                 p.addPath(circle({0.14, y}, l * 0.75));
                 p.addPath(stroked(polyline({{0.32, y}, {0.9, y}}), l));
             }
             return p;
         }},
        {"macwindow", [](double l) {
             QPainterPath p = roundRect(QRectF(0.08, 0.16, 0.84, 0.68), 0.1);
             p.addPath(polyline({{0.08, 0.34}, {0.92, 0.34}}));
             return stroked(p, l);
         }},
        {"internaldrive", [](double l) {
             QPainterPath p = stroked(roundRect(QRectF(0.06, 0.3, 0.88, 0.4), 0.1), l);
             p.addPath(circle({0.78, 0.5}, l * 0.8));
             return p;
         }},
        {"cpu", [](double l) {
             QPainterPath p = roundRect(QRectF(0.22, 0.22, 0.56, 0.56), 0.08);
             p.addPath(roundRect(QRectF(0.38, 0.38, 0.24, 0.24), 0.03));
             for (double t : {0.36, 0.5, 0.64}) {
                 p.addPath(polyline({{t, 0.06}, {t, 0.22}}));
                 p.addPath(polyline({{t, 0.78}, {t, 0.94}}));
                 p.addPath(polyline({{0.06, t}, {0.22, t}}));
                 p.addPath(polyline({{0.78, t}, {0.94, t}}));
             }
             return stroked(p, l * 0.8);
         }},
        {"shippingbox", [](double l) {
             QPainterPath p = polyline({{0.5, 0.08}, {0.9, 0.28}, {0.9, 0.72}, {0.5, 0.92}, {0.1, 0.72}, {0.1, 0.28}, {0.5, 0.08}});
             p.addPath(polyline({{0.1, 0.28}, {0.5, 0.48}, {0.9, 0.28}}));
             p.addPath(polyline({{0.5, 0.48}, {0.5, 0.92}}));
             return stroked(p, l);
         }},
        {"chart.line.uptrend.xyaxis", [](double l) {
             QPainterPath p = polyline({{0.1, 0.08}, {0.1, 0.9}, {0.92, 0.9}});
             p.addPath(polyline({{0.24, 0.7}, {0.44, 0.46}, {0.6, 0.6}, {0.86, 0.28}}));
             p.addPath(polyline({{0.66, 0.28}, {0.86, 0.28}, {0.86, 0.48}}));
             return stroked(p, l);
         }},
        {"gauge.with.needle", [](double l) {
             QPainterPath p = stroked(circle({0.5, 0.5}, 0.42), l);
             p.addPath(stroked(polyline({{0.5, 0.56}, {0.7, 0.32}}), l * 1.1));
             p.addPath(circle({0.5, 0.56}, l * 1.1));
             for (const QPointF& tick : {QPointF(0.26, 0.5), QPointF(0.33, 0.33), QPointF(0.5, 0.26)})
                 p.addPath(circle(tick, l * 0.55));
             return p;
         }},
        {"hammer", [](double l) {
             QPainterPath head = roundRect(QRectF(0.2, 0.12, 0.56, 0.2), 0.04);
             QPainterPath p = stroked(head, l);
             p.addPath(stroked(polyline({{0.52, 0.32}, {0.52, 0.92}}), l * 1.4));
             return p;
         }},
    };
    return table;
}

double lineWidth(SymbolWeight weight) {
    switch (weight) {
    case SymbolWeight::regular: return 0.085;
    case SymbolWeight::semibold: return 0.1;
    case SymbolWeight::bold: return 0.115;
    case SymbolWeight::heavy: return 0.135;
    }
    return 0.085;
}

}  // namespace

bool hasSymbol(const QString& name) { return builders().contains(name); }

QPainterPath symbolPath(const QString& name, const QRectF& rect, SymbolWeight weight) {
    // Unit paths are built once per name and weight; fitting is a transform.
    thread_local QHash<QString, QPainterPath> unitPaths;
    const QString key = name + QLatin1Char('/') + QString::number(static_cast<int>(weight));
    auto found = unitPaths.constFind(key);
    if (found == unitPaths.constEnd()) {
        const auto builder = builders().constFind(name);
        if (builder == builders().constEnd()) return {};
        // One outline without overlaps: holes cut by the builders stay holes.
        const QPainterPath unit = down(up((*builder)(lineWidth(weight))).simplified());
        found = unitPaths.insert(key, unit);
    }
    const double side = std::min(rect.width(), rect.height());
    QTransform transform;
    transform.translate(rect.center().x() - side / 2, rect.center().y() - side / 2);
    transform.scale(side, side);
    return transform.map(*found);
}

void paintSymbol(QPainter& painter, const QString& name, const QRectF& rect, const QColor& color,
                 SymbolWeight weight) {
    const QPainterPath path = symbolPath(name, rect, weight);
    if (path.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, color);
    painter.restore();
}

QIcon symbolIcon(const QString& name, const QColor& color, int side, SymbolWeight weight) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(side * scale, side * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paintSymbol(painter, name, QRectF(0, 0, side * scale, side * scale), color, weight);
        painter.end();
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace sorbeta
