#include "ui/jelly/ScanningJelly.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "ui/jelly/JellyBody.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/Theme.h"

namespace sorbeta {
namespace {

constexpr double kSpacing = 26;
constexpr double kJellyFrameHeight = 200;
constexpr double kShadowHeight = 14;

QFont captionFont() { return roundedFont(15, QFont::DemiBold); }

}  // namespace

ScanningFrame scanningFrame(double t, QSizeF size, double captionHeight) {
    ScanningFrame f;
    f.bounce = std::abs(std::sin(3.0 * t));
    const double b = f.bounce;
    const auto step = static_cast<long long>(std::floor(t / 1.5));
    f.flavor = allFlavors[std::size_t(((step % 13) + 13) % 13)];
    f.shapeTime = 2.0 * t;

    const double total = kJellyFrameHeight + kSpacing + kShadowHeight + kSpacing + captionHeight;
    const double top = (size.height() - total) / 2;
    const double cx = size.width() / 2;
    // Squashed wide and low on the floor, 130 × 120 at the top of the hop.
    const double w = 130 * (1 + 0.12 * (1 - b));
    const double h = 120 * (0.88 + 0.12 * b);
    f.body = QRectF(cx - w / 2, top + kJellyFrameHeight - h - 60 * b, w, h);
    const double sw = 120 - 40 * b;
    f.shadow = QRectF(cx - sw / 2, top + kJellyFrameHeight + kSpacing - 18, sw, kShadowHeight);
    f.shadowOpacity = 0.08 + 0.06 * (1 - b);
    f.caption = QRectF(0, top + kJellyFrameHeight + kSpacing + kShadowHeight + kSpacing, size.width(), captionHeight);
    return f;
}

ScanningJelly::ScanningJelly(QString text, QWidget* parent) : QWidget(parent), text_(std::move(text)) {
    frames_.setTimerType(Qt::PreciseTimer);
    frames_.setInterval(16);  // every animation frame
    connect(&frames_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

void ScanningJelly::setText(QString text) {
    text_ = std::move(text);
    update();
}

QSize ScanningJelly::sizeHint() const {
    const QFontMetricsF metrics(captionFont());
    return QSize(int(std::max(160.0, metrics.horizontalAdvance(text_) + 20)),
                 int(kJellyFrameHeight + 2 * kSpacing + kShadowHeight + metrics.height()));
}

void ScanningJelly::paintFrame(QPainter& painter, double t) {
    const QFont font = captionFont();
    const ScanningFrame f = scanningFrame(t, size(), QFontMetricsF(font).height());
    painter.setRenderHint(QPainter::Antialiasing);

    JellyShape shape;
    shape.time = f.shapeTime;
    shape.seed = 1;
    shape.wobble = 6;
    shape.squareness = 3;
    paintJellyBody(painter, f.body, shape, sorbeta::palette(f.flavor));

    painter.setPen(Qt::NoPen);
    painter.setBrush(withOpacity(Theme::ink(), f.shadowOpacity));
    painter.drawEllipse(f.shadow);

    painter.setFont(font);
    painter.setPen(Theme::inkSoft());
    painter.drawText(f.caption, Qt::AlignHCenter | Qt::AlignTop, text_);
}

void ScanningJelly::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintFrame(painter, kitNow());
}

void ScanningJelly::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    frames_.start();
}

void ScanningJelly::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    frames_.stop();
}

}  // namespace sorbeta
