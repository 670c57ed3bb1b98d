#include <gtest/gtest.h>

#include "ui/map/MapLayout.h"

namespace sorbeta {
namespace {

MapNode node(std::string id, int64_t bytes, std::vector<MapNode> children = {}) {
    MapNode n{.id = std::move(id), .title = QString(), .bytes = bytes};
    n.children = std::move(children);
    return n;
}

void expectRect(const QRectF& actual, double x, double y, double w, double h) {
    EXPECT_NEAR(actual.x(), x, 0.01);
    EXPECT_NEAR(actual.y(), y, 0.01);
    EXPECT_NEAR(actual.width(), w, 0.01);
    EXPECT_NEAR(actual.height(), h, 0.01);
}

TEST(MapLayoutTest, EmptyAndZeroByteNodes) {
    EXPECT_TRUE(MapLayout::layout({}, QRectF(0, 0, 300, 200)).empty());
    EXPECT_TRUE(MapLayout::layout({node("a", 0), node("b", -5)}, QRectF(0, 0, 300, 200)).empty());

    const auto one = MapLayout::layout({node("a", 12345)}, QRectF(0, 0, 300, 200));
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].node.id, "a");
    expectRect(one[0].rect, 3.5, 3.5, 293, 193);

    const auto mixed = MapLayout::layout({node("z", 0), node("a", 9)}, QRectF(0, 0, 300, 200));
    ASSERT_EQ(mixed.size(), 1u);
    EXPECT_EQ(mixed[0].node.id, "a");
    expectRect(mixed[0].rect, 3.5, 3.5, 293, 193);
}

TEST(MapLayoutTest, ChildrenShareTheirParentsRect) {
    const auto placed = MapLayout::layout({node("p", 100, {node("c1", 50), node("c2", 50)})}, QRectF(0, 0, 300, 200));
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_EQ(placed[0].node.id, "c1");
    expectRect(placed[0].rect, 3.5, 3.5, 143, 193);
    expectRect(placed[1].rect, 153.5, 3.5, 143, 193);

    const auto single = MapLayout::layout({node("p", 100, {node("zero", 0), node("c", 7)})}, QRectF(0, 0, 300, 200));
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(single[0].node.id, "c");
    expectRect(single[0].rect, 3.5, 3.5, 293, 193);
}

TEST(MapLayoutTest, SmallRectsAreDroppedAtTwentyTwoPoints) {
    // Inset by 3.5 on each side: a 29-wide rect leaves 22 (dropped), 29.5 leaves 22.5 (kept).
    EXPECT_TRUE(MapLayout::layout({node("a", 1)}, QRectF(0, 0, 29, 100)).empty());
    EXPECT_EQ(MapLayout::layout({node("a", 1)}, QRectF(0, 0, 29.5, 100)).size(), 1u);
}

TEST(MapLayoutTest, WeightsFollowBytesToThreeQuarters) {
    EXPECT_DOUBLE_EQ(MapLayout::weight(16), 8.0);
    EXPECT_EQ(MapLayout::weight(-3), 0.0);
    const auto placed = MapLayout::layout({node("small", 1000), node("big", 16000)}, QRectF(0, 0, 900, 100), 0.0);
    ASSERT_EQ(placed.size(), 2u);
    const double small = placed[0].rect.width() * placed[0].rect.height();
    const double big = placed[1].rect.width() * placed[1].rect.height();
    EXPECT_NEAR(big / small, 8.0, 1e-9);
}

}  // namespace
}  // namespace sorbeta
