#include "model/dev/DevDates.h"

#include <QRegularExpression>

namespace sorbeta::DevDates {
namespace {

// The locale's long date pattern without the weekday and with the month's
// short name: "Mar 1, 2026", "2026年3月1日".
QString abbreviatedPattern(const QLocale& locale) {
    QString pattern = locale.dateFormat(QLocale::LongFormat);
    static const QRegularExpression weekday(QStringLiteral("[\\s,،]*d{4}[\\s,،]*"));
    pattern.replace(weekday, QStringLiteral(" "));
    pattern = pattern.trimmed();
    pattern.replace(QStringLiteral("MMMM"), QStringLiteral("MMM"));
    return pattern;
}

}  // namespace

QString abbreviatedDate(const QDateTime& date, const QLocale& locale) {
    return locale.toString(date.toLocalTime().date(), abbreviatedPattern(locale));
}

QString abbreviatedDateTime(const QDateTime& date, const QLocale& locale) {
    const QDateTime local = date.toLocalTime();
    return locale.toString(local.date(), abbreviatedPattern(locale)) + QLatin1Char(' ') +
           locale.toString(local.time(), QLocale::ShortFormat);
}

}  // namespace sorbeta::DevDates
