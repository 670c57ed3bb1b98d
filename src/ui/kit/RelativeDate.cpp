#include "ui/kit/RelativeDate.h"

#include <algorithm>

#include "platform/Translate.h"

namespace sorbeta {
namespace {

// One of a unit has a text of its own, so languages that say "1 minute"
// but "5 minutes" can.
QString counted(qint64 count, QString (*one)(), QString (*many)()) {
    const qint64 n = std::min(count, qint64(1000000));
    return n == 1 ? one() : many().arg(n);
}

QString secondsOne() { return sorbeta::tr("1 秒钟前"); }
QString secondsMany() { return sorbeta::tr("%1 秒钟前"); }
QString minutesOne() { return sorbeta::tr("1 分钟前"); }
QString minutesMany() { return sorbeta::tr("%1 分钟前"); }
QString hoursOne() { return sorbeta::tr("1 小时前"); }
QString hoursMany() { return sorbeta::tr("%1 小时前"); }
QString daysOne() { return sorbeta::tr("1 天前"); }
QString daysMany() { return sorbeta::tr("%1 天前"); }
QString weeksOne() { return sorbeta::tr("1 周前"); }
QString weeksMany() { return sorbeta::tr("%1 周前"); }
QString monthsOne() { return sorbeta::tr("1 个月前"); }
QString monthsMany() { return sorbeta::tr("%1 个月前"); }
QString yearsOne() { return sorbeta::tr("1 年前"); }
QString yearsMany() { return sorbeta::tr("%1 年前"); }

}  // namespace

QString relativeDateText(const QDateTime& date, const QDateTime& now) {
    const qint64 elapsed = date.secsTo(now);
    // A moment in the future (a clock set back) reads as now.
    if (elapsed < 1) return sorbeta::tr("现在");
    if (elapsed < 60) return counted(elapsed, &secondsOne, &secondsMany);
    if (elapsed < 3600) return counted(elapsed / 60, &minutesOne, &minutesMany);
    const QDate day = date.toLocalTime().date();
    const QDate today = now.toLocalTime().date();
    const qint64 dayCount = day.daysTo(today);
    if (dayCount < 1) return counted(elapsed / 3600, &hoursOne, &hoursMany);
    if (dayCount == 1) return sorbeta::tr("昨天");
    if (dayCount < 7) return counted(dayCount, &daysOne, &daysMany);
    if (dayCount < 14) return sorbeta::tr("上周");
    if (dayCount < 30) return counted(dayCount / 7, &weeksOne, &weeksMany);
    const int monthCount = (today.year() * 12 + today.month()) - (day.year() * 12 + day.month());
    if (monthCount <= 1) return sorbeta::tr("上个月");
    if (monthCount < 12) return counted(monthCount, &monthsOne, &monthsMany);
    const int yearCount = today.year() - day.year();
    if (yearCount <= 1) return sorbeta::tr("去年");
    return counted(yearCount, &yearsOne, &yearsMany);
}

}  // namespace sorbeta
