#include "ui/kit/RelativeDate.h"

#include "platform/Translate.h"

namespace sorbeta {
// Each unit is worded for its count, so languages that say "1 minute" but
// "5 minutes" can.
QString relativeDateText(const QDateTime& date, const QDateTime& now) {
    const qint64 elapsed = date.secsTo(now);
    // A moment in the future (a clock set back) reads as now.
    if (elapsed < 1) return sorbeta::tr("现在");
    if (elapsed < 60) return sorbeta::tr("%n 秒钟前", nullptr, elapsed);
    if (elapsed < 3600) return sorbeta::tr("%n 分钟前", nullptr, elapsed / 60);
    const QDate day = date.toLocalTime().date();
    const QDate today = now.toLocalTime().date();
    const qint64 dayCount = day.daysTo(today);
    if (dayCount < 1) return sorbeta::tr("%n 小时前", nullptr, elapsed / 3600);
    if (dayCount == 1) return sorbeta::tr("昨天");
    if (dayCount < 7) return sorbeta::tr("%n 天前", nullptr, dayCount);
    if (dayCount < 14) return sorbeta::tr("上周");
    if (dayCount < 30) return sorbeta::tr("%n 周前", nullptr, dayCount / 7);
    const int monthCount = (today.year() * 12 + today.month()) - (day.year() * 12 + day.month());
    if (monthCount <= 1) return sorbeta::tr("上个月");
    if (monthCount < 12) return sorbeta::tr("%n 个月前", nullptr, monthCount);
    const int yearCount = today.year() - day.year();
    if (yearCount <= 1) return sorbeta::tr("去年");
    return sorbeta::tr("%n 年前", nullptr, yearCount);
}

}  // namespace sorbeta
