#pragma once
// The on-disk forms of a holding batch: the manifest (compact JSON, keys in a
// fixed order, slashes escaped) and the journal a running clean appends to so
// that a batch survives a crash before its manifest is written.
//
// Paths are raw bytes. Bytes that are not UTF-8 are written as the escapes
// \udc80…\udcff so that every Linux name goes through JSON and back intact.
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorbeta {

struct HoldBatch {
    struct Item {
        std::string original;  // absolute path the item had before it was held
        std::string stored;    // its name inside the batch's "files" folder
        int64_t bytes = 0;     // allocated bytes measured before the move
        bool operator==(const Item&) const = default;
    };

    std::string id;  // the batch folder's name
    QDateTime date;  // UTC, whole seconds
    QString title;
    std::vector<Item> items;

    bool operator==(const HoldBatch&) const = default;
};

namespace HoldingManifest {

// Largest manifest or journal we read; anything bigger is not ours.
inline constexpr std::size_t kMaxFileBytes = 64u << 20;

// "2026-03-01T09:30:00Z"; nothing for a date outside years 0000…9999.
std::optional<QString> formatDate(const QDateTime& date);
// Only the exact form above parses: no fractions, no offsets, no spaces.
std::optional<QDateTime> parseDate(const QString& text);

// A JSON string literal (quotes included) of raw bytes.
std::string quote(std::string_view bytes);

// The manifest of a batch; nothing when the date cannot be written.
std::optional<std::string> encode(const HoldBatch& batch);
// A manifest as read from disk. Nothing unless it holds every key with the
// right type, a strict date, plain stored names and absolute originals.
std::optional<HoldBatch> decode(std::string_view bytes);

// Journal lines, each ending in "\n": a header, then one line per item before
// it is moved, and an undo line when that move failed.
std::optional<std::string> journalHeader(const std::string& id, const QDateTime& date);
std::string journalItem(const HoldBatch::Item& item);
std::string journalUndo(const std::string& stored);
// The batch a journal describes (title empty). A torn last line is ignored;
// any other bad line makes the whole journal unreadable.
std::optional<HoldBatch> decodeJournal(std::string_view bytes);

// Checks that hold for every manifest we accept.
bool isValidOriginal(std::string_view path);

}  // namespace HoldingManifest
}  // namespace sorbeta
