#pragma once
// Every interface text is looked up with its Simplified Chinese source text as
// the key, in one translation context for the whole application.
#include <QCoreApplication>
#include <QString>

namespace sorbeta {

inline constexpr const char* kTrContext = "Sorbeta";

inline QString tr(const char* chineseKey) { return QCoreApplication::translate(kTrContext, chineseKey); }

}  // namespace sorbeta

// Marks a text of a static table for extraction; look it up later with tr().
#define SORBETA_TR_NOOP(text) QT_TRANSLATE_NOOP("Sorbeta", text)
