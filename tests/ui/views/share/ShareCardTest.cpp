#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImageReader>
#include <QTimeZone>

#include "Children.h"
#include "TestEnvironment.h"
#include "TsFiles.h"
#include "platform/BuildInfo.h"
#include "platform/PrivateFolder.h"
#include "ui/kit/Theme.h"
#include "ui/views/share/ShareCard.h"
#include "ui/views/share/ShareCardLayout.h"
#include "ui/views/share/ShareCardSheet.h"

namespace sorbeta {
namespace {

using namespace ShareCardLayout;

CleanReport reportOf(std::vector<int64_t> sizes) {
    CleanReport report;
    report.date = QDateTime(QDate(2026, 3, 7), QTime(12, 0), Qt::UTC);
    for (std::size_t i = 0; i < sizes.size(); ++i)
        report.items.push_back({QStringLiteral("rule %1").arg(i), sizes[i], allFlavors[i % 12]});
    report.freed = 1'500'000'000;
    report.freeBefore = 20'000'000'000;
    return report;
}

TEST(ShareCardLayoutTest, OtherBlobGathersWhatFollowsTheSixth) {
    EXPECT_TRUE(shownItems(reportOf({})).empty());
    EXPECT_EQ(shownItems(reportOf({6, 5, 4, 3, 2, 1})).size(), 6u);     // exactly six: no rest
    EXPECT_EQ(shownItems(reportOf({6, 5, 4, 3, 2, 1, 0})).size(), 6u);  // a rest of 0 bytes is no blob
    const auto seven = shownItems(reportOf({60, 50, 40, 30, 20, 10, 7}));
    ASSERT_EQ(seven.size(), 7u);
    EXPECT_EQ(seven[6], (CleanReport::Item{QStringLiteral("其他"), 7, Flavor::cloud}));
    const auto eight = shownItems(reportOf({60, 50, 40, 30, 20, 10, 7, 5}));
    ASSERT_EQ(eight.size(), 7u);
    EXPECT_EQ(eight[6].bytes, 12);
    EXPECT_EQ(eight[5].name, QStringLiteral("rule 5"));
}

TEST(ShareCardLayoutTest, LabelsFollowTheBlobSizeWithStrictBounds) {
    EXPECT_EQ(labelFor({64.5, 44.5}), Label::nameAndSize);
    EXPECT_EQ(labelFor({64, 44}), Label::sizeOnly);
    EXPECT_EQ(labelFor({200, 44}), Label::sizeOnly);
    EXPECT_EQ(labelFor({34.5, 26.5}), Label::sizeOnly);
    EXPECT_EQ(labelFor({34, 26}), Label::none);
    EXPECT_DOUBLE_EQ(nameFontSize(100), 12.5);
    EXPECT_DOUBLE_EQ(nameFontSize(112), 14);
    EXPECT_DOUBLE_EQ(nameFontSize(300), 14);
}

TEST(ShareCardLayoutTest, BlobsFillTheAreaInsetAndKeepZeroByteItems) {
    const QSizeF area(312, 210);
    const auto placed = blobs(reportOf({1000, 0}), area);
    ASSERT_EQ(placed.size(), 2u);
    // The 0-byte item weighs 1: a sliver, but still its own rectangle.
    EXPECT_GT(placed[0].frame.width(), 290);
    EXPECT_EQ(placed[0].frame.top(), kBlobInset);
    EXPECT_GE(placed[1].frame.width(), 0);
    EXPECT_EQ(placed[0].sizeText, QStringLiteral("1.0 K"));
    EXPECT_EQ(placed[0].label, Label::nameAndSize);
    EXPECT_EQ(placed[1].label, Label::none);
    // Right to left mirrors the rectangles within the area.
    const auto mirrored = blobs(reportOf({100, 60, 30}), area, true);
    const auto straight = blobs(reportOf({100, 60, 30}), area, false);
    for (std::size_t i = 0; i < straight.size(); ++i) {
        EXPECT_DOUBLE_EQ(mirrored[i].frame.left(), area.width() - straight[i].frame.right());
        EXPECT_EQ(mirrored[i].frame.size(), straight[i].frame.size());
    }
}

TEST(ShareCardLayoutTest, SummaryCountsEveryItemAndAddsTheFreedSpace) {
    CleanReport report = reportOf({60, 50, 40, 30, 20, 10, 7, 5});
    report.freeBefore = 12'300'000'000;
    report.freed = 2'500'000'000;
    EXPECT_EQ(summaryText(report), QStringLiteral("清理了 8 项 · 可用空间 12.3 G → 14.8 G"));
}

// The card's slogan stands whole beside the address in every language: a
// picture people share should not end its one sentence in "…".
TEST(ShareCardLayoutTest, SloganFitsBesideTheAddressInEveryLanguage) {
    const QString source = QStringLiteral("用冰沙给 Mac 腾地方");
    const QFontMetricsF metrics(footFont());
    const double room = sloganRoom(platform::BuildInfo::webAddress());
    EXPECT_LE(metrics.horizontalAdvance(source), room);
    for (const char* language : {"en", "es", "ja", "ko", "th", "vi", "zh_Hant", "ar"}) {
        const test::TsFile file = test::readTs(test::tsPath(QString::fromLatin1(language)));
        ASSERT_TRUE(file.error.isEmpty()) << language;
        const auto found = file.messages.find(source);
        ASSERT_NE(found, file.messages.end()) << language;
        ASSERT_FALSE(found->second.forms.empty()) << language;
        const QString slogan = found->second.forms.front();
        EXPECT_LE(metrics.horizontalAdvance(slogan), room) << language << ": " << slogan.toStdString();
    }
}

// The summary of a usual clean (a dozen items, tens of gigabytes) stands
// whole across the card in every language and each of its plural forms.
TEST(ShareCardLayoutTest, SummaryOfAUsualCleanFitsAcrossTheCard) {
    const QString source = QStringLiteral("清理了 %n 项 · 可用空间 %1 → %2");
    const QFontMetricsF metrics(summaryFont());
    const double room = kCardSize.width() - 2 * kPadding;
    const auto usual = [](QString text) {
        return text.replace(QStringLiteral("%n"), QStringLiteral("12"))
            .replace(QStringLiteral("%1"), QStringLiteral("45.3 G"))
            .replace(QStringLiteral("%2"), QStringLiteral("47.1 G"));
    };
    EXPECT_LE(metrics.horizontalAdvance(usual(source)), room);
    for (const char* language : {"en", "es", "ja", "ko", "th", "vi", "zh_Hant", "ar"}) {
        const test::TsFile file = test::readTs(test::tsPath(QString::fromLatin1(language)));
        ASSERT_TRUE(file.error.isEmpty()) << language;
        const auto found = file.messages.find(source);
        ASSERT_NE(found, file.messages.end()) << language;
        for (const QString& form : found->second.forms)
            EXPECT_LE(metrics.horizontalAdvance(usual(form)), room) << language << ": " << usual(form).toStdString();
    }
}

TEST(ShareCardLayoutTest, FileNameTakesTheDayInUtc) {
    // 00:30 on 7 March at UTC+8 is still 6 March in UTC.
    const QDateTime east(QDate(2026, 3, 7), QTime(0, 30), QTimeZone(8 * 3600));
    EXPECT_EQ(fileName(east), QStringLiteral("Sorbeta-2026-03-06.png"));
    EXPECT_EQ(fileName(QDateTime(QDate(2026, 12, 31), QTime(23, 59), Qt::UTC)),
              QStringLiteral("Sorbeta-2026-12-31.png"));
}

// The card's own test also runs as its own CTest case with QT_SCALE_FACTOR=2.
TEST(ShareCardRenderTest, GivesA1080By1440PngWithPaperCorners) {
    const QImage image = ShareCard::render(reportOf({9'000'000'000, 3'000'000'000, 800'000'000, 5'000'000}));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(1080, 1440));
    EXPECT_EQ(image.pixelColor(0, 0).rgb(), Theme::paper().rgb());
    EXPECT_EQ(image.pixelColor(1079, 1439).rgb(), Theme::paper().rgb());
    const auto data = ShareCard::png(image);
    ASSERT_TRUE(data.has_value());
    EXPECT_TRUE(data->startsWith("\x89PNG\r\n\x1a\n"));
    QBuffer buffer(const_cast<QByteArray*>(&*data));
    QImageReader reader(&buffer, "PNG");
    EXPECT_EQ(reader.size(), QSize(1080, 1440));
    // Something is drawn: the jelly area is not plain paper.
    EXPECT_NE(image.pixelColor(540, 400).rgb(), Theme::paper().rgb());
    EXPECT_FALSE(ShareCard::png(QImage()).has_value());
}

TEST(ShareCardRenderTest, RightToLeftMirrorsTheCard) {
    const CleanReport report = reportOf({9'000'000'000, 3'000'000'000});
    const QImage ltr = ShareCard::render(report, Qt::LeftToRight);
    const QImage rtl = ShareCard::render(report, Qt::RightToLeft);
    EXPECT_NE(ltr, rtl);
    // The icon sits top left one way and top right the other.
    EXPECT_EQ(ltr.size(), rtl.size());
}

class ShareSheetTest : public test::HomeTest {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        runtime_ = home() / "run";
        std::filesystem::create_directory(runtime_);
        ::chmod(runtime_.c_str(), 0700);
        ::setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("XDG_RUNTIME_DIR");
        HomeTest::TearDown();
    }
    std::filesystem::path runtime_;
};

TEST_F(ShareSheetTest, ShareAppearsOnlyAfterThePictureIsWrittenPrivately) {
    ShareCardSheet sheet(reportOf({5'000'000'000, 2'000'000}));
    EXPECT_EQ(test::child<QWidget>(&sheet, "share"), nullptr);
    EXPECT_NE(test::child<QWidget>(&sheet, "save"), nullptr);
    EXPECT_NE(test::child<QWidget>(&sheet, "close"), nullptr);
    sheet.prepare();
    ASSERT_TRUE(sheet.temporaryFile().has_value());
    EXPECT_EQ(*sheet.temporaryFile(), QString::fromStdString((runtime_ / "sorbeta/Sorbeta-2026-03-07.png").string()));
    EXPECT_NE(test::child<QWidget>(&sheet, "share"), nullptr);
    struct stat info {};
    ASSERT_EQ(::stat((runtime_ / "sorbeta").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    QImage written(*sheet.temporaryFile());
    EXPECT_EQ(written.size(), QSize(1080, 1440));

    // A second sheet for the same day replaces the picture.
    ShareCardSheet again(reportOf({7'000'000'000}));
    again.prepare();
    EXPECT_EQ(again.temporaryFile(), sheet.temporaryFile());
}

TEST_F(ShareSheetTest, NoShareWhenThePrivateFolderIsAPlantedLink) {
    std::filesystem::create_directory(outside() / "trap");
    std::filesystem::create_directory_symlink(outside() / "trap", runtime_ / "sorbeta");
    EXPECT_FALSE(platform::ensurePrivateFolder(runtime_ / "sorbeta"));
    ShareCardSheet::Desktop desktop;
    desktop.temporaryFolder = [this]() -> std::optional<std::filesystem::path> {
        if (platform::ensurePrivateFolder(runtime_ / "sorbeta")) return runtime_ / "sorbeta";
        return std::nullopt;
    };
    ShareCardSheet sheet(reportOf({5'000'000'000}), nullptr, desktop);
    sheet.prepare();
    EXPECT_FALSE(sheet.temporaryFile().has_value());
    EXPECT_EQ(test::child<QWidget>(&sheet, "share"), nullptr);
    EXPECT_TRUE(std::filesystem::is_empty(outside() / "trap"));
    // Saving and copying still work from the rendered image.
    EXPECT_FALSE(sheet.image().isNull());
}

TEST_F(ShareSheetTest, SavesIntoTheChosenFolderAndSaysWhere) {
    const auto pictures = home() / "Pictures";
    std::filesystem::create_directory(pictures);
    std::filesystem::create_directory(home() / "Desktop");
    QString proposed;
    ShareCardSheet::Desktop desktop;
    QString target = QString::fromStdString((pictures / "card.png").string());
    desktop.chooseSaveFile = [&](const QString& offered) {
        proposed = offered;
        return target;
    };
    ShareCardSheet sheet(reportOf({5'000'000'000}), nullptr, desktop);
    sheet.save();  // nothing rendered yet: nothing to save, no note
    EXPECT_TRUE(proposed.isEmpty());
    EXPECT_FALSE(sheet.note().has_value());
    sheet.prepare();
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    sheet.save();
    EXPECT_EQ(proposed, QString::fromStdString((home() / "Desktop/Sorbeta-2026-03-07.png").string()));
    EXPECT_EQ(sheet.note(), QStringLiteral("已保存到「Pictures」"));
    EXPECT_EQ(QImage(target).size(), QSize(1080, 1440));
    EXPECT_EQ(QDir(QString::fromStdString(pictures.string())).entryList(QDir::Files), QStringList{"card.png"});

    // A cancelled panel keeps the note as it was.
    target.clear();
    sheet.save();
    EXPECT_EQ(sheet.note(), QStringLiteral("已保存到「Pictures」"));

    // A failed write says so instead of pointing at the earlier picture: a
    // folder that is not there, or a file where the folder should be.
    target = QString::fromStdString((home() / "missing/card.png").string());
    sheet.save();
    EXPECT_EQ(sheet.note(), QStringLiteral("没能保存图片"));
    EXPECT_FALSE(std::filesystem::exists(home() / "missing"));
    target = QString::fromStdString((pictures / "card.png").string());
    sheet.save();
    ASSERT_EQ(sheet.note(), QStringLiteral("已保存到「Pictures」"));
    target = QString::fromStdString((pictures / "card.png" / "inside.png").string());
    sheet.save();
    EXPECT_EQ(sheet.note(), QStringLiteral("没能保存图片"));
    EXPECT_EQ(QImage(QString::fromStdString((pictures / "card.png").string())).size(), QSize(1080, 1440));
}

// A desktop's own save dialog confirms replacing the name the user typed;
// the ".png" added to a bare name must not replace a picture unasked.
TEST_F(ShareSheetTest, ASuffixAddedToABareNameNeverReplacesAPictureUnasked) {
    const auto pictures = home() / "Pictures";
    std::filesystem::create_directory(pictures);
    const QString bare = QString::fromStdString((pictures / "mine").string());
    const QString png = bare + QStringLiteral(".png");
    QStringList offered;
    QStringList answers;
    ShareCardSheet::Desktop desktop;
    desktop.chooseSaveFile = [&](const QString& proposed) {
        offered << proposed;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    };
    ShareCardSheet sheet(reportOf({5'000'000'000}), nullptr, desktop);
    sheet.prepare();

    // No picture of that name yet: saved with the suffix at once.
    answers = {bare};
    sheet.save();
    EXPECT_EQ(offered.size(), 1);
    EXPECT_EQ(QImage(png).size(), QSize(1080, 1440));

    // Now there is one: the dialog is offered it by its full name, and a
    // cancel there leaves it alone.
    QFile precious(png);
    ASSERT_TRUE(precious.open(QIODevice::WriteOnly));
    precious.write("precious");
    precious.close();
    offered.clear();
    answers = {bare};
    sheet.save();
    ASSERT_EQ(offered.size(), 2);
    EXPECT_EQ(offered[1], png);
    ASSERT_TRUE(precious.open(QIODevice::ReadOnly));
    EXPECT_EQ(precious.readAll(), QByteArray("precious"));
    precious.close();

    // Confirmed there, it is replaced.
    offered.clear();
    answers = {bare, png};
    sheet.save();
    EXPECT_EQ(offered.size(), 2);
    EXPECT_EQ(QImage(png).size(), QSize(1080, 1440));
    EXPECT_EQ(QDir(QString::fromStdString(pictures.string())).entryList(QDir::Files), QStringList{"mine.png"});
}

TEST_F(ShareSheetTest, CopyPutsTheImageOnTheClipboard) {
    ShareCardSheet sheet(reportOf({5'000'000'000}));
    sheet.copy();  // nothing rendered: nothing happens
    EXPECT_FALSE(sheet.note().has_value());
    sheet.prepare();
    sheet.copy();
    EXPECT_EQ(sheet.note(), QStringLiteral("已拷贝，可以直接粘贴"));
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(1080, 1440));
}

}  // namespace
}  // namespace sorbeta
