#include "ui/views/clean/Toasts.h"

#include <QCursor>
#include <QEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "model/common/Bytes.h"
#include "platform/Translate.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/ImageEffects.h"
#include "ui/kit/KitText.h"
#include "ui/kit/Theme.h"

namespace sorbeta {

bool ToastCountdown::step(bool hovering) {
    if (!hovering) remaining_ -= kStep;
    return !(remaining_ > 0);
}

// --- Toast

Toast::Toast(double seconds, QColor shadow, std::function<void()> dismiss, QWidget* parent)
    : QWidget(parent), countdown_(seconds), shadow_(shadow), dismiss_(std::move(dismiss)) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);  // the pointer may cross the shadow margin into the capsule
    // A missed leave event must not keep the toast open for ever: each step
    // also asks where the pointer really is.
    probe_ = [this] { return isVisible() && overCapsule(QPointF(mapFromGlobal(QCursor::pos()))); };
    timer_.setObjectName(QStringLiteral("toastClock"));
    timer_.setTimerType(Qt::PreciseTimer);  // monotonic, like every Qt timer
    timer_.setInterval(int(ToastCountdown::kStep * 1000));
    connect(&timer_, &QTimer::timeout, this, &Toast::step);
}

void Toast::start() {
    if (countdown_.overAtStart()) {
        closeNow();
        return;
    }
    timer_.start();
}

void Toast::step() {
    if (dismissed_) return;
    if (hovering_ && probe_ && !probe_()) hovering_ = false;
    if (countdown_.step(hovering_)) closeNow();
}

void Toast::closeNow() {
    if (dismissed_) return;
    dismissed_ = true;
    timer_.stop();
    runQueued(dismiss_);
}

void Toast::runQueued(std::function<void()> action) {
    if (!action) return;
    // Dropped if the toast is gone by then: a removed toast calls nothing.
    QMetaObject::invokeMethod(
        this, [action = std::move(action)] { action(); }, Qt::QueuedConnection);
}

QRectF Toast::capsuleRect() const { return QRectF(rect()).marginsRemoved(QMarginsF(kShadowMargins)); }

void Toast::enterEvent(QEnterEvent* event) {
    hovering_ = overCapsule(event->position());
    QWidget::enterEvent(event);
}

void Toast::mouseMoveEvent(QMouseEvent* event) {
    hovering_ = overCapsule(event->position());
    QWidget::mouseMoveEvent(event);
}

bool Toast::eventFilter(QObject* watched, QEvent* event) {
    // A button's own shadow room reaches past the capsule: entering the button
    // there is not yet the toast.
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        if (auto* child = qobject_cast<QWidget*>(watched)) {
            const QPointF at = event->type() == QEvent::Enter ? static_cast<QEnterEvent*>(event)->position()
                                                              : static_cast<QMouseEvent*>(event)->position();
            hovering_ = overCapsule(child->mapTo(this, at));
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Toast::leaveEvent(QEvent* event) {
    hovering_ = false;
    QWidget::leaveEvent(event);
}

void Toast::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange) applyMargins();
}

void Toast::applyMargins() {
    if (!row_) return;
    // 18 on the leading edge, 8 on the trailing edge, 8 above and below.
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const int leading = 18, trailing = 8;
    row_->setContentsMargins(kShadowMargins.left() + (rtl ? trailing : leading), kShadowMargins.top() + 8,
                             kShadowMargins.right() + (rtl ? leading : trailing), kShadowMargins.bottom() + 8);
}

void Toast::buildRow(const QString& glyph, const QString& title, const QString& subtitle) {
    row_ = new QHBoxLayout(this);
    row_->setSpacing(12);
    row_->setSizeConstraint(QLayout::SetFixedSize);
    applyMargins();

    // Shown verbatim: names of rules and applications are never markup.
    QFont emojiFont = font();
    emojiFont.setPixelSize(26);
    QLabel* emoji = makeKitText(glyph, emojiFont, Theme::ink(), this);
    emoji->setObjectName(QStringLiteral("toastGlyph"));
    row_->addWidget(emoji, 0, Qt::AlignVCenter);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    QLabel* titleLabel = makeKitText(title, roundedFont(16, QFont::Bold), Theme::ink(), this);
    titleLabel->setObjectName(QStringLiteral("toastTitle"));
    QLabel* subtitleLabel = makeKitText(subtitle, roundedFont(12, QFont::Normal), Theme::inkSoft(), this);
    subtitleLabel->setObjectName(QStringLiteral("toastSubtitle"));
    texts->addWidget(titleLabel, 0, Qt::AlignLeading);
    texts->addWidget(subtitleLabel, 0, Qt::AlignLeading);
    row_->addLayout(texts);
}

void Toast::addButton(const QString& text, Flavor flavor, double height, std::function<void()> run) {
    auto* button = new CandyButton(text, flavor, true, height, this);
    button->installEventFilter(this);
    button->setMouseTracking(true);
    connect(button, &QAbstractButton::clicked, this, [run = std::move(run)] { run(); });
    buttons_.push_back(button);
}

void Toast::finishRow() {
    double width = 0, height = 0;
    for (QWidget* button : buttons_) {
        const QSize capsule = button->sizeHint().shrunkBy(CandyButton::kShadowMargins);
        width += capsule.width();
        height = std::max(height, double(capsule.height()));
    }
    // Box layouts put no spacing next to a spacer item: the 12 before the
    // first button is part of the space.
    width += 12.0 * double(buttons_.size());
    buttonSpace_ =
        new QSpacerItem(int(std::ceil(width)), int(std::ceil(height)), QSizePolicy::Fixed, QSizePolicy::Fixed);
    row_->addSpacerItem(buttonSpace_);
}

void Toast::placeButtons() {
    if (!buttonSpace_) return;
    const QRect space = buttonSpace_->geometry();
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    int x = rtl ? space.right() + 1 - 12 : space.left() + 12;
    for (QWidget* button : buttons_) {
        const QSize full = button->sizeHint();
        const QSize capsule = full.shrunkBy(CandyButton::kShadowMargins);
        if (rtl) x -= capsule.width();
        const int top = space.center().y() - capsule.height() / 2;
        button->setGeometry(
            QRect(QPoint(x - CandyButton::kShadowMargins.left(), top - CandyButton::kShadowMargins.top()), full));
        x += rtl ? -12 : capsule.width() + 12;
    }
}

void Toast::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeButtons();
}

bool Toast::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // The row settles its geometry on a layout request, after any resize.
    if (event->type() == QEvent::LayoutRequest) placeButtons();
    return handled;
}

void Toast::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF capsule = capsuleRect();
    if (capsule.isEmpty()) return;
    const double ratio = ImageEffects::pixelRatioOf(painter);
    QPainterPath path;
    path.addRoundedRect(capsule, capsule.height() / 2, capsule.height() / 2);
    const QPainterPath local = path.translated(-capsule.topLeft());
    const auto& shadow = ImageEffects::LayerCache::shared().get(
        {0x70a5, int(capsule.width()), int(capsule.height()), 0, 2000, 0, 800, withOpacity(shadow_, 0.25).rgba(),
         int(ratio * 100)},
        [&] { return ImageEffects::dropShadow(local, withOpacity(shadow_, 0.25), 20, QPointF(0, 8), ratio); });
    ImageEffects::drawLayer(painter, {shadow.image, shadow.target.translated(capsule.topLeft())});
    painter.fillPath(path, Qt::white);
}

// --- Freed toast

QString FreedToast::titleText(int64_t bytes, bool held) {
    const QString size = Bytes::text(bytes, false);
    return held ? sorbeta::tr("移走了 %1").arg(size) : sorbeta::tr("释放了 %1").arg(size);
}

QString FreedToast::subtitleText(int64_t bytes, const QStringList& skipped, int failed, bool held) {
    // Items that would not go are never passed over in silence: a clean that
    // freed something yet left some behind is no plain success.
    const QString stayed = failed >= 1 && (bytes >= 1 || !skipped.isEmpty())
                               ? sorbeta::tr("有 %n 项没能清理掉，还在原处", nullptr, failed)
                               : QString();
    if (!skipped.isEmpty()) {
        const QString busy = sorbeta::tr("%1 的应用还开着，这次先跳过了").arg(QLocale().createSeparatedList(skipped));
        return stayed.isEmpty() ? busy : busy + u'\n' + stayed;
    }
    // Nothing skipped and nothing freed: every item stayed where it was (a
    // hold that was refused, a removal that failed), so the disk is no lighter.
    if (bytes == 0) return sorbeta::tr("这次没能清理掉任何东西，文件都还在原处");
    if (!stayed.isEmpty()) return stayed;
    return held ? sorbeta::tr("在暂存区放 7 天，后悔了可以恢复") : sorbeta::tr("磁盘轻了一点点");
}

FreedToast::FreedToast(int64_t bytes, QStringList skipped, int failed, bool held, Actions actions, QWidget* parent)
    : Toast(actions.share ? 12.0 : 6.0, rgba(255, 92, 138), actions.dismiss, parent) {
    buildRow(sorbeta::tr("🍧"), titleText(bytes, held), subtitleText(bytes, skipped, failed, held));
    auto later = [this](std::function<void()> action) { return [this, action] { runQueued(action); }; };
    if (held && actions.freeNow) addButton(sorbeta::tr("现在腾出空间"), Flavor::grape, 46, later(actions.freeNow));
    if (actions.share) addButton(sorbeta::tr("分享战报"), Flavor::strawberry, 46, later(actions.share));
    addButton(sorbeta::tr("好耶"), Flavor::lime, 46, [this] { closeNow(); });
    finishRow();
    start();
}

// --- Candy toast

CandyToast::CandyToast(QString emoji, QString title, QString subtitle, std::optional<Action> action, double seconds,
                       QString dismissTitle, std::function<void()> dismiss, QWidget* parent)
    : Toast(seconds, rgba(161, 102, 255), dismiss, parent) {
    buildRow(emoji, title, subtitle);
    if (action)
        addButton(action->title, Flavor::strawberry, 36, [this, handler = action->handler] { runQueued(handler); });
    addButton(dismissTitle, Flavor::grape, 36, [this] { closeNow(); });
    finishRow();
    start();
}

}  // namespace sorbeta
