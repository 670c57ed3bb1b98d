#include "ui/kit/Transitions.h"

#include <algorithm>
#include <cmath>

namespace sorbeta {

double cubicBezier(double x1, double y1, double x2, double y2, double t) {
    t = std::clamp(t, 0.0, 1.0);
    if (t == 0.0 || t == 1.0) return t;
    // Coefficients of x(s) and y(s) for the curve parameter s.
    const double cx = 3 * x1, bx = 3 * (x2 - x1) - cx, ax = 1 - cx - bx;
    const double cy = 3 * y1, by = 3 * (y2 - y1) - cy, ay = 1 - cy - by;
    auto x = [&](double s) { return ((ax * s + bx) * s + cx) * s; };
    auto dx = [&](double s) { return (3 * ax * s + 2 * bx) * s + cx; };
    // Newton steps from s = t, then bisection where the slope gives out.
    double s = t;
    for (int i = 0; i < 8; ++i) {
        const double error = x(s) - t;
        if (std::abs(error) < 1e-7) return ((ay * s + by) * s + cy) * s;
        const double slope = dx(s);
        if (std::abs(slope) < 1e-6) break;
        s -= error / slope;
    }
    double low = 0.0, high = 1.0;
    s = t;
    for (int i = 0; i < 40; ++i) {
        const double value = x(s);
        if (std::abs(value - t) < 1e-7) break;
        (value < t ? low : high) = s;
        s = (low + high) / 2;
    }
    return ((ay * s + by) * s + cy) * s;
}

double easeOut(double t) { return cubicBezier(0.0, 0.0, 0.58, 1.0, t); }

// AnimatedValue --------------------------------------------------------------

void AnimatedValue::animateTo(double target, double now, const Animation& animation) {
    if (target == to_ && settledAt(now)) return;
    const double current = valueAt(now);
    switch (animation.kind) {
        case Animation::Kind::none: jumpTo(target); return;
        case Animation::Kind::spring:
            // A spring picks up the speed of a spring already under way.
            if (kind_ != Animation::Kind::spring) spring_.jumpTo(current);
            spring_.setSpring(animation.spring, now);
            spring_.setTarget(target, now);
            break;
        case Animation::Kind::easeOut:
            if (!(animation.duration > 0)) {
                jumpTo(target);
                return;
            }
            from_ = current;
            start_ = now;
            duration_ = animation.duration;
            break;
    }
    kind_ = animation.kind;
    to_ = target;
}

void AnimatedValue::jumpTo(double value) {
    kind_ = Animation::Kind::none;
    from_ = to_ = value;
    spring_.jumpTo(value);
}

double AnimatedValue::valueAt(double now) const {
    switch (kind_) {
        case Animation::Kind::none: return to_;
        case Animation::Kind::spring: return spring_.valueAt(now);
        case Animation::Kind::easeOut: {
            const double t = (now - start_) / duration_;
            if (t >= 1.0) return to_;
            return from_ + (to_ - from_) * easeOut(t);
        }
    }
    return to_;
}

bool AnimatedValue::settledAt(double now) const {
    switch (kind_) {
        case Animation::Kind::none: return true;
        case Animation::Kind::spring: return spring_.settledAt(now);
        case Animation::Kind::easeOut: return now - start_ >= duration_;
    }
    return true;
}

// Pane looks -----------------------------------------------------------------

PaneLook paneLook(const Transition& transition, double presence, QSizeF size, Qt::LayoutDirection direction) {
    PaneLook look;
    if (transition.fade) look.opacity = std::clamp(presence, 0.0, 1.0);
    if (transition.move) {
        const double away = 1.0 - presence;
        const double toLeading = direction == Qt::RightToLeft ? 1.0 : -1.0;
        switch (transition.edge) {
            case Edge::leading: look.offset = QPointF(toLeading * size.width() * away, 0); break;
            case Edge::trailing: look.offset = QPointF(-toLeading * size.width() * away, 0); break;
            case Edge::top: look.offset = QPointF(0, -size.height() * away); break;
            case Edge::bottom: look.offset = QPointF(0, size.height() * away); break;
        }
    }
    look.scale = transition.scale + (1.0 - transition.scale) * presence;
    return look;
}

// CountingBytes ------------------------------------------------------------------

void CountingBytes::setBytes(int64_t bytes, double now, bool animated) {
    if (animated) {
        span_ = std::abs(double(bytes) - value_.valueAt(now));
        value_.setTarget(double(bytes), now);
    } else {
        span_ = 0;
        value_.jumpTo(double(bytes));
    }
    target_ = bytes;
}

double CountingBytes::tolerance() const {
    // Close enough once what is left is nothing a figure of one decimal shows.
    return std::max(0.5, span_ * 1e-4);
}

int64_t CountingBytes::shownAt(double now) const {
    if (value_.settledAt(now, tolerance())) return target_;
    return std::max<int64_t>(0, std::llround(value_.valueAt(now)));
}

bool CountingBytes::settledAt(double now) const { return value_.settledAt(now, tolerance()); }

}  // namespace sorbeta
