#include "ui/views/drill/DrillHeader.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "ui/kit/KitClock.h"
#include "ui/kit/SymbolIcons.h"
#include "ui/kit/Theme.h"

namespace sorbeta {
namespace {

QFont crumbFont(bool last) { return last ? roundedFont(17, QFont::ExtraBold) : roundedFont(14, QFont::DemiBold); }

// Crumbs give way down to this width before they overlap.
constexpr double kCrumbMinimum = 28;

QFont totalNumberFont() { return roundedFont(28, QFont::ExtraBold); }
QFont totalUnitFont() { return roundedFont(15, QFont::ExtraBold); }
constexpr double kUnitGap = 3;
constexpr double kSpinnerSide = 14;
constexpr double kSpinnerLeading = 6;

}  // namespace

// CrumbButton -------------------------------------------------------------------

CrumbButton::CrumbButton(const DrillPaneText::Crumb& crumb, QWidget* parent) : QAbstractButton(parent), crumb_(crumb) {
    setText(crumb.title);
    setToolTip(crumb.title);
    setFont(crumbFont(crumb.last));
    setEnabled(!crumb.last);
    setCursor(crumb.last ? Qt::ArrowCursor : Qt::PointingHandCursor);
    setObjectName(QStringLiteral("crumb%1").arg(crumb.depth));
    setFocusPolicy(Qt::NoFocus);
}

QSize CrumbButton::sizeHint() const {
    const QFontMetricsF metrics(font());
    return QSize(int(std::ceil(metrics.horizontalAdvance(crumb_.title))), int(std::ceil(metrics.height())));
}

QString CrumbButton::shownTitle() const {
    return QFontMetricsF(font()).elidedText(crumb_.title, Qt::ElideMiddle, width() + 0.5);
}

void CrumbButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font());
    QColor colour = crumb_.last ? Theme::ink() : Theme::inkSoft();
    if (isDown()) colour = Theme::ink();
    painter.setPen(colour);
    painter.drawText(rect(), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, shownTitle());
}

// DrillCrumbs -------------------------------------------------------------------

DrillCrumbs::DrillCrumbs(const std::vector<DrillPaneText::Crumb>& crumbs, QWidget* parent) : QWidget(parent) {
    for (const DrillPaneText::Crumb& crumb : crumbs) {
        auto* button = new CrumbButton(crumb, this);
        const int depth = crumb.depth;
        connect(button, &QAbstractButton::clicked, this, [this, depth] { emit popTo(depth); });
        buttons_.push_back(button);
    }
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize DrillCrumbs::sizeHint() const {
    double width = 0;
    int height = 0;
    for (const CrumbButton* button : buttons_) {
        width += button->sizeHint().width();
        height = std::max(height, button->sizeHint().height());
    }
    width += double(buttons_.size() - 1) * (kSeparatorSize + 2 * kSpacing);
    return QSize(int(std::ceil(width)), height);
}

void DrillCrumbs::resizeEvent(QResizeEvent*) { place(); }

void DrillCrumbs::place() {
    std::vector<double> natural;
    for (const CrumbButton* button : buttons_) natural.push_back(button->sizeHint().width());
    const double separators = double(buttons_.size() - 1) * (kSeparatorSize + 2 * kSpacing);
    const std::vector<double> widths =
        DrillPaneText::fitWidths(natural, std::max(0.0, width() - separators), kCrumbMinimum);
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const auto mirrored = [&](QRectF box) {
        if (rtl) box.moveLeft(width() - box.right());
        return box;
    };
    separators_.clear();
    double x = 0;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (i > 0) {
            x += kSpacing;
            separators_.push_back(
                mirrored(QRectF(x, (height() - kSeparatorSize) / 2.0, kSeparatorSize, kSeparatorSize)));
            x += kSeparatorSize + kSpacing;
        }
        const double h = buttons_[i]->sizeHint().height();
        buttons_[i]->setGeometry(mirrored(QRectF(x, (height() - h) / 2.0, widths[i], h)).toAlignedRect());
        x += widths[i];
    }
    update();
}

void DrillCrumbs::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The chevron points the way the crumbs run.
    const QString symbol =
        layoutDirection() == Qt::RightToLeft ? QStringLiteral("chevron.backward") : QStringLiteral("chevron.forward");
    for (const QRectF& box : separators_) paintSymbol(painter, symbol, box, Theme::inkSoft(), SymbolWeight::bold);
}

// DrillTotal --------------------------------------------------------------------

DrillTotal::DrillTotal(Flavor flavor, QWidget* parent)
    : QWidget(parent), palette_(sorbeta::palette(flavor)), counter_(kCountSpring), spin_(this) {
    setObjectName(QStringLiteral("total"));
    // The figure reads left to right in every interface language.
    setLayoutDirection(Qt::LeftToRight);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    spin_.setInterval(33);
    connect(&spin_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

void DrillTotal::setTotal(int64_t bytes, bool loading) {
    const double now = kitNow();
    if (bytes != counter_.target() || !started_) {
        // A fresh pane shows its first figure at once; later ones count.
        counter_.setBytes(bytes, now, started_);
        started_ = true;
        ticker_.run([this](double at) { return counter_.settledAt(at); });
    }
    if (loading != loading_) {
        loading_ = loading;
        if (loading_)
            spin_.start();
        else
            spin_.stop();
    }
    update();
}

Bytes::Parts DrillTotal::shownParts() const { return counter_.partsAt(kitNow()); }

QSize DrillTotal::sizeHint() const {
    const QFontMetricsF number(totalNumberFont());
    const QFontMetricsF unit(totalUnitFont());
    // Room for the widest figure, so the header does not shift while it counts.
    const double width = number.horizontalAdvance(QStringLiteral("888.8")) + kUnitGap +
                         unit.horizontalAdvance(QStringLiteral("M")) + kSpinnerLeading + kSpinnerSide;
    return QSize(int(std::ceil(width)), int(std::ceil(number.height())));
}

void DrillTotal::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const Bytes::Parts shown = shownParts();
    const QFont numberFont = totalNumberFont();
    const QFont unitFont = totalUnitFont();
    const QFontMetricsF number(numberFont);
    const QFontMetricsF unit(unitFont);
    const double numberWidth = number.horizontalAdvance(shown.number);
    const double unitWidth = unit.horizontalAdvance(shown.unit);
    const double spinner = loading_ ? kSpinnerLeading + kSpinnerSide : 0;
    // Flush with the trailing end, next to the reveal button.
    const double left = width() - spinner - (numberWidth + kUnitGap + unitWidth);
    const double baseline = (height() - number.height()) / 2.0 + number.ascent();

    QPainterPath text;
    text.addText(QPointF(left, baseline), numberFont, shown.number);
    text.addText(QPointF(left + numberWidth + kUnitGap, baseline), unitFont, shown.unit);
    QLinearGradient fill(0, baseline - number.ascent(), 0, baseline + number.descent());
    fill.setColorAt(0, palette_.base);
    fill.setColorAt(1, palette_.deep);
    painter.fillPath(text, fill);

    if (loading_) {
        const QRectF box(width() - kSpinnerSide, (height() - kSpinnerSide) / 2.0, kSpinnerSide, kSpinnerSide);
        QPen pen(Theme::inkSoft(), 2, Qt::SolidLine, Qt::RoundCap);
        painter.setPen(pen);
        const int start = int(std::fmod(kitNow() * 360.0, 360.0) * 16);
        painter.drawArc(box.adjusted(1, 1, -1, -1), -start, 270 * 16);
    }
}

}  // namespace sorbeta
