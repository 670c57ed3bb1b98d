#include "ui/views/clean/TopBar.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "platform/Translate.h"
#include "ui/kit/CandyPaint.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/SymbolIcons.h"
#include "ui/kit/Theme.h"
#include "ui/views/ModeLooks.h"

namespace sorbeta {
namespace {

constexpr double kSwitchPadding = 3;
constexpr double kSegmentSpacing = 4;
constexpr double kSegmentPadding = 14;
constexpr double kSegmentHeight = 30;
constexpr double kIconSize = 13;
constexpr double kIconSpacing = 6;

const Spring kSwitchSpring{0.35, 0.65};
const Spring kGearSpring{0.35, 0.5};

QFont segmentFont() { return roundedFont(13, QFont::Bold); }

}  // namespace

// ModeSwitch ---------------------------------------------------------------

ModeSwitch::ModeSwitch(QWidget* parent) : QWidget(parent), left_(kSwitchSpring), right_(kSwitchSpring) {
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    retarget(false);
}

std::vector<ModeSwitch::Segment> ModeSwitch::segments() const {
    // Laid out left to right, or mirrored in a right-to-left interface.
    const QFontMetricsF metrics(segmentFont());
    std::vector<Segment> result;
    double x = kBleed.left() + kSwitchPadding;
    for (AppMode mode : visibleAppModes) {
        const double width = kSegmentPadding + kIconSize + kIconSpacing +
                             metrics.horizontalAdvance(appModeTitle(mode)) + kSegmentPadding;
        result.push_back({mode, QRectF(x, kBleed.top() + kSwitchPadding, std::ceil(width), kSegmentHeight)});
        x += std::ceil(width) + kSegmentSpacing;
    }
    if (layoutDirection() == Qt::RightToLeft) {
        const double total = sizeHint().width();
        for (Segment& segment : result) segment.rect.moveLeft(total - segment.rect.right());
    }
    return result;
}

QSize ModeSwitch::sizeHint() const { return controlRect().size().grownBy(kBleed); }

QRect ModeSwitch::controlRect() const {
    const QFontMetricsF metrics(segmentFont());
    double width = 2 * kSwitchPadding;
    for (AppMode mode : visibleAppModes)
        width +=
            std::ceil(kSegmentPadding * 2 + kIconSize + kIconSpacing + metrics.horizontalAdvance(appModeTitle(mode)));
    width += kSegmentSpacing * (visibleAppModes.size() - 1);
    return QRect(kBleed.left(), kBleed.top(), int(std::ceil(width)), int(kSegmentHeight + 2 * kSwitchPadding));
}

void ModeSwitch::setMode(AppMode mode) {
    if (mode == mode_) return;
    mode_ = mode;
    retarget(isVisible());
}

void ModeSwitch::retarget(bool animated) {
    capsuleVisible_ = false;
    for (const Segment& segment : segments()) {
        if (segment.mode != mode_) continue;
        capsuleVisible_ = true;
        if (animated) {
            const double now = kitNow();
            left_.setTarget(segment.rect.left(), now);
            right_.setTarget(segment.rect.right(), now);
            ticker_.run([this](double at) { return left_.settledAt(at) && right_.settledAt(at); });
        } else {
            left_.jumpTo(segment.rect.left());
            right_.jumpTo(segment.rect.right());
        }
    }
    update();
}

int ModeSwitch::segmentAt(QPointF point) const {
    const auto all = segments();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (candyCapsulePath(all[i].rect).contains(point)) return int(i);
    return -1;
}

void ModeSwitch::mousePressEvent(QMouseEvent* event) {
    const int index = segmentAt(event->position());
    if (index < 0 || event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    const AppMode chosen = segments()[std::size_t(index)].mode;
    if (chosen == mode_) return;
    setMode(chosen);
    emit modeChanged(chosen);
}

bool ModeSwitch::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = segmentAt(help->pos());
        if (index >= 0)
            QToolTip::showText(help->globalPos(), appModeTitle(segments()[std::size_t(index)].mode), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void ModeSwitch::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LayoutDirectionChange || event->type() == QEvent::LanguageChange) {
        updateGeometry();
        retarget(false);
    }
    QWidget::changeEvent(event);
}

void ModeSwitch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(rgba(255, 255, 255, 0.7));
    painter.drawPath(candyCapsulePath(QRectF(controlRect())));

    if (capsuleVisible_) {
        const double now = kitNow();
        const double top = kBleed.top() + kSwitchPadding;
        const QRectF capsule(QPointF(left_.valueAt(now), top), QPointF(right_.valueAt(now), top + kSegmentHeight));
        paintChosenCapsule(painter, capsule, sorbeta::palette(modeFlavor(mode_)), 0.35, 5, 3);
    }

    painter.setFont(segmentFont());
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    for (const Segment& segment : segments()) {
        const bool selected = capsuleVisible_ && segment.mode == mode_;
        const QColor colour = selected ? QColor(Qt::white) : Theme::inkSoft();
        const QRectF inner = segment.rect.adjusted(kSegmentPadding, 0, -kSegmentPadding, 0);
        const double iconX = rtl ? inner.right() - kIconSize : inner.left();
        paintSymbol(painter, modeSymbol(segment.mode),
                    QRectF(iconX, inner.center().y() - kIconSize / 2, kIconSize, kIconSize), colour,
                    SymbolWeight::bold);
        const QRectF text =
            rtl ? QRectF(inner.left(), inner.top(), inner.width() - kIconSize - kIconSpacing, inner.height())
                : inner.adjusted(kIconSize + kIconSpacing, 0, 0, 0);
        painter.setPen(colour);
        painter.drawText(text, Qt::AlignVCenter | Qt::AlignHCenter | Qt::TextSingleLine, appModeTitle(segment.mode));
    }
}

// TopBar -------------------------------------------------------------------

TopBar::TopBar(QWidget* parent) : QWidget(parent), hoverAmount_(kGearSpring) {
    setFixedHeight(kHeight);
    setMouseTracking(true);
}

QRectF TopBar::gearRect() const {
    const double y = (kHeight - kGearSide) / 2.0;
    if (layoutDirection() == Qt::RightToLeft) return QRectF(kTrailingPadding, y, kGearSide, kGearSide);
    return QRectF(width() - kTrailingPadding - kGearSide, y, kGearSide, kGearSide);
}

double TopBar::gearAngle() const { return 30.0 * hoverAmount_.valueAt(kitNow()); }

void TopBar::setHover(bool hover) {
    if (hover == hover_) return;
    hover_ = hover;
    setCursor(hover ? Qt::PointingHandCursor : Qt::ArrowCursor);
    hoverAmount_.setTarget(hover ? 1.0 : 0.0, kitNow());
    ticker_.run([this](double now) { return hoverAmount_.settledAt(now); });
}

void TopBar::mouseMoveEvent(QMouseEvent* event) {
    QPainterPath circle;
    circle.addEllipse(gearRect());
    setHover(circle.contains(event->position()));
}

void TopBar::leaveEvent(QEvent*) { setHover(false); }

void TopBar::mouseReleaseEvent(QMouseEvent* event) {
    QPainterPath circle;
    circle.addEllipse(gearRect());
    if (event->button() == Qt::LeftButton && circle.contains(event->position())) emit openSettings();
}

bool TopBar::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (gearRect().contains(help->pos()))
            QToolTip::showText(help->globalPos(), sorbeta::tr("设置"), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void TopBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF gear = gearRect();
    const double amount = hoverAmount_.valueAt(kitNow());
    painter.setPen(Qt::NoPen);
    painter.setBrush(rgba(255, 255, 255, 0.7 + 0.2 * std::clamp(amount, 0.0, 1.0)));
    painter.drawEllipse(gear);
    painter.save();
    painter.translate(gear.center());
    painter.rotate(30.0 * amount);
    const double symbol = 15;
    paintSymbol(painter, QStringLiteral("gearshape.fill"), QRectF(-symbol / 2, -symbol / 2, symbol, symbol),
                Theme::inkSoft(), SymbolWeight::semibold);
    painter.restore();
}

}  // namespace sorbeta
