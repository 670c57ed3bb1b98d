#include "model/common/LocaleDates.h"

#include <gtest/gtest.h>

namespace sorbeta {
namespace {

const QDate kDay(2026, 3, 7);  // a Saturday
const char* const kLanguages[] = {"zh_Hans", "en", "ko", "ja", "zh_Hant", "th", "vi", "es", "ar"};

// Every interface language writes the day, an abbreviated month and the
// year, never the weekday, and nothing the locale data leaves unexplained.
TEST(LocaleDates, EveryLanguageWritesTheDayWithoutItsWeekday) {
    for (const char* code : kLanguages) {
        const QLocale locale{QString::fromLatin1(code)};
        const QString text = LocaleDates::abbreviatedDate(kDay, locale);
        SCOPED_TRACE(code);
        EXPECT_FALSE(text.contains(locale.dayName(6, QLocale::LongFormat))) << text.toStdString();
        EXPECT_FALSE(text.contains(locale.dayName(6, QLocale::ShortFormat))) << text.toStdString();
        EXPECT_TRUE(text.contains(locale.toString(2026).remove(locale.groupSeparator()))) << text.toStdString();
        EXPECT_TRUE(text.contains(locale.toString(7))) << text.toStdString();
        EXPECT_EQ(text, text.trimmed());
        EXPECT_FALSE(text.front().isPunct()) << text.toStdString();
        const QString time = LocaleDates::shortTime(QTime(14, 5), locale);
        EXPECT_FALSE(time.contains(QLatin1Char('B'))) << time.toStdString();
        EXPECT_TRUE(time.contains(locale.toString(5).rightJustified(2, locale.zeroDigit().front())))
            << time.toStdString();
    }
    EXPECT_EQ(LocaleDates::abbreviatedDate(kDay, QLocale(QLocale::English, QLocale::UnitedStates)),
              QStringLiteral("Mar 7, 2026"));
    EXPECT_EQ(LocaleDates::abbreviatedDate(kDay, QLocale(QLocale::Chinese, QLocale::China)),
              QStringLiteral("2026年3月7日"));
    // Thai says "Saturday the 7th": without the weekday, "the" goes too.
    EXPECT_TRUE(LocaleDates::abbreviatedDate(kDay, QLocale(QLocale::Thai)).startsWith(QLatin1Char('7')));
    // Traditional Chinese names the afternoon rather than printing a stray B.
    EXPECT_EQ(LocaleDates::shortTime(QTime(14, 5), QLocale(QLocale::Chinese, QLocale::Taiwan)),
              QStringLiteral("下午2:05"));
}

}  // namespace
}  // namespace sorbeta
