#include "ui/views/clean/SidePanelText.h"

#include <gtest/gtest.h>

#include "model/scan/CleanSelection.h"

using namespace sorbeta;
using namespace sorbeta::SidePanelText;

namespace {

CleanItem item(const std::string& id, const char* name, int64_t bytes, Safety safety,
               const std::string& category = "caches") {
    CleanItem result;
    result.spec.id = id;
    result.spec.name = QString::fromUtf8(name);
    result.spec.safety = safety;
    result.spec.categoryID = category;
    result.bytes = bytes;
    return result;
}

State scanned() {
    State state;
    state.hasScanned = true;
    state.scanFinished = true;
    state.freeBytes = 50'000'000'000;
    state.items = {item("a", "Alpha", 3'000'000'000, Safety::safe), item("b", "Beta", 2'000'000'000, Safety::review),
                   item("c", "Gamma", 1'500'000, Safety::safe, "no-such-category")};
    return state;
}

}  // namespace

TEST(SidePanelText, FigureCaptionAndSelectionChangeTheAfterCleanFigure) {
    State state;
    EXPECT_EQ(figureNumber(state), QStringLiteral("…"));
    EXPECT_EQ(figureUnit(state), QStringLiteral("B"));
    state = scanned();
    EXPECT_EQ(figureNumber(state), QStringLiteral("50.0"));
    EXPECT_EQ(figureUnit(state), QStringLiteral("G"));
    EXPECT_EQ(caption(state), QStringLiteral("清理所选后可用\n（现在 50.0 G）"));
    state.selected = {"a"};
    EXPECT_EQ(afterCleanBytes(state), 53'000'000'000);
    EXPECT_EQ(figureNumber(state), QStringLiteral("53.0"));
    // Held space counts as space to be had; a zero-byte holding area adds no caption part.
    state.heldBytes = 1'000'000'000;
    EXPECT_EQ(afterCleanBytes(state), 54'000'000'000);
    EXPECT_EQ(caption(state), QStringLiteral("清理所选后可用\n（现在 50.0 G，暂存区 1.0 G）"));
    state.heldBytes = 0;
    EXPECT_EQ(caption(state), QStringLiteral("清理所选后可用\n（现在 50.0 G）"));
}

TEST(SidePanelText, SummaryButtonsAndProgressInEachPhase) {
    State state;  // before anything
    EXPECT_EQ(summary(state), QStringLiteral("准备扫描…"));
    EXPECT_EQ(buttonTitle(state), QStringLiteral("选一些果冻来清理"));
    EXPECT_FALSE(cleanEnabled(state));
    EXPECT_TRUE(rescanEnabled(state));
    EXPECT_FALSE(progressFraction(state));

    state.phase = Phase::scanning(QStringLiteral("缓存"));  // first moments of the first scan
    EXPECT_EQ(summary(state), QStringLiteral("正在翻看「缓存」…"));
    EXPECT_EQ(buttonTitle(state), QStringLiteral("正在扫描…"));
    EXPECT_FALSE(progressFraction(state));
    EXPECT_FALSE(rescanEnabled(state));
    state.hasScanned = true;  // volume measured: bar shows, summary stays
    state.scanFraction = 0.25;
    EXPECT_EQ(summary(state), QStringLiteral("正在翻看「缓存」…"));
    EXPECT_EQ(buttonTitle(state), QStringLiteral("扫描完就能清理"));
    EXPECT_EQ(progressFraction(state), 0.25);
    state.items = scanned().items;  // the first scan lists items as it finds them
    EXPECT_EQ(summary(state), QStringLiteral("正在翻看「缓存」…"));

    state = scanned();
    EXPECT_EQ(summary(state), QStringLiteral("可以清理 5.0 G，其中 3.0 G 可以放心删除。"));
    state.selected = {"a", "c"};
    EXPECT_EQ(buttonTitle(state), QStringLiteral("清理所选 2 项"));
    EXPECT_TRUE(cleanEnabled(state));
    state.phase = Phase::scanning(QStringLiteral("日志"));
    EXPECT_EQ(summary(state), QStringLiteral("正在重新扫描「日志」…"));
    EXPECT_FALSE(cleanEnabled(state));

    state.phase = Phase::cleaning();
    EXPECT_EQ(summary(state), QStringLiteral("正在清理，稍等一下 🫧"));
    EXPECT_EQ(progressFraction(state), 0.0);  // no progress record yet
    EXPECT_EQ(buttonTitle(state), QStringLiteral("正在清理…"));
    state.cleanProgress = CleanProgress{0, 1, QStringLiteral("Alpha")};
    EXPECT_EQ(summary(state), QStringLiteral("正在清理，稍等一下 🫧"));  // one rule: generic text
    EXPECT_EQ(progressFraction(state), 0.0);
    state.cleanProgress = CleanProgress{0, 3, QStringLiteral("Alpha %2")};
    EXPECT_EQ(summary(state), QStringLiteral("正在清理「Alpha %2」… 1/3"));
    state.cleanProgress = CleanProgress{2, 3, QStringLiteral("Gamma")};
    EXPECT_DOUBLE_EQ(*progressFraction(state), 2.0 / 3.0);

    state = scanned();
    state.items.clear();
    EXPECT_EQ(summary(state), QStringLiteral("很干净，没找到可以清理的东西 ✨"));
    EXPECT_FALSE(cleanEnabled(state));
}

TEST(SidePanelText, ConfirmationListsTheTickedItemsInModelOrder) {
    State state = scanned();
    state.selected = {"c", "a"};
    EXPECT_EQ(confirmTitle(state), QStringLiteral("清理 2 项，共 3.0 G？"));
    EXPECT_EQ(confirmMessage(state),
              QStringLiteral("· Alpha  3.0 G\n· Gamma  1.5 M\n\n文件会被直接删除，不经过废纸篓。"));
    state.holdCleaned = true;
    EXPECT_TRUE(confirmMessage(state).endsWith(QStringLiteral("\n\n会先放进暂存区，7 天内可以恢复，之后自动删除。")));
}

TEST(SidePanelText, SectionsSelectAllAndRowFlavour) {
    State state = scanned();
    const auto safe = state.safeItems();
    ASSERT_EQ(safe.size(), 2u);
    EXPECT_FALSE(allSelected(state, safe));
    state.selected = {"a"};
    EXPECT_FALSE(allSelected(state, safe));  // some, not all: "全选"
    state.selected = {"a", "c"};
    EXPECT_TRUE(allSelected(state, safe));
    EXPECT_EQ(selectAllTitle(true), QStringLiteral("全不选"));
    EXPECT_EQ(selectAllTitle(false), QStringLiteral("全选"));
    EXPECT_FALSE(allSelected(state, {}));
    EXPECT_EQ(sectionSelectedText(state.selectedBytes(safe), CleanSelection::totalBytes(safe)),
              QStringLiteral("已选 3.0 G / 3.0 G"));
    EXPECT_EQ(holdingLinkText(0), QStringLiteral("暂存区 0 B · 7 天内可以恢复"));
    EXPECT_EQ(itemFlavor(state.items[2]), Flavor::strawberry);  // unknown category
}
