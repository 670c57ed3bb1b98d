#include "model/history/HistoryMath.h"

#include <QFile>
#include <algorithm>
#include <set>

#include "platform/PathText.h"

namespace sorbeta {
namespace {

// a − b, stopping at INT64_MAX and −INT64_MAX.
int64_t saturatedDifference(int64_t a, int64_t b) {
    int64_t result = 0;
    if (__builtin_sub_overflow(a, b, &result)) return a < b ? -INT64_MAX : INT64_MAX;
    return std::max<int64_t>(result, -INT64_MAX);
}

}  // namespace

int64_t DiskChange::delta() const { return saturatedDifference(after, before); }

namespace HistoryMath {

std::optional<DiskSnapshot> baseline(std::span<const DiskSnapshot> list, const QDateTime& target) {
    if (list.empty()) return std::nullopt;
    const DiskSnapshot* found = nullptr;
    for (const DiskSnapshot& snapshot : list)
        if (snapshot.date <= target) found = &snapshot;
    return found ? *found : list.front();
}

std::vector<DiskChange> changes(const DiskSnapshot& older, const DiskSnapshot& newer, int64_t minDelta) {
    std::vector<DiskChange> result;
    std::set<std::string> paths;
    for (const auto& [path, bytes] : older.parts) paths.insert(path);
    for (const auto& [path, bytes] : newer.parts) paths.insert(path);
    const auto valueIn = [](const auto& map, const std::string& key) -> const auto* {
        const auto found = map.find(key);
        return found == map.end() ? nullptr : &found->second;
    };
    for (const std::string& path : paths) {
        const std::string* category = valueIn(newer.partCategory, path);
        if (!category) category = valueIn(older.partCategory, path);
        if (!category) continue;
        // Only categories both scans measured: a category missing from one
        // of them would read as everything in it appearing or vanishing.
        if (!older.categories.contains(*category) || !newer.categories.contains(*category)) continue;
        const int64_t* before = valueIn(older.parts, path);
        const int64_t* after = valueIn(newer.parts, path);
        DiskChange change{path, *category, before ? *before : 0, after ? *after : 0};
        const int64_t delta = change.delta();
        if (delta >= minDelta || -delta >= minDelta) result.push_back(std::move(change));
    }
    std::stable_sort(result.begin(), result.end(), [](const DiskChange& a, const DiskChange& b) {
        const int64_t sizeA = a.delta() < 0 ? -a.delta() : a.delta();
        const int64_t sizeB = b.delta() < 0 ? -b.delta() : b.delta();
        if (sizeA != sizeB) return sizeA > sizeB;
        return a.path < b.path;
    });
    return result;
}

int64_t usedSpace(const DiskSnapshot& snapshot) {
    return std::max<int64_t>(0, saturatedDifference(snapshot.total, snapshot.free));
}

QDateTime daysBefore(const QDateTime& date, int days, const QTimeZone& zone) {
    const QDateTime local = date.toTimeZone(zone);
    const QDate day = local.date().addDays(-days);
    QDateTime moved(day, local.time(), zone);
    if (!moved.isValid()) {
        // The clocks skipped this time that day: read it with the offset in
        // force before the change, which lands past the gap, as calendars do.
        const QDateTime dayBefore(day.addDays(-1), local.time(), zone);
        if (dayBefore.isValid()) moved = QDateTime(day, local.time(), QTimeZone(dayBefore.offsetFromUtc()));
    }
    return moved.isValid() ? moved.toUTC() : date;
}

}  // namespace HistoryMath

namespace PathNames {

const std::vector<std::string>& generic() {
    static const std::vector<std::string> names = {
        "node_modules", "target", ".build", "Pods",  ".venv",   "venv",        "build",  "cache", "Cache",
        "Caches",       "cache2", "tmp",    ".next", ".gradle", "__pycache__", "Backup", "Data",  "data"};
    return names;
}

QString display(const std::filesystem::path& url) {
    const std::string name = platform::lastComponent(url);
    const auto decode = [](const std::string& text) { return QFile::decodeName(QByteArray::fromStdString(text)); };
    // Its extension exactly "app" (a name that is only ".app" has none).
    if (name.size() > 4 && name.ends_with(".app")) return decode(name.substr(0, name.size() - 4));
    const auto& names = generic();
    if (std::find(names.begin(), names.end(), name) == names.end()) return decode(name);
    return decode(platform::lastComponent(platform::parentOf(url))) + QLatin1Char('/') + decode(name);
}

}  // namespace PathNames
}  // namespace sorbeta
