#include "ui/views/settings/SettingsCard.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "ui/kit/KitClock.h"
#include "ui/kit/KitText.h"
#include "ui/kit/Theme.h"

namespace sorbeta {
namespace {

// The settings window's tint.
QColor tint() { return palette(Flavor::grape).base; }

class CardPanel final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, int(std::lround(0.7 * 255))));
        painter.drawRoundedRect(QRectF(rect()), 18, 18);
    }
};

}  // namespace

SettingsCard::SettingsCard(const std::optional<QString>& footer, QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    panel_ = new CardPanel(this);
    panel_->setObjectName(QStringLiteral("card"));
    content_ = new QVBoxLayout(panel_);
    content_->setContentsMargins(16, 16, 16, 16);
    content_->setSpacing(12);
    column->addWidget(panel_);
    setFooter(footer);
}

void SettingsCard::setFooter(const std::optional<QString>& text) {
    if (!text) {
        delete footer_;
        footer_ = nullptr;
        return;
    }
    if (!footer_) {
        footer_ = makeKitText(QString(), roundedFont(11), Theme::inkSoft(), this);
        footer_->setObjectName(QStringLiteral("footer"));
        footer_->setWordWrap(true);
        footer_->setContentsMargins(6, 0, 6, 0);
        layout()->addWidget(footer_);
    }
    footer_->setText(*text);
}

// --- Switch

SettingsSwitch::SettingsSwitch(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void SettingsSwitch::display(bool on) {
    const QSignalBlocker quiet(this);
    setChecked(on);
}

QSize SettingsSwitch::sizeHint() const { return {38, 22}; }

double SettingsSwitch::onAmount() const { return on_.valueAt(kitNow()); }

void SettingsSwitch::checkStateSet() {
    // A value set while the switch is hidden (a page being built) jumps there.
    if (isVisible())
        on_.setTarget(isChecked() ? 1 : 0, kitNow());
    else
        on_.jumpTo(isChecked() ? 1 : 0);
    ticker_.run([this](double now) { return on_.settledAt(now); });
    update();
}

void SettingsSwitch::nextCheckState() {
    QAbstractButton::nextCheckState();
    checkStateSet();
}

void SettingsSwitch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double on = std::clamp(onAmount(), 0.0, 1.0);
    const QRectF track = QRectF(rect()).adjusted(1, 1, -1, -1);
    const double radius = track.height() / 2;
    QColor off = Theme::ink();
    off.setAlphaF(0.14f);
    QColor fill = tint();
    fill.setAlphaF(float(on));
    painter.setOpacity(isEnabled() ? 1.0 : 0.45);
    painter.setPen(Qt::NoPen);
    painter.setBrush(off);
    painter.drawRoundedRect(track, radius, radius);
    painter.setBrush(fill);
    painter.drawRoundedRect(track, radius, radius);
    const double knob = track.height() - 4;
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const double travel = track.width() - knob - 4;
    const double x = track.left() + 2 + travel * (rtl ? 1 - on : on);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawEllipse(QRectF(x, track.top() + 2.6, knob, knob));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(x, track.top() + 2, knob, knob));
    if (hasFocus()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(tint(), 1.5));
        painter.drawRoundedRect(track.adjusted(-0.5, -0.5, 0.5, 0.5), radius, radius);
    }
}

SettingRow::SettingRow(const QString& text, QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    label_ = makeKitText(text, roundedFont(13, QFont::Medium), Theme::ink(), this);
    label_->setWordWrap(true);
    row->addWidget(label_, 1);
    row->addSpacing(12);
    switch_ = new SettingsSwitch(this);
    switch_->setObjectName(QStringLiteral("switch"));
    switch_->setAccessibleName(text);
    row->addWidget(switch_, 0, Qt::AlignVCenter);
}

// --- Slider

StepSlider::StepSlider(double minimum, double maximum, double step, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), step_(step), value_(minimum) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize StepSlider::sizeHint() const { return {200, 24}; }

QRectF StepSlider::trackRect() const { return QRectF(10, height() / 2.0 - 2, std::max(0, width() - 20), 4); }

void StepSlider::setValue(double value) {
    value_ = value;
    update();
}

double StepSlider::valueAt(double fraction) const {
    const double raw = minimum_ + std::clamp(fraction, 0.0, 1.0) * (maximum_ - minimum_);
    const double stepped = minimum_ + std::round((raw - minimum_) / step_) * step_;
    return std::clamp(stepped, minimum_, maximum_);
}

double StepSlider::fractionOf(double value) const {
    if (!std::isfinite(value)) return value > 0 ? 1.0 : 0.0;  // NaN and -inf at the start
    return std::clamp((value - minimum_) / (maximum_ - minimum_), 0.0, 1.0);
}

void StepSlider::userSet(double value) {
    if (value == value_) return;
    value_ = value;
    update();
    emit moved(value);
}

void StepSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    mouseMoveEvent(event);
}

void StepSlider::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || !isEnabled()) return;
    const QRectF track = trackRect();
    if (track.width() <= 0) return;
    double fraction = (event->position().x() - track.left()) / track.width();
    if (layoutDirection() == Qt::RightToLeft) fraction = 1 - fraction;
    userSet(valueAt(fraction));
}

void StepSlider::keyPressEvent(QKeyEvent* event) {
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    int direction = 0;
    switch (event->key()) {
        case Qt::Key_Right: direction = rtl ? -1 : 1; break;
        case Qt::Key_Left: direction = rtl ? 1 : -1; break;
        case Qt::Key_Up: direction = 1; break;
        case Qt::Key_Down: direction = -1; break;
        default: QWidget::keyPressEvent(event); return;
    }
    // From an off-grid value the first step lands on the grid.
    const double from = valueAt(fractionOf(value_));
    double next = std::clamp(from + direction * step_, minimum_, maximum_);
    if (direction > 0 && from > value_) next = from;
    if (direction < 0 && from < value_) next = from;
    userSet(next);
}

void StepSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(isEnabled() ? 1.0 : 0.45);
    const QRectF track = trackRect();
    double fraction = fractionOf(value_);
    if (layoutDirection() == Qt::RightToLeft) fraction = 1 - fraction;
    const double x = track.left() + fraction * track.width();
    QColor rail = Theme::ink();
    rail.setAlphaF(0.12f);
    painter.setPen(Qt::NoPen);
    painter.setBrush(rail);
    painter.drawRoundedRect(track, 2, 2);
    painter.setBrush(tint());
    const QRectF filled = layoutDirection() == Qt::RightToLeft ? QRectF(QPointF(x, track.top()), track.bottomRight())
                                                               : QRectF(track.topLeft(), QPointF(x, track.bottom()));
    painter.drawRoundedRect(filled, 2, 2);
    const QRectF knob(x - 9, height() / 2.0 - 9, 18, 18);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawEllipse(knob.translated(0, 0.8));
    painter.setBrush(Qt::white);
    painter.drawEllipse(knob);
    if (hasFocus()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(tint(), 1.5));
        painter.drawEllipse(knob);
    }
}

}  // namespace sorbeta
