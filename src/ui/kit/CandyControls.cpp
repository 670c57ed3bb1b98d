#include "ui/kit/CandyControls.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "ui/kit/CandyPaint.h"
#include "ui/kit/KitClock.h"

namespace sorbeta {

FrameTicker::FrameTicker(QWidget* widget) : QObject(widget), widget_(widget) {
    timer_.setInterval(16);
    connect(&timer_, &QTimer::timeout, this, [this] {
        widget_->update();
        if (!settled_ || settled_(kitNow())) timer_.stop();
    });
}

void FrameTicker::run(std::function<bool(double)> settled) {
    settled_ = std::move(settled);
    widget_->update();
    if (!timer_.isActive()) timer_.start();
}

// ---- CandyButton ----------------------------------------------------------

CandyButton::CandyButton(const QString& text, Flavor flavor, bool compact, double height, QWidget* parent)
    : QAbstractButton(parent), flavor_(flavor), compact_(compact), height_(height) {
    setText(text);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(this, &QAbstractButton::pressed, this, [this] { pressTo(1.0); });
    connect(this, &QAbstractButton::released, this, [this] { pressTo(0.0); });
}

void CandyButton::setFlavor(Flavor flavor) {
    flavor_ = flavor;
    update();
}

void CandyButton::setSymbol(const QString& symbol) {
    symbol_ = symbol;
    updateGeometry();
    update();
}

QSize CandyButton::sizeHint() const {
    const QSizeF capsule = candyButtonSize(text(), compact_, height_, symbol_);
    return QSize(static_cast<int>(std::ceil(capsule.width())), static_cast<int>(std::ceil(capsule.height())))
        .grownBy(kShadowMargins);
}

QRectF CandyButton::capsuleRect() const {
    const QSizeF capsule = candyButtonSize(text(), compact_, height_, symbol_);
    const QRectF inner = QRectF(rect()).marginsRemoved(QMarginsF(kShadowMargins));
    const double width = std::max(capsule.width(), inner.width());
    return QRectF(inner.center().x() - width / 2.0, inner.top(), width, height_);
}

double CandyButton::pressAmount() const { return press_.valueAt(kitNow()); }

void CandyButton::pressTo(double target) {
    press_.setTarget(target, kitNow());
    ticker_.run([this](double now) { return press_.settledAt(now); });
}

void CandyButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintCandyButton(painter, capsuleRect(), text(), flavor_, isEnabled() ? pressAmount() : 0.0, isEnabled(), symbol_,
                     layoutDirection());
}

bool CandyButton::hitButton(const QPoint& pos) const { return candyCapsulePath(capsuleRect()).contains(QPointF(pos)); }

// ---- JellyCheck -----------------------------------------------------------

JellyCheck::JellyCheck(const JellyPalette& palette, QWidget* parent) : QAbstractButton(parent), palette_(palette) {
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::NoFocus);
}

double JellyCheck::onAmount() const { return on_.valueAt(kitNow()); }

QSize JellyCheck::sizeHint() const {
    const int side = static_cast<int>(kJellyCheckSide) + 2 * kMargin;
    return {side, side};
}

void JellyCheck::checkStateSet() { animateTo(isChecked()); }

void JellyCheck::nextCheckState() {
    QAbstractButton::nextCheckState();
    animateTo(isChecked());
}

void JellyCheck::animateTo(bool on) {
    on_.setTarget(on ? 1.0 : 0.0, kitNow());
    ticker_.run([this](double now) { return on_.settledAt(now); });
}

void JellyCheck::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF box(width() / 2.0 - kJellyCheckSide / 2.0, height() / 2.0 - kJellyCheckSide / 2.0, kJellyCheckSide,
                     kJellyCheckSide);
    paintJellyCheck(painter, box, palette_, onAmount());
}

// ---- CleanProgressBar ---------------------------------------------------

CleanProgressBar::CleanProgressBar(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CleanProgressBar::setFraction(double fraction) {
    if (fraction == on_.target()) return;
    on_.setTarget(fraction, kitNow());
    ticker_.run([this](double now) { return on_.settledAt(now); });
}

double CleanProgressBar::displayedFraction() const { return on_.valueAt(kitNow()); }

double CleanProgressBar::fillWidth() const { return progressFillWidth(displayedFraction(), width()); }

QSize CleanProgressBar::sizeHint() const { return {200, static_cast<int>(kProgressBarHeight)}; }

void CleanProgressBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintCleanProgressBar(painter, QRectF(0, 0, width(), kProgressBarHeight), displayedFraction(), layoutDirection());
}

// ---- CandySegmented -----------------------------------------------------

namespace {
constexpr double kSegmentHeight = 26.0;
constexpr double kSegmentPadding = 12.0;
constexpr double kSegmentSpacing = 2.0;
constexpr double kRowPadding = 3.0;

QFont segmentFont() { return roundedFont(12, QFont::Bold); }
}  // namespace

CandySegmented::CandySegmented(std::vector<Option> options, QVariant selection, Flavor flavor, QWidget* parent)
    : QWidget(parent), options_(std::move(options)), selection_(std::move(selection)), flavor_(flavor) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
    for (const Option& option : options_)
        selected_.emplace_back(Spring{0.3, 0.7}, option.first == selection_ ? 1.0 : 0.0);
}

void CandySegmented::setSelection(const QVariant& value) {
    if (value == selection_) return;
    selection_ = value;
    animateSelection();
}

void CandySegmented::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange) update();
}

void CandySegmented::setFlavor(Flavor flavor) {
    flavor_ = flavor;
    update();
}

void CandySegmented::animateSelection() {
    const double now = kitNow();
    for (std::size_t i = 0; i < options_.size(); ++i)
        selected_[i].setTarget(options_[i].first == selection_ ? 1.0 : 0.0, now);
    ticker_.run([this](double t) {
        return std::all_of(selected_.begin(), selected_.end(), [t](const SpringValue& s) { return s.settledAt(t); });
    });
}

// Segments in option order from the leading edge; right to left they run
// from the right, as a row of the interface does.
std::vector<QRectF> CandySegmented::segmentRects() const {
    const QFontMetricsF metrics(segmentFont());
    std::vector<QRectF> rects;
    double x = kRowPadding;
    for (const Option& option : options_) {
        const double width = std::ceil(metrics.horizontalAdvance(option.second)) + 2 * kSegmentPadding;
        rects.emplace_back(x, kRowPadding, width, kSegmentHeight);
        x += width + kSegmentSpacing;
    }
    if (layoutDirection() == Qt::RightToLeft)
        for (QRectF& rect : rects) rect.moveLeft(width() - rect.right());
    return rects;
}

QRectF CandySegmented::rowRect() const {
    const QSize size = sizeHint();
    const double left = layoutDirection() == Qt::RightToLeft ? width() - size.width() : 0.0;
    return QRectF(left, 0, size.width(), size.height());
}

QSize CandySegmented::sizeHint() const {
    const QFontMetricsF metrics(segmentFont());
    double width = kRowPadding;
    for (const Option& option : options_)
        width += std::ceil(metrics.horizontalAdvance(option.second)) + 2 * kSegmentPadding + kSegmentSpacing;
    width += kRowPadding - (options_.empty() ? 0.0 : kSegmentSpacing);
    return {static_cast<int>(std::ceil(width)), static_cast<int>(kSegmentHeight + 2 * kRowPadding)};
}

int CandySegmented::segmentAt(QPointF pos) const {
    const auto rects = segmentRects();
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (candyCapsulePath(rects[i]).contains(pos)) return static_cast<int>(i);
    return -1;
}

void CandySegmented::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton ? segmentAt(event->position()) : -1;
}

void CandySegmented::mouseReleaseEvent(QMouseEvent* event) {
    const int index = segmentAt(event->position());
    if (event->button() == Qt::LeftButton && index >= 0 && index == pressed_) {
        // Tapping the segment already selected changes nothing.
        const QVariant value = options_[static_cast<std::size_t>(index)].first;
        if (value != selection_) {
            selection_ = value;
            animateSelection();
            emit selectionChanged(value);
        }
    }
    pressed_ = -1;
}

void CandySegmented::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const auto rects = segmentRects();
    painter.fillPath(candyCapsulePath(rowRect()), withOpacity(Qt::white, 0.7));

    const JellyPalette p = flavorPalette(flavor_);
    const double now = kitNow();
    painter.setFont(segmentFont());
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const double amount = std::clamp(selected_[i].valueAt(now), 0.0, 1.0);
        if (amount > 0.0) {
            painter.save();
            painter.setOpacity(amount);
            paintChosenCapsule(painter, rects[i], p, 0.3, 4, 2);
            painter.restore();
        }
        const QColor soft = Theme::inkSoft();
        const QColor text =
            QColor::fromRgbF(soft.redF() + (1 - soft.redF()) * amount, soft.greenF() + (1 - soft.greenF()) * amount,
                             soft.blueF() + (1 - soft.blueF()) * amount, soft.alphaF() + (1 - soft.alphaF()) * amount);
        painter.setPen(text);
        painter.drawText(rects[i], Qt::AlignCenter | Qt::TextSingleLine, options_[i].second);
    }
}

}  // namespace sorbeta
