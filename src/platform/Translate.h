#pragma once
// Every interface text is looked up with its Simplified Chinese source text as
// the key, in one translation context for the whole application.
#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <limits>

namespace sorbeta {

inline constexpr const char* kTrContext = "Sorbeta";

inline QString tr(const char* chineseKey) { return QCoreApplication::translate(kTrContext, chineseKey); }

// A text whose words follow a count: the key writes the count as %n and each
// language gives one form per plural class of its own ("1 item" / "%n items").
// Pass nullptr as disambiguation unless one key needs two meanings. Counts
// below zero would leave %n unreplaced, so they read as 0.
inline QString tr(const char* chineseKey, const char* disambiguation, qint64 n) {
    const auto count = int(std::clamp<qint64>(n, 0, std::numeric_limits<int>::max()));
    return QCoreApplication::translate(kTrContext, chineseKey, disambiguation, count);
}

}  // namespace sorbeta

// Marks a text of a static table for extraction; look it up later with tr().
#define SORBETA_TR_NOOP(text) QT_TRANSLATE_NOOP("Sorbeta", text)
