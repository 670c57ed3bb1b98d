#pragma once
// What the developer and files pages say and draw, as pure functions of the
// page model's values: the jelly nodes of a group, where an entry's reveal
// button points, and the texts of the rows, the status line and the buttons.
#include <QString>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "model/dev/DevModel.h"
#include "ui/map/MapNode.h"

namespace sorbeta::DevPageText {

// A group's map shows at most this many entries; the rest share one jelly.
inline constexpr std::size_t kMapEntries = 48;

// The sum of the entries' sizes.
int64_t totalBytes(const std::vector<DevEntry>& entries);

// What the entry's reveal button shows: the file itself, or the first item of
// a list; none for simulator data, the container prune and empty lists.
std::optional<std::filesystem::path> revealUrl(const DevEntry& entry);

// One jelly per entry for the first 48, in the group's order, coloured in turn
// from the group's flavour (entries of one duplicate set alike), then one
// "rest" jelly for the others.
std::vector<MapNode> nodes(const DevGroup& group);

// A group row's second line: "%lld 项 · 已选 %@".
QString groupLine(const DevGroup& group, const std::vector<DevEntry>& picked);
// The clean button's title: "正在处理…" while busy, else "清理所选 %lld 项 · %@".
QString cleanTitle(bool busy, int count, int64_t bytes);
// The confirmation's title: "清理 %lld 项，共 %@？".
QString confirmTitle(int count, int64_t bytes);
// The status line: the last removal's outcome, else the map's hint while
// the map shows, else nothing.
QString statusLine(const std::optional<DevModel::Result>& result, bool showList);
// Whether the status line is an outcome (drawn larger than the hint).
inline bool statusIsOutcome(const std::optional<DevModel::Result>& result) { return result.has_value(); }

}  // namespace sorbeta::DevPageText
