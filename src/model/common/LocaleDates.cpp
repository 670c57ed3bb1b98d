#include "model/common/LocaleDates.h"

#include <QRegularExpression>

namespace sorbeta::LocaleDates {

QString abbreviatedPattern(const QLocale& locale) {
    QString pattern = locale.dateFormat(QLocale::LongFormat);
    // The weekday goes with the words tied to it: the separators around it
    // (", ", "، ") and, in Thai, the "ที่" that reads "the" before the day.
    static const QRegularExpression leadingWeekday(QStringLiteral("^d{3,4}(?!d)[^dMy']*"));
    static const QRegularExpression otherWeekday(QStringLiteral("[\\s,，、،]*(?<!d)d{3,4}(?!d)[\\s,，、،]*"));
    pattern.remove(leadingWeekday);
    pattern.replace(otherWeekday, QStringLiteral(" "));
    static const QRegularExpression fullMonth(QStringLiteral("(?<!M)M{4}(?!M)"));
    pattern.replace(fullMonth, QStringLiteral("MMM"));
    return pattern.trimmed();
}

QString abbreviatedDate(QDate date, const QLocale& locale) { return locale.toString(date, abbreviatedPattern(locale)); }

QString shortTime(QTime time, const QLocale& locale) {
    QString pattern = locale.timeFormat(QLocale::ShortFormat);
    // Some locales (Traditional Chinese) name the part of the day with the
    // pattern letter B, which Qt does not know and would print as a letter:
    // its AM/PM word says the same.
    static const QRegularExpression dayPeriod(QStringLiteral("(?<![A-Za-z'])B{1,5}(?!B)"));
    pattern.replace(dayPeriod, QStringLiteral("AP"));
    return locale.toString(time, pattern);
}

QString abbreviatedDateTime(const QDateTime& date, const QLocale& locale) {
    const QDateTime local = date.toLocalTime();
    return abbreviatedDate(local.date(), locale) + QLatin1Char(' ') + shortTime(local.time(), locale);
}

}  // namespace sorbeta::LocaleDates
