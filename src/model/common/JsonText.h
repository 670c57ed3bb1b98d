#pragma once
// The small JSON text forms our stored files share: string literals of raw
// path bytes and whole-second UTC dates. QJsonDocument reads these files; we
// write them ourselves because the key order and the "\/" escape are fixed.
//
// Bytes that are not UTF-8 are written as the escapes \udc80…\udcff, so every
// Linux name goes through JSON and back intact.
#include <QDateTime>
#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace sorbeta::JsonText {

// A JSON string literal (quotes included) of raw bytes.
std::string quote(std::string_view bytes);
// A JSON string literal of a text; a surrogate without its pair is kept as
// its escape, so the text reads back exactly as it was.
std::string quoteText(const QString& text);
// The bytes a decoded JSON string stands for, undoing the escapes above.
// Nothing for any other unpaired surrogate.
std::optional<std::string> bytesOf(const QString& text);

// "2026-03-01T09:30:00Z"; nothing for a date outside years 0000…9999.
std::optional<QString> formatDate(const QDateTime& date);
// Only the exact form above parses: no fractions, no offsets, no spaces.
std::optional<QDateTime> parseDate(const QString& text);

}  // namespace sorbeta::JsonText
