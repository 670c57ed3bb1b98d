#include <gtest/gtest.h>

#include <QRegion>
#include <random>
#include <vector>

#include "ui/map/MapRepaint.h"

namespace sorbeta {
namespace {

qint64 pixelsOf(const QRegion& region) {
    qint64 pixels = 0;
    for (const QRect& r : region) pixels += qint64(r.width()) * r.height();
    return pixels;
}

// The pairwise union is the same region as adding one piece after another,
// whatever the pieces' number and overlap.
TEST(MapRepaintTest, UnitingManyPiecesGivesTheSameRegion) {
    std::mt19937 random(16);
    std::uniform_int_distribution<int> place(-40, 900), extent(1, 60);
    for (int count : {0, 1, 2, 3, 17, 500}) {
        std::vector<QRect> boxes;
        QRegion oneByOne;
        for (int i = 0; i < count; ++i) {
            boxes.emplace_back(place(random), place(random), extent(random), extent(random));
            oneByOne += boxes.back();
        }
        EXPECT_EQ(MapRepaint::unite(boxes), oneByOne) << count << " boxes";
        std::vector<QRegion> regions(boxes.begin(), boxes.end());
        EXPECT_EQ(MapRepaint::unite(regions), oneByOne) << count << " regions";
    }
}

// A wobbling outline without strokes asks for the thin band it sweeps, in
// whole cells of the grid (few pieces); the rings of a ticked jelly reach
// further.
TEST(MapRepaintTest, AWobbleRepaintsAThinBandOnTheGrid) {
    MapNode node;
    node.id = "wobbling";
    node.kind = MapNode::Kind::category;
    BlobFrame before;
    before.node = &node;
    before.rect = QRectF(100.3, 80.6, 240, 160);
    before.time = 12.0;
    BlobFrame after = before;
    after.time = 12.0 + 1.0 / 15;
    const QTransform toDevice = MapRepaint::deviceTransform(1.0);
    ASSERT_TRUE(MapRepaint::sameButTime(before, after, toDevice));
    ASSERT_GT(MapRepaint::motion(before, after, toDevice), 0.0);

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

}  // namespace
}  // namespace sorbeta
