#include "ui/map/MapLayout.h"

#include <algorithm>
#include <cmath>

#include "ui/map/Treemap.h"

namespace sorbeta::MapLayout {

namespace {

constexpr double kMinSide = 22.0;

// A zero rect inset by a positive amount leaves nothing: it counts as 0 × 0.
QRectF inset(const QRectF& rect, double amount) {
    if (rect.isNull()) return QRectF();
    const QRectF shrunk = rect.adjusted(amount, amount, -amount, -amount);
    if (shrunk.width() < 0.0 || shrunk.height() < 0.0) return QRectF();
    return shrunk;
}

bool bigEnough(const QRectF& rect) { return std::min(rect.width(), rect.height()) > kMinSide; }

}  // namespace

double weight(int64_t bytes) { return std::pow(static_cast<double>(std::max<int64_t>(bytes, 0)), 0.75); }

std::vector<PlacedNode> layout(const std::vector<MapNode>& nodes, const QRectF& rect, double gap) {
    std::vector<const MapNode*> visible;
    for (const MapNode& node : nodes)
        if (node.bytes > 0) visible.push_back(&node);

    std::vector<double> weights;
    weights.reserve(visible.size());
    for (const MapNode* node : visible) weights.push_back(weight(node->bytes));
    const std::vector<QRectF> rects = Treemap::layout(weights, rect);

    const double half = gap / 2.0;
    std::vector<PlacedNode> placed;
    auto placeLeaf = [&](const MapNode& node, const QRectF& area) {
        const QRectF r = inset(area, half);
        if (!bigEnough(r)) return;
        placed.push_back(PlacedNode{node, r});  // a child's own children are ignored
    };

    for (std::size_t i = 0; i < visible.size(); ++i) {
        const MapNode& node = *visible[i];
        if (node.children.empty()) {
            placeLeaf(node, rects[i]);
            continue;
        }
        std::vector<double> childWeights;
        childWeights.reserve(node.children.size());
        for (const MapNode& child : node.children) childWeights.push_back(weight(child.bytes));
        const std::vector<QRectF> childRects = Treemap::layout(childWeights, rects[i]);
        for (std::size_t k = 0; k < node.children.size(); ++k) placeLeaf(node.children[k], childRects[k]);
    }
    return placed;
}

}  // namespace sorbeta::MapLayout
