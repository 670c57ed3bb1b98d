#pragma once
// How the access guide moves from one look to the next: a change caused by the
// grant rides a spring, one caused by pressing the open-settings button eases
// out over 0.2 s. A swapped text or control is drawn over its place from two
// images, the look before and the look after, while the widget itself stays
// invisible; positions follow the widget, so the layout may move meanwhile.
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "ui/kit/Spring.h"

class QGraphicsOpacityEffect;

namespace sorbeta {

// Progress from 0 to 1 over the time since a change started.
struct GuideMotion {
    enum class Kind { spring, easeOut };
    Kind kind = Kind::spring;
    Spring spring{0.5, 0.7};
    double duration = 0.2;  // easeOut only

    static GuideMotion springy(Spring spring) { return {Kind::spring, spring, 0}; }
    static GuideMotion easingOut(double seconds) { return {Kind::easeOut, {}, seconds}; }

    // A spring may pass 1 on its way and come back.
    double progress(double elapsed) const;
    bool finished(double elapsed) const;
};

// The standard ease-out timing curve (control points (0, 0) and (0.58, 1)) at
// x in [0, 1].
double easeOutCurve(double x);

class SwapOverlay final : public QWidget {
public:
    enum class Style {
        crossFade,  // the old look fades out as the new one fades in
        countUp,    // as crossFade, the old look moving up and out, the new one in from below
    };

    // Runs `change` on `target` at once and animates from the look before it
    // to the look after it, drawn over `stage` (an ancestor of `target`).
    // Without a visible target the change simply happens. A swap still
    // running on the same target ends first.
    static void run(QWidget* stage, QWidget* target, const std::function<void()>& change, Style style,
                    GuideMotion motion);

    ~SwapOverlay() override;

    // The swap running on `target`, if any.
    static SwapOverlay* runningOn(QWidget* target);
    void finish();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SwapOverlay(QWidget* stage, QWidget* target, QPixmap before, QPixmap after, Style style, GuideMotion motion);
    void tick();

    QPointer<QWidget> target_;
    QGraphicsOpacityEffect* hidden_ = nullptr;  // owned by the target while it is set
    QPixmap before_;
    QPixmap after_;
    Style style_;
    GuideMotion motion_;
    double start_;
    QTimer frames_;
};

// Stands in for a block that goes away: its image fades out while the gap it
// leaves closes, so the rest of the column moves on the same motion.
class FadingGap final : public QWidget {
public:
    // Takes `block`'s place in its parent's box layout and hides it at once.
    static FadingGap* replace(QWidget* block, GuideMotion motion);

    ~FadingGap() override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // 1 at the start, 0 once closed (a spring may pass it on the way).
    double remaining() const;
    const QPixmap& image() const { return image_; }

private:
    FadingGap(QPixmap image, GuideMotion motion, QWidget* parent);
    void tick();

    QPixmap image_;
    GuideMotion motion_;
    double start_;
    QTimer frames_;
    QPointer<QWidget> imageLayer_;  // over the window: the image may reach beyond the closing gap
};

}  // namespace sorbeta
