#include "ui/kit/CandyDialogView.h"

#include <QAbstractButton>
#include <QGraphicsOpacityEffect>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

#include "ui/kit/CandyBackground.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/CandyPaint.h"
#include "ui/kit/ImageEffects.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/KitText.h"
#include "ui/kit/Theme.h"
#include "ui/kit/TransitionLayer.h"
#include "ui/kit/WrapAnywhereLabel.h"

namespace sorbeta {
namespace {

constexpr qreal kCardRadius = 30;
constexpr qreal kShadowRadius = 30;
constexpr qreal kShadowDrop = 12;
constexpr qreal kBorderWidth = 1.5;
constexpr qreal kBackdropOpacity = 0.28;

QLabel* makeLabel(const QString& text, const QFont& font, const QColor& color, Qt::Alignment alignment,
                  QWidget* parent) {
    // Titles and messages carry file and application names: plain text only.
    QLabel* label = makeKitText(text, font, color, parent);
    label->setWordWrap(true);
    label->setAlignment(alignment);
    return label;
}

QAbstractButton* makeChoiceButton(const CandyDialog::Choice& choice, qreal height, QWidget* parent) {
    // Compact in both places; the height differs.
    return new CandyButton(choice.title, choice.flavor, true, height, parent);
}

}  // namespace

// ---------------------------------------------------------------- card ----

CandyDialogCard::CandyDialogCard(const CandyDialog& dialog, bool compact, std::function<void(int)> choose,
                                 QWidget* parent)
    : QWidget(parent),
      id_(dialog.id),
      compact_(compact),
      accent_(accentFlavor(dialog)),
      emoji_(dialog.emoji),
      choose_(std::move(choose)) {
    const CandyDialogMeasures& m = dialogMeasures(compact);
    // A title is never cut: a word too long for the line wraps inside itself.
    title_ = new WrapAnywhereLabel(dialog.title, this);
    title_->setFont(roundedFont(m.titleSize, QFont::ExtraBold));
    QPalette ink = title_->palette();
    ink.setColor(QPalette::WindowText, Theme::ink());
    title_->setPalette(ink);
    title_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    if (!dialog.message.isEmpty()) {
        messageArea_ = new QScrollArea(this);
        messageArea_->setFrameShape(QFrame::NoFrame);
        messageArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        messageArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // scrolls, indicators hidden
        messageArea_->setWidgetResizable(true);
        messageArea_->setAutoFillBackground(false);
        messageArea_->viewport()->setAutoFillBackground(false);
        QLabel* message = makeLabel(dialog.message, roundedFont(m.messageSize), Theme::inkSoft(),
                                    Qt::AlignLeading | Qt::AlignTop, nullptr);
        messageArea_->setWidget(message);
        message->setAutoFillBackground(false);  // setWidget() turned it on; the box shows through
    }
    for (std::size_t i = 0; i < dialog.choices.size(); ++i) {
        QAbstractButton* button = makeChoiceButton(dialog.choices[i], m.buttonHeight, this);
        // The overlay answers Return and Escape; buttons never hold the focus.
        button->setFocusPolicy(Qt::NoFocus);
        const int index = int(i);
        connect(button, &QAbstractButton::clicked, this, [this, index] {
            if (choose_) choose_(index);
        });
        buttons_.push_back(button);
    }
    relayout();
}

QMargins CandyDialogCard::shadowRoom() const {
    if (compact_) return {};
    const int side = int(kShadowRadius);
    return {side, int(kShadowRadius - kShadowDrop), side, int(kShadowRadius + kShadowDrop)};
}

QRect CandyDialogCard::cardRect() const {
    const QMargins room = shadowRoom();
    return QRect(room.left(), room.top(), int(std::ceil(layout_.card.width())), int(std::ceil(layout_.card.height())));
}

QAbstractButton* CandyDialogCard::button(int choice) const {
    return choice >= 0 && choice < int(buttons_.size()) ? buttons_[std::size_t(choice)] : nullptr;
}

QSize CandyDialogCard::sizeHint() const { return cardRect().marginsAdded(shadowRoom()).size(); }

void CandyDialogCard::relayout() {
    const CandyDialogMeasures& m = dialogMeasures(compact_);
    const qreal inner = m.innerWidth();
    const qreal titleHeight = title_->heightForWidth(int(inner));
    qreal messageHeight = 0;
    if (messageArea_) messageHeight = messageArea_->widget()->heightForWidth(int(inner - 2 * kMessagePadding));
    std::vector<qreal> widths;
    for (QAbstractButton* button : buttons_) {
        const auto* candy = static_cast<CandyButton*>(button);
        widths.push_back(candyButtonSize(candy->text(), true, candy->buttonHeight(), {}).width());
    }
    layout_ = layoutCard(compact_, titleHeight, messageArea_ != nullptr, messageHeight, widths, layoutDirection());

    const QPointF origin = cardRect().topLeft();
    title_->setGeometry(layout_.title.translated(origin).toAlignedRect());
    if (messageArea_) messageArea_->setGeometry(layout_.messageArea->translated(origin).toAlignedRect());
    const QPointF buttonsOrigin = origin + layout_.buttonArea.topLeft();
    for (const ButtonPlacement& placement : layout_.buttons.buttons)
        // The button widget keeps room around its capsule for the shadow.
        buttons_[std::size_t(placement.choice)]->setGeometry(
            placement.rect.translated(buttonsOrigin).toRect().marginsAdded(CandyButton::kShadowMargins));
    setFixedSize(sizeHint());
}

void CandyDialogCard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const CandyDialogMeasures& m = dialogMeasures(compact_);
    const JellyPalette accent = sorbeta::palette(accent_);
    const QRectF card = QRectF(cardRect());

    if (compact_) {
        paintCandyBackground(painter, card);
    } else {
        QPainterPath shape;
        shape.addRoundedRect(card, kCardRadius, kCardRadius);
        ImageEffects::drawLayer(painter,
                                ImageEffects::dropShadow(shape, withOpacity(accent.deep, 0.25), kShadowRadius,
                                                         QPointF(0, kShadowDrop), ImageEffects::pixelRatioOf(painter)));
        painter.fillPath(shape, Qt::white);
        // The border lies inside the edge.
        const qreal inset = kBorderWidth / 2;
        QPainterPath border;
        border.addRoundedRect(card.adjusted(inset, inset, -inset, -inset), kCardRadius - inset, kCardRadius - inset);
        painter.strokePath(border, QPen(withOpacity(accent.light, 0.6), kBorderWidth));
    }

    const QRectF circle = layout_.emojiCircle.translated(card.topLeft());
    QLinearGradient tint(circle.topLeft(), circle.bottomLeft());
    tint.setColorAt(0, withOpacity(accent.light, 0.7));
    tint.setColorAt(1, withOpacity(accent.light, 0.3));
    painter.setPen(Qt::NoPen);
    painter.setBrush(tint);
    painter.drawEllipse(circle);
    QFont emojiFont;
    emojiFont.setPixelSize(m.emojiSize);
    painter.setFont(emojiFont);
    painter.setPen(Theme::ink());
    painter.drawText(circle, Qt::AlignCenter, emoji_);

    if (layout_.messageBox) {
        QPainterPath box;
        box.addRoundedRect(layout_.messageBox->translated(card.topLeft()), kMessageCornerRadius, kMessageCornerRadius);
        painter.fillPath(box, m.messageBox);
    }
}

// ------------------------------------------------------------- overlay ----

struct CandyDialogOverlay::Presence {
    QPointer<CandyDialogCard> card;
    SpringValue spring;
    QPixmap snapshot;  // painted while the card moves
    bool leaving = false;
};

CandyDialogOverlay::CandyDialogOverlay(CandyDialog::Host host, QWidget* content, CandyDialogCenter& center,
                                       QWidget* parent)
    : QWidget(parent), host_(host), content_(content), center_(center), backdrop_(spring(), 0.0) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    frame_.setInterval(16);
    frame_.setTimerType(Qt::PreciseTimer);
    connect(&frame_, &QTimer::timeout, this, &CandyDialogOverlay::tick);
    connect(&center_, &CandyDialogCenter::currentChanged, this, &CandyDialogOverlay::sync);
    hide();
    sync();
}

CandyDialogOverlay::~CandyDialogOverlay() {
    if (content_ && contentFade_) content_->setGraphicsEffect(nullptr);
}

Spring CandyDialogOverlay::spring() const {
    return host_ == CandyDialog::Host::main ? Spring{0.4, 0.72} : Spring{0.35, 0.8};
}

CandyDialogCard* CandyDialogOverlay::card() const {
    for (const auto& presence : cards_)
        if (!presence->leaving) return presence->card;
    return nullptr;
}

void CandyDialogOverlay::sync() {
    const CandyDialog* dialog = center_.currentFor(host_);
    const QUuid id = dialog ? dialog->id : QUuid();
    if (id == shownId_) return;
    const double now = kitNow();
    for (auto& presence : cards_) {
        if (presence->leaving) continue;
        presence->leaving = true;
        if (presence->card && presence->card->isVisible()) presence->snapshot = pictureOf(presence->card);
        // Hidden at once: a second click on the old card must not answer the
        // next dialog.
        if (presence->card) presence->card->hide();
        presence->spring.setTarget(0.0, now);
    }
    shownId_ = id;
    if (dialog) {
        auto presence = std::make_unique<Presence>();
        presence->card = new CandyDialogCard(
            *dialog, host_ == CandyDialog::Host::menuBar,
            [this, id](int index) {
                // Only the dialog this card shows may be answered from it.
                if (center_.current() && center_.current()->id == id) center_.choose(index);
            },
            this);
        presence->card->hide();
        // On a clear ground, so only the rounded card and its shadow move.
        presence->snapshot = pictureOf(presence->card);
        presence->spring = SpringValue(spring(), 0.0);
        presence->spring.setTarget(1.0, now);
        cards_.push_back(std::move(presence));
        placeCards();
        show();
        raise();
        setFocus(Qt::OtherFocusReason);
    }
    backdrop_.setTarget(dialog ? 1.0 : 0.0, now);
    frame_.start();
    tick();
}

void CandyDialogOverlay::placeCards() {
    for (auto& presence : cards_) {
        if (!presence->card) continue;
        const QRect cardRect = presence->card->cardRect();
        const QPoint centre = rect().center();
        presence->card->move(centre - cardRect.center());
    }
}

void CandyDialogOverlay::tick() {
    const double now = kitNow();
    bool moving = !backdrop_.settledAt(now);
    for (auto it = cards_.begin(); it != cards_.end();) {
        Presence& presence = **it;
        if (presence.spring.settledAt(now)) {
            if (presence.leaving) {
                if (presence.card) presence.card->deleteLater();
                it = cards_.erase(it);
                continue;
            }
            if (presence.card && !presence.card->isVisible()) {
                presence.card->show();
                presence.snapshot = QPixmap();
            }
        } else {
            moving = true;
        }
        ++it;
    }
    updateContentFade(std::clamp(backdrop_.valueAt(now), 0.0, 1.0));
    if (!moving) {
        frame_.stop();
        if (cards_.empty() && shownId_.isNull()) {
            const bool hadFocus = hasFocus();
            hide();
            if (hadFocus && content_) content_->setFocus(Qt::OtherFocusReason);
        }
    }
    update();
}

void CandyDialogOverlay::updateContentFade(double backdrop) {
    if (host_ != CandyDialog::Host::menuBar || !content_) return;
    // The panel's content disappears while a dialog takes its place.
    if (backdrop <= 0.0005 && shownId_.isNull()) {
        if (contentFade_) {
            content_->setGraphicsEffect(nullptr);  // deletes the effect
            contentFade_ = nullptr;
        }
        return;
    }
    if (!contentFade_) {
        contentFade_ = new QGraphicsOpacityEffect(content_);
        content_->setGraphicsEffect(contentFade_);
    }
    contentFade_->setOpacity(1.0 - backdrop);
}

void CandyDialogOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double now = kitNow();
    if (host_ == CandyDialog::Host::main) {
        const double backdrop = std::clamp(backdrop_.valueAt(now), 0.0, 1.0);
        painter.fillRect(rect(), withOpacity(Theme::ink(), kBackdropOpacity * backdrop));
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double smallest = host_ == CandyDialog::Host::main ? 0.85 : 0.96;
    for (const auto& presence : cards_) {
        if (!presence->card || presence->card->isVisible() || presence->snapshot.isNull()) continue;
        const double value = presence->spring.valueAt(now);
        const double opacity = std::clamp(value, 0.0, 1.0);
        if (opacity <= 0) continue;
        const double scale = smallest + (1.0 - smallest) * value;
        const QRectF target = QRectF(presence->card->geometry());
        const QPointF centre = QRectF(presence->card->cardRect()).translated(target.topLeft()).center();
        painter.save();
        painter.setOpacity(opacity);
        painter.translate(centre);
        painter.scale(scale, scale);
        painter.translate(-centre);
        painter.drawPixmap(target, presence->snapshot, QRectF(presence->snapshot.rect()));
        painter.restore();
    }
}

void CandyDialogOverlay::answerKey(std::optional<int> choice) {
    if (!choice || shownId_.isNull()) return;
    if (!center_.current() || center_.current()->id != shownId_) return;
    center_.choose(*choice);
}

void CandyDialogOverlay::keyPressEvent(QKeyEvent* event) {
    const CandyDialog* dialog = center_.currentFor(host_);
    if (!dialog || dialog->id != shownId_) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: answerKey(returnChoice(*dialog)); break;
        case Qt::Key_Escape: answerKey(escapeChoice(*dialog)); break;
        default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void CandyDialogOverlay::mousePressEvent(QMouseEvent* event) {
    // The backdrop takes every click and does nothing with it.
    event->accept();
}

void CandyDialogOverlay::resizeEvent(QResizeEvent*) { placeCards(); }

bool CandyDialogOverlay::focusNextPrevChild(bool next) {
    if (!shownId_.isNull()) return true;  // Tab stays with the dialog
    return QWidget::focusNextPrevChild(next);
}

// --------------------------------------------------------------- frame ----

QWidget* candyDialogHost(QWidget* content, CandyDialog::Host host, CandyDialogCenter& center) {
    auto* frame = new QWidget;
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(content, 0, 0);
    auto* overlay = new CandyDialogOverlay(host, content, center, frame);
    grid->addWidget(overlay, 0, 0);
    overlay->raise();
    return frame;
}

}  // namespace sorbeta
