#pragma once
// The dashed strokes on a jelly's outline. The selection ring of a ticked
// jelly (the white band on its outline and the dashes a little outside it) is
// built once per shape and kept for the other band threads
// and the next paint of the same frame; dashes are filled one at a time.
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "ui/jelly/JellyShape.h"

namespace sorbeta {

struct SelectionRing {
    QPainterPath outline;  // the jelly's outline, which carries a white band
    QPainterPath dashes;   // the dashes outside it (fill them in the palette's deep colour)
    // The same dashes one by one, with their bounds.
    std::vector<QPolygonF> pieces;
    std::vector<QRectF> bounds;

    void paint(QPainter& painter, const QColor& deep) const;
};

// Fills a dashed outline (as a dash stroker makes it) one dash at a time,
// skipping dashes outside what the painter may change. One dash is too small
// for Qt to split its spans over the global thread pool, which from a band
// thread costs far more in waking threads than the few pixels of a dash.
void fillDashByDash(QPainter& painter, const std::vector<QPolygonF>& dashes, const std::vector<QRectF>& bounds,
                    const QColor& color);
void fillDashByDash(QPainter& painter, const QPainterPath& dashes, const QColor& color);

// The ring of the jelly whose outline is `shape` in `rect`, built afresh.
SelectionRing makeSelectionRing(const JellyShape& shape, const QRectF& rect);

// Rings kept by the exact shape and frame they were built for, the least
// recently used dropped first once they hold more than the limit in bytes.
// Shared by every painting thread.
class SelectionRingCache {
public:
    static constexpr qint64 kDefaultLimit = 2ll << 20;

    explicit SelectionRingCache(qint64 limit = kDefaultLimit);
    static SelectionRingCache& shared();

    std::shared_ptr<const SelectionRing> ring(const JellyShape& shape, const QRectF& rect);

    qint64 bytes() const;
    int count() const;
    void clear();

private:
    struct Key {
        double time, seed, wobble, squareness;
        std::optional<QPointF> pull;
        double pullAmount;
        QRectF rect;
        bool operator==(const Key&) const = default;
    };
    struct Entry {
        Key key;
        std::shared_ptr<const SelectionRing> ring;
        qint64 bytes;
    };

    const qint64 limit_;
    mutable std::mutex mutex_;
    std::list<Entry> entries_;  // most recently used first
    qint64 bytes_ = 0;
};

}  // namespace sorbeta
