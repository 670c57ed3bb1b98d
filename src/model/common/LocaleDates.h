#pragma once
// Dates and times worded the way the interface language writes them. The
// application makes that language's locale the default one at start-up, so
// callers pass QLocale() unless a test or a page needs another.
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTime>

namespace sorbeta::LocaleDates {

// The locale's long date pattern without the weekday and with the month's
// short name: "MMM d, yyyy" in English, "yyyy年M月d日" in Chinese.
QString abbreviatedPattern(const QLocale& locale);

// "Mar 7, 2026", "2026年3月7日", "7 มี.ค. 2026".
QString abbreviatedDate(QDate date, const QLocale& locale);

// The locale's short time: "2:05 PM", "14:05", "下午2:05".
QString shortTime(QTime time, const QLocale& locale);

// The abbreviated date and the short time of a moment in local time.
QString abbreviatedDateTime(const QDateTime& date, const QLocale& locale);

}  // namespace sorbeta::LocaleDates
