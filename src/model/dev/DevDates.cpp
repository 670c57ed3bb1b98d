#include "model/dev/DevDates.h"

#include "model/common/LocaleDates.h"

namespace sorbeta::DevDates {

QString abbreviatedDate(const QDateTime& date, const QLocale& locale) {
    return LocaleDates::abbreviatedDate(date.toLocalTime().date(), locale);
}

QString abbreviatedDateTime(const QDateTime& date, const QLocale& locale) {
    return LocaleDates::abbreviatedDateTime(date, locale);
}

}  // namespace sorbeta::DevDates
