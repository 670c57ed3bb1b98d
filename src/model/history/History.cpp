#include "model/history/History.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <algorithm>
#include <climits>
#include <system_error>

#include "model/common/JsonText.h"
#include "platform/EntryInfo.h"
#include "platform/FileOps.h"

namespace sorbeta {

namespace {

void appendString(std::string& out, const std::string& raw) { out += JsonText::quote(raw); }

template <typename Map, typename WriteValue>
void appendObject(std::string& out, const Map& map, WriteValue writeValue) {
    out += '{';
    bool first = true;
    for (const auto& [key, value] : map) {
        if (!first) out += ',';
        first = false;
        appendString(out, key);
        out += ':';
        writeValue(out, value);
    }
    out += '}';
}

void appendInteger(std::string& out, int64_t value) { out += std::to_string(value); }

QString dateText(const QDateTime& date) { return JsonText::formatDate(date).value_or(QString()); }

bool readInteger(const QJsonValue& value, int64_t& out) {
    if (!value.isDouble()) return false;
    // Sentinel check: a whole number that fits in 64 bits reads back as itself.
    const qint64 a = value.toInteger(LLONG_MIN);
    const qint64 b = value.toInteger(LLONG_MAX);
    if (a != b) return false;
    out = a;
    return true;
}

bool readIntegerMap(const QJsonValue& value, std::map<std::string, int64_t>& out) {
    if (!value.isObject()) return false;
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        int64_t bytes = 0;
        if (!readInteger(it.value(), bytes)) return false;
        const auto key = JsonText::bytesOf(it.key());
        if (!key) return false;
        out[*key] = bytes;
    }
    return true;
}

bool readTextMap(const QJsonValue& value, std::map<std::string, std::string>& out) {
    if (!value.isObject()) return false;
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!it.value().isString()) return false;
        const auto key = JsonText::bytesOf(it.key());
        const auto text = JsonText::bytesOf(it.value().toString());
        if (!key || !text) return false;
        out[*key] = *text;
    }
    return true;
}

bool readSnapshot(const QJsonValue& value, DiskSnapshot& out) {
    if (!value.isObject()) return false;
    const QJsonObject object = value.toObject();
    for (const char* key : {"date", "total", "free", "categories", "parts", "partCategory"})
        if (!object.contains(QLatin1String(key))) return false;
    const QJsonValue date = object.value(QLatin1String("date"));
    if (!date.isString()) return false;
    out.date = HistoryFile::parseDate(date.toString());
    return out.date.isValid() && readInteger(object.value(QLatin1String("total")), out.total) &&
           readInteger(object.value(QLatin1String("free")), out.free) &&
           readIntegerMap(object.value(QLatin1String("categories")), out.categories) &&
           readIntegerMap(object.value(QLatin1String("parts")), out.parts) &&
           readTextMap(object.value(QLatin1String("partCategory")), out.partCategory);
}

void sortByDate(std::vector<DiskSnapshot>& list) {
    std::stable_sort(list.begin(), list.end(),
                     [](const DiskSnapshot& a, const DiskSnapshot& b) { return a.date < b.date; });
}

enum class FileState { missing, readable, unreadable };

FileState readHistory(const std::filesystem::path& url, std::size_t maxBytes, std::vector<DiskSnapshot>& out) {
    out.clear();
    // Only a regular file of ours is read: a pipe, a device or a link in its
    // place is refused at once, never waited on.
    std::string bytes;
    switch (platform::readRegularFile(url, maxBytes, bytes)) {
        case platform::ReadOutcome::missing:
            if (platform::presenceOf(url) == platform::Presence::absent) return FileState::missing;
            return FileState::unreadable;
        case platform::ReadOutcome::ok: break;
        default: return FileState::unreadable;
    }
    const QByteArray data = QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()));
    if (!HistoryFile::decode(data, out)) {
        out.clear();
        return FileState::unreadable;
    }
    sortByDate(out);
    return FileState::readable;
}

// Moves a history we cannot read out of the way under a name of its own in
// the same folder, never replacing anything there.
bool setAside(const std::filesystem::path& url) {
    const std::string stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    for (int n = 0; n < 100; ++n) {
        std::string name = url.stem().string();
        name.append(".unreadable-").append(stamp);
        if (n > 0) name.append("-").append(std::to_string(n));
        name.append(url.extension().string());
        const std::filesystem::path aside = url.parent_path() / name;
        const int error = platform::moveNoReplace(url, aside);
        if (error == 0) return true;
        if (error != int(std::errc::file_exists)) return false;
    }
    return false;
}

}  // namespace

QDateTime HistoryFile::parseDate(const QString& text) { return JsonText::parseDate(text).value_or(QDateTime()); }

std::string HistoryFile::encode(const std::vector<DiskSnapshot>& snapshots) {
    std::string out = "[";
    bool first = true;
    for (const DiskSnapshot& snapshot : snapshots) {
        if (!first) out += ',';
        first = false;
        out += "{\"date\":";
        appendString(out, dateText(snapshot.date).toStdString());
        out += ",\"total\":";
        appendInteger(out, snapshot.total);
        out += ",\"free\":";
        appendInteger(out, snapshot.free);
        out += ",\"categories\":";
        appendObject(out, snapshot.categories, appendInteger);
        out += ",\"parts\":";
        appendObject(out, snapshot.parts, appendInteger);
        out += ",\"partCategory\":";
        appendObject(out, snapshot.partCategory, appendString);
        out += '}';
    }
    out += ']';
    return out;
}

bool HistoryFile::decode(const QByteArray& data, std::vector<DiskSnapshot>& out) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray()) return false;
    const QJsonArray array = document.array();
    std::vector<DiskSnapshot> list;
    list.reserve(std::size_t(array.size()));
    for (const QJsonValue& element : array) {
        DiskSnapshot snapshot;
        if (!readSnapshot(element, snapshot)) return false;
        list.push_back(std::move(snapshot));
    }
    out = std::move(list);
    return true;
}

QTimeZone calendarZone(const QTimeZone& zone) {
    return zone.isValid() ? zone : QTimeZone(QDateTime::currentDateTime().offsetFromUtc());
}

HistoryStore HistoryStore::standard(const platform::Places& places) {
    return {places.appDataFolder() / "history.json"};
}

std::vector<DiskSnapshot> HistoryStore::load() const {
    std::vector<DiskSnapshot> list;
    readHistory(url, maxBytes, list);
    return list;
}

std::vector<DiskSnapshot> HistoryStore::record(const DiskSnapshot& snapshot, const QTimeZone& zone) const {
    std::vector<DiskSnapshot> list;
    const FileState state = readHistory(url, maxBytes, list);
    // A scan that could not read the disk's size measured no use at all: it
    // would show as a drop to nothing and take its day's good snapshot.
    if (snapshot.total <= 0) return list;

    const QTimeZone calendar = calendarZone(zone);
    const QDate day = snapshot.date.toTimeZone(calendar).date();
    std::erase_if(list, [&](const DiskSnapshot& old) { return old.date.toTimeZone(calendar).date() == day; });
    list.push_back(snapshot);
    sortByDate(list);
    if (list.size() > std::size_t(maxSnapshots)) list.erase(list.begin(), list.end() - maxSnapshots);

    // A date the file cannot hold (invalid, or beyond year 9999) fails the
    // encoding: nothing is written, rather than a file no one can read back.
    const bool encodable = std::all_of(
        list.begin(), list.end(), [](const DiskSnapshot& each) { return JsonText::formatDate(each.date).has_value(); });
    if (!encodable) return list;

    platform::makeAppFolder(url.parent_path());
    // A history we cannot read stays on disk under another name; when even
    // that fails, nothing is written over it.
    if (state == FileState::unreadable && !setAside(url)) return list;

    std::string text = HistoryFile::encode(list);
    if (text.size() > maxBytes) {
        // Never write a file the reader would refuse (and then set aside,
        // taking every day with it): the oldest days go until the rest fits.
        std::size_t size = text.size();
        std::size_t drop = 0;
        while (size > maxBytes && drop + 1 < list.size())
            size -= HistoryFile::encode({list[drop++]}).size() - 1;  // the brackets stay, a comma goes
        if (size > maxBytes) return list;
        list.erase(list.begin(), list.begin() + std::ptrdiff_t(drop));
        text = HistoryFile::encode(list);
    }
    QSaveFile file(QFile::decodeName(url.c_str()));
    if (file.open(QIODevice::WriteOnly) && file.write(text.data(), qint64(text.size())) == qint64(text.size()))
        file.commit();
    return list;
}

}  // namespace sorbeta
