#pragma once
// The motion of the window's views: timing curves, values that move with a
// spring or a timed curve, the look of a pane while it comes or goes, and the
// counting figure. Pure maths on the kit clock's seconds, so tests drive time.
#include <QPointF>
#include <QSizeF>
#include <Qt>
#include <cstdint>

#include "model/common/Bytes.h"
#include "ui/kit/Spring.h"

namespace sorbeta {

// The cubic Bézier timing curve from (0, 0) to (1, 1) with the control points
// (x1, y1) and (x2, y2): the progress at time fraction t (clamped to 0…1).
double cubicBezier(double x1, double y1, double x2, double y2, double t);
// Starts fast, slows to the end: control points (0, 0) and (0.58, 1).
double easeOut(double t);

// How a change moves: at once, with a spring, or along an ease-out curve.
struct Animation {
    enum class Kind { none, spring, easeOut };
    Kind kind = Kind::none;
    Spring spring;
    double duration = 0;  // seconds, ease-out only

    static Animation instant() { return {}; }
    static Animation springy(Spring spring) { return {Kind::spring, spring, 0}; }
    static Animation easingOut(double seconds) { return {Kind::easeOut, {}, seconds}; }
};

// A value that moves to its target as the animation says; a new target starts
// from where the value is at that moment.
class AnimatedValue {
public:
    explicit AnimatedValue(double value = 0.0) : spring_({}, value), from_(value), to_(value) {}

    void animateTo(double target, double now, const Animation& animation);
    void jumpTo(double value);

    double target() const { return to_; }
    double valueAt(double now) const;
    bool settledAt(double now) const;

private:
    Animation::Kind kind_ = Animation::Kind::none;
    SpringValue spring_;
    double from_ = 0, to_ = 0, start_ = 0, duration_ = 0;
};

// Where a pane comes from and goes to.
enum class Edge { leading, trailing, top, bottom };

// A pane's way in and out: a fade, optionally with a move off one of its
// edges (by its own size) or a scale about its centre.
struct Transition {
    bool fade = true;
    bool move = false;
    Edge edge = Edge::bottom;
    double scale = 1.0;  // the size when gone; 1 keeps the size

    static Transition opacity() { return {}; }
    static Transition slide(Edge edge) { return {true, true, edge, 1.0}; }
    static Transition scaled(double factor) { return {true, false, Edge::bottom, factor}; }
};

struct PaneLook {
    double opacity = 1.0;
    QPointF offset;  // from its place, in points
    double scale = 1.0;
};

// The pane's look at `presence` (1 in place, 0 gone; a spring's overshoot
// may take it a little past either end). Leading and trailing follow the
// interface's direction.
PaneLook paneLook(const Transition& transition, double presence, QSizeF size,
                  Qt::LayoutDirection direction = Qt::LeftToRight);

// The big figure that counts from its old value to a new one with a spring;
// the shown number and unit are those of the value on its way.
class CountingBytes {
public:
    explicit CountingBytes(Spring spring) : value_(spring) {}

    // Counts to `bytes` from what is shown now, or jumps there.
    void setBytes(int64_t bytes, double now, bool animated);
    int64_t target() const { return target_; }
    int64_t shownAt(double now) const;
    Bytes::Parts partsAt(double now) const { return Bytes::parts(shownAt(now)); }
    bool settledAt(double now) const;

private:
    double tolerance() const;

    SpringValue value_;
    int64_t target_ = 0;
    double span_ = 0;  // the distance of the count under way
};

}  // namespace sorbeta
