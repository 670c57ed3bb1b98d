#include "ui/kit/SymbolIcons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPixmap>
#include <charconv>
#include <cmath>
#include <numbers>
#include <string_view>
#include <vector>

namespace sorbeta {

namespace {

// Stroking and path booleans flatten curves with an absolute tolerance, so
// they run at 100 × the unit size and the result is scaled back.
constexpr double kWork = 100.0;

QPainterPath up(const QPainterPath& path) { return QTransform::fromScale(kWork, kWork).map(path); }
QPainterPath down(const QPainterPath& path) { return QTransform::fromScale(1 / kWork, 1 / kWork).map(path); }

QPainterPath stroke(const QPainterPath& path, double line, Qt::PenCapStyle cap) {
    QPainterPathStroker stroker;
    stroker.setWidth(line * kWork);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return down(stroker.createStroke(up(path)).simplified());
}

QPainterPath minus(const QPainterPath& a, const QPainterPath& b) { return down(up(a).subtracted(up(b))); }
QPainterPath plus(const QPainterPath& a, const QPainterPath& b) { return down(up(a).united(up(b))); }
QPainterPath within(const QPainterPath& a, const QPainterPath& b) { return down(up(a).intersected(up(b))); }

// --- Shapes
//
// A shape is written as a path text in the unit square: commands, each
// followed by its numbers. A number ending in "l" is a multiple of the
// weight's stroke width.
//   M x y, L x y, C x1 y1 x2 y2 x y, Q x1 y1 x y, Z     move, line, cubic, quad, close
//   E cx cy rx ry                                       an ellipse on the same path
//   A x y w h start sweep                               an arc of the ellipse in the rect (degrees)
// and, each added as a path of its own:
//   O cx cy r        a circle                R x y w h r      a rounded rect
//   B x y w h        a rect                  P x y w h        a page with a folded corner
//   * cx cy r        a four-pointed star     G n outer inner  a gear of n teeth
//   U n r a          a ring of n bumps (radius r, bump a)
//   H dx dy angle size  an arrow head whose tip lies (dx, dy) past the end of
//                       the previous step's shape, pointing along `angle`

QPainterPath polyline(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& p : points) {
        if (first)
            path.moveTo(p);
        else
            path.lineTo(p);
        first = false;
    }
    return path;
}

QPainterPath circle(QPointF centre, double radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath star(QPointF c, double r) {
    QPainterPath s;
    s.moveTo(c.x(), c.y() - r);
    s.quadTo(c, QPointF(c.x() + r, c.y()));
    s.quadTo(c, QPointF(c.x(), c.y() + r));
    s.quadTo(c, QPointF(c.x() - r, c.y()));
    s.quadTo(c, QPointF(c.x(), c.y() - r));
    return s;
}

QPainterPath page(const QRectF& r) {
    const double fold = r.width() * 0.32;
    return polyline({r.topLeft(),
                     {r.right() - fold, r.top()},
                     {r.right(), r.top() + fold},
                     r.bottomRight(),
                     r.bottomLeft(),
                     r.topLeft()});
}

QPainterPath gear(int teeth, double outer, double inner) {
    QPainterPath path;
    for (int i = 0; i < teeth * 4; ++i) {
        const double angle = 2 * std::numbers::pi * i / (teeth * 4);
        const double radius = (i % 4 < 2) ? outer : inner;
        const QPointF point(0.5 + radius * std::cos(angle), 0.5 + radius * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QPainterPath bumpyRing(int bumps, double radius, double bump) {
    QPainterPath path;
    for (int i = 0; i <= bumps * 8; ++i) {
        const double angle = 2 * std::numbers::pi * i / (bumps * 8);
        const double r = radius + bump * std::cos(angle * bumps);
        const QPointF point(0.5 + r * std::cos(angle), 0.5 + r * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QPainterPath arrowHead(QPointF tip, double angle, double size) {
    const QPointF a = tip + QPointF(std::cos(angle + 2.5), std::sin(angle + 2.5)) * size;
    const QPointF b = tip + QPointF(std::cos(angle - 2.5), std::sin(angle - 2.5)) * size;
    return polyline({a, tip, b});
}

// Reads a shape's path text (see above).
class ShapeReader {
public:
    ShapeReader(std::string_view text, double line, QPointF previousEnd)
        : text_(text), line_(line), previousEnd_(previousEnd) {}

    QPainterPath read() {
        QPainterPath path;
        while (skipSpaces()) {
            const char command = text_[at_++];
            switch (command) {
                case 'M': path.moveTo(point()); break;
                case 'L': path.lineTo(point()); break;
                case 'C': {
                    const QPointF c1 = point(), c2 = point();
                    path.cubicTo(c1, c2, point());
                    break;
                }
                case 'Q': {
                    const QPointF c = point();
                    path.quadTo(c, point());
                    break;
                }
                case 'Z': path.closeSubpath(); break;
                case 'E': {
                    const QPointF c = point();
                    const double rx = number();
                    path.addEllipse(c, rx, number());
                    break;
                }
                case 'A': {
                    const QRectF r = rect();
                    const double start = number();
                    path.arcMoveTo(r, start);
                    path.arcTo(r, start, number());
                    break;
                }
                default: path.addPath(shape(command)); break;
            }
        }
        return path;
    }

private:
    // The commands that add a path of their own.
    QPainterPath shape(char command) {
        switch (command) {
            case 'O': {
                const QPointF c = point();
                return circle(c, number());
            }
            case 'R': {
                const QRectF r = rect();
                const double radius = number();
                QPainterPath path;
                path.addRoundedRect(r, radius, radius);
                return path;
            }
            case 'B': {
                QPainterPath path;
                path.addRect(rect());
                return path;
            }
            case 'P': return page(rect());
            case '*': {
                const QPointF c = point();
                return star(c, number());
            }
            case 'G': {
                const int teeth = static_cast<int>(number());
                const double outer = number();
                return gear(teeth, outer, number());
            }
            case 'U': {
                const int bumps = static_cast<int>(number());
                const double radius = number();
                return bumpyRing(bumps, radius, number());
            }
            case 'H': {
                const QPointF offset = point();
                const double angle = number();
                return arrowHead(previousEnd_ + offset, angle, number());
            }
        }
        Q_ASSERT_X(false, "ShapeReader", "unknown command");
        return {};
    }

    bool skipSpaces() {
        while (at_ < text_.size() && text_[at_] == ' ') ++at_;
        return at_ < text_.size();
    }
    double number() {
        skipSpaces();
        double value = 0;
        const auto [end, error] = std::from_chars(text_.data() + at_, text_.data() + text_.size(), value);
        Q_ASSERT_X(error == std::errc(), "ShapeReader", "a number was expected");
        at_ = std::size_t(end - text_.data());
        if (at_ < text_.size() && text_[at_] == 'l') {
            value *= line_;
            ++at_;
        }
        return value;
    }
    QPointF point() {
        const double x = number();
        return QPointF(x, number());
    }
    QRectF rect() {
        const double x = number(), y = number(), w = number();
        return QRectF(x, y, w, number());
    }

    std::string_view text_;
    std::size_t at_ = 0;
    double line_;
    QPointF previousEnd_;
};

// --- Symbols
//
// A symbol is a list of steps. Each makes a path (its shape, or the path of
// its own steps), strokes it or takes it as it is, then joins it with what the
// steps before made.

enum class Join {
    start,  // the symbol so far is this path
    add,    // this path is added beside it, overlaps and all
    unite,  // the symbol becomes the union of both
    cut,    // this path is cut out of it
};

struct Step {
    Join join = Join::start;
    std::string_view shape;
    double stroke = 0;      // the stroke width in multiples of the weight's; 0: the shape is used as it is
    bool absolute = false;  // the stroke width is in units, whatever the weight
    Qt::PenCapStyle cap = Qt::RoundCap;
    std::string_view clip;    // when set, the path is cut down to this shape
    std::vector<Step> steps;  // when set, they make the path instead of `shape`
};

Step filled(Join join, std::string_view shape) { return {.join = join, .shape = shape}; }
Step stroked(Join join, double width, std::string_view shape, Qt::PenCapStyle cap = Qt::RoundCap) {
    return {.join = join, .shape = shape, .stroke = width, .cap = cap};
}
Step group(Join join, std::vector<Step> steps) { return {.join = join, .steps = std::move(steps)}; }

constexpr std::string_view kDrop =
    "M 0.5 0.06 C 0.6 0.25 0.82 0.42 0.82 0.62 C 0.82 0.8 0.68 0.94 0.5 0.94 "
    "C 0.32 0.94 0.18 0.8 0.18 0.62 C 0.18 0.42 0.4 0.25 0.5 0.06 Z";
constexpr std::string_view kDisc = "O 0.5 0.5 0.46";

const QHash<QString, std::vector<Step>>& symbolTable() {
    using enum Join;
    static const QHash<QString, std::vector<Step>> table = {
        {"checkmark", {stroked(start, 1.3, "M 0.12 0.55 L 0.4 0.82 L 0.9 0.18")}},
        {"xmark", {stroked(start, 1.2, "M 0.2 0.2 L 0.8 0.8 M 0.8 0.2 L 0.2 0.8")}},
        {"chevron.forward", {stroked(start, 1.2, "M 0.35 0.12 L 0.7 0.5 L 0.35 0.88")}},
        {"chevron.backward", {stroked(start, 1.2, "M 0.65 0.12 L 0.3 0.5 L 0.65 0.88")}},
        {"magnifyingglass", {stroked(start, 1.1, "O 0.42 0.42 0.28 M 0.63 0.63 L 0.88 0.88")}},
        {"trash",
         {stroked(start, 1,
                  "M 0.14 0.24 L 0.86 0.24 M 0.38 0.24 L 0.4 0.1 L 0.6 0.1 L 0.62 0.24 "
                  "M 0.22 0.24 L 0.28 0.9 L 0.72 0.9 L 0.78 0.24 M 0.42 0.4 L 0.43 0.74 M 0.58 0.4 L 0.57 0.74")}},
        {"trash.fill",
         {stroked(start, 1, "M 0.12 0.2 L 0.88 0.2"), stroked(add, 1, "M 0.38 0.2 L 0.4 0.08 L 0.6 0.08 L 0.62 0.2"),
          filled(unite, "M 0.2 0.3 L 0.27 0.92 L 0.73 0.92 L 0.8 0.3 Z"), stroked(cut, 0.8, "M 0.42 0.42 L 0.43 0.78"),
          stroked(cut, 0.8, "M 0.58 0.42 L 0.57 0.78")}},
        {"drop.fill", {filled(start, kDrop)}},
        {"drop.halffull", {stroked(start, 1, kDrop), {.join = unite, .shape = kDrop, .clip = "B 0 0.55 1 0.5"}}},
        {"arrow.clockwise",
         {stroked(start, 1, "A 0.16 0.18 0.68 0.68 80 -320"), stroked(add, 1, "H 0.02 -0.02 -0.45 0.2"),
          filled(unite, "")}},
        {"folder",
         {stroked(start, 1, "M 0.08 0.22 L 0.38 0.22 L 0.46 0.32 L 0.92 0.32 L 0.92 0.82 L 0.08 0.82 L 0.08 0.22")}},
        {"doc.fill", {filled(start, "P 0.2 0.08 0.6 0.84 Z")}},
        {"doc.on.doc", {stroked(start, 1, "P 0.14 0.06 0.5 0.66 P 0.36 0.28 0.5 0.66")}},
        {"gearshape.fill", {filled(start, "G 8 0.46 0.36"), filled(cut, "O 0.5 0.5 0.15")}},
        {"sparkles", {filled(start, "* 0.42 0.56 0.36 * 0.78 0.2 0.16 * 0.8 0.8 0.1")}},
        {"exclamationmark.triangle.fill",
         {{.join = start, .shape = "M 0.5 0.08 L 0.95 0.88 L 0.05 0.88 Z", .stroke = 0.08, .absolute = true},
          filled(unite, "M 0.5 0.08 L 0.95 0.88 L 0.05 0.88 Z"),
          group(cut, {stroked(start, 1.2, "M 0.5 0.36 L 0.5 0.6"), filled(add, "O 0.5 0.74 0.7l")})}},
        {"info.circle.fill",
         {filled(start, kDisc),
          group(cut, {stroked(start, 1.2, "M 0.5 0.45 L 0.5 0.74"), filled(add, "O 0.5 0.3 0.75l")})}},
        {"arrow.up.circle.fill",
         {filled(start, kDisc), stroked(cut, 1.2, "M 0.5 0.76 L 0.5 0.26 M 0.3 0.46 L 0.5 0.26 L 0.7 0.46")}},
        {"arrow.down.circle.fill",
         {filled(start, kDisc), stroked(cut, 1.2, "M 0.5 0.24 L 0.5 0.74 M 0.3 0.54 L 0.5 0.74 L 0.7 0.54")}},
        {"arrow.uturn.backward.circle.fill",
         {filled(start, kDisc), stroked(cut, 1.1,
                                        "M 0.3 0.4 L 0.58 0.4 C 0.78 0.4 0.78 0.7 0.58 0.7 L 0.45 0.7 "
                                        "M 0.42 0.27 L 0.29 0.4 L 0.42 0.53")}},
        {"checkmark.seal.fill",
         {filled(start, "U 12 0.43 0.04"), stroked(cut, 1.2, "M 0.32 0.52 L 0.45 0.65 L 0.68 0.36")}},
        {"eye", {stroked(start, 1, "M 0.06 0.5 Q 0.5 0.1 0.94 0.5 Q 0.5 0.9 0.06 0.5"), filled(add, "O 0.5 0.5 0.13")}},
        {"key.fill",
         {filled(start, "O 0.3 0.5 0.22"), filled(cut, "O 0.22 0.5 0.06"),
          group(unite, {stroked(start, 1.6, "M 0.48 0.5 L 0.92 0.5", Qt::FlatCap),
                        stroked(add, 1.4, "M 0.78 0.5 L 0.78 0.66", Qt::FlatCap),
                        stroked(add, 1.4, "M 0.9 0.5 L 0.9 0.62", Qt::FlatCap)})}},
        {"wind",
         {stroked(start, 1,
                  "M 0.08 0.36 L 0.62 0.36 C 0.8 0.36 0.8 0.12 0.64 0.14 M 0.08 0.54 L 0.8 0.54 "
                  "C 0.98 0.54 0.98 0.3 0.84 0.3 M 0.08 0.72 L 0.52 0.72 C 0.7 0.72 0.7 0.94 0.56 0.92")}},
        {"clock", {stroked(start, 1, "O 0.5 0.5 0.42 M 0.5 0.24 L 0.5 0.5 L 0.68 0.6")}},
        {"bell.fill",
         {filled(start,
                 "M 0.5 0.1 C 0.26 0.1 0.22 0.34 0.22 0.5 L 0.22 0.66 L 0.12 0.78 L 0.88 0.78 L 0.78 0.66 "
                 "L 0.78 0.5 C 0.78 0.34 0.74 0.1 0.5 0.1 E 0.5 0.86 0.09 0.07")}},
        {"list",
         {filled(add, "O 0.14 0.25 0.75l"), stroked(add, 1, "M 0.32 0.25 L 0.9 0.25"), filled(add, "O 0.14 0.5 0.75l"),
          stroked(add, 1, "M 0.32 0.5 L 0.9 0.5"), filled(add, "O 0.14 0.75 0.75l"),
          stroked(add, 1, "M 0.32 0.75 L 0.9 0.75")}},
        {"macwindow", {stroked(start, 1, "R 0.08 0.16 0.84 0.68 0.1 M 0.08 0.34 L 0.92 0.34")}},
        {"laptopcomputer", {stroked(start, 1, "R 0.18 0.2 0.64 0.46 0.06 M 0.06 0.78 L 0.94 0.78")}},
        {"battery.75",
         {stroked(start, 1, "R 0.06 0.3 0.78 0.4 0.1"), filled(add, "R 0.13 0.37 0.48 0.26 0.04"),
          filled(add, "R 0.88 0.42 0.06 0.16 0.02")}},
        {"battery.100.bolt",
         {stroked(start, 1, "R 0.06 0.3 0.78 0.4 0.1"), filled(add, "R 0.88 0.42 0.06 0.16 0.02"),
          filled(add, "M 0.5 0.34 L 0.34 0.52 L 0.46 0.52 L 0.4 0.66 L 0.58 0.46 L 0.46 0.46 L 0.5 0.34")}},
        {"arrow.left.arrow.right",
         {stroked(start, 1,
                  "M 0.1 0.34 L 0.86 0.34 M 0.7 0.2 L 0.86 0.34 L 0.7 0.48 "
                  "M 0.9 0.66 L 0.14 0.66 M 0.3 0.52 L 0.14 0.66 L 0.3 0.8")}},
        {"internaldrive", {stroked(start, 1, "R 0.06 0.3 0.88 0.4 0.1"), filled(add, "O 0.78 0.5 0.8l")}},
        {"cpu",
         {stroked(start, 0.8,
                  "R 0.22 0.22 0.56 0.56 0.08 R 0.38 0.38 0.24 0.24 0.03 "
                  "M 0.36 0.06 L 0.36 0.22 M 0.36 0.78 L 0.36 0.94 M 0.06 0.36 L 0.22 0.36 M 0.78 0.36 L 0.94 0.36 "
                  "M 0.5 0.06 L 0.5 0.22 M 0.5 0.78 L 0.5 0.94 M 0.06 0.5 L 0.22 0.5 M 0.78 0.5 L 0.94 0.5 "
                  "M 0.64 0.06 L 0.64 0.22 M 0.64 0.78 L 0.64 0.94 M 0.06 0.64 L 0.22 0.64 M 0.78 0.64 L 0.94 0.64")}},
        {"shippingbox",
         {stroked(start, 1,
                  "M 0.5 0.08 L 0.9 0.28 L 0.9 0.72 L 0.5 0.92 L 0.1 0.72 L 0.1 0.28 L 0.5 0.08 "
                  "M 0.1 0.28 L 0.5 0.48 L 0.9 0.28 M 0.5 0.48 L 0.5 0.92")}},
        {"chart.line.uptrend.xyaxis",
         {stroked(start, 1,
                  "M 0.1 0.08 L 0.1 0.9 L 0.92 0.9 M 0.24 0.7 L 0.44 0.46 L 0.6 0.6 L 0.86 0.28 "
                  "M 0.66 0.28 L 0.86 0.28 L 0.86 0.48")}},
        {"gauge.with.needle",
         {stroked(start, 1, "O 0.5 0.5 0.42"), stroked(add, 1.1, "M 0.5 0.56 L 0.7 0.32"),
          filled(add, "O 0.5 0.56 1.1l O 0.26 0.5 0.55l O 0.33 0.33 0.55l O 0.5 0.26 0.55l")}},
        {"hammer", {stroked(start, 1, "R 0.2 0.12 0.56 0.2 0.04"), stroked(add, 1.4, "M 0.52 0.32 L 0.52 0.92")}},
        {"iphone.gen3", {stroked(start, 1, "R 0.28 0.06 0.44 0.88 0.1"), filled(add, "O 0.5 0.82 0.6l")}},
        {"ipad.and.iphone",
         {stroked(start, 1, "R 0.06 0.1 0.56 0.76 0.08"), stroked(add, 1, "R 0.66 0.4 0.28 0.52 0.06")}},
        {"archivebox",
         {stroked(start, 1, "R 0.06 0.12 0.88 0.22 0.04 M 0.12 0.34 L 0.12 0.88 L 0.88 0.88 L 0.88 0.34"),
          stroked(add, 1, "M 0.38 0.52 L 0.62 0.52")}},
        {"shippingbox.circle",
         {stroked(start, 1, "O 0.5 0.5 0.44"),
          stroked(add, 0.8,
                  "M 0.5 0.24 L 0.74 0.36 L 0.74 0.64 L 0.5 0.76 L 0.26 0.64 L 0.26 0.36 L 0.5 0.24 "
                  "M 0.26 0.36 L 0.5 0.48 L 0.74 0.36 M 0.5 0.48 L 0.5 0.76")}},
        {"folder.badge.questionmark",
         {stroked(start, 1, "M 0.06 0.2 L 0.34 0.2 L 0.42 0.3 L 0.9 0.3 L 0.9 0.5 M 0.56 0.8 L 0.06 0.8 L 0.06 0.2"),
          stroked(add, 1, "M 0.62 0.6 C 0.62 0.46 0.86 0.46 0.86 0.6 C 0.86 0.7 0.74 0.7 0.74 0.8"),
          filled(add, "O 0.74 0.92 0.6l")}},
        {"moon.zzz",
         {filled(start,
                 "M 0.42 0.14 C 0.12 0.2 0.06 0.62 0.3 0.82 C 0.5 0.96 0.78 0.88 0.88 0.66 "
                 "C 0.6 0.72 0.34 0.5 0.42 0.14 Z"),
          stroked(add, 0.8,
                  "M 0.56 0.12 L 0.7 0.12 L 0.56 0.28 L 0.7 0.28 M 0.74 0.34 L 0.86 0.34 L 0.74 0.48 L 0.86 0.48")}},
    };
    return table;
}

// Makes the path of `steps` for strokes `line` wide.
QPainterPath build(const std::vector<Step>& steps, double line) {
    QPainterPath symbol;
    QPointF previousEnd;
    for (const Step& step : steps) {
        QPainterPath path;
        if (!step.steps.empty()) {
            path = build(step.steps, line);
        } else {
            path = ShapeReader(step.shape, line, previousEnd).read();
            previousEnd = path.currentPosition();
        }
        if (step.stroke > 0) path = stroke(path, step.absolute ? step.stroke : line * step.stroke, step.cap);
        if (!step.clip.empty()) path = within(path, ShapeReader(step.clip, line, previousEnd).read());
        switch (step.join) {
            case Join::start: symbol = path; break;
            case Join::add: symbol.addPath(path); break;
            case Join::unite: symbol = plus(symbol, path); break;
            case Join::cut: symbol = minus(symbol, path); break;
        }
    }
    return symbol;
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

bool hasSymbol(const QString& name) { return symbolTable().contains(name); }

QPainterPath symbolPath(const QString& name, const QRectF& rect, SymbolWeight weight) {
    // Unit paths are built once per name and weight; fitting is a transform.
    thread_local QHash<QString, QPainterPath> unitPaths;
    const QString key = name + QLatin1Char('/') + QString::number(static_cast<int>(weight));
    auto found = unitPaths.constFind(key);
    if (found == unitPaths.constEnd()) {
        const auto symbol = symbolTable().constFind(name);
        if (symbol == symbolTable().constEnd()) return {};
        // One outline without overlaps: holes cut by the steps stay holes.
        const QPainterPath unit = down(up(build(*symbol, lineWidth(weight))).simplified());
        found = unitPaths.insert(key, unit);
    }
    const double side = std::min(rect.width(), rect.height());
    QTransform transform;
    transform.translate(rect.center().x() - side / 2, rect.center().y() - side / 2);
    transform.scale(side, side);
    return transform.map(*found);
}

void paintSymbol(QPainter& painter, const QString& name, const QRectF& rect, const QColor& color, SymbolWeight weight) {
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
