#include "ui/map/JellyMapView.h"

#include <QBackingStore>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <span>

#include "platform/Translate.h"
#include "ui/jelly/JellyBody.h"
#include "ui/jelly/SelectionRing.h"
#include "ui/kit/DeviceRects.h"
#include "ui/kit/FileViewer.h"
#include "ui/kit/ImageEffects.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/KitText.h"
#include "ui/kit/SoundFX.h"
#include "ui/kit/WindowExposure.h"
#include "ui/map/JellyMapViewBands.h"
#include "ui/map/MapLayout.h"
#include "ui/map/MapRepaint.h"

namespace sorbeta {
namespace {

constexpr Spring kLayoutSpring{0.7, 0.62};
constexpr Spring kHoverSpring{0.3, 0.6};
constexpr Spring kDotSpring{0.3, 0.5};
constexpr double kIdleInterval = 1.0 / 15.0;
constexpr int kOpenDelayMs = 160;
constexpr int kRecheckDelayMs = 1700;
// Shadow layers a frame makes per band while similar ones stand in: while a
// relayout animates every size, or the pointer moves a bulge, the map stays
// smooth and the exact layers fill in over the next frames.
constexpr int kLayersPerFrame = 4;

// Device pixels of a region in widget coordinates, and back (each rectangle
// grown to whole pixels).
QRegion toPixels(const QRegion& region, double ratio) {
    if (ratio == 1.0) return region;
    QRegion pixels;
    for (const QRect& r : region)
        pixels += QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio).toAlignedRect();
    return pixels;
}

QRegion toPoints(const QRegion& pixels, double ratio) {
    if (ratio == 1.0) return pixels;
    QRegion points;
    for (const QRect& r : pixels)
        points += QRectF(r.x() / ratio, r.y() / ratio, r.width() / ratio, r.height() / ratio).toAlignedRect();
    return points;
}

bool hasArea(const BlobFrame& frame) { return frame.rect.width() > 0 && frame.rect.height() > 0; }

}  // namespace

// What the map keeps per drawn jelly between frames.
struct JellyMapView::Blob {
    MapNode node;
    bool present = true;  // false while fading out of the map
    SpringValue x{kLayoutSpring}, y{kLayoutSpring}, w{kLayoutSpring}, h{kLayoutSpring};
    SpringValue fade{kLayoutSpring, 0.0};
    SpringValue hover{kHoverSpring, 0.0};
    SpringValue dot{kDotSpring, 0.0};
    bool dotKnown = false;
    SquishAnimation squish;
    JellyLabelImage label;
    QImage icon;  // the node's icon at its drawn size, so any thread may draw it
    QString iconKey;
    // What the label and icon were last made for: frames reuse them until
    // the node, its size, the pixel ratio, the direction or the ink change
    // (or the language: `imagesStale`).
    bool imagesStale = true;
    QSizeF imagesSize;
    double imagesRatio = 0;
    bool imagesRightToLeft = false;
    QRgb imagesInk = 0;
    QPainterPath hitShape;  // resting outline in the blob's own coordinates
    QSizeF hitSize;
    MapNode::Kind hitKind = MapNode::Kind::category;
    int order = 0;  // position in the layout result
    // What the map's image shows of it: changed only by a frame that asks to
    // repaint every pixel the change can reach, so any repaint of any part
    // draws the same jelly.
    BlobFrame shown;
    int shownLevel = 0;
    bool hasShown = false;

    QRectF rectAt(double now) const {
        return QRectF(x.valueAt(now), y.valueAt(now), std::max(w.valueAt(now), 0.0), std::max(h.valueAt(now), 0.0));
    }
    // Moving or fading: its old place must be repainted too.
    bool placingAt(double now) const {
        return !x.settledAt(now) || !y.settledAt(now) || !w.settledAt(now) || !h.settledAt(now) || !fade.settledAt(now);
    }
    bool movingAt(double now) const {
        return !x.settledAt(now) || !y.settledAt(now) || !w.settledAt(now) || !h.settledAt(now) ||
               !fade.settledAt(now) || !hover.settledAt(now) || !dot.settledAt(now) || squish.runningAt(now);
    }
};

JellyMapView::JellyMapView(MapServices services, QWidget* parent) : QWidget(parent), services_(std::move(services)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    frameTimer_.setTimerType(Qt::PreciseTimer);
    connect(&frameTimer_, &QTimer::timeout, this, [this] {
        advanceFrame();
        scheduleFrame();
    });
    exposure_ = new WindowExposure(this);
    connect(exposure_, &WindowExposure::seenChanged, this, &JellyMapView::seenChanged);
    if (!services_.schedule)
        services_.schedule = [this](int ms, std::function<void()> task) {
            QTimer::singleShot(ms, this, std::move(task));
        };
}

JellyMapView::~JellyMapView() {
    // Hiding while QWidget's destructor runs would report to a view that is gone.
    delete exposure_;
}

void JellyMapView::setNodes(std::vector<MapNode> nodes) {
    nodes_ = std::move(nodes);
    relayout();
}

void JellyMapView::setSelection(std::optional<MapSelection> selection) {
    selection_ = std::move(selection);
    update();
}

void JellyMapView::setOnOpen(std::function<void(const MapNode&)> onOpen) { onOpen_ = std::move(onOpen); }

void JellyMapView::setGap(double gap) {
    gap_ = gap;
    relayout();
}

void JellyMapView::setReduceMotion(bool reduce) {
    reduceMotion_ = reduce;
    update();
    scheduleFrame();
}

bool JellyMapView::isTicked(const std::string& id) const {
    const PlacedNode* placed = placedNode(id);
    if (!placed || placed->node.kind != MapNode::Kind::item) return false;
    return selection_ && selection_->isOn && selection_->isOn(id);
}

int JellyMapView::pokes(const std::string& id) const {
    const auto found = pokes_.find(id);
    return found == pokes_.end() ? 0 : found->second;
}

const PlacedNode* JellyMapView::placedNode(const std::string& id) const {
    for (const PlacedNode& placed : placed_)
        if (placed.node.id == id) return &placed;
    return nullptr;
}

QRectF JellyMapView::targetRect(const std::string& id) const {
    const PlacedNode* placed = placedNode(id);
    return placed ? placed->rect : QRectF();
}

// --- Layout

void JellyMapView::relayout() {
    const double now = kitNow();
    // Each rect already stands half a gap inside its share; the edges keep the
    // rest of the selection ring's reach, so the map never cuts a ring off.
    const double room = std::max(0.0, kSelectionReach - gap_ / 2);
    placed_ = MapLayout::layout(nodes_, QRectF(0, 0, width(), height()).adjusted(room, room, -room, -room), gap_);
    if (layoutDirection() == Qt::RightToLeft)
        for (PlacedNode& placed : placed_) placed.rect.moveLeft(width() - placed.rect.right());

    for (auto& [id, blob] : blobs_) blob->present = false;
    int order = 0;
    for (const PlacedNode& placed : placed_) {
        auto& slot = blobs_[placed.node.id];
        const QRectF& r = placed.rect;
        if (!slot) {
            // A new jelly appears where it belongs and fades in.
            slot = std::make_unique<Blob>();
            slot->x.jumpTo(r.x());
            slot->y.jumpTo(r.y());
            slot->w.jumpTo(r.width());
            slot->h.jumpTo(r.height());
        } else {
            slot->x.setTarget(r.x(), now);
            slot->y.setTarget(r.y(), now);
            slot->w.setTarget(r.width(), now);
            slot->h.setTarget(r.height(), now);
        }
        slot->fade.setTarget(1.0, now);
        slot->node = placed.node;
        slot->imagesStale = true;
        slot->present = true;
        slot->order = order++;
        if (slot->hitSize != r.size() || slot->hitKind != placed.node.kind || slot->hitShape.isEmpty()) {
            slot->hitSize = r.size();
            slot->hitKind = placed.node.kind;
            slot->hitShape = jellyHitShape(QRectF(QPointF(0, 0), r.size()), jellySeed(placed.node.id),
                                           jellySquareness(placed.node.kind));
        }
    }
    for (auto& [id, blob] : blobs_)
        if (!blob->present) blob->fade.setTarget(0.0, now);
    if (pressed_ && !placedNode(*pressed_)) pressed_.reset();
    update();
    scheduleFrame();
}

void JellyMapView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

void JellyMapView::seenChanged(bool seen) {
    if (seen) {
        update();
        scheduleFrame();
        return;
    }
    // Nobody sees the map: no frames, and the pictures it keeps go until it
    // shows again.
    frameTimer_.stop();
    frame_ = QImage();
    paintedSize_ = QSize();
    heldFirstFrame_ = false;
    for (auto& [id, blob] : blobs_) blob->hasShown = false;
    ImageEffects::LayerCache::shared().clear();
    SelectionRingCache::shared().clear();
}

void JellyMapView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange) relayout();
    if (event->type() == QEvent::LanguageChange) {
        // The labels' words come from the translations.
        for (auto& [id, blob] : blobs_) blob->imagesStale = true;
        update();
    }
}

// --- Hit testing

std::optional<std::string> JellyMapView::blobAt(QPointF position) const {
    // Topmost first: the hovered jelly, then touched ones, then the rest.
    std::optional<std::string> best;
    int bestLevel = -1, bestOrder = -1;
    for (const PlacedNode& placed : placed_) {
        const QRectF& r = placed.rect;
        if (!r.contains(position)) continue;
        const auto found = blobs_.find(placed.node.id);
        if (found == blobs_.end()) continue;
        const Blob& blob = *found->second;
        if (!blob.hitShape.contains(position - r.topLeft()) && !onDot(placed.node.id, position)) continue;
        const int level = tracker_.hovered() == placed.node.id ? 2 : tracker_.touch(placed.node.id) ? 1 : 0;
        if (level > bestLevel || (level == bestLevel && blob.order > bestOrder)) {
            best = placed.node.id;
            bestLevel = level;
            bestOrder = blob.order;
        }
    }
    return best;
}

bool JellyMapView::onDot(const std::string& id, QPointF position) const {
    const PlacedNode* placed = placedNode(id);
    if (!placed || placed->node.kind != MapNode::Kind::item) return false;
    const BlobGeometry g =
        blobGeometry(placed->node, placed->rect.size(), HoverFX{}, layoutDirection() == Qt::RightToLeft);
    const QPointF center = g.dotRect.center() + placed->rect.topLeft();
    return std::hypot(position.x() - center.x(), position.y() - center.y()) <= g.dotHitRadius &&
           placed->rect.contains(position);
}

double JellyMapView::blipSizeOf(const std::string& id) const { return blipSize(targetRect(id).size()); }

// --- Pointer

void JellyMapView::track(const std::optional<std::string>& id, QPointF position) {
    const double now = kitNow();
    const std::optional<std::string> previous = tracker_.hovered();
    if (previous && previous != id) {
        tracker_.leave(*previous, now);
        const std::string left = *previous;
        services_.schedule(kRecheckDelayMs, [this, left] {
            tracker_.recheck(left, kitNow());
            scheduleFrame();
        });
    }
    if (id) {
        const QRectF r = targetRect(*id);
        if (tracker_.move(*id, position - r.topLeft(), r.size(), now) && services_.sound)
            services_.sound->hover(blipSizeOf(*id));
    }
    // The next frame shows what the pointer changed, and only that.
    scheduleFrame();
}

void JellyMapView::mouseMoveEvent(QMouseEvent* event) {
    track(blobAt(event->position()), event->position());
    QWidget::mouseMoveEvent(event);
}

void JellyMapView::leaveEvent(QEvent* event) {
    track(std::nullopt, QPointF());
    QWidget::leaveEvent(event);
}

void JellyMapView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    pressed_ = blobAt(event->position());
    pressedOnDot_ = pressed_ && onDot(*pressed_, event->position());
}

void JellyMapView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    const auto pressed = std::exchange(pressed_, std::nullopt);
    if (!pressed || blobAt(event->position()) != pressed) return;
    const bool dot = pressedOnDot_ && onDot(*pressed, event->position());
    // The tick dot's own tap only picks; the jelly's tap does not run.
    if (dot)
        pick(*pressed);
    else
        tap(*pressed);
}

void JellyMapView::poke(const std::string& id) {
    ++pokes_[id];
    if (const auto found = blobs_.find(id); found != blobs_.end()) found->second->squish.poke(kitNow());
    scheduleFrame();
}

void JellyMapView::pick(const std::string& id) {
    poke(id);
    if (services_.sound) services_.sound->tap(blipSizeOf(id));
    if (selection_ && selection_->toggle) selection_->toggle(id);
    scheduleFrame();
}

void JellyMapView::tap(const std::string& id) {
    const PlacedNode* placed = placedNode(id);
    if (!placed) return;
    if (placed->node.tapToPick) return pick(id);
    poke(id);
    if (services_.sound) services_.sound->tap(blipSizeOf(id));
    if (placed->node.urls.empty() || placed->node.kind == MapNode::Kind::file) return;
    // The squish starts before the page changes.
    services_.schedule(kOpenDelayMs, [this, node = placed->node] {
        if (onOpen_) onOpen_(node);
    });
}

// --- Menu and tooltip

std::unique_ptr<QMenu> JellyMapView::contextMenuFor(const std::string& id) {
    auto menu = std::make_unique<QMenu>(this);
    const PlacedNode* placed = placedNode(id);
    if (!placed || placed->node.urls.empty()) return menu;
    const MapNode node = placed->node;
    menu->addAction(sorbeta::tr("在访达中显示"), this, [this, node] { reveal(node); });
    if (node.kind != MapNode::Kind::file && !node.tapToPick)
        menu->addAction(sorbeta::tr("点开看看"), this, [this, node] {
            if (onOpen_) onOpen_(node);
        });
    return menu;
}

void JellyMapView::reveal(const MapNode& node) { revealInFileViewer(node.urls); }

void JellyMapView::contextMenuEvent(QContextMenuEvent* event) {
    const auto id = blobAt(event->pos());
    if (!id) return;
    auto menu = contextMenuFor(*id);
    if (menu->isEmpty()) return;
    menu->exec(event->globalPos());
}

QString JellyMapView::tooltipAt(QPointF position) const {
    const auto id = blobAt(position);
    if (!id) return {};
    if (onDot(*id, position)) return pickDotHelp(isTicked(*id));
    return jellyTooltip(placedNode(*id)->node);
}

bool JellyMapView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = tooltipAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), plainToolTip(text), this);
        return true;
    }
    return QWidget::event(event);
}

// --- Frames

bool JellyMapView::blobIsLively(const Blob& blob, double now) const {
    if (reduceMotion_) return false;
    return tracker_.hovered() == blob.node.id || tracker_.touch(blob.node.id) || blob.movingAt(now);
}

int JellyMapView::levelOf(const Blob& blob) const {
    // Jellies leaving the map lie below all others; the hovered one on top.
    if (!blob.present) return -1;
    return tracker_.hovered() == blob.node.id ? 2 : tracker_.touch(blob.node.id) ? 1 : 0;
}

BlobFrame JellyMapView::frameOf(Blob& blob, double now, bool rtl, double ratio) {
    const std::string& id = blob.node.id;
    const bool hovered = tracker_.hovered() == id;
    blob.hover.setTarget(hovered ? 1.0 : 0.0, now);
    const bool ticked = blob.node.kind == MapNode::Kind::item && blob.present && isTicked(id);
    if (!blob.dotKnown) {
        blob.dot.jumpTo(ticked ? 1.0 : 0.0);
        blob.dotKnown = true;
    } else {
        blob.dot.setTarget(ticked ? 1.0 : 0.0, now);
    }

    BlobFrame frame;
    frame.node = &blob.node;
    frame.rect = blob.rectAt(now);
    if (!hasArea(frame)) return frame;
    const Touch* touch = reduceMotion_ ? nullptr : tracker_.touch(id);
    frame.time = reduceMotion_ ? 0.0 : now;  // reduced motion: a still jelly
    frame.fx = hoverFX(touch ? std::optional<Touch>(*touch) : std::nullopt, now);
    frame.squish = blob.squish.valueAt(now);
    frame.opacity = std::clamp(blob.fade.valueAt(now), 0.0, 1.0);
    frame.glow = std::max(blob.hover.valueAt(now), 0.0);
    frame.hint = std::clamp(blob.hover.valueAt(now), 0.0, 1.0);
    frame.dot = blob.dot.valueAt(now);
    frame.selected = ticked;
    frame.rightToLeft = rtl;
    prepareImages(blob, frame, ratio);
    return frame;
}

void JellyMapView::prepareImages(Blob& blob, BlobFrame& frame, double ratio) {
    // The label follows the jelly's laid-out size, not its animated frame.
    const QSizeF labelSize = blob.hitSize.isEmpty() ? frame.rect.size() : blob.hitSize;
    const QColor ink = blob.node.kind == MapNode::Kind::free ? Theme::ink() : sorbeta::palette(blob.node.flavor).ink;
    if (blob.imagesStale || labelSize != blob.imagesSize || ratio != blob.imagesRatio ||
        frame.rightToLeft != blob.imagesRightToLeft || ink.rgba() != blob.imagesInk) {
        const BlobGeometry g = blobGeometry(blob.node, labelSize, HoverFX{}, frame.rightToLeft);
        blob.label.update(jellyLabelContent(blob.node, labelSize), ink, g.labelTextWidth, ratio);
        if (blob.node.iconPath) {
            const QString key = *blob.node.iconPath + QChar(0x02) + QString::number(labelSize.width()) + QChar(0x02) +
                                QString::number(labelSize.height()) + QChar(0x02) + QString::number(ratio);
            if (key != blob.iconKey) {
                blob.icon = blobIconImage(blob.node, labelSize, ratio);
                blob.iconKey = key;
            }
        }
        blob.imagesStale = false;
        blob.imagesSize = labelSize;
        blob.imagesRatio = ratio;
        blob.imagesRightToLeft = frame.rightToLeft;
        blob.imagesInk = ink.rgba();
    }
    frame.label = &blob.label;
    frame.labelKey = blob.label.cacheKey();
    if (blob.node.iconPath) frame.icon = &blob.icon;
}

QRegion JellyMapView::advanceShown(double now, bool all) {
    const double ratio = devicePixelRatioF();
    const QTransform toDevice = MapRepaint::deviceTransform(ratio);
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    MapRepaint::GridRegion changes(QRect(0, 0, int(std::ceil(width() * ratio)), int(std::ceil(height() * ratio))));
    // Jellies that have faded out of the map go, and their last picture with them.
    std::erase_if(blobs_, [&](const auto& entry) {
        const Blob& blob = *entry.second;
        const bool gone = !blob.present && blob.fade.target() == 0.0 && blob.fade.valueAt(now) < 0.01;
        if (gone && blob.hasShown && hasArea(blob.shown)) changes.add(MapRepaint::reach(blob.shown, toDevice));
        return gone;
    });
    for (auto& [id, blob] : blobs_) {
        const BlobFrame next = frameOf(*blob, now, rtl, ratio);
        const int level = levelOf(*blob);
        BlobFrame& shown = blob->shown;
        const bool wasDrawn = blob->hasShown && hasArea(shown);
        if (all || !wasDrawn || !hasArea(next) || level != blob->shownLevel ||
            !MapRepaint::sameButTime(shown, next, toDevice)) {
            // Anything but the wobble changed: wherever the jelly was or is.
            if (wasDrawn) changes.add(MapRepaint::reach(shown, toDevice));
            if (hasArea(next)) changes.add(MapRepaint::reach(next, toDevice));
            shown = next;
            blob->shownLevel = level;
            blob->hasShown = true;
            continue;
        }
        if (next.time == shown.time) continue;
        // A resting jelly wobbles 15 times a second at most; a touched one 60.
        if (level <= 0 && now - shown.time < kIdleInterval - 0.004) continue;
        // Only the wobble and the fizz move: repaint the bands they sweep,
        // once they have moved far enough for a pixel to show it. The fizz
        // rises faster than a resting outline wobbles; the outline stays
        // put until it has moved far enough itself.
        const bool outlineMoved = MapRepaint::outlineMotion(shown, next, toDevice) >= MapRepaint::kLeastMotion;
        if (!outlineMoved && MapRepaint::fizzMotion(shown, next, toDevice) < MapRepaint::kLeastMotion) continue;
        BlobFrame moved = shown;
        moved.time = next.time;
        moved.outlineHeldAt = outlineMoved ? std::nullopt : std::optional(outlineTime(shown));
        MapRepaint::changedBetween(shown, moved, toDevice, changes);
        shown = moved;
    }
    return changes.region();
}

QRegion JellyMapView::advanceFrame() {
    const double ratio = devicePixelRatioF();
    const QRegion changed = toPoints(advanceShown(kitNow(), false), ratio) & rect();
    if (!changed.isEmpty()) {
        framePending_ = true;
        update(changed);
    }
    return changed;
}

void JellyMapView::scheduleFrame() {
    const double now = kitNow();
    bool lively = false, anyMoving = false;
    for (const auto& [id, blob] : blobs_) {
        lively = lively || blobIsLively(*blob, now);
        anyMoving = anyMoving || blob->movingAt(now);
    }
    int interval = -1;
    if (lively || anyMoving)
        interval = 16;  // about 60 frames a second
    else if (!reduceMotion_ && !blobs_.empty())
        interval = int(kIdleInterval * 1000);
    if (interval < 0 || !exposure_->seen()) {
        frameTimer_.stop();
    } else if (!frameTimer_.isActive() || frameTimer_.interval() != interval) {
        frameTimer_.start(interval);
    }
}

// --- Painting

std::vector<const JellyMapView::Blob*> JellyMapView::stackedBlobs() const {
    // Bottom first: jellies leaving the map, then resting, touched and the
    // hovered one, as each is shown; each level in layout order.
    std::vector<const Blob*> stacked;
    stacked.reserve(blobs_.size());
    for (const auto& [id, blob] : blobs_)
        if (blob->hasShown && hasArea(blob->shown)) stacked.push_back(blob.get());
    std::stable_sort(stacked.begin(), stacked.end(), [](const Blob* a, const Blob* b) {
        return a->shownLevel != b->shownLevel ? a->shownLevel < b->shownLevel : a->order < b->order;
    });
    return stacked;
}

void JellyMapView::paintMap(QPainter& painter) {
    advanceShown(kitNow(), true);
    paintShown(painter, QRegion());
}

void JellyMapView::paintShown(QPainter& painter, const QRegion& clip) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    std::vector<BlobFrame> frames;
    for (const Blob* blob : stackedBlobs()) frames.push_back(blob->shown);
    paintFrames(painter, frames, clip);
}

void JellyMapView::paintFrames(QPainter& painter, const std::vector<BlobFrame>& frames, const QRegion& clip) {
    const QTransform toDevice = painter.deviceTransform();
    std::vector<QRect> reaches;
    reaches.reserve(frames.size());
    for (const BlobFrame& frame : frames) reaches.push_back(MapRepaint::reach(frame, toDevice));
    QImage* target = ImageEffects::directTarget(painter);
    if (!target || !services_.bands) {
        const JellyLayerBudget budget(kLayersPerFrame);
        for (std::size_t i = 0; i < frames.size(); ++i)
            if (clip.isEmpty() || clip.intersects(reaches[i])) paintJellyBlob(painter, frames[i]);
        return;
    }
    // Each jelly gets the rectangles of the clip near it, in the pixels of
    // the painter it paints with (`top` is the image row at its first).
    auto paintNear = [&](QPainter& with, const QRegion& within, int top) {
        const std::span<const QRect> rects(within.begin(), within.end());
        const JellyLayerBudget budget(kLayersPerFrame);
        for (std::size_t i = 0; i < frames.size(); ++i) {
            std::vector<QRect> near = DeviceRects::within(rects, reaches[i]);
            if (near.empty()) continue;
            if (top != 0) DeviceRects::translate(near, QPoint(0, -top));
            paintJellyBlob(with, frames[i], &near);
        }
    };
    // A small clip is one band: the caller's own painter already paints
    // just there, and a second one would only cost its setting up. (Each
    // jelly keeps to the image itself.)
    if (!clip.isEmpty() && services_.bands->bandsFor(*target, clip) == 1) return paintNear(painter, clip, 0);
    services_.bands->paint(
        *target, painter,
        [&](QPainter& band, QRect rows) { paintNear(band, clip.isEmpty() ? QRegion(rows) : clip & rows, rows.top()); },
        clip);
}

void JellyMapView::paintEvent(QPaintEvent* event) {
    if (paintedSize_.isEmpty() && !heldFirstFrame_ && window()->testAttribute(Qt::WA_Mapped) && paintingOnScreen()) {
        // Without a picture of its own the map would make every jelly's
        // layers inside the window's first frame and hold back the rest of
        // the window with it: that frame shows what lies under the map, and
        // the jellies come with the next.
        heldFirstFrame_ = true;
        QTimer::singleShot(0, this, [this] { update(); });
        return;
    }
    const double ratio = devicePixelRatioF();
    const QSize pixels(int(std::ceil(width() * ratio)), int(std::ceil(height() * ratio)));
    const bool fresh = paintedSize_ != pixels;
    paintedSize_ = pixels;
    const bool whole = fresh || QRegion(rect()).subtracted(event->region()).isEmpty();
    // A repaint of the whole map that no frame asked for (shown again,
    // resized, ticks changed elsewhere) brings every jelly up to now.
    if (fresh || (whole && !framePending_)) advanceShown(kitNow(), true);
    framePending_ = false;
    const QRect all(QPoint(0, 0), pixels);
    const QRegion dirty = whole ? QRegion(all) : toPixels(event->region(), ratio) & all;
    QPainter painter(this);
    if (!paintIntoWindow(painter, dirty)) {
        // Elsewhere (a picture of the widget, an unusual window image): into
        // an image of our own, then copied.
        if (frame_.size() != pixels) frame_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        frame_.setDevicePixelRatio(ratio);
        for (const QRect& r : dirty)
            for (int y = r.top(); y <= r.bottom(); ++y)
                std::fill_n(reinterpret_cast<QRgb*>(frame_.scanLine(y)) + r.left(), r.width(), 0u);
        paintInto(frame_, dirty);
        ImageEffects::drawImageDirect(painter, frame_, dirty);
    }
    scheduleFrame();
}

void JellyMapView::paintInto(QImage& image, const QRegion& dirty) {
    // Only the part asked for is painted.
    image.paintEngine()->setSystemClip(dirty);
    {
        QPainter painter(&image);
        paintShown(painter, dirty);
    }
    image.paintEngine()->setSystemClip(QRegion());
}

bool JellyMapView::paintIntoWindow(QPainter& painter, const QRegion& dirty) {
    // The window's own image, where the widgets under the map have just
    // painted the dirty pixels: the jellies go straight onto them.
    QPaintEngine* engine = painter.paintEngine();
    QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image) return false;
    auto* window = static_cast<QImage*>(device);
    if (window->format() != QImage::Format_RGB32 && window->format() != QImage::Format_ARGB32_Premultiplied)
        return false;
    const double ratio = devicePixelRatioF();
    const QTransform t = painter.deviceTransform();
    if (t.type() > QTransform::TxScale || std::abs(t.m11() - ratio) > 1e-9 || std::abs(t.m22() - ratio) > 1e-9 ||
        painter.opacity() != 1.0 || painter.hasClipping())
        return false;
    const QPoint offset(int(std::lround(t.dx())), int(std::lround(t.dy())));
    const QSize pixels = paintedSize_;
    if (!window->rect().contains(QRect(offset, pixels))) return false;
    QRegion within = dirty;
    if (const QRegion system = engine->systemClip(); !system.isEmpty()) within &= system.translated(-offset);
    if (within.isEmpty()) return true;
    // A view of the map's pixels in the window's image. Every pixel there is
    // opaque, so the window's RGB32 pixels read as premultiplied ARGB.
    QImage view(const_cast<uchar*>(window->constBits()) + offset.y() * window->bytesPerLine() + offset.x() * 4,
                pixels.width(), pixels.height(), window->bytesPerLine(), QImage::Format_ARGB32_Premultiplied);
    view.setDevicePixelRatio(ratio);
    paintInto(view, within);
    return true;
}

bool JellyMapView::paintingOnScreen() {
    // A picture of the widget (render, grab) paints elsewhere.
    QBackingStore* store = window()->backingStore();
    QPainter probe(this);
    const QPaintEngine* engine = probe.paintEngine();
    return store && engine && engine->paintDevice() == store->paintDevice();
}

}  // namespace sorbeta
