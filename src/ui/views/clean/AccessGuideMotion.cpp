#include "ui/views/clean/AccessGuideMotion.h"

#include <QBoxLayout>
#include <QGraphicsOpacityEffect>
#include <QLayout>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/kit/KitClock.h"
#include "ui/kit/TransitionLayer.h"

namespace sorbeta {

double easeOutCurve(double x) {
    if (!(x > 0)) return 0;
    if (x >= 1) return 1;
    // Cubic Bézier from (0, 0) to (1, 1) with control points (0, 0) and
    // (0.58, 1): find the parameter whose x is `x`, then its y. x(t) rises
    // monotonically, so halving the interval finds it.
    const auto curveX = [](double t) { return 3 * (1 - t) * t * t * 0.58 + t * t * t; };
    double low = 0;
    double high = 1;
    for (int i = 0; i < 40; ++i) {
        const double mid = (low + high) / 2;
        (curveX(mid) < x ? low : high) = mid;
    }
    const double t = (low + high) / 2;
    return 3 * (1 - t) * t * t + t * t * t;
}

double GuideMotion::progress(double elapsed) const {
    if (kind == Kind::easeOut) return duration > 0 ? easeOutCurve(elapsed / duration) : 1.0;
    SpringValue value(spring, 0.0);
    value.setTarget(1.0, 0.0);
    return value.valueAt(elapsed);
}

bool GuideMotion::finished(double elapsed) const {
    if (kind == Kind::easeOut) return elapsed >= duration;
    SpringValue value(spring, 0.0);
    value.setTarget(1.0, 0.0);
    return value.settledAt(elapsed);
}

namespace {

// The swaps that run now (GUI thread only).
std::vector<SwapOverlay*>& runningSwaps() {
    static std::vector<SwapOverlay*> swaps;
    return swaps;
}
}  // namespace

SwapOverlay* SwapOverlay::runningOn(QWidget* target) {
    if (!target) return nullptr;
    for (SwapOverlay* overlay : runningSwaps())
        if (overlay->target_ == target) return overlay;
    return nullptr;
}

void SwapOverlay::run(QWidget* stage, QWidget* target, const std::function<void()>& change, Style style,
                      GuideMotion motion) {
    if (SwapOverlay* running = runningOn(target)) running->finish();
    if (!stage || !target || !target->isVisible()) {
        change();
        return;
    }
    QPixmap before = pictureOf(target);
    change();
    // Lay the stage out now, so that the image after the change has its final size.
    if (stage->layout()) stage->layout()->activate();
    if (!target->isVisible()) return;  // the change took it away: nothing to show
    QPixmap after = pictureOf(target);
    new SwapOverlay(stage, target, std::move(before), std::move(after), style, motion);
}

SwapOverlay::SwapOverlay(QWidget* stage, QWidget* target, QPixmap before, QPixmap after, Style style,
                         GuideMotion motion)
    : QWidget(stage),
      target_(target),
      before_(std::move(before)),
      after_(std::move(after)),
      style_(style),
      motion_(motion),
      start_(kitNow()) {
    runningSwaps().push_back(this);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The widget itself stays in the layout but draws nothing until the end.
    hidden_ = new QGraphicsOpacityEffect(target);
    hidden_->setOpacity(0);
    target->setGraphicsEffect(hidden_);
    setGeometry(stage->rect());
    show();
    raise();
    frames_.setInterval(16);
    frames_.setTimerType(Qt::PreciseTimer);
    connect(&frames_, &QTimer::timeout, this, &SwapOverlay::tick);
    frames_.start();
}

void SwapOverlay::tick() {
    if (!target_ || motion_.finished(kitNow() - start_)) {
        finish();
        return;
    }
    if (parentWidget()) setGeometry(parentWidget()->rect());
    update();
}

SwapOverlay::~SwapOverlay() { std::erase(runningSwaps(), this); }

void SwapOverlay::finish() {
    std::erase(runningSwaps(), this);
    frames_.stop();
    if (target_ && target_->graphicsEffect() == hidden_) target_->setGraphicsEffect(nullptr);  // deletes it
    hidden_ = nullptr;
    target_ = nullptr;
    hide();
    deleteLater();
}

void SwapOverlay::paintEvent(QPaintEvent*) {
    if (!target_) return;
    const double p = motion_.progress(kitNow() - start_);
    const double shown = std::clamp(p, 0.0, 1.0);
    // Where the widget is now (the layout may still be moving it).
    const QRectF place(QPointF(target_->mapTo(parentWidget(), QPoint(0, 0))), QSizeF(target_->size()));
    const QSizeF beforeSize = before_.deviceIndependentSize();
    const QSizeF afterSize = after_.deviceIndependentSize();
    // Centred across the place, from its top: the look before may be wider or narrower.
    const QPointF beforeAt(place.center().x() - beforeSize.width() / 2, place.top());
    const QPointF afterAt(place.center().x() - afterSize.width() / 2, place.top());
    double beforeShift = 0;
    double afterShift = 0;
    if (style_ == Style::countUp) {
        // Counting up: the old text leaves upwards, the new one rises from below.
        const double travel = 0.6 * std::max(beforeSize.height(), afterSize.height());
        beforeShift = -travel * p;
        afterShift = travel * (1 - p);
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setOpacity(1 - shown);
    painter.drawPixmap(beforeAt + QPointF(0, beforeShift), before_);
    painter.setOpacity(shown);
    painter.drawPixmap(afterAt + QPointF(0, afterShift), after_);
}

// ------------------------------------------------------------------ gap ----

namespace {

// Draws a closing gap's image centred on the gap, over the whole window.
class GapImage final : public QWidget {
public:
    GapImage(FadingGap* gap, QWidget* window) : QWidget(window), gap_(gap) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(window->rect());
        show();
        raise();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (!gap_ || !parentWidget()) return;
        const double opacity = std::clamp(gap_->remaining(), 0.0, 1.0);
        if (opacity <= 0) return;
        setGeometry(parentWidget()->rect());
        const QPointF centre =
            QRectF(QPointF(gap_->mapTo(parentWidget(), QPoint(0, 0))), QSizeF(gap_->size())).center();
        const QSizeF size = gap_->image().deviceIndependentSize();
        QPainter painter(this);
        painter.setOpacity(opacity);
        painter.drawPixmap(centre - QPointF(size.width() / 2, size.height() / 2), gap_->image());
    }

private:
    QPointer<FadingGap> gap_;
};

}  // namespace

FadingGap* FadingGap::replace(QWidget* block, GuideMotion motion) {
    QWidget* parent = block->parentWidget();
    auto* box = parent ? qobject_cast<QBoxLayout*>(parent->layout()) : nullptr;
    const int index = box ? box->indexOf(block) : -1;
    QPixmap image = block->isVisible() ? pictureOf(block) : QPixmap();
    block->hide();
    if (index < 0 || image.isNull()) return nullptr;
    const Qt::Alignment alignment = box->itemAt(index)->alignment();
    auto* gap = new FadingGap(std::move(image), motion, parent);
    box->insertWidget(index, gap, 0, alignment);
    gap->show();
    gap->imageLayer_ = new GapImage(gap, gap->window());
    return gap;
}

FadingGap::FadingGap(QPixmap image, GuideMotion motion, QWidget* parent)
    : QWidget(parent), image_(std::move(image)), motion_(motion), start_(kitNow()) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    frames_.setInterval(16);
    frames_.setTimerType(Qt::PreciseTimer);
    connect(&frames_, &QTimer::timeout, this, &FadingGap::tick);
    frames_.start();
}

FadingGap::~FadingGap() { delete imageLayer_.data(); }

double FadingGap::remaining() const { return 1.0 - motion_.progress(kitNow() - start_); }

QSize FadingGap::sizeHint() const {
    const QSizeF size = image_.deviceIndependentSize();
    const double height = size.height() * std::clamp(remaining(), 0.0, 1.0);
    return {int(std::ceil(size.width())), int(std::lround(height))};
}

void FadingGap::tick() {
    updateGeometry();
    if (imageLayer_) imageLayer_->update();
    if (motion_.finished(kitNow() - start_)) {
        frames_.stop();
        hide();
        deleteLater();
    }
}

}  // namespace sorbeta
