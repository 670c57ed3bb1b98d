#pragma once
// Dates as the developer and files pages write them: the locale's abbreviated
// date style (short month name, no weekday), alone or with the short time,
// in local time.
#include <QDateTime>
#include <QLocale>
#include <QString>

namespace sorbeta::DevDates {

QString abbreviatedDate(const QDateTime& date, const QLocale& locale = QLocale());
QString abbreviatedDateTime(const QDateTime& date, const QLocale& locale = QLocale());

}  // namespace sorbeta::DevDates
