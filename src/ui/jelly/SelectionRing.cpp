#include "ui/jelly/SelectionRing.h"

#include <QPaintEngine>
#include <QPainterPathStroker>
#include <QPen>

#include "ui/jelly/JellyBody.h"

namespace sorbeta {

namespace {

QPainterPath stroked(const QPainterPath& path, double width, Qt::PenCapStyle cap, Qt::PenJoinStyle join,
                     const QList<qreal>& dashes) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(join);
    stroker.setMiterLimit(10);
    if (!dashes.isEmpty()) stroker.setDashPattern(dashes);
    return stroker.createStroke(path);
}

qint64 bytesOf(const QPainterPath& path) { return qint64(path.elementCount()) * qint64(sizeof(QPainterPath::Element)); }

qint64 bytesOf(const SelectionRing& ring) {
    qint64 bytes = bytesOf(ring.outline) + bytesOf(ring.dashes);
    for (const QPolygonF& piece : ring.pieces) bytes += qint64(piece.size() * sizeof(QPointF) + sizeof(QRectF) + 32);
    return bytes;
}

}  // namespace

SelectionRing makeSelectionRing(const JellyShape& shape, const QRectF& rect) {
    // The dashes are laid out in the jelly's own coordinates, so they come out
    // the same whatever part of the image a painter can reach (Qt's own
    // dashing starts afresh where the device clips the outline). Dash lengths
    // are in line widths: 2 points on, 5 off.
    const double out = kSelectionRingOffset;
    const double line = kSelectionRingLine;
    SelectionRing ring{
        .outline = shape.path(rect),
        .dashes = stroked(shape.path(rect.adjusted(-out, -out, out, out)), line, Qt::FlatCap, Qt::MiterJoin,
                          {kSelectionDashOn / line, kSelectionDashOff / line}),
        .pieces = {},
        .bounds = {},
    };
    for (QPolygonF& piece : ring.dashes.toSubpathPolygons()) {
        ring.bounds.push_back(piece.boundingRect());
        ring.pieces.push_back(std::move(piece));
    }
    return ring;
}

void fillDashByDash(QPainter& painter, const std::vector<QPolygonF>& dashes, const std::vector<QRectF>& bounds,
                    const QColor& color) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    const QPaintEngine* engine = painter.paintEngine();
    const QRect reach = engine && !engine->systemClip().isEmpty()
                            ? engine->systemClip().boundingRect()
                            : QRect(QPoint(0, 0), QSize(painter.device()->width(), painter.device()->height()) *
                                                      painter.device()->devicePixelRatio());
    const QTransform toDevice = painter.deviceTransform();
    for (std::size_t i = 0; i < dashes.size(); ++i)
        if (toDevice.mapRect(bounds[i]).toAlignedRect().adjusted(-1, -1, 1, 1).intersects(reach))
            painter.drawPolygon(dashes[i], Qt::WindingFill);
    painter.restore();
}

void fillDashByDash(QPainter& painter, const QPainterPath& dashes, const QColor& color) {
    // The dasher lays each dash down as its own closed polygon.
    std::vector<QPolygonF> pieces;
    std::vector<QRectF> bounds;
    for (QPolygonF& piece : dashes.toSubpathPolygons()) {
        bounds.push_back(piece.boundingRect());
        pieces.push_back(std::move(piece));
    }
    fillDashByDash(painter, pieces, bounds, color);
}

void SelectionRing::paint(QPainter& painter, const QColor& deep) const {
    // The band through the pen: a pre-stroked band under a tilt would curve
    // in coarser steps than the painter's own stroke.
    // Painting a path fills in caches inside it, so each painting thread
    // strokes a copy of its own: threads sharing one kept path race on those
    // caches, and Qt's stroker can then loop for ever on a half-written path.
    QPainterPath own;
    own.addPath(outline);
    painter.strokePath(own, QPen(Qt::white, kSelectionLineWidth));
    fillDashByDash(painter, pieces, bounds, deep);
}

SelectionRingCache::SelectionRingCache(qint64 limit) : limit_(limit) {}

SelectionRingCache& SelectionRingCache::shared() {
    static SelectionRingCache cache;
    return cache;
}

std::shared_ptr<const SelectionRing> SelectionRingCache::ring(const JellyShape& shape, const QRectF& rect) {
    const Key key{shape.time, shape.seed, shape.wobble, shape.squareness, shape.pull, shape.pullAmount, rect};
    {
        std::lock_guard lock(mutex_);
        for (auto it = entries_.begin(); it != entries_.end(); ++it)
            if (it->key == key) {
                entries_.splice(entries_.begin(), entries_, it);
                return it->ring;
            }
    }
    // Built outside the lock: two threads may build the same ring at once,
    // which costs a little work but never a wait.
    auto made = std::make_shared<const SelectionRing>(makeSelectionRing(shape, rect));
    const qint64 bytes = bytesOf(*made) + qint64(sizeof(Entry));
    std::lock_guard lock(mutex_);
    for (const Entry& entry : entries_)
        if (entry.key == key) return entry.ring;
    if (bytes > limit_) return made;
    entries_.push_front(Entry{key, made, bytes});
    bytes_ += bytes;
    while (bytes_ > limit_) {
        bytes_ -= entries_.back().bytes;
        entries_.pop_back();
    }
    return made;
}

qint64 SelectionRingCache::bytes() const {
    std::lock_guard lock(mutex_);
    return bytes_;
}

int SelectionRingCache::count() const {
    std::lock_guard lock(mutex_);
    return int(entries_.size());
}

void SelectionRingCache::clear() {
    std::lock_guard lock(mutex_);
    entries_.clear();
    bytes_ = 0;
}

}  // namespace sorbeta
