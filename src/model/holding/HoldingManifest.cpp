#include "model/holding/HoldingManifest.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <climits>

#include "model/common/JsonText.h"
#include "platform/FileOps.h"

namespace sorbeta::HoldingManifest {
namespace {

using JsonText::bytesOf;

std::optional<std::string> stringField(const QJsonObject& object, const char* key) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isString()) return std::nullopt;
    return bytesOf(value.toString());
}

std::optional<int64_t> byteCount(const QJsonValue& value) {
    if (!value.isDouble()) return std::nullopt;
    const qint64 bytes = value.toInteger(LLONG_MIN);
    if (bytes == LLONG_MIN || bytes < 0) return std::nullopt;
    return bytes;
}

std::optional<HoldBatch::Item> decodeItem(const QJsonObject& object) {
    const auto original = stringField(object, "original");
    const auto stored = stringField(object, "stored");
    const auto bytes = byteCount(object.value(QLatin1String("bytes")));
    if (!original || !stored || !bytes) return std::nullopt;
    if (!isValidOriginal(*original) || !platform::isPlainName(*stored)) return std::nullopt;
    return HoldBatch::Item{*original, *stored, *bytes};
}

std::optional<QJsonObject> parseObject(std::string_view bytes) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray(bytes.data(), qsizetype(bytes.size())), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
    return document.object();
}

std::optional<HoldBatch> headerOf(const QJsonObject& object) {
    const auto id = stringField(object, "id");
    const QJsonValue date = object.value(QLatin1String("date"));
    if (!id || !platform::isPlainName(*id) || !date.isString()) return std::nullopt;
    const auto parsed = parseDate(date.toString());
    if (!parsed) return std::nullopt;
    HoldBatch batch;
    batch.id = *id;
    batch.date = *parsed;
    return batch;
}

std::string itemObject(const HoldBatch::Item& item) {
    return "{\"original\":" + quote(item.original) + ",\"stored\":" + quote(item.stored) +
           ",\"bytes\":" + std::to_string(item.bytes) + "}";
}

}  // namespace

std::optional<std::string> encode(const HoldBatch& batch) {
    const auto date = formatDate(batch.date);
    if (!date) return std::nullopt;
    std::string out = "{\"id\":" + quote(batch.id) + ",\"date\":" + quote(date->toStdString()) +
                      ",\"title\":" + JsonText::quoteText(batch.title) + ",\"items\":[";
    for (std::size_t i = 0; i < batch.items.size(); ++i) {
        if (i) out += ',';
        out += itemObject(batch.items[i]);
    }
    out += "]}";
    return out;
}

std::optional<HoldBatch> decode(std::string_view bytes) {
    const auto object = parseObject(bytes);
    if (!object) return std::nullopt;
    auto batch = headerOf(*object);
    const QJsonValue title = object->value(QLatin1String("title"));
    const QJsonValue items = object->value(QLatin1String("items"));
    if (!batch || !title.isString() || !items.isArray()) return std::nullopt;
    batch->title = title.toString();
    const QJsonArray list = items.toArray();
    batch->items.reserve(std::size_t(list.size()));
    int64_t total = 0;
    for (const QJsonValue& value : list) {
        if (!value.isObject()) return std::nullopt;
        auto item = decodeItem(value.toObject());
        if (!item) return std::nullopt;
        // Counts that cannot add up are not a batch we wrote.
        if (__builtin_add_overflow(total, item->bytes, &total)) return std::nullopt;
        batch->items.push_back(std::move(*item));
    }
    return batch;
}

std::optional<std::string> journalHeader(const std::string& id, const QDateTime& date) {
    const auto text = formatDate(date);
    if (!text) return std::nullopt;
    return "{\"id\":" + quote(id) + ",\"date\":" + quote(text->toStdString()) + "}\n";
}

std::string journalItem(const HoldBatch::Item& item) { return itemObject(item) + "\n"; }

std::string journalUndo(const std::string& stored) { return "{\"undo\":" + quote(stored) + "}\n"; }

std::optional<HoldBatch> decodeJournal(std::string_view bytes) {
    std::optional<HoldBatch> batch;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find('\n', start);
        const bool last = end == std::string_view::npos || end + 1 >= bytes.size();
        const std::string_view line = bytes.substr(start, end == std::string_view::npos ? bytes.npos : end - start);
        start = end == std::string_view::npos ? bytes.size() : end + 1;
        const auto object = parseObject(line);
        bool understood = false;
        if (object && !batch) {
            batch = headerOf(*object);
            understood = batch.has_value();
        } else if (object && object->contains(QLatin1String("undo"))) {
            const auto stored = stringField(*object, "undo");
            if (stored) {
                for (auto it = batch->items.rbegin(); it != batch->items.rend(); ++it) {
                    if (it->stored != *stored) continue;
                    batch->items.erase(std::next(it).base());
                    break;
                }
                understood = true;
            }
        } else if (object) {
            auto item = decodeItem(*object);
            if (item) {
                batch->items.push_back(std::move(*item));
                understood = true;
            }
        }
        // The last line may have been cut short by a crash in mid-write.
        if (!understood && !last) return std::nullopt;
    }
    return batch;
}

bool isValidOriginal(std::string_view path) {
    if (path.size() < 2 || path.front() != '/' || path.find('\0') != std::string_view::npos) return false;
    std::size_t start = 1;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string_view::npos) end = path.size();
        const std::string_view part = path.substr(start, end - start);
        if (part.empty() || part == "." || part == "..") return false;
        start = end + 1;
    }
    return true;
}

}  // namespace sorbeta::HoldingManifest
