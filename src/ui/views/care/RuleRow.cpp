#include "ui/views/care/RuleRow.h"

#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "model/common/Bytes.h"
#include "platform/Translate.h"
#include "ui/kit/KitText.h"
#include "ui/kit/PlainTextButton.h"
#include "ui/kit/TabularText.h"
#include "ui/kit/Theme.h"

namespace sorbeta {
namespace {

// A small on/off switch: a capsule with a round knob that sits on the
// trailing side when on.
class RuleSwitch final : public QAbstractButton {
public:
    explicit RuleSwitch(QWidget* parent) : QAbstractButton(parent) {
        setCheckable(true);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::TabFocus);
    }
    QSize sizeHint() const override { return QSize(32, 18); }

protected:
    // The row writes the new value through its binding and reads it back.
    void nextCheckState() override {}

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF track = QRectF(rect()).adjusted(1, 1, -1, -1);
        const double radius = track.height() / 2;
        painter.setPen(Qt::NoPen);
        painter.setBrush(isChecked() ? flavorPalette(Flavor::lime).base : rgba(58, 42, 77, 0.16));
        painter.drawRoundedRect(track, radius, radius);
        const bool trailing = isChecked() != (layoutDirection() == Qt::RightToLeft);
        const double knob = track.height() - 4;
        const QRectF circle(trailing ? track.right() - 2 - knob : track.left() + 2, track.top() + 2, knob, knob);
        painter.setBrush(Qt::white);
        painter.drawEllipse(circle);
        if (hasFocus()) {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(withOpacity(flavorPalette(Flavor::grape).deep, 0.6), 1.5));
            painter.drawRoundedRect(track, radius, radius);
        }
    }
};

PlainTextButton* stepButton(const QString& glyph, QWidget* parent) {
    auto* button =
        new PlainTextButton(glyph, roundedFont(15, QFont::Bold), Theme::ink(), Theme::inkSoft(), QSize(8, 2), parent);
    button->setAutoRepeat(true);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

}  // namespace

RuleRow::RuleRow(RuleBinding rule, const CleanSpec& spec, std::optional<int64_t> current, std::function<void()> changed,
                 QWidget* parent)
    : QWidget(parent), rule_(std::move(rule)), changed_(std::move(changed)) {
    setObjectName(QStringLiteral("ruleRow"));
    setToolTip(plainToolTip(spec.note));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);

    toggle_ = new RuleSwitch(this);
    toggle_->setAccessibleName(spec.name);
    connect(toggle_, &QAbstractButton::clicked, this, [this] {
        AutoRule next = rule_.get();
        next.enabled = !next.enabled;
        rule_.set(next);
        refresh();
        if (changed_) changed_();
    });
    row->addWidget(toggle_, 0, Qt::AlignVCenter);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(1);
    name_ = makeKitText(spec.name, font(), Theme::ink(), this);
    texts->addWidget(name_);
    if (current) {
        size_ = makeKitText(sorbeta::tr("现在 %1").arg(Bytes::text(*current)), roundedFont(11), Theme::inkSoft(), this);
        texts->addWidget(size_);
    }
    row->addLayout(texts);
    row->addStretch(1);

    // The stepper: its label and two buttons, greyed out while the rule is off.
    stepper_ = new QWidget(this);
    auto* steps = new QHBoxLayout(stepper_);
    steps->setContentsMargins(0, 0, 0, 0);
    steps->setSpacing(2);
    down_ = stepButton(QStringLiteral("−"), stepper_);
    up_ = stepButton(QStringLiteral("+"), stepper_);
    // Digits of one width, so the label does not shift as the value steps.
    threshold_ = new TabularLabel(font(), Theme::ink(), 1.0, stepper_);
    threshold_->setFixedWidth(64);
    threshold_->setAlignment(Qt::AlignVCenter | Qt::AlignTrailing);
    steps->addWidget(threshold_, 0, Qt::AlignVCenter);
    steps->addWidget(down_, 0, Qt::AlignVCenter);
    steps->addWidget(up_, 0, Qt::AlignVCenter);
    stepperFade_ = new QGraphicsOpacityEffect(stepper_);
    stepper_->setGraphicsEffect(stepperFade_);
    row->addWidget(stepper_, 0, Qt::AlignVCenter);
    connect(up_, &QAbstractButton::clicked, this, [this] {
        AutoRule next = rule_.get();
        next.thresholdGB = stepUp(next.thresholdGB);
        write(next);
    });
    connect(down_, &QAbstractButton::clicked, this, [this] {
        AutoRule next = rule_.get();
        next.thresholdGB = stepDown(next.thresholdGB);
        write(next);
    });
    refresh();
}

void RuleRow::write(AutoRule rule) {
    rule_.set(rule);
    refresh();
}

void RuleRow::refresh() {
    const AutoRule rule = rule_.get();
    toggle_->setChecked(rule.enabled);
    threshold_->setText(thresholdLabel(rule.thresholdGB));
    stepper_->setEnabled(rule.enabled);
    stepperFade_->setOpacity(rule.enabled ? 1.0 : 0.4);
    const bool finite = std::isfinite(rule.thresholdGB);
    up_->setEnabled(finite && rule.thresholdGB < kMaxGB);
    down_->setEnabled(finite && rule.thresholdGB > kMinGB);
    toggle_->update();
}

double RuleRow::stepUp(double gigabytes) {
    if (!std::isfinite(gigabytes) || gigabytes >= kMaxGB) return gigabytes;
    const double step = gigabytes >= 10 ? 5 : 1;
    return std::clamp(gigabytes + step, kMinGB, kMaxGB);
}

double RuleRow::stepDown(double gigabytes) {
    if (!std::isfinite(gigabytes) || gigabytes <= kMinGB) return gigabytes;
    const double step = gigabytes >= 10 ? 5 : 1;
    return std::clamp(gigabytes - step, kMinGB, kMaxGB);
}

QString RuleRow::thresholdLabel(double gigabytes) {
    return sorbeta::tr("≥ %1 G").arg(qlonglong(CareMath::wholeGB(gigabytes)));
}

}  // namespace sorbeta
