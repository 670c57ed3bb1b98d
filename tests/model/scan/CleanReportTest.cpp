#include <gtest/gtest.h>

#include "model/catalog/Catalog.h"
#include "model/scan/CleanReport.h"

namespace sorbeta {
namespace {

CleanItem item(const char* name, const char* category, int64_t bytes) {
    CleanItem i;
    i.spec.id = name;
    i.spec.name = QString::fromUtf8(name);
    i.spec.categoryID = category;
    i.bytes = bytes;
    return i;
}

std::vector<Flavor> flavors(const std::vector<CleanReport::Item>& items) {
    std::vector<Flavor> out;
    for (const auto& i : items) out.push_back(i.flavor);
    return out;
}

const std::vector<CategorySpec> table = {
    {.id = "media", .flavor = Flavor::mango},
    {.id = "trash", .flavor = Flavor::cloud},
};

TEST(CleanReportTest, LargestFirstAndColoursNeverRepeatWithinTwelve) {
    EXPECT_TRUE(CleanReport::itemsFrom({}, table).empty());

    // Equal sizes keep their order; the larger keeps the category colour.
    const auto two =
        CleanReport::itemsFrom({item("small", "media", 5), item("big", "media", 9), item("tie", "nowhere", 5)}, table);
    ASSERT_EQ(two.size(), 3u);
    EXPECT_EQ(two[0], (CleanReport::Item{"big", 9, Flavor::mango}));
    EXPECT_EQ(two[1], (CleanReport::Item{"small", 5, Flavor::strawberry}));
    EXPECT_EQ(two[2].name, "tie");
    EXPECT_EQ(two[2].flavor, Flavor::lime);  // strawberry (unknown category) was taken

    // Thirteen items of one category: 2..12 take the other candidates in
    // order, the 13th keeps its own colour; cloud is never handed out.
    std::vector<CleanItem> many;
    for (int i = 0; i < 14; ++i) many.push_back(item("x", "media", 100 - i));
    const auto got = flavors(CleanReport::itemsFrom(many, table));
    const std::vector<Flavor> want = {Flavor::mango, Flavor::strawberry, Flavor::lime, Flavor::blueberry,
                                      Flavor::grape, Flavor::peach,      Flavor::mint, Flavor::cherry,
                                      Flavor::lemon, Flavor::bubblegum,  Flavor::sky,  Flavor::plum,
                                      Flavor::mango, Flavor::mango};
    EXPECT_EQ(got, want);

    // A category whose own colour is cloud keeps it the first time only.
    const auto trash = flavors(CleanReport::itemsFrom({item("a", "trash", 2), item("b", "trash", 1)}, table));
    EXPECT_EQ(trash, (std::vector<Flavor>{Flavor::cloud, Flavor::strawberry}));
}

TEST(CleanReportTest, UsesTheBuiltInCategories) {
    const CategorySpec& first = Catalog::categories().front();
    const auto items = CleanReport::itemsFrom({item("r", first.id.c_str(), 1)});
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].flavor, first.flavor);
}

}  // namespace
}  // namespace sorbeta
