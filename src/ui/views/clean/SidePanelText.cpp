#include "ui/views/clean/SidePanelText.h"

#include <QStringList>

#include "model/catalog/Catalog.h"
#include "model/common/Bytes.h"
#include "model/scan/CleanSelection.h"
#include "platform/Translate.h"

namespace sorbeta::SidePanelText {

std::vector<CleanItem> State::safeItems() const { return CleanSelection::withSafety(items, Safety::safe); }
std::vector<CleanItem> State::reviewItems() const { return CleanSelection::withSafety(items, Safety::review); }
std::vector<CleanItem> State::selectedItems() const { return CleanSelection::ticked(items, selected); }

int64_t State::selectedBytes(const std::vector<CleanItem>& of) const {
    return CleanSelection::tickedBytes(of, selected);
}

int64_t afterCleanBytes(const State& state) {
    return state.freeBytes + state.heldBytes + CleanSelection::totalBytes(state.selectedItems());
}

QString figureNumber(const State& state) {
    if (!state.hasScanned) return QStringLiteral("…");
    return Bytes::parts(afterCleanBytes(state)).number;
}

QString figureUnit(const State& state) { return Bytes::parts(afterCleanBytes(state)).unit; }

QString caption(const State& state) {
    if (state.heldBytes >= 1)
        return tr("清理所选后可用\n（现在 %1，暂存区 %2）")
            .arg(Bytes::text(state.freeBytes), Bytes::text(state.heldBytes));
    return tr("清理所选后可用\n（现在 %1）").arg(Bytes::text(state.freeBytes));
}

QString summary(const State& state) {
    switch (state.phase.kind()) {
        case Phase::Kind::idle:
            if (state.items.empty()) return state.hasScanned ? tr("很干净，没找到可以清理的东西 ✨") : tr("准备扫描…");
            return tr("可以清理 %1，其中 %2 可以放心删除。")
                .arg(Bytes::text(CleanSelection::totalBytes(state.items)),
                     Bytes::text(CleanSelection::totalBytes(state.safeItems())));
        case Phase::Kind::scanning:
            if (state.scanFinished && !state.items.empty()) return tr("正在重新扫描「%1」…").arg(state.phase.label());
            return tr("正在翻看「%1」…").arg(state.phase.label());
        case Phase::Kind::cleaning:
            if (state.cleanProgress && state.cleanProgress->total >= 2)
                return tr("正在清理「%1」… %2/%3")
                    .arg(state.cleanProgress->current, QString::number(state.cleanProgress->done + 1),
                         QString::number(state.cleanProgress->total));
            return tr("正在清理，稍等一下 🫧");
    }
    return {};
}

QString buttonTitle(const State& state) {
    switch (state.phase.kind()) {
        case Phase::Kind::idle: {
            const auto count = state.selectedItems().size();
            if (count > 0) return tr("清理所选 %n 项", nullptr, qint64(count));
            return tr("选一些果冻来清理");
        }
        case Phase::Kind::scanning: return state.hasScanned ? tr("扫描完就能清理") : tr("正在扫描…");
        case Phase::Kind::cleaning: return tr("正在清理…");
    }
    return {};
}

bool cleanEnabled(const State& state) { return !state.busy() && !state.selectedItems().empty(); }
bool rescanEnabled(const State& state) { return !state.busy(); }

std::optional<double> progressFraction(const State& state) {
    if (state.phase.isCleaning()) {
        if (!state.cleanProgress || state.cleanProgress->total < 1) return 0.0;
        return double(state.cleanProgress->done) / double(state.cleanProgress->total);
    }
    if (state.phase.isScanning() && state.hasScanned) return state.scanFraction;
    return std::nullopt;
}

QString confirmTitle(const State& state) {
    const auto chosen = state.selectedItems();
    return tr("清理 %n 项，共 %1？", nullptr, qint64(chosen.size()))
        .arg(Bytes::text(CleanSelection::totalBytes(chosen)));
}

QString confirmMessage(const State& state) {
    QStringList lines;
    for (const CleanItem& item : state.selectedItems())
        lines << QStringLiteral("· ") + item.spec.name + QStringLiteral("  ") + Bytes::text(item.bytes);
    return lines.join(QLatin1Char('\n')) + (state.holdCleaned ? tr("\n\n会先放进暂存区，7 天内可以恢复，之后自动删除。")
                                                              : tr("\n\n文件会被直接删除，不经过废纸篓。"));
}

QString sectionSelectedText(int64_t selected, int64_t total) {
    return tr("已选 %1 / %2").arg(Bytes::text(selected), Bytes::text(total));
}

bool allSelected(const State& state, const std::vector<CleanItem>& items) {
    if (items.empty()) return false;
    for (const CleanItem& item : items)
        if (!state.selected.count(item.spec.id)) return false;
    return true;
}

QString selectAllTitle(bool allOn) { return allOn ? tr("全不选") : tr("全选"); }

QString holdingLinkText(int64_t heldBytes) { return tr("暂存区 %1 · 7 天内可以恢复").arg(Bytes::text(heldBytes)); }

Flavor itemFlavor(const CleanItem& item) {
    if (const CategorySpec* category = Catalog::category(item.spec.categoryID)) return category->flavor;
    return Flavor::strawberry;
}

}  // namespace sorbeta::SidePanelText
