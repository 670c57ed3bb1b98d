#pragma once
// How a jelly answers the pointer: the contact record the map keeps per jelly,
// the reaction computed from it at each frame, and the squish of a press.
// Pure maths on the kit clock's seconds; nothing here paints.
#include <QPointF>
#include <QSizeF>
#include <map>
#include <optional>
#include <string>

#include "ui/kit/Spring.h"

namespace sorbeta {

// One pointer contact with one jelly. Points are unit coordinates of the
// jelly's rectangle (0 to 1, y downward).
struct Touch {
    QPointF point;               // last pointer position
    QPointF entry;               // where the pointer came in
    double entered = 0;          // kit clock
    std::optional<double> left;  // none while the pointer is over the jelly

    bool operator==(const Touch&) const = default;
};

struct Ripple {
    QPointF center;   // the entry point, unit coordinates
    double progress;  // 0 to 1
    double opacity;   // 0 to 0.7
};

// The pointer reaction of one jelly at one instant.
struct HoverFX {
    double amount = 0;  // strength, 0 to 1
    double wave = 0;    // pull toward the pointer; swings after the pointer left
    double jiggle = 0;  // squash-and-stretch factor
    std::optional<QPointF> point;
    double tiltX = 0, tiltY = 0;  // -1 to 1, scaled by amount
    double tiltDegrees = 0;       // 0 to 8.4
    std::optional<Ripple> ripple;
};

HoverFX hoverFX(const std::optional<Touch>& touch, double time);

// A pointer location in a jelly's own coordinates as unit coordinates; sides
// of 1 point or less are taken as they are, results clamped to 0…1.
QPointF unitPosition(QPointF location, QSizeF size);

// The blip size of a jelly: its geometric-mean side over 520 points, at most 1.
double blipSize(QSizeF size);

// Pointer contacts of one map, keyed by the drawn node's id.
class TouchTracker {
public:
    // A touch is forgotten this long after the pointer left.
    static constexpr double kForgetAfter = 1.6;
    // When the map checks again after a leave.
    static constexpr double kRecheckAfter = 1.7;

    // The pointer is over the jelly at `location` (its own coordinates).
    // Returns true when a fresh contact began (the hover blip plays).
    bool move(const std::string& id, QPointF location, QSizeF size, double now);
    // The pointer left the jelly.
    void leave(const std::string& id, double now);
    // The delayed check after a leave: forgets the touch if it is still stale.
    void recheck(const std::string& id, double now);

    const std::optional<std::string>& hovered() const { return hovered_; }
    const Touch* touch(const std::string& id) const;
    const std::map<std::string, Touch>& touches() const { return touches_; }
    // Drops what belongs to no drawn jelly any more.
    void forget(const std::string& id);

private:
    void sweep(double now);

    std::map<std::string, Touch> touches_;
    std::optional<std::string> hovered_;
};

struct Squish {
    double x = 1;
    double y = 1;
};

// The squash of a press: three spring keyframes that run again from where the
// jelly is whenever it is pressed.
class SquishAnimation {
public:
    void poke(double now);
    Squish valueAt(double now);
    bool runningAt(double now) const;

private:
    void advanceTo(double now);

    SpringValue x_{Spring{}, 1.0};
    SpringValue y_{Spring{}, 1.0};
    double start_ = 0;
    int stage_ = -1;  // -1 at rest; 0…2 the keyframe running
};

}  // namespace sorbeta
