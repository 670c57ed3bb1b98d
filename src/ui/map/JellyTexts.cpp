#include "ui/map/JellyTexts.h"

#include <algorithm>

#include "model/common/Bytes.h"
#include "platform/Translate.h"

namespace sorbeta {

QString jellyLabelSizeLine(const MapNode& node) {
    if (node.labelBytes) return tr("共 %1").arg(Bytes::text(*node.labelBytes, false));
    return node.labelPrefix.value_or(QString()) + Bytes::text(node.bytes, node.memoryUnits);
}

JellyLabelContent jellyLabelContent(const MapNode& node, QSizeF size) {
    JellyLabelContent content;
    const double w = size.width(), h = size.height();
    if (!(w > 54 && h > 34)) return content;
    content.visible = true;
    content.big = std::min(w, h) > 160;
    content.spacing = content.big ? 4 : 1;
    content.titlePixelSize = content.big ? 17 : 12;
    content.sizePixelSize = content.big ? 15 : 11;
    if (h > 52) content.title = node.title;
    content.sizeLine = jellyLabelSizeLine(node);
    return content;
}

QString jellyTooltip(const MapNode& node) {
    if (node.hint) return *node.hint;
    const QString size = Bytes::text(node.bytes, node.memoryUnits);
    switch (node.kind) {
        case MapNode::Kind::free: return tr("空闲空间 %1").arg(size);
        case MapNode::Kind::other: return tr("系统、应用数据与其他没归类的文件 %1").arg(size);
        case MapNode::Kind::item:
            return tr("%1 · %2\n%3\n点右上角圆点选中，点果冻看里面有什么")
                .arg(node.title, size, node.note.value_or(QString()));
        case MapNode::Kind::remainder: {
            const QString total = Bytes::text(node.labelBytes.value_or(node.bytes), false);
            return tr("%1 共 %2，其中旁边的小果冻可以清理，这块是剩下的 %3\n点开看看里面有什么")
                .arg(node.title, total, size);
        }
        case MapNode::Kind::app: return tr("%1 · 连同残留共 %2\n点开看看它留了什么").arg(node.title, size);
        case MapNode::Kind::category:
        case MapNode::Kind::folder:
        case MapNode::Kind::file:
        case MapNode::Kind::rest: break;
    }
    return node.title + QStringLiteral(" · ") + size;
}

QString jellyOpenHint() { return tr("点开看看 ›"); }

QString pickDotHelp(bool selected) { return selected ? tr("取消选中") : tr("选中，稍后清理"); }

}  // namespace sorbeta
