#include "ui/views/dev/DevPageText.h"

#include <array>

#include "model/common/Bytes.h"
#include "platform/Translate.h"

namespace sorbeta::DevPageText {
namespace {

// Every flavour but cloud, in their declared order.
constexpr std::array<Flavor, 12> kColours = {Flavor::strawberry, Flavor::mango,     Flavor::lime, Flavor::blueberry,
                                             Flavor::grape,      Flavor::peach,     Flavor::mint, Flavor::cherry,
                                             Flavor::lemon,      Flavor::bubblegum, Flavor::sky,  Flavor::plum};

std::size_t startOf(Flavor flavor) {
    for (std::size_t i = 0; i < kColours.size(); ++i)
        if (kColours[i] == flavor) return i;
    return 0;  // cloud starts from strawberry
}

}  // namespace

int64_t totalBytes(const std::vector<DevEntry>& entries) {
    int64_t total = 0;
    for (const DevEntry& entry : entries) total += entry.bytes;
    return total;
}

std::optional<std::filesystem::path> revealUrl(const DevEntry& entry) {
    return std::visit(
        [](const auto& action) -> std::optional<std::filesystem::path> {
            using Action = std::decay_t<decltype(action)>;
            if constexpr (std::is_same_v<Action, DevEntry::TrashFile> || std::is_same_v<Action, DevEntry::Reveal>) {
                return action.url;
            } else if constexpr (std::is_same_v<Action, DevEntry::Trash> ||
                                 std::is_same_v<Action, DevEntry::Artifacts>) {
                if (action.urls.empty()) return std::nullopt;
                return action.urls.front();
            } else {
                return std::nullopt;
            }
        },
        entry.action);
}

std::vector<MapNode> nodes(const DevGroup& group) {
    const std::size_t start = startOf(group.flavor);
    std::vector<MapNode> result;
    const std::size_t shown = std::min(group.entries.size(), kMapEntries);
    for (std::size_t index = 0; index < shown; ++index) {
        const DevEntry& entry = group.entries[index];
        const std::size_t k = entry.cluster ? std::size_t(std::max(0, *entry.cluster)) : index;
        MapNode node;
        node.id = entry.id.toStdString();
        node.title = entry.title;
        node.bytes = entry.bytes;
        node.flavor = kColours[(start + k) % kColours.size()];
        node.kind = entry.onlyRevealed() ? MapNode::Kind::folder : MapNode::Kind::item;
        if (const auto url = revealUrl(entry)) node.urls = {*url};
        QString hint =
            entry.title + QStringLiteral(" · ") + Bytes::text(entry.bytes) + QLatin1Char('\n') + entry.detail;
        if (entry.recommended) hint += QLatin1Char('\n') + sorbeta::tr("建议清理");
        node.hint = hint;
        node.tapToPick = !entry.onlyRevealed();
        result.push_back(std::move(node));
    }
    if (group.entries.size() > kMapEntries) {
        const std::vector<DevEntry> rest(group.entries.begin() + std::ptrdiff_t(kMapEntries), group.entries.end());
        MapNode node;
        node.id = "rest";
        node.title = sorbeta::tr("其余 %n 项", nullptr, qint64(rest.size()));
        node.bytes = totalBytes(rest);
        node.flavor = Flavor::cloud;
        node.kind = MapNode::Kind::rest;
        node.hint = sorbeta::tr("切到列表看全部");
        result.push_back(std::move(node));
    }
    return result;
}

QString groupLine(const DevGroup& group, const std::vector<DevEntry>& picked) {
    return sorbeta::tr("%n 项 · 已选 %1", nullptr, qint64(group.entries.size())).arg(Bytes::text(totalBytes(picked)));
}

QString cleanTitle(bool busy, int count, int64_t bytes) {
    if (busy) return sorbeta::tr("正在处理…");
    return sorbeta::tr("清理所选 %n 项 · %1", nullptr, count).arg(Bytes::text(bytes));
}

QString confirmTitle(int count, int64_t bytes) {
    return sorbeta::tr("清理 %n 项，共 %1？", nullptr, count).arg(Bytes::text(bytes));
}

QString statusLine(const std::optional<DevModel::Result>& result, bool showList) {
    if (result) {
        if (result->failed <= 0) return sorbeta::tr("腾出 %1 🎉").arg(Bytes::text(result->bytes));
        return sorbeta::tr("%1，%2").arg(sorbeta::tr("腾出 %1").arg(Bytes::text(result->bytes)),
                                         sorbeta::tr("%n 项没删掉", nullptr, result->failed));
    }
    if (!showList) return sorbeta::tr("点果冻选中，右键在访达中显示");
    return {};
}

}  // namespace sorbeta::DevPageText
