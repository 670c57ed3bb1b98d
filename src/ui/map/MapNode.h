#pragma once
// What a jelly map draws: one node per blob, built by each page and laid out
// by MapLayout. Plain values; ids are raw bytes (a folder node's id is its
// path, which need not be UTF-8).
#include <QRectF>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/common/Flavor.h"

namespace sorbeta {

struct MapNode {
    // free space, system/unclassified, usage category, cleanable item beside its
    // category, a category's leftover, drill-down folder and file, the many
    // small entries left over, an installed application.
    enum class Kind { free, other, category, item, remainder, folder, file, rest, app };

    std::string id;     // identity within one map (hover, touches, selection)
    QString title;      // shown verbatim on the jelly and in its tooltip
    int64_t bytes = 0;  // decides the area; <= 0 is not drawn
    Flavor flavor = Flavor::cloud;
    Kind kind = Kind::category;
    std::optional<QString> note;              // extra tooltip text
    std::vector<MapNode> children;            // drawn in this node's area instead of it
    std::vector<std::filesystem::path> urls;  // disk items behind the node
    std::optional<QString> iconPath;          // file whose workspace icon is drawn
    bool memoryUnits = false;                 // sizes in powers of 1024
    std::optional<int64_t> labelBytes;        // second count for the texts; area follows bytes
    std::optional<QString> labelPrefix;       // put before the size when labelBytes is unset
    std::optional<QString> hint;              // replaces the whole tooltip
    bool tapToPick = false;                   // a tap toggles selection instead of opening

    bool operator==(const MapNode&) const = default;
};

// Tick hooks of a page that embeds a map with tickable jellies.
struct MapSelection {
    std::function<bool(const std::string& id)> isOn;
    std::function<void(const std::string& id)> toggle;
};

// A node and the rectangle (map coordinates, origin top-left) its jelly fills.
struct PlacedNode {
    MapNode node;
    QRectF rect;
};

// Gap between neighbouring jellies in every map.
inline constexpr double kMapGap = 7.0;

}  // namespace sorbeta
