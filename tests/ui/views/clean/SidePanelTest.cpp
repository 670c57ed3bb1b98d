#include "ui/views/clean/SidePanel.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

#include "TestEnvironment.h"
#include "model/dialog/CandyDialog.h"
#include "ui/kit/CandyButtonRow.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/KitClock.h"
#include "ui/kit/Theme.h"
#include "ui/views/clean/SidePanelParts.h"

using namespace sorbeta;
using namespace sorbeta::test;
using SidePanelText::State;

namespace {

CleanItem item(const std::string& id, const char* name, int64_t bytes, Safety safety) {
    CleanItem result;
    result.spec.id = id;
    result.spec.name = QString::fromUtf8(name);
    result.spec.note = QStringLiteral("note of ") + QString::fromStdString(id);
    result.spec.safety = safety;
    result.spec.categoryID = "caches";
    result.bytes = bytes;
    return result;
}

State scannedState() {
    State state;
    state.hasScanned = true;
    state.scanFinished = true;
    state.freeBytes = 10'000'000'000;
    state.items = {item("a", "Alpha", 3'000'000'000, Safety::safe), item("b", "Beta", 2'000'000'000, Safety::review),
                   item("c", "Gamma", 1'500'000, Safety::safe)};
    state.selected = {"a", "c"};
    return state;
}

struct SidePanelTest : ::testing::Test {
    CandyDialogCenter center;
    SidePanel panel{nullptr, center};
    SidePanelTest() {
        panel.resize(400, 700);
        panel.show();
    }
};

}  // namespace

TEST_F(SidePanelTest, ShowsFigureButtonsAndProgressForEachPhase) {
    EXPECT_EQ(figure(&panel)->number(), QStringLiteral("…"));
    EXPECT_EQ(summaryText(&panel), QStringLiteral("准备扫描…"));
    EXPECT_LT(shownProgress(&panel), 0);
    EXPECT_TRUE(showsEmptyText(safeSection(&panel)));
    EXPECT_EQ(selectAllButton(safeSection(&panel)), nullptr);

    State state = scannedState();
    panel.setState(state);
    EXPECT_EQ(figure(&panel)->number(), QStringLiteral("13.0"));
    EXPECT_EQ(figure(&panel)->unit(), QStringLiteral("G"));
    EXPECT_EQ(cleanButton(&panel)->text(), QStringLiteral("清理所选 2 项"));
    EXPECT_TRUE(cleanButton(&panel)->isEnabled());
    EXPECT_TRUE(rescanButton(&panel)->isEnabled());
    EXPECT_FALSE(showsEmptyText(safeSection(&panel)));
    EXPECT_EQ(selectedText(safeSection(&panel)), QStringLiteral("已选 3.0 G / 3.0 G"));
    ASSERT_NE(selectAllButton(safeSection(&panel)), nullptr);
    EXPECT_EQ(selectAllButton(safeSection(&panel))->text(), QStringLiteral("全不选"));
    EXPECT_EQ(selectAllButton(reviewSection(&panel))->text(), QStringLiteral("全选"));
    EXPECT_EQ(rows(safeSection(&panel)), (std::vector<std::pair<std::string, bool>>{{"a", true}, {"c", true}}));

    state.phase = Phase::scanning(QStringLiteral("日志"));
    state.scanFraction = 0.5;
    panel.setState(state);
    EXPECT_EQ(summaryText(&panel), QStringLiteral("正在重新扫描「日志」…"));
    EXPECT_DOUBLE_EQ(shownProgress(&panel), 0.5);
    EXPECT_FALSE(cleanButton(&panel)->isEnabled());
    EXPECT_FALSE(rescanButton(&panel)->isEnabled());
    EXPECT_EQ(cleanButton(&panel)->text(), QStringLiteral("扫描完就能清理"));

    state.phase = Phase::cleaning();
    state.cleanProgress = CleanProgress{1, 4, QStringLiteral("Beta")};
    panel.setState(state);
    EXPECT_EQ(summaryText(&panel), QStringLiteral("正在清理「Beta」… 2/4"));
    EXPECT_DOUBLE_EQ(shownProgress(&panel), 0.25);
    EXPECT_EQ(cleanButton(&panel)->text(), QStringLiteral("正在清理…"));
    // Rows and select-all stay clickable while busy.
    QSignalSpy toggled(&panel, &SidePanel::toggleItem);
    QTest::mouseClick(rowButton(safeSection(&panel), "c"), Qt::LeftButton);
    ASSERT_EQ(toggled.count(), 1);
    EXPECT_EQ(toggled[0][0].value<std::string>(), "c");
}

TEST_F(SidePanelTest, RowsToggleSelectAllAndHoldingLink) {
    State state = scannedState();
    panel.setState(state);
    QSignalSpy all(&panel, &SidePanel::toggleAllItems);
    QTest::mouseClick(selectAllButton(reviewSection(&panel)), Qt::LeftButton);
    ASSERT_EQ(all.count(), 1);
    const auto items = all[0][0].value<std::vector<CleanItem>>();
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].spec.id, "b");
    QTextDocument tip;  // the note, shown as written
    tip.setHtml(rowButton(safeSection(&panel), "a")->toolTip());
    EXPECT_EQ(tip.toPlainText(), QStringLiteral("note of a"));

    EXPECT_FALSE(holdingLink(&panel)->isVisibleTo(&panel));
    panel.setHoldingBatches(1);  // even a zero-byte batch shows the link
    EXPECT_TRUE(holdingLink(&panel)->isVisibleTo(&panel));
    EXPECT_EQ(holdingLink(&panel)->text(), QStringLiteral("暂存区 0 B · 7 天内可以恢复"));
    EXPECT_EQ(captionText(&panel), QStringLiteral("清理所选后可用\n（现在 10.0 G）"));
    QSignalSpy holding(&panel, &SidePanel::holdingRequested);
    QTest::mouseClick(holdingLink(&panel), Qt::LeftButton);
    EXPECT_EQ(holding.count(), 1);
}

TEST_F(SidePanelTest, CleanConfirmsWhatTheDialogListedEvenIfTicksChangeMeanwhile) {
    State state = scannedState();
    state.holdCleaned = true;
    panel.setState(state);
    QSignalSpy confirmed(&panel, &SidePanel::cleanConfirmed);
    QTest::mouseClick(cleanButton(&panel), Qt::LeftButton);
    ASSERT_TRUE(center.current().has_value());
    const CandyDialog& dialog = *center.current();
    EXPECT_EQ(dialog.emoji, QStringLiteral("🍧"));
    EXPECT_EQ(dialog.title, QStringLiteral("清理 2 项，共 3.0 G？"));
    EXPECT_TRUE(dialog.message.startsWith(QStringLiteral("· Alpha  3.0 G\n· Gamma  1.5 M\n\n会先放进暂存区")));
    ASSERT_EQ(dialog.choices.size(), 2u);
    EXPECT_EQ(dialog.choices[0].title, QStringLiteral("清理"));
    EXPECT_EQ(dialog.choices[1].title, QStringLiteral("再想想"));
    EXPECT_EQ(dialog.host, CandyDialog::Host::main);

    state.selected = {"a", "b", "c"};  // ticked more while the dialog is open
    state.holdCleaned = false;         // and holding turned off in the settings
    panel.setState(state);
    center.choose(0);
    ASSERT_TRUE(test::waitUntil([&] { return confirmed.count() == 1; }, 5000));
    EXPECT_EQ(confirmed[0][0].value<std::set<std::string>>(), (std::set<std::string>{"a", "c"}));
    EXPECT_TRUE(confirmed[0][1].toBool());  // held, as the dialog promised

    // "再想想" does nothing.
    QTest::mouseClick(cleanButton(&panel), Qt::LeftButton);
    center.choose(1);
    QTest::qWait(20);
    EXPECT_EQ(confirmed.count(), 1);
}

TEST_F(SidePanelTest, FigureCountsToANewSelectionAndTheBarEasesInWhenBusy) {
    ManualKitClock clock;
    State state = scannedState();
    panel.setState(state);  // the first reading replaces "…" at once
    EXPECT_FALSE(figure(&panel)->counting());
    EXPECT_EQ(figure(&panel)->shownParts(), (Bytes::Parts{"13.0", "G"}));

    state.selected = {"a", "b", "c"};  // + 2.0 G
    panel.setState(state);
    EXPECT_EQ(figure(&panel)->number(), QStringLiteral("15.0"));  // where it goes
    EXPECT_TRUE(figure(&panel)->counting());
    EXPECT_EQ(figure(&panel)->shownParts().number, QStringLiteral("13.0"));
    clock.advance(0.08);
    const double shown = figure(&panel)->shownParts().number.toDouble();
    EXPECT_GT(shown, 13.0);
    EXPECT_LT(shown, 15.0);
    clock.advance(3.0);
    EXPECT_FALSE(figure(&panel)->counting());
    EXPECT_EQ(figure(&panel)->shownParts(), (Bytes::Parts{"15.0", "G"}));

    // Turning busy eases the bar in over 0.25 s; its slot opens as it fades in.
    ProgressSlot* slot = progressSlot(&panel);
    EXPECT_FALSE(slot->isVisibleTo(&panel));
    state.phase = Phase::scanning(QStringLiteral("日志"));
    state.scanFraction = 0.3;
    panel.setState(state);
    EXPECT_DOUBLE_EQ(shownProgress(&panel), 0.3);
    EXPECT_TRUE(slot->isVisibleTo(&panel));
    EXPECT_DOUBLE_EQ(slot->presence(), 0.0);
    clock.advance(0.125);
    EXPECT_NEAR(slot->presence(), easeOut(0.5), 1e-9);
    clock.advance(0.125);
    EXPECT_DOUBLE_EQ(slot->presence(), 1.0);
    ASSERT_TRUE(test::waitUntil([&] { return slot->height() == 10; }, 5000));

    // Idle again: it eases out and the slot closes.
    state.phase = Phase::idle();
    panel.setState(state);
    EXPECT_LT(shownProgress(&panel), 0);
    clock.advance(0.3);
    ASSERT_TRUE(test::waitUntil([&] { return !slot->isVisibleTo(&panel); }, 5000));
}

// The colour of a rule row's check box just inside its top-left corner.
QColor checkColour(QWidget* row) {
    QImage image(row->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    row->render(&image);
    const QPoint corner(10 + 5, row->height() / 2 - 10 + 5);  // the box sits 10 in, centred
    return QColor::fromRgba(image.pixel(corner));
}

TEST_F(SidePanelTest, RowChecksPopWithTheCheckBoxSpring) {
    ManualKitClock clock;
    State state = scannedState();  // "a" ticked, "b" not
    panel.setState(state);
    QWidget* a = rowButton(safeSection(&panel), "a");
    QWidget* b = rowButton(reviewSection(&panel), "b");
    const QColor on = checkColour(a), off = checkColour(b);  // new rows show their tick at rest
    ASSERT_GT(std::abs(on.lightness() - off.lightness()), 40);

    state.selected = {"c", "b"};  // "a" unticked, "b" ticked
    panel.setState(state);
    EXPECT_EQ(checkColour(a), on);  // nothing jumps: the spring starts where the box is
    EXPECT_EQ(checkColour(b), off);
    clock.advance(0.06);
    const QColor halfway = checkColour(b);
    EXPECT_NE(halfway, off);
    EXPECT_NE(halfway, on);
    EXPECT_NE(checkColour(a), on);
    clock.advance(2.0);
    EXPECT_EQ(checkColour(b), on);
    EXPECT_EQ(checkColour(a), off);
}

TEST_F(SidePanelTest, CaptionStandsOnTheFiguresBaselineTwelvePointsAfterTheUnit) {
    panel.setState(scannedState());
    QTest::qWait(1);
    SidePanelFigure* figure = test::figure(&panel);
    QLabel* caption = test::caption(&panel);
    const QRect figureAt = figure->geometry();
    const QRect captionAt = caption->geometry();
    // First text baselines line up: the caption's first line sits on the digits' baseline.
    const double captionBaseline = captionAt.top() + QFontMetricsF(caption->font()).ascent();
    EXPECT_NEAR(captionBaseline, figureAt.top() + figure->baseline(), 1.0);
    // The figure takes the room of its number, 6 and its unit; the caption's
    // text follows 6 apart plus its own 6 of padding.
    EXPECT_EQ(figureAt.width(), figure->sizeHint().width());
    const double content = QFontMetricsF(roundedFont(76, QFont::ExtraBold)).horizontalAdvance(QStringLiteral("13.0")) +
                           6 + QFontMetricsF(roundedFont(26, QFont::ExtraBold)).horizontalAdvance(QStringLiteral("G"));
    EXPECT_LE(figureAt.width(), std::ceil(content));
    EXPECT_EQ(captionAt.left() - (figureAt.right() + 1), 12);
    EXPECT_EQ(caption->textFormat(), Qt::PlainText);
}

TEST_F(SidePanelTest, ButtonCapsulesStandOnTheColumnsEdgesTenApartAndTenBelowTheHoldingLink) {
    panel.resize(QSize(400, 700).grownBy(SidePanel::kBleed));
    panel.setState(scannedState());
    panel.setHoldingBatches(1);
    QTest::qWait(1);
    const QMargins bleed = SidePanel::kBleed;
    const CandyButtonRow* footer = test::footer(&panel);
    const auto capsules = footer->capsules();
    ASSERT_EQ(capsules.size(), 2u);
    const QRect clean = capsules[0].translated(footer->pos());
    const QRect rescan = capsules[1].translated(footer->pos());
    // The first capsule on the column's leading edge, like the rows and the link.
    EXPECT_EQ(clean.left(), bleed.left());
    const QWidget* row = rowButton(safeSection(&panel), "a");
    EXPECT_EQ(row->mapTo(&panel, QPoint(0, 0)).x(), bleed.left());
    EXPECT_EQ(holdingLink(&panel)->mapTo(&panel, QPoint(0, 0)).x(), bleed.left());
    EXPECT_EQ(rescan.left() - (clean.right() + 1), 10);
    EXPECT_EQ(clean.height(), 46);
    // The capsules end on the column's bottom; the link stands 10 above them.
    EXPECT_EQ(clean.bottom() + 1, panel.height() - bleed.bottom());
    const QRect link(holdingLink(&panel)->mapTo(&panel, QPoint(0, 0)), holdingLink(&panel)->size());
    EXPECT_EQ(clean.top() - (link.bottom() + 1), 10);
    // The clean button's new title widens its capsule; the rescan one follows 10 after it.
    State busy = scannedState();
    busy.phase = Phase::scanning(QStringLiteral("日志"));
    panel.setState(busy);
    QTest::qWait(1);
    const auto moved = footer->capsules();
    EXPECT_NE(moved[0].width(), capsules[0].width());
    EXPECT_EQ(moved[1].left() - (moved[0].right() + 1), 10);
    EXPECT_EQ(cleanButton(&panel)->geometry(), moved[0].marginsAdded(CandyButton::kShadowMargins));
}
