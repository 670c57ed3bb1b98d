#include <gtest/gtest.h>

#include "ui/map/Treemap.h"

namespace sorbeta {
namespace {

void expectRect(const QRectF& actual, double x, double y, double w, double h) {
    EXPECT_NEAR(actual.x(), x, 0.01);
    EXPECT_NEAR(actual.y(), y, 0.01);
    EXPECT_NEAR(actual.width(), w, 0.01);
    EXPECT_NEAR(actual.height(), h, 0.01);
}

TEST(TreemapTest, DegenerateInputsGiveZeroRects) {
    EXPECT_TRUE(Treemap::layout({}, QRectF(0, 0, 100, 100)).empty());
    for (const QRectF& r : Treemap::layout({0, 0}, QRectF(0, 0, 100, 100))) EXPECT_EQ(r, QRectF());
    const auto flat = Treemap::layout({1, 2, 3}, QRectF(5, 5, 0, 80));
    ASSERT_EQ(flat.size(), 3u);
    for (const QRectF& r : flat) EXPECT_EQ(r, QRectF());
    for (const QRectF& r : Treemap::layout({1, 2}, QRectF(5, 5, 80, 0))) EXPECT_EQ(r, QRectF());

    const auto one = Treemap::layout({42}, QRectF(3, 4, 50, 60));
    ASSERT_EQ(one.size(), 1u);
    expectRect(one[0], 3, 4, 50, 60);
    // A negative extent is the same area with positive extents.
    expectRect(Treemap::layout({1}, QRectF(50, 60, -50, -60))[0], 0, 0, 50, 60);
}

TEST(TreemapTest, ZeroWeightsStayZeroAndKeepInputOrder) {
    const auto rects = Treemap::layout({0, 3, 0, 1}, QRectF(10, 20, 40, 80));
    ASSERT_EQ(rects.size(), 4u);
    EXPECT_EQ(rects[0], QRectF());
    EXPECT_EQ(rects[2], QRectF());
    expectRect(rects[1], 10, 20, 40, 60);
    expectRect(rects[3], 10, 80, 40, 20);
}

TEST(TreemapTest, NegativeWeightsNeitherPlacedNorShrinkTheTotal) {
    const auto rects = Treemap::layout({2, -1, 2}, QRectF(0, 0, 100, 50));
    EXPECT_EQ(rects[1], QRectF());
    expectRect(rects[0], 0, 0, 50, 50);
    expectRect(rects[2], 50, 0, 50, 50);
    for (const QRectF& r : Treemap::layout({-1, -2}, QRectF(0, 0, 10, 10))) EXPECT_EQ(r, QRectF());
}

TEST(TreemapTest, SmallCasesFromTheLayoutRules) {
    auto two = Treemap::layout({1, 1}, QRectF(0, 0, 200, 100));
    expectRect(two[0], 0, 0, 100, 100);
    expectRect(two[1], 100, 0, 100, 100);

    auto four = Treemap::layout({1, 1, 1, 1}, QRectF(0, 0, 100, 100));
    expectRect(four[0], 0, 0, 50, 50);
    expectRect(four[1], 0, 50, 50, 50);
    expectRect(four[2], 50, 0, 50, 50);
    expectRect(four[3], 50, 50, 50, 50);

    // Equal worst ratios extend the row instead of starting a new one.
    auto tie = Treemap::layout({2, 1, 1}, QRectF(0, 0, 200, 100));
    expectRect(tie[0], 0, 0, 100, 100);
    expectRect(tie[1], 100, 0, 100, 50);
    expectRect(tie[2], 100, 50, 100, 50);
}

TEST(TreemapTest, ClassicSquarifiedExample) {
    auto r = Treemap::layout({6, 6, 4, 3, 2, 2, 1}, QRectF(0, 0, 600, 400));
    expectRect(r[0], 0, 0, 300, 200);
    expectRect(r[1], 0, 200, 300, 200);
    expectRect(r[2], 300, 0, 171.43, 233.33);
    expectRect(r[3], 471.43, 0, 128.57, 233.33);
    expectRect(r[4], 300, 233.33, 120, 166.67);
    expectRect(r[5], 420, 233.33, 120, 166.67);
    expectRect(r[6], 540, 233.33, 60, 166.67);
}

TEST(TreemapTest, EqualWeightsPlaceEarlierIndexFirstAndAreasAddUp) {
    auto r = Treemap::layout({1, 5, 1}, QRectF(0, 0, 70, 10));
    // The 5 comes first; of the two 1s, index 0 is placed before index 2.
    EXPECT_LT(r[0].x() + r[0].y(), r[2].x() + r[2].y());

    std::vector<double> weights;
    for (int i = 0; i < 500; ++i) weights.push_back((i * 7919) % 97 + 1);
    const auto many = Treemap::layout(weights, QRectF(0, 0, 1280, 820));
    double area = 0;
    for (const QRectF& rect : many) {
        area += rect.width() * rect.height();
        EXPECT_GE(rect.x(), -1e-6);
        EXPECT_LE(rect.right(), 1280 + 1e-6);
        EXPECT_LE(rect.bottom(), 820 + 1e-6);
    }
    EXPECT_NEAR(area, 1280.0 * 820.0, 1e-3);
}

}  // namespace
}  // namespace sorbeta
