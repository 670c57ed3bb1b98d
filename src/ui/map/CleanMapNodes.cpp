#include "ui/map/CleanMapNodes.h"

#include <QPointer>
#include <algorithm>
#include <array>

#include "model/scan/AppModel.h"
#include "platform/Translate.h"

namespace sorbeta::MapNodes {

namespace {

// Every flavour but cloud, in declaration order: the colours of folder children.
constexpr std::array<Flavor, 12> kFolderCycle = {Flavor::strawberry, Flavor::mango,     Flavor::lime, Flavor::blueberry,
                                                 Flavor::grape,      Flavor::peach,     Flavor::mint, Flavor::cherry,
                                                 Flavor::lemon,      Flavor::bubblegum, Flavor::sky,  Flavor::plum};

std::size_t cycleStart(Flavor parent) {
    const auto found = std::find(kFolderCycle.begin(), kFolderCycle.end(), parent);
    return found == kFolderCycle.end() ? 0 : static_cast<std::size_t>(found - kFolderCycle.begin());
}

MapNode categoryNode(const CategoryResult& category, const std::vector<CleanItem>& items) {
    MapNode node{.id = category.spec.id,
                 .title = category.spec.name,
                 .bytes = category.bytes,
                 .flavor = category.spec.flavor,
                 .kind = MapNode::Kind::category};
    node.urls = category.urls;

    std::vector<const CleanItem*> own;
    for (const CleanItem& item : items)
        if (item.spec.categoryID == category.spec.id) own.push_back(&item);
    if (own.empty()) return node;

    int64_t itemBytes = 0;
    for (const CleanItem* item : own) itemBytes += item->bytes;
    const int64_t rest = category.bytes - itemBytes;
    if (rest > 0) {
        MapNode remainder{.id = category.spec.id + ".rest",
                          .title = category.spec.name,
                          .bytes = rest,
                          .flavor = category.spec.flavor,
                          .kind = MapNode::Kind::remainder};
        remainder.urls = category.urls;
        remainder.labelBytes = category.bytes;  // the label shows the whole category
        node.children.push_back(std::move(remainder));
    }
    for (const CleanItem* item : own) {
        MapNode child{.id = item->spec.id,
                      .title = item->spec.name,
                      .bytes = item->bytes,
                      .flavor = category.spec.flavor,
                      .kind = MapNode::Kind::item};
        child.note = item->spec.note;
        child.urls = item->urls;
        node.children.push_back(std::move(child));
    }
    return node;
}

}  // namespace

std::vector<MapNode> overview(int64_t totalBytes, int64_t freeBytes, bool scanComplete,
                              const std::vector<CategoryResult>& categories, const std::vector<CleanItem>& items) {
    std::vector<MapNode> nodes;
    nodes.push_back(MapNode{.id = "free",
                            .title = tr("可用"),
                            .bytes = freeBytes,
                            .flavor = Flavor::blueberry,
                            .kind = MapNode::Kind::free});
    if (scanComplete) {
        int64_t categorised = 0;
        for (const CategoryResult& category : categories) categorised += category.bytes;
        nodes.push_back(MapNode{.id = "other",
                                .title = tr("系统与其他"),
                                .bytes = std::max<int64_t>(0, totalBytes - freeBytes - categorised),
                                .flavor = Flavor::cloud,
                                .kind = MapNode::Kind::other});
    }
    for (const CategoryResult& category : categories)
        if (category.bytes >= 1) nodes.push_back(categoryNode(category, items));
    return nodes;
}

std::vector<MapNode> overview(const AppModel& model) {
    return overview(model.totalBytes(), model.freeBytes(), model.scanComplete(), model.categories(), model.items());
}

MapSelection overviewSelection(AppModel& model) {
    QPointer<AppModel> weak(&model);
    return MapSelection{.isOn = [weak](const std::string& id) { return weak && weak->selected().contains(id); },
                        .toggle =
                            [weak](const std::string& id) {
                                if (weak) weak->toggle(id);
                            }};
}

std::vector<MapNode> folder(const std::vector<DirEntry>& entries, Flavor parent) {
    std::vector<MapNode> nodes;
    if (entries.empty()) return nodes;
    const std::size_t start = cycleStart(parent);
    const std::size_t shown = std::min(entries.size(), kFolderEntryLimit);
    for (std::size_t i = 0; i < shown; ++i) {
        const DirEntry& entry = entries[i];
        MapNode node{.id = entry.url.string(),
                     .title = entry.name,
                     .bytes = entry.bytes,
                     .flavor = kFolderCycle[(start + i) % kFolderCycle.size()],
                     .kind = entry.isDirectory ? MapNode::Kind::folder : MapNode::Kind::file};
        node.urls = {entry.url};
        nodes.push_back(std::move(node));
    }
    if (entries.size() > kFolderEntryLimit) {
        const auto left = static_cast<qlonglong>(entries.size() - kFolderEntryLimit);
        MapNode rest{.id = "rest:" + std::to_string(left),
                     .title = tr("其余 %n 项", nullptr, left),
                     .bytes = 0,
                     .flavor = Flavor::cloud,
                     .kind = MapNode::Kind::rest};
        for (std::size_t i = kFolderEntryLimit; i < entries.size(); ++i) {
            rest.bytes += entries[i].bytes;
            rest.urls.push_back(entries[i].url);
        }
        nodes.push_back(std::move(rest));
    }
    return nodes;
}

}  // namespace sorbeta::MapNodes
