#include <gtest/gtest.h>

#include <QRegion>
#include <random>
#include <utility>
#include <vector>

#include "ui/map/MapRepaint.h"

namespace sorbeta {
namespace {

// Two frames of a resting jelly of `node` a tick apart.
std::pair<BlobFrame, BlobFrame> tickApart(const MapNode& node, const QRectF& rect, double time) {
    BlobFrame before;
    before.node = &node;
    before.rect = rect;
    before.time = time;
    BlobFrame after = before;
    after.time = time + 1.0 / 15;
    return {before, after};
}

qint64 pixelsOf(const QRegion& region) {
    qint64 pixels = 0;
    for (const QRect& r : region) pixels += qint64(r.width()) * r.height();
    return pixels;
}

// Boxes gathered on the grid make the region of the grid cells they touch,
// whatever their number and overlap, kept within the bounds.
TEST(MapRepaintTest, GatheringManyBoxesGivesTheRegionOfTheirCells) {
    std::mt19937 random(16);
    std::uniform_int_distribution<int> place(-40, 900), extent(1, 60);
    const QRect bounds(0, 0, 850, 801);
    auto onGrid = [](const QRect& r) {
        auto down = [](int v) { return v >= 0 ? v / 4 * 4 : -((-v + 3) / 4 * 4); };
        return QRect(QPoint(down(r.left()), down(r.top())), QPoint(down(r.right()) + 3, down(r.bottom()) + 3));
    };
    for (int count : {0, 1, 2, 3, 17, 500}) {
        MapRepaint::GridRegion gathered(bounds);
        QRegion oneByOne;
        for (int i = 0; i < count; ++i) {
            const QRect box(place(random), place(random), extent(random), extent(random));
            gathered.add(box);
            // Cells only the part outside the bounds touches stay out.
            if (box.intersects(bounds)) oneByOne += onGrid(box & bounds) & bounds;
        }
        const QRegion region = gathered.region();
        EXPECT_TRUE(region.xored(oneByOne).isEmpty()) << count << " boxes";
        EXPECT_EQ(gathered.isEmpty(), oneByOne.isEmpty());
        // In bands of whole rows: no more rectangles than the union one by one.
        EXPECT_LE(region.rectCount(), oneByOne.rectCount()) << count << " boxes";
        // A region built from it by Qt's own operations agrees.
        EXPECT_TRUE((region | QRect(0, 0, 1, 1)).xored(oneByOne | QRect(0, 0, 1, 1)).isEmpty());
    }
    // Bounds off the grid and regions added whole.
    MapRepaint::GridRegion odd(QRect(-7, 3, 30, 22));
    odd.add(QRegion(QRect(-20, 0, 16, 12)) + QRect(20, 20, 40, 3));
    EXPECT_TRUE(odd.region().xored(QRegion(QRect(-7, 3, 3, 9)) + QRect(20, 20, 3, 4)).isEmpty());
}

// A wobbling outline without strokes asks for the thin band it sweeps, in
// whole cells of the grid (few pieces); the rings of a ticked jelly reach
// further.
TEST(MapRepaintTest, AWobbleRepaintsAThinBandOnTheGrid) {
    MapNode node;
    node.id = "wobbling";
    node.kind = MapNode::Kind::category;
    auto [before, after] = tickApart(node, QRectF(100.3, 80.6, 240, 160), 12.0);
    const QTransform toDevice = MapRepaint::deviceTransform(1.0);
    ASSERT_TRUE(MapRepaint::sameButTime(before, after, toDevice));
    ASSERT_GT(MapRepaint::outlineMotion(before, after, toDevice), 0.0);

    const QRegion bare = MapRepaint::changedBetween(before, after, toDevice);
    for (const QRect& r : bare) {
        EXPECT_EQ(r.left() % 4, 0) << r.left();
        EXPECT_EQ(r.top() % 4, 0) << r.top();
        EXPECT_EQ((r.right() + 1) % 4, 0) << r.right();
        EXPECT_EQ((r.bottom() + 1) % 4, 0) << r.bottom();
    }
    // The band lies along the outline, not over the body.
    EXPECT_FALSE(bare.contains(before.rect.center().toPoint()));
    EXPECT_LT(pixelsOf(bare), qint64(before.rect.width() * before.rect.height() / 2));
    // Round corners too: a band a few pixels wide all the way round, not the
    // corner boxes of whole curves.
    const double around = 2 * (before.rect.width() + before.rect.height());
    EXPECT_LT(pixelsOf(bare), qint64(around * 9)) << pixelsOf(bare) / around << " pixels deep";

    before.selected = after.selected = true;
    const QRegion ringed = MapRepaint::changedBetween(before, after, toDevice);
    EXPECT_TRUE(bare.subtracted(ringed).isEmpty());
    EXPECT_GT(pixelsOf(ringed), pixelsOf(bare));
}

// The fizz of the free-space jelly rises every frame while its outline is
// held in place: only the bubbles' old and new places are asked for, and the
// outline's motion is told apart from theirs.
TEST(MapRepaintTest, AHeldOutlineLetsOnlyTheFizzRepaint) {
    MapNode node;
    node.id = "free";
    node.kind = MapNode::Kind::free;
    auto [before, after] = tickApart(node, QRectF(40, 30, 300, 200), 20.0);
    after.outlineHeldAt = before.time;
    const QTransform toDevice = MapRepaint::deviceTransform(1.0);
    EXPECT_EQ(MapRepaint::outlineMotion(before, after, toDevice), 0.0);
    EXPECT_GT(MapRepaint::fizzMotion(before, after, toDevice), 0.25);
    const QRegion fizz = MapRepaint::changedBetween(before, after, toDevice);
    EXPECT_FALSE(fizz.isEmpty());

    BlobFrame moving = after;
    moving.outlineHeldAt.reset();
    EXPECT_GT(MapRepaint::outlineMotion(before, moving, toDevice), 0.0);
    const QRegion both = MapRepaint::changedBetween(before, moving, toDevice);
    EXPECT_TRUE(fizz.subtracted(both).isEmpty());
    EXPECT_GT(pixelsOf(both), 2 * pixelsOf(fizz));
    // Nothing moved, nothing to repaint.
    EXPECT_TRUE(MapRepaint::changedBetween(after, after, toDevice).isEmpty());
}

}  // namespace
}  // namespace sorbeta
