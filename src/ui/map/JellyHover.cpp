#include "ui/map/JellyHover.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace sorbeta {

HoverFX hoverFX(const std::optional<Touch>& touch, double t) {
    HoverFX fx;
    if (!touch) return fx;
    const double e = std::max(t - touch->entered, 0.0);
    const double presence = 1.0 - std::exp(-9.0 * e);
    double clock = 0, gain = 0;
    if (!touch->left) {
        fx.amount = presence;
        fx.wave = presence;
        clock = e;
        gain = 0.05;
    } else {
        const double l = std::max(t - *touch->left, 0.0);
        fx.amount = std::exp(-4.5 * l) * presence;
        // The pull swings back and forth while it fades.
        fx.wave = std::cos(15.0 * l) * fx.amount;
        clock = l;
        gain = 0.03;
    }
    fx.jiggle = std::exp(-5.0 * clock) * std::sin(22.0 * clock) * gain;
    fx.point = touch->point;
    fx.tiltX = (touch->point.x() - 0.5) * 2.0 * fx.amount;
    fx.tiltY = (touch->point.y() - 0.5) * 2.0 * fx.amount;
    fx.tiltDegrees = std::min(std::sqrt(fx.tiltX * fx.tiltX + fx.tiltY * fx.tiltY), 1.2) * 7.0;
    if (e < 0.75) {
        const double k = 1.0 - e / 0.75;
        fx.ripple = Ripple{touch->entry, 1.0 - k * k * k, 0.7 * k};
    }
    return fx;
}

QPointF unitPosition(QPointF location, QSizeF size) {
    auto axis = [](double value, double side) {
        const double unit = side > 1 ? value / side : value;
        return std::clamp(unit, 0.0, 1.0);
    };
    return {axis(location.x(), size.width()), axis(location.y(), size.height())};
}

double blipSize(QSizeF size) { return std::min(std::sqrt(size.width() * size.height()) / 520.0, 1.0); }

// --- TouchTracker

const Touch* TouchTracker::touch(const std::string& id) const {
    const auto found = touches_.find(id);
    return found == touches_.end() ? nullptr : &found->second;
}

void TouchTracker::sweep(double now) {
    std::erase_if(touches_,
                  [now](const auto& entry) { return entry.second.left && now - *entry.second.left >= kForgetAfter; });
}

bool TouchTracker::move(const std::string& id, QPointF location, QSizeF size, double now) {
    sweep(now);
    const QPointF unit = unitPosition(location, size);
    bool fresh = false;
    const auto found = touches_.find(id);
    if (found != touches_.end() && !found->second.left) {
        found->second.point = unit;
    } else {
        touches_[id] = Touch{unit, unit, now, std::nullopt};
        fresh = true;
    }
    hovered_ = id;
    return fresh;
}

void TouchTracker::leave(const std::string& id, double now) {
    sweep(now);
    // Point and entry stay: the jelly relaxes from where the pointer left it.
    if (const auto found = touches_.find(id); found != touches_.end()) found->second.left = now;
    if (hovered_ == id) hovered_.reset();
}

void TouchTracker::recheck(const std::string& id, double now) {
    // A re-entry in between replaced the record (no leave time), so it stays.
    const auto found = touches_.find(id);
    if (found != touches_.end() && found->second.left && now - *found->second.left >= kForgetAfter)
        touches_.erase(found);
}

void TouchTracker::forget(const std::string& id) {
    touches_.erase(id);
    if (hovered_ == id) hovered_.reset();
}

// --- SquishAnimation

namespace {

struct Keyframe {
    double x, y;
    double duration;  // seconds this keyframe lasts
    Spring spring;
};

// Springs given as duration and bounce: response = duration, damping = 1 − bounce.
const std::array<Keyframe, 3>& squishKeyframes() {
    static const std::array<Keyframe, 3> frames = {{
        {1.12, 0.86, 0.12, Spring{0.5, 1.0}},
        {0.94, 1.06, 0.14, Spring{0.5, 1.0}},
        {1.0, 1.0, 0.4, Spring{0.5, 0.7}},
    }};
    return frames;
}

}  // namespace

void SquishAnimation::poke(double now) {
    advanceTo(now);
    // Starts again from the current value and velocity.
    stage_ = 0;
    start_ = now;
    const Keyframe& first = squishKeyframes()[0];
    x_.setSpring(first.spring, now);
    y_.setSpring(first.spring, now);
    x_.setTarget(first.x, now);
    y_.setTarget(first.y, now);
}

void SquishAnimation::advanceTo(double now) {
    const auto& frames = squishKeyframes();
    while (stage_ >= 0) {
        const double end = start_ + frames[std::size_t(stage_)].duration;
        if (now < end) return;
        start_ = end;
        if (stage_ == 2) {
            // The timeline is over: the jelly rests at its own size.
            stage_ = -1;
            x_.jumpTo(1.0);
            y_.jumpTo(1.0);
            return;
        }
        ++stage_;
        const Keyframe& frame = frames[std::size_t(stage_)];
        x_.setSpring(frame.spring, end);
        y_.setSpring(frame.spring, end);
        x_.setTarget(frame.x, end);
        y_.setTarget(frame.y, end);
    }
}

Squish SquishAnimation::valueAt(double now) {
    advanceTo(now);
    if (stage_ < 0) return {};
    return {x_.valueAt(now), y_.valueAt(now)};
}

bool SquishAnimation::runningAt(double now) const {
    if (stage_ < 0) return false;
    double end = start_;
    for (int s = stage_; s < 3; ++s) end += squishKeyframes()[std::size_t(s)].duration;
    return now < end;
}

}  // namespace sorbeta
