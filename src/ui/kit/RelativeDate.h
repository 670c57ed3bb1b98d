#pragma once
// A past moment in words relative to now, the way a person says it: "now",
// "5 minutes ago", "yesterday", "last week", "3 months ago". Calendar units
// (yesterday, last week, last month, last year) count in the local calendar.
#include <QDateTime>
#include <QString>

namespace sorbeta {

QString relativeDateText(const QDateTime& date, const QDateTime& now);

}  // namespace sorbeta
