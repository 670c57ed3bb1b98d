#pragma once
// One spring for every animation of the kit. A spring is given as response
// (seconds per undamped oscillation) and damping fraction; with unit mass its
// stiffness is (2π/response)² and its damping 4π·ζ/response.
//
// SpringValue solves the motion in closed form from the moment of the last
// retarget, so a frame at any time gives the same value however often (or
// rarely) it was sampled, and a retarget keeps position and velocity.
#include <algorithm>
#include <cmath>
#include <numbers>

namespace sorbeta {

struct Spring {
    double response = 0.55;
    double dampingFraction = 0.825;

    double omega() const { return 2.0 * std::numbers::pi / response; }
    double stiffness() const { return omega() * omega(); }
    double damping() const { return 4.0 * std::numbers::pi * dampingFraction / response; }
};

class SpringValue {
public:
    explicit SpringValue(Spring spring = {}, double value = 0.0) : spring_(spring), target_(value), start_(value) {}

    // Starts moving towards the target at time `now`, continuing from where the
    // value is at that moment.
    void setTarget(double target, double now) {
        if (target == target_ && settledAt(now)) return;
        const State state = stateAt(now);
        start_ = state.value;
        velocity_ = state.velocity;
        startTime_ = now;
        target_ = target;
    }

    // Jumps to the value, at rest (no animation).
    void jumpTo(double value) {
        target_ = start_ = value;
        velocity_ = 0.0;
    }

    void setSpring(Spring spring, double now) {
        const State state = stateAt(now);
        spring_ = spring;
        start_ = state.value;
        velocity_ = state.velocity;
        startTime_ = now;
    }

    double target() const { return target_; }
    double valueAt(double now) const { return stateAt(now).value; }
    double velocityAt(double now) const { return stateAt(now).velocity; }

    // Close enough to the target and slow enough to stop redrawing.
    bool settledAt(double now, double epsilon = 1e-3) const {
        const State state = stateAt(now);
        return std::abs(state.value - target_) < epsilon && std::abs(state.velocity) < epsilon * 10.0;
    }

private:
    struct State {
        double value;
        double velocity;
    };

    State stateAt(double now) const {
        const double x0 = start_ - target_;
        const double v0 = velocity_;
        if (x0 == 0.0 && v0 == 0.0) return {target_, 0.0};
        if (!(spring_.response > 0.0)) return {target_, 0.0};  // no response time: arrives at once
        const double t = std::max(0.0, now - startTime_);
        const double w0 = spring_.omega();
        const double zeta = spring_.dampingFraction;
        double x = 0.0;
        double v = 0.0;
        if (zeta < 1.0) {
            const double wd = w0 * std::sqrt(1.0 - zeta * zeta);
            const double a = x0;
            const double b = (v0 + zeta * w0 * x0) / wd;
            const double decay = std::exp(-zeta * w0 * t);
            const double c = std::cos(wd * t);
            const double s = std::sin(wd * t);
            x = decay * (a * c + b * s);
            v = decay * ((b * wd - zeta * w0 * a) * c - (a * wd + zeta * w0 * b) * s);
        } else if (zeta == 1.0) {
            const double b = v0 + w0 * x0;
            const double decay = std::exp(-w0 * t);
            x = (x0 + b * t) * decay;
            v = (b - w0 * (x0 + b * t)) * decay;
        } else {
            const double root = std::sqrt(zeta * zeta - 1.0);
            const double r1 = -w0 * (zeta - root);
            const double r2 = -w0 * (zeta + root);
            const double c2 = (v0 - r1 * x0) / (r2 - r1);
            const double c1 = x0 - c2;
            x = c1 * std::exp(r1 * t) + c2 * std::exp(r2 * t);
            v = c1 * r1 * std::exp(r1 * t) + c2 * r2 * std::exp(r2 * t);
        }
        return {target_ + x, v};
    }

    Spring spring_;
    double target_ = 0.0;
    double start_ = 0.0;
    double velocity_ = 0.0;
    double startTime_ = 0.0;
};

}  // namespace sorbeta
