#include "ui/views/clean/HoldingSheet.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAbstractButton>
#include <QLabel>
#include <QTest>
#include <QTranslator>
#include <filesystem>

#include "Children.h"
#include "FileTree.h"
#include "OnDisk.h"
#include "TestEnvironment.h"
#include "model/holding/HoldingManifest.h"
#include "model/holding/HoldingModel.h"
#include "model/shell/AppLanguage.h"
#include "platform/Places.h"

namespace sorbeta {
namespace {

TEST(HoldingSheetDays, DaysLeftTruncateAndNeverGoBelowZero) {
    const QDateTime now = QDateTime(QDate(2026, 3, 10), QTime(12, 0), Qt::UTC);
    EXPECT_EQ(holdingDaysLeft(now, now), 7);
    EXPECT_EQ(holdingDaysLeft(now.addSecs(-86'399), now), 7);
    EXPECT_EQ(holdingDaysLeft(now.addSecs(-25 * 3600), now), 6);
    EXPECT_EQ(holdingDaysLeft(now.addDays(-6).addSecs(-60), now), 1);
    EXPECT_EQ(holdingDaysLeft(now.addDays(-7).addSecs(-60), now), 0);
    EXPECT_EQ(holdingDaysLeft(now.addDays(-30), now), 0);
    // Clock moved back: the batch lies in the future.
    EXPECT_EQ(holdingDaysLeft(now.addDays(2).addSecs(60), now), 9);

    HoldBatch batch{"id", now.addSecs(-25 * 3600), QStringLiteral("t"), {{"/a", "1-a", 5}, {"/b", "2-b", 6}}};
    EXPECT_TRUE(holdingDetailLine(batch, now).endsWith(QStringLiteral(" · 2 项 · 还剩 6 天")));
}

TEST(HoldingSheetDays, DatesUseTheAbbreviatedStyleWithAShortTime) {
    // Midday local time, so the day is the same in every zone's local time.
    const QDateTime date(QDate(2026, 3, 1), QTime(12, 5));
    const QString english = abbreviatedDateTime(date, QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(english.startsWith(QStringLiteral("Mar 1, 2026 12:05"))) << english.toStdString();
    const QString chinese = abbreviatedDateTime(date, QLocale(QLocale::Chinese, QLocale::China));
    EXPECT_TRUE(chinese.startsWith(QStringLiteral("2026年3月1日 "))) << chinese.toStdString();
    EXPECT_TRUE(chinese.endsWith(QStringLiteral("12:05"))) << chinese.toStdString();
    const QString spanish = abbreviatedDateTime(date, QLocale(QLocale::Spanish, QLocale::Spain));
    EXPECT_FALSE(spanish.contains(QStringLiteral("domingo"))) << spanish.toStdString();  // no weekday
    EXPECT_TRUE(spanish.startsWith(QStringLiteral("1 de mar"))) << spanish.toStdString();
}

// The sheet's parts, by the names it gives them.
std::vector<QWidget*> batchRows(const QWidget* sheet) {
    std::vector<QWidget*> rows;
    for (QWidget* row : sheet->findChildren<QWidget*>(QStringLiteral("batch"))) rows.push_back(row);
    return rows;
}
int rowCount(const QWidget* sheet) { return int(batchRows(sheet).size()); }
QAbstractButton* restoreButton(const QWidget* sheet, int row) {
    return test::child<QAbstractButton>(batchRows(sheet).at(std::size_t(row)), "restore");
}
QAbstractButton* deleteButton(const QWidget* sheet, int row) {
    return test::child<QAbstractButton>(batchRows(sheet).at(std::size_t(row)), "delete");
}
QWidget* sizeLabel(const QWidget* sheet, int row) {
    return test::child<QWidget>(batchRows(sheet).at(std::size_t(row)), "size");
}
QString message(const QWidget* sheet) { return test::child<QLabel>(sheet, "message")->text(); }
QLabel* emptyLabel(const QWidget* sheet) { return test::child<QLabel>(sheet, "empty"); }

class HoldingSheetTest : public test::HomeTest {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        area = std::make_shared<HoldingArea>(places().holdingFolder());
        tree = std::make_unique<test::FileTree>(home());
    }
    HoldBatch hold(const std::vector<std::string>& files, QDateTime date, const QString& title) {
        auto writer = area->makeWriter();
        for (const auto& relative : files) {
            tree->file(relative, 4096);
            EXPECT_TRUE(writer->hold(home() / relative, 4096));
        }
        return *area->commit(*writer, title, date);
    }

    std::shared_ptr<HoldingArea> area;
    std::unique_ptr<test::FileTree> tree;
};

TEST_F(HoldingSheetTest, ARestoreThatCouldNotPutEverythingBackSaysSo) {
    const HoldBatch batch = hold({"kept/a", "kept/b", "kept/c"}, QDateTime::currentDateTimeUtc(), QStringLiteral("t"));
    // One place is taken; another no file can take (a name longer than a
    // folder allows), as a disk that refuses the move would be.
    tree->text("kept/b", "in the way");
    const std::filesystem::path manifest = area->root() / batch.id / "manifest.json";
    std::string text = test::contents(manifest);
    const std::string c = HoldingManifest::quote((home() / "kept/c").native());
    ASSERT_NE(text.find(c), std::string::npos);
    text.replace(text.find(c), c.size(), HoldingManifest::quote((home() / "kept" / std::string(300, 'c')).native()));
    test::FileTree(area->root() / batch.id).text("manifest.json", text);

    HoldingModel holding(area);
    holding.setBatches(area->batches());
    HoldingSheet sheet(holding, {});
    sheet.show();
    QTest::mouseClick(restoreButton(&sheet, 0), Qt::LeftButton);
    ASSERT_TRUE(test::waitUntil([&] { return !message(&sheet).isEmpty(); }));
    EXPECT_EQ(message(&sheet),
              QStringLiteral("放回去了 1 项，1 项原处已经有新的了，留在暂存区，1 项没能放回去，还留在暂存区"));
    ASSERT_EQ(rowCount(&sheet), 1);

    // Again in English, where the line is wider than the sheet: it wraps,
    // and all of it shows.
    QTranslator english;
    ASSERT_TRUE(english.load(AppLanguage::translationResource(QStringLiteral("en"))));
    QCoreApplication::installTranslator(&english);
    QTest::mouseClick(restoreButton(&sheet, 0), Qt::LeftButton);
    ASSERT_TRUE(test::waitUntil([&] { return message(&sheet).startsWith(QStringLiteral("Put back 0")); }));
    QCoreApplication::removeTranslator(&english);
    QCoreApplication::processEvents();
    const QLabel* line = test::child<QLabel>(&sheet, "message");
    const QRect needed =
        line->fontMetrics().boundingRect(QRect(0, 0, line->width(), 1000), Qt::TextWordWrap, line->text());
    EXPECT_LE(line->geometry().right(), sheet.width());
    EXPECT_GE(line->height(), needed.height()) << line->text().toStdString();
}

TEST_F(HoldingSheetTest, EmptyAreaShowsOnlyTheEmptyLine) {
    HoldingModel holding(area);
    HoldingSheet sheet(holding, {});
    sheet.show();
    EXPECT_EQ(rowCount(&sheet), 0);
    EXPECT_TRUE(emptyLabel(&sheet)->isVisible());
    EXPECT_EQ(emptyLabel(&sheet)->text(), QStringLiteral("暂存区是空的 🍧"));
    EXPECT_EQ(sheet.size(), QSize(560, 480));
    QTest::keyClick(&sheet, Qt::Key_Escape);
    EXPECT_FALSE(sheet.isVisible());
}

TEST_F(HoldingSheetTest, RestoreShowsCountsAndRescans) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    hold({"old/a"}, now.addSecs(-3600), QStringLiteral("旧的"));
    hold({"new/a", "new/b"}, now, QStringLiteral("新的"));
    HoldingModel holding(area);
    holding.setBatches(area->batches());
    int restores = 0;
    HoldingSheet sheet(holding, [&] { ++restores; });
    sheet.show();
    ASSERT_EQ(rowCount(&sheet), 2);
    // Sizes in decimal units; their digits take equal widths, so rows line up.
    EXPECT_EQ(sizeLabel(&sheet, 0)->accessibleName(), QStringLiteral("8.2 K"));
    EXPECT_EQ(sizeLabel(&sheet, 1)->accessibleName(), QStringLiteral("4.1 K"));
    EXPECT_EQ(sizeLabel(&sheet, 0)->sizeHint().width(), sizeLabel(&sheet, 1)->sizeHint().width());

    // Something new now sits where one of the newest batch's files was.
    tree->text("new/b", "in the way");
    QTest::mouseClick(restoreButton(&sheet, 0), Qt::LeftButton);
    ASSERT_TRUE(test::waitUntil([&] { return !message(&sheet).isEmpty(); }));
    EXPECT_EQ(message(&sheet), QStringLiteral("放回去了 1 项，1 项原处已经有新的了，留在暂存区"));
    EXPECT_TRUE(std::filesystem::exists(home() / "new/a"));
    // The partly restored batch stays; the restore is reported (the service
    // container rescans).
    EXPECT_EQ(restores, 1);

    const int before = rowCount(&sheet);

    restoreButton(&sheet, before - 1)->click();  // the old one, all free
    ASSERT_TRUE(test::waitUntil([&] { return message(&sheet) == QStringLiteral("放回去了 1 项"); }));
    EXPECT_EQ(rowCount(&sheet), before - 1);
    EXPECT_TRUE(std::filesystem::exists(home() / "old/a"));
    EXPECT_EQ(restores, 2);

    // A restore that ends after its sheet has closed is still reported.
    auto closing = std::make_unique<HoldingSheet>(holding, [&] { ++restores; });
    restoreButton(closing.get(), 0)->click();
    closing.reset();
    ASSERT_TRUE(test::waitUntil([&] { return restores == 3; }));
}

TEST_F(HoldingSheetTest, ASecondRestoreOfTheSameBatchLeavesTheFirstLineStanding) {
    hold({"r/a", "r/b"}, QDateTime::currentDateTimeUtc(), QStringLiteral("回"));
    HoldingModel holding(area);
    holding.setBatches(area->batches());
    int restores = 0;
    HoldingSheet sheet(holding, [&] { ++restores; });
    sheet.show();
    // A double click: the second request finds the batch already put back.
    restoreButton(&sheet, 0)->click();
    restoreButton(&sheet, 0)->click();
    ASSERT_TRUE(test::waitUntil([&] { return restores == 2; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(message(&sheet), QStringLiteral("放回去了 2 项"));
    EXPECT_TRUE(std::filesystem::exists(home() / "r/a"));
    EXPECT_EQ(rowCount(&sheet), 0);
}

TEST_F(HoldingSheetTest, DeleteShowsFreedSizeAndNeverTouchesAClosedSheet) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    hold({"x/a", "x/b"}, now, QStringLiteral("删"));
    hold({"y/a"}, now.addSecs(-10), QStringLiteral("关"));
    HoldingModel holding(area);
    holding.setBatches(area->batches());
    int spaceReports = 0;
    holding.setOnSpaceChanged([&] { ++spaceReports; });

    auto sheet = std::make_unique<HoldingSheet>(holding, std::function<void()>());
    sheet->show();
    deleteButton(sheet.get(), 0)->click();
    ASSERT_TRUE(test::waitUntil([&] { return !message(sheet.get()).isEmpty(); }));
    EXPECT_TRUE(message(sheet.get()).startsWith(QStringLiteral("腾出 ")));
    EXPECT_TRUE(message(sheet.get()).endsWith(QStringLiteral(" 🎉")));
    EXPECT_EQ(rowCount(sheet.get()), 1);
    EXPECT_EQ(spaceReports, 1);

    // Close the sheet while a delete is still running.
    deleteButton(sheet.get(), 0)->click();
    sheet.reset();
    ASSERT_TRUE(test::waitUntil([&] { return holding.batches().empty(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(spaceReports, 2);
}

TEST_F(HoldingSheetTest, ADeleteSaysWhatStayedAndASecondDeleteOfTheSameBatchSaysNothing) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    hold({"x/a"}, now, QStringLiteral("删"));
    HoldingModel holding(area);
    holding.setBatches(area->batches());
    int spaceReports = 0;
    holding.setOnSpaceChanged([&] { ++spaceReports; });
    HoldingSheet sheet(holding, {});
    sheet.show();
    // Two clicks before the list catches up: the second finds nothing left
    // and leaves the first one's line standing.
    deleteButton(&sheet, 0)->click();
    deleteButton(&sheet, 0)->click();
    ASSERT_TRUE(test::waitUntil([&] { return spaceReports == 2; }));
    QCoreApplication::processEvents();
    EXPECT_TRUE(message(&sheet).startsWith(QStringLiteral("腾出 "))) << message(&sheet).toStdString();
    EXPECT_NE(message(&sheet), QStringLiteral("腾出 0 B 🎉"));

    if (!test::permissionsEnforced()) return;
    const HoldBatch stuck = hold({"y/a", "y/b"}, now, QStringLiteral("留"));
    holding.setBatches(area->batches());
    const std::filesystem::path files = area->root() / stuck.id / "files";
    ::chmod(files.c_str(), 0555);
    deleteButton(&sheet, 0)->click();
    ASSERT_TRUE(test::waitUntil([&] { return spaceReports == 3; }));
    ::chmod(files.c_str(), 0755);
    QCoreApplication::processEvents();
    EXPECT_EQ(message(&sheet), QStringLiteral("2 项没能删掉，还留在暂存区"));
    EXPECT_EQ(rowCount(&sheet), 1);
}

}  // namespace
}  // namespace sorbeta
