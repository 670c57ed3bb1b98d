#include <gtest/gtest.h>

#include "ui/map/CleanMapNodes.h"

namespace sorbeta {
namespace {

CategoryResult category(std::string id, int64_t bytes, Flavor flavor = Flavor::grape) {
    CategoryResult result;
    result.spec.id = std::move(id);
    result.spec.name = QString::fromStdString(result.spec.id) + "名";
    result.spec.flavor = flavor;
    result.bytes = bytes;
    result.urls = {"/home/u/" + result.spec.id};
    return result;
}

CleanItem item(std::string id, std::string categoryID, int64_t bytes) {
    CleanItem result;
    result.spec.id = std::move(id);
    result.spec.name = "规则";
    result.spec.note = "说明";
    result.spec.categoryID = std::move(categoryID);
    result.bytes = bytes;
    result.urls = {"/home/u/cache"};
    return result;
}

std::vector<std::string> ids(const std::vector<MapNode>& nodes) {
    std::vector<std::string> out;
    for (const MapNode& node : nodes) out.push_back(node.id);
    return out;
}

TEST(CleanMapNodesTest, OverviewBeforeAndAfterACompleteScan) {
    const std::vector<CategoryResult> categories = {category("media", 300), category("docs", 0), category("code", 200)};
    const auto partial = MapNodes::overview(1000, 100, false, categories, {});
    EXPECT_EQ(ids(partial), (std::vector<std::string>{"free", "media", "code"}));  // no other; 0 bytes left out
    EXPECT_EQ(partial[0].kind, MapNode::Kind::free);
    EXPECT_EQ(partial[0].flavor, Flavor::blueberry);
    EXPECT_EQ(partial[0].bytes, 100);
    EXPECT_EQ(partial[0].title, QString("可用"));

    const auto done = MapNodes::overview(1000, 100, true, categories, {});
    ASSERT_EQ(ids(done), (std::vector<std::string>{"free", "other", "media", "code"}));
    EXPECT_EQ(done[1].bytes, 400);
    EXPECT_EQ(done[1].flavor, Flavor::cloud);
    EXPECT_EQ(done[1].title, QString("系统与其他"));
    EXPECT_EQ(done[2].urls, categories[0].urls);
    EXPECT_TRUE(done[2].children.empty());

    // Categories bigger than the used space: other is 0, never negative.
    EXPECT_EQ(MapNodes::overview(500, 400, true, categories, {})[1].bytes, 0);
}

TEST(CleanMapNodesTest, CategoryChildrenRemainderFirst) {
    const std::vector<CategoryResult> categories = {category("dev", 1000, Flavor::mint), category("logs", 50),
                                                    category("chat", 10)};
    const std::vector<CleanItem> items = {item("xcode", "dev", 600), item("npm", "dev", 100),
                                          item("syslog", "logs", 50), item("wechat", "chat", 30)};
    const auto nodes = MapNodes::overview(0, 0, false, categories, items);
    ASSERT_EQ(nodes.size(), 4u);

    const MapNode& dev = nodes[1];
    ASSERT_EQ(ids(dev.children), (std::vector<std::string>{"dev.rest", "xcode", "npm"}));
    const MapNode& rest = dev.children[0];
    EXPECT_EQ(rest.kind, MapNode::Kind::remainder);
    EXPECT_EQ(rest.bytes, 300);
    EXPECT_EQ(rest.labelBytes, std::optional<int64_t>(1000));
    EXPECT_EQ(rest.urls, categories[0].urls);
    EXPECT_EQ(rest.flavor, Flavor::mint);
    EXPECT_EQ(dev.children[1].kind, MapNode::Kind::item);
    EXPECT_EQ(dev.children[1].flavor, Flavor::mint);
    EXPECT_EQ(dev.children[1].note, std::optional<QString>("说明"));

    EXPECT_EQ(ids(nodes[2].children), (std::vector<std::string>{"syslog"}));  // items add up exactly
    EXPECT_EQ(ids(nodes[3].children), (std::vector<std::string>{"wechat"}));  // items exceed the category
}

std::vector<DirEntry> entries(int count) {
    std::vector<DirEntry> out;
    for (int i = 0; i < count; ++i)
        out.push_back({"/home/u/d/e" + std::to_string(i), QString("e%1").arg(i), 10 + i, i % 2 == 0});
    return out;
}

TEST(CleanMapNodesTest, FolderLimitAndRestNode) {
    EXPECT_TRUE(MapNodes::folder({}, Flavor::lime).empty());

    const auto forty = MapNodes::folder(entries(40), Flavor::lime);
    EXPECT_EQ(forty.size(), 40u);
    EXPECT_NE(forty.back().kind, MapNode::Kind::rest);

    const auto many = entries(41);
    const auto nodes = MapNodes::folder(many, Flavor::lime);
    ASSERT_EQ(nodes.size(), 41u);
    const MapNode& rest = nodes.back();
    EXPECT_EQ(rest.id, "rest:1");
    EXPECT_EQ(rest.kind, MapNode::Kind::rest);
    EXPECT_EQ(rest.flavor, Flavor::cloud);
    EXPECT_EQ(rest.bytes, 50);
    EXPECT_EQ(rest.urls, std::vector<std::filesystem::path>{many[40].url});
    EXPECT_EQ(rest.title, QString("其余 1 项"));

    const auto lots = MapNodes::folder(entries(45), Flavor::lime);
    EXPECT_EQ(lots.back().id, "rest:5");
    EXPECT_EQ(lots.back().bytes, 50 + 51 + 52 + 53 + 54);

    EXPECT_EQ(nodes[0].id, "/home/u/d/e0");
    EXPECT_EQ(nodes[0].kind, MapNode::Kind::folder);
    EXPECT_EQ(nodes[1].kind, MapNode::Kind::file);
    EXPECT_EQ(nodes[1].urls, std::vector<std::filesystem::path>{many[1].url});
}

TEST(CleanMapNodesTest, FolderFlavourCycle) {
    const auto mango = MapNodes::folder(entries(13), Flavor::mango);
    EXPECT_EQ(mango[0].flavor, Flavor::mango);
    EXPECT_EQ(mango[1].flavor, Flavor::lime);
    EXPECT_EQ(mango[2].flavor, Flavor::blueberry);
    EXPECT_EQ(mango[10].flavor, Flavor::plum);
    EXPECT_EQ(mango[11].flavor, Flavor::strawberry);  // wraps, skipping cloud
    EXPECT_EQ(mango[12].flavor, Flavor::mango);

    const auto cloud = MapNodes::folder(entries(2), Flavor::cloud);
    EXPECT_EQ(cloud[0].flavor, Flavor::strawberry);
    EXPECT_EQ(cloud[1].flavor, Flavor::mango);
}

}  // namespace
}  // namespace sorbeta
