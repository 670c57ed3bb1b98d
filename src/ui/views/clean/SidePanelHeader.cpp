#include "ui/views/clean/SidePanelHeader.h"

#include <QGraphicsOpacityEffect>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "ui/kit/CandyPaint.h"
#include "ui/kit/ImageEffects.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/Theme.h"

namespace sorbeta {
namespace {

const QColor kFigurePink = rgba(255, 92, 138);
const QColor kFigureOrange = rgba(255, 154, 60);
const QColor kFigureViolet = rgba(161, 102, 255);

const Spring kFigureSpring{0.5, 0.7};

}  // namespace

// Progress slot -----------------------------------------------------------------

ProgressSlot::ProgressSlot(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    bar_ = new CleanProgressBar(this);
    fade_ = new QGraphicsOpacityEffect(this);
    setGraphicsEffect(fade_);
    apply(kitNow());
}

void ProgressSlot::setShown(bool shown, const Animation& animation) {
    const double now = kitNow();
    presence_.animateTo(shown ? 1.0 : 0.0, now, animation);
    apply(now);
    ticker_.run([this](double at) {
        apply(at);
        return presence_.settledAt(at);
    });
}

double ProgressSlot::presence() const { return presence_.valueAt(kitNow()); }

QSize ProgressSlot::sizeHint() const { return {200, int(kProgressBarHeight)}; }

void ProgressSlot::apply(double now) {
    const double presence = std::clamp(presence_.valueAt(now), 0.0, 1.0);
    const bool settled = presence_.settledAt(now);
    // Closed for good once it has gone, so the header's spacing closes too.
    setVisible(!(settled && presence_.target() <= 0));
    const int height = int(std::lround(kProgressBarHeight * presence));
    if (height != this->height() || maximumHeight() != height) setFixedHeight(height);
    bar_->setGeometry(0, 0, width(), int(kProgressBarHeight));
    fade_->setOpacity(presence);
    // At full opacity the effect draws the bar straight through.
    fade_->setEnabled(presence < 1.0);
}

// Figure --------------------------------------------------------------------

namespace {

const QString kNoReading = QStringLiteral("…");

QFont figureFont() { return roundedFont(76, QFont::ExtraBold); }
QFont figureUnitFont() { return roundedFont(26, QFont::ExtraBold); }

}  // namespace

SidePanelFigure::SidePanelFigure(QWidget* parent) : QWidget(parent), counter_(kFigureSpring) {
    // The number always precedes its unit, also in a right-to-left interface.
    setLayoutDirection(Qt::LeftToRight);
}

void SidePanelFigure::setFigure(const QString& number, const QString& unit, int64_t bytes) {
    const double now = kitNow();
    // A reading replacing "…" shows at once; a figure replacing a figure counts.
    const bool count = !number_.isEmpty() && number_ != kNoReading && number != kNoReading;
    if (bytes != counter_.target() || !count) {
        startWidth_ = QFontMetricsF(figureFont()).horizontalAdvance(count ? shownParts().number : number);
        counter_.setBytes(bytes, now, count);
        if (count)
            ticker_.run([this](double at) {
                if (!counter_.settledAt(at)) return false;
                updateGeometry();  // the room kept for where the count began goes
                return true;
            });
    }
    if (number == number_ && unit == unit_) return;
    number_ = number;
    unit_ = unit;
    updateGeometry();
    update();
}

Bytes::Parts SidePanelFigure::shownParts() const {
    if (number_ == kNoReading) return {number_, unit_};
    return counter_.partsAt(kitNow());
}

bool SidePanelFigure::counting() const { return !counter_.settledAt(kitNow()); }

double SidePanelFigure::baseline() const { return QFontMetricsF(figureFont()).ascent(); }

QSize SidePanelFigure::sizeHint() const {
    const QFontMetricsF big(figureFont());
    const QFontMetricsF small(figureUnitFont());
    // Room for the widest of where the count began and where it ends.
    const double number = std::max(big.horizontalAdvance(number_), counting() ? startWidth_ : 0.0);
    // The glow may spill over the edges; like any shadow it takes no room.
    const double width = number + 6 + small.horizontalAdvance(unit_);
    return QSize(int(std::ceil(width)), int(std::ceil(big.ascent() + big.descent() + 6)));
}

void SidePanelFigure::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const Bytes::Parts shown = shownParts();
    const QFont bigFont = figureFont();
    const QFontMetricsF big(bigFont);
    const double baseline = this->baseline();
    const double numberWidth = big.horizontalAdvance(shown.number);

    QPainterPath numberPath;
    numberPath.addText(QPointF(0, baseline), bigFont, shown.number);
    // A soft pink glow under the digits.
    ImageEffects::drawLayer(painter, ImageEffects::dropShadow(numberPath, withOpacity(kFigurePink, 0.25), 10, {0, 6},
                                                              ImageEffects::pixelRatioOf(painter)));
    QLinearGradient fill(0, 0, std::max(1.0, numberWidth), 0);
    fill.setColorAt(0, kFigurePink);
    fill.setColorAt(0.5, kFigureOrange);
    fill.setColorAt(1, kFigureViolet);
    painter.fillPath(numberPath, fill);

    painter.setFont(figureUnitFont());
    painter.setPen(kFigureViolet);
    painter.drawText(QPointF(numberWidth + 6, baseline), shown.unit);
}

}  // namespace sorbeta
