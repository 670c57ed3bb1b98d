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

#include "model/common/JsonText.h"

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

using JsonText::formatDate;
using JsonText::parseDate;
using JsonText::quote;

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
