#include "ui/kit/RelativeDate.h"

#include <gtest/gtest.h>

namespace sorbeta {
namespace {

TEST(RelativeDate, CountsBackInTheLargestUnitAndNamesTheCalendarNeighbours) {
    const QDateTime now = QDateTime(QDate(2026, 6, 15), QTime(12, 0)).toUTC();
    auto ago = [&](qint64 seconds) { return relativeDateText(now.addSecs(-seconds), now); };
    EXPECT_EQ(ago(0), QStringLiteral("现在"));
    EXPECT_EQ(ago(-30), QStringLiteral("现在"));  // a clock set back
    EXPECT_EQ(ago(1), QStringLiteral("1 秒钟前"));
    EXPECT_EQ(ago(59), QStringLiteral("59 秒钟前"));
    EXPECT_EQ(ago(60), QStringLiteral("1 分钟前"));
    EXPECT_EQ(ago(3599), QStringLiteral("59 分钟前"));
    EXPECT_EQ(ago(7200), QStringLiteral("2 小时前"));
    EXPECT_EQ(ago(86'400), QStringLiteral("昨天"));
    EXPECT_EQ(ago(3 * 86'400), QStringLiteral("3 天前"));
    EXPECT_EQ(ago(8 * 86'400), QStringLiteral("上周"));
    EXPECT_EQ(ago(21 * 86'400), QStringLiteral("3 周前"));
    EXPECT_EQ(ago(45 * 86'400), QStringLiteral("上个月"));
    EXPECT_EQ(ago(150 * 86'400), QStringLiteral("5 个月前"));
    EXPECT_EQ(ago(400 * 86'400), QStringLiteral("去年"));
    EXPECT_EQ(ago(3 * 366 * 86'400), QStringLiteral("3 年前"));
}

}  // namespace
}  // namespace sorbeta
