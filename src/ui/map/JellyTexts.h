#pragma once
// What a jelly says: the title and size written on it, and its tooltip.
#include <QSizeF>
#include <QString>
#include <optional>

#include "ui/map/MapNode.h"

namespace sorbeta {

// The label written on a jelly of the given size.
struct JellyLabelContent {
    bool visible = false;          // only on jellies wider than 54 and taller than 34
    bool big = false;              // the smaller side is above 160
    std::optional<QString> title;  // only on jellies taller than 52
    QString sizeLine;
    int titlePixelSize = 12;
    int sizePixelSize = 11;
    double spacing = 1;
};

JellyLabelContent jellyLabelContent(const MapNode& node, QSizeF size);

// The size line alone: "共 …" of labelBytes, else the prefix and the size.
QString jellyLabelSizeLine(const MapNode& node);

// The tooltip of a jelly: its hint when set, else a text by kind.
QString jellyTooltip(const MapNode& node);

// The invitation shown on a hovered jelly that can be opened.
QString jellyOpenHint();
// The tick dot's help text.
QString pickDotHelp(bool selected);

}  // namespace sorbeta
