#include "ui/kit/TransitionLayer.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QLayout>
#include <QPainter>
#include <algorithm>

#include "ui/kit/KitClock.h"

namespace sorbeta {

namespace {

// Draws a live pane as a transition's look says: faded, moved and scaled
// about its centre.
class PaneLookEffect final : public QGraphicsEffect {
public:
    explicit PaneLookEffect(QObject* parent) : QGraphicsEffect(parent) {}

    void setLook(const PaneLook& look) {
        look_ = look;
        updateBoundingRect();
        update();
    }

    QRectF boundingRectFor(const QRectF& rect) const override { return rect | placed(rect); }

protected:
    void draw(QPainter* painter) override {
        if (look_.opacity <= 0.0 || look_.scale <= 0.0) return;
        QPoint offset;
        const QPixmap pixmap = sourcePixmap(Qt::LogicalCoordinates, &offset, QGraphicsEffect::NoPad);
        painter->save();
        painter->setOpacity(painter->opacity() * look_.opacity);
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawPixmap(placed(QRectF(offset, pixmap.deviceIndependentSize())), pixmap, QRectF(pixmap.rect()));
        painter->restore();
    }

private:
    QRectF placed(const QRectF& rect) const {
        const QPointF center = rect.center() + look_.offset;
        const QSizeF size = rect.size() * std::max(look_.scale, 0.0);
        return QRectF(center - QPointF(size.width() / 2, size.height() / 2), size);
    }

    PaneLook look_{0.0, {}, 1.0};
};

}  // namespace

QPixmap pictureOf(QWidget* pane) {
    // Rendered on a transparent ground: QWidget::grab() would also paint the
    // window's background colour behind panes that have none.
    const double ratio = pane->devicePixelRatioF();
    QPixmap picture(pane->size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    pane->render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
    return picture;
}

TransitionLayer::TransitionLayer(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(parent->rect());
    parent->installEventFilter(this);
    hide();
    frames_.setInterval(16);
    connect(&frames_, &QTimer::timeout, this, &TransitionLayer::step);
}

double TransitionLayer::presenceOf(const QWidget* pane) const {
    for (const Ghost& ghost : ghosts_)
        if (ghost.pane == pane) return ghost.presence.valueAt(kitNow());
    return -1.0;
}

double TransitionLayer::takeGhost(const QWidget* pane, double otherwise) {
    const auto found = std::find_if(ghosts_.begin(), ghosts_.end(), [&](const Ghost& g) { return g.pane == pane; });
    if (found == ghosts_.end()) return otherwise;
    const double presence = std::clamp(found->presence.valueAt(kitNow()), 0.0, 1.0);
    reveal(*found);
    ghosts_.erase(found);
    return presence;
}

void TransitionLayer::reveal(Ghost& ghost) {
    if (ghost.entering && ghost.pane) ghost.pane->setGraphicsEffect(nullptr);
}

void TransitionLayer::enter(QWidget* pane, const Transition& transition, Spring spring, Arrival arrival) {
    for (const Ghost& ghost : ghosts_)
        if (ghost.pane == pane && ghost.entering) return;  // already on its way in
    // A pane called back while leaving returns from where its picture is.
    const double from = takeGhost(pane, 0.0);
    pane->show();
    if (!pane->isVisible()) return;  // the window is not on screen: nothing to animate
    if (pane->layout()) pane->layout()->activate();

    const bool live = arrival == Arrival::live;
    Ghost ghost{pane,
                live ? QPixmap() : pictureOf(pane),
                QRectF(pane->mapTo(parentWidget(), QPoint(0, 0)), QSizeF(pane->size())),
                transition,
                SpringValue(spring, from),
                pane->layoutDirection(),
                true,
                live};
    if (live) {
        auto* look = new PaneLookEffect(pane);
        look->setLook(paneLook(transition, from, ghost.home.size(), ghost.direction));
        pane->setGraphicsEffect(look);
    } else {
        // Live but unseen until its picture has arrived (an opacity effect at
        // 0 draws nothing at all).
        auto* hidden = new QGraphicsOpacityEffect(pane);
        hidden->setOpacity(0.0);
        pane->setGraphicsEffect(hidden);
    }
    addGhost(std::move(ghost), 1.0);
}

void TransitionLayer::leave(QWidget* pane, const Transition& transition, Spring spring) {
    for (const Ghost& ghost : ghosts_)
        if (ghost.pane == pane && !ghost.entering) return;  // already on its way out
    // The opacity effect of an arriving pane comes off before its picture is
    // taken, so the picture shows the pane itself.
    const double from = takeGhost(pane, 1.0);
    if (!pane->isVisible()) {
        pane->hide();
        return;
    }
    Ghost ghost{pane,
                pictureOf(pane),
                QRectF(pane->mapTo(parentWidget(), QPoint(0, 0)), QSizeF(pane->size())),
                transition,
                SpringValue(spring, from),
                pane->layoutDirection(),
                false,
                false};
    pane->hide();
    addGhost(std::move(ghost), 0.0);
}

void TransitionLayer::addGhost(Ghost ghost, double to) {
    ghost.presence.setTarget(to, kitNow());
    ghosts_.push_back(std::move(ghost));
    setGeometry(parentWidget()->rect());
    show();
    raise();
    update();
    if (!frames_.isActive()) frames_.start();
}

void TransitionLayer::restyleLive(double now) {
    for (const Ghost& ghost : ghosts_) {
        if (!ghost.live || !ghost.pane) continue;
        if (auto* look = dynamic_cast<PaneLookEffect*>(ghost.pane->graphicsEffect()))
            look->setLook(paneLook(ghost.transition, ghost.presence.valueAt(now), ghost.home.size(), ghost.direction));
    }
}

void TransitionLayer::step() {
    const double now = kitNow();
    for (auto it = ghosts_.begin(); it != ghosts_.end();) {
        if (it->presence.settledAt(now)) {
            reveal(*it);
            it = ghosts_.erase(it);
        } else {
            ++it;
        }
    }
    restyleLive(now);
    update();
    if (ghosts_.empty()) {
        frames_.stop();
        hide();
    }
}

void TransitionLayer::finish() {
    for (Ghost& ghost : ghosts_) reveal(ghost);
    ghosts_.clear();
    frames_.stop();
    hide();
}

bool TransitionLayer::eventFilter(QObject* watched, QEvent* event) {
    // Pictures hold the old geometry: a resized window ends the transitions.
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        finish();
        setGeometry(parentWidget()->rect());
    }
    return QWidget::eventFilter(watched, event);
}

void TransitionLayer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double now = kitNow();
    for (const Ghost& ghost : ghosts_) {
        if (ghost.live) continue;  // it draws itself
        const PaneLook look =
            paneLook(ghost.transition, ghost.presence.valueAt(now), ghost.home.size(), ghost.direction);
        if (look.opacity <= 0.0 || look.scale <= 0.0) continue;
        painter.save();
        painter.setOpacity(look.opacity);
        painter.translate(ghost.home.center() + look.offset);
        painter.scale(look.scale, look.scale);
        const QSizeF size = ghost.home.size();
        painter.drawPixmap(QRectF(QPointF(-size.width() / 2, -size.height() / 2), size), ghost.picture,
                           QRectF(ghost.picture.rect()));
        painter.restore();
    }
}

}  // namespace sorbeta
