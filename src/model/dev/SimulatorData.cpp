#include "model/dev/SimulatorData.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>

#include "model/dev/DevDates.h"
#include "platform/Translate.h"

namespace sorbeta::DevParse {
namespace {

// A byte count as the tools store it: a whole JSON number, not negative and
// within 64 bits. Anything else is not converted (no undefined cast of NaN
// or of a number beyond the range).
std::optional<int64_t> byteCount(const QJsonValue& value) {
    if (!value.isDouble()) return std::nullopt;
    const qint64 count = value.toInteger(-1);
    if (count < 0) return std::nullopt;
    return count;
}

// When a device or runtime was last used: a date, nothing recorded, or a
// value that is there but cannot be read. The last is not "never used".
struct LastUse {
    std::optional<QDateTime> date;
    bool unreadable = false;
};

LastUse lastUseOf(const QJsonObject& object) {
    const QJsonValue value = object.value(QLatin1String("lastUsedAt"));
    if (value.isUndefined() || value.isNull()) return {};
    if (value.isString()) {
        if (auto date = iso(value.toString())) return {std::move(date), false};
    }
    return {std::nullopt, true};
}

// Unused for longer than `seconds`, or never used. An unreadable date is
// not old: such an item is kept unless the user ticks it.
bool isOld(const LastUse& use, const QDateTime& now, int64_t seconds) {
    if (use.date) return use.date->msecsTo(now) > seconds * 1000;
    return !use.unreadable;
}

QString lastUsedText(const QDateTime& date) { return sorbeta::tr("上次用 %1").arg(DevDates::abbreviatedDate(date)); }

QString deviceUsage(const LastUse& use) {
    if (use.date) return lastUsedText(*use.date);
    return use.unreadable ? sorbeta::tr("上次使用日期不明") : sorbeta::tr("没用过");
}

// "com.apple.CoreSimulator.SimRuntime.iOS-17-2" reads "iOS 17.2".
QString runtimeLabel(const QString& key) {
    const QString last = key.mid(key.lastIndexOf(QLatin1Char('.')) + 1);
    QStringList pieces = last.split(QLatin1Char('-'), Qt::SkipEmptyParts);
    if (pieces.size() < 2) return last;
    const QString first = pieces.takeFirst();
    return first + QLatin1Char(' ') + pieces.join(QLatin1Char('.'));
}

// Compares two digit runs by value, whatever their leading zeros.
int compareDigitRuns(QStringView a, QStringView b) {
    while (a.size() > 1 && a.front() == QLatin1Char('0')) a = a.mid(1);
    while (b.size() > 1 && b.front() == QLatin1Char('0')) b = b.mid(1);
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

int compareVersions(const QString& a, const QString& b) {
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const qsizetype startA = i, startB = j;
            while (i < a.size() && a[i].isDigit()) ++i;
            while (j < b.size() && b[j].isDigit()) ++j;
            const int order =
                compareDigitRuns(QStringView(a).mid(startA, i - startA), QStringView(b).mid(startB, j - startB));
            if (order != 0) return order;
            continue;
        }
        if (a[i] != b[j]) return a[i] < b[j] ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

struct Runtime {
    QString id;
    QString platform;
    QString version;
    QString runtimeID;
    int64_t size = 0;
    LastUse lastUsed;
    bool deletable = false;
};

std::optional<Runtime> runtimeOf(const QJsonObject& object) {
    const QJsonValue id = object.value(QLatin1String("identifier"));
    const QJsonValue version = object.value(QLatin1String("version"));
    if (!id.isString() || !version.isString()) return std::nullopt;
    Runtime runtime;
    runtime.id = id.toString();
    runtime.version = version.toString();
    runtime.platform = platformName(object.value(QLatin1String("platformIdentifier")).toString());
    runtime.runtimeID = object.value(QLatin1String("runtimeIdentifier")).toString();
    runtime.size = byteCount(object.value(QLatin1String("sizeBytes"))).value_or(0);
    runtime.lastUsed = lastUseOf(object);
    runtime.deletable = object.value(QLatin1String("deletable")).toBool(false);
    return runtime;
}

std::optional<QJsonObject> topObject(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
    return document.object();
}

}  // namespace

std::optional<QDateTime> iso(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral(
        R"(^(\d{4})-(\d{2})-(\d{2})T(\d{2}):(\d{2}):(\d{2})(?:\.(\d+))?(?:(Z)|([+-])(\d{2}):?(\d{2}))$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const auto number = [&](int group) { return match.capturedView(group).toInt(); };
    const QDate date(number(1), number(2), number(3));
    const int milliseconds =
        match.capturedView(7).isEmpty() ? 0 : (match.captured(7) + QStringLiteral("00")).left(3).toInt();
    const QTime time(number(4), number(5), number(6), milliseconds);
    if (!date.isValid() || !time.isValid()) return std::nullopt;
    int offsetSeconds = 0;
    if (match.capturedView(8).isEmpty()) {
        if (number(10) > 23 || number(11) > 59) return std::nullopt;
        offsetSeconds = (number(10) * 3600 + number(11) * 60) * (match.capturedView(9) == u"-" ? -1 : 1);
    }
    return QDateTime(date, time, Qt::UTC).addSecs(-offsetSeconds);
}

QString platformName(const QString& identifier) {
    if (identifier.contains(QLatin1String("iphone"))) return QStringLiteral("iOS");
    if (identifier.contains(QLatin1String("watch"))) return QStringLiteral("watchOS");
    if (identifier.contains(QLatin1String("appletv"))) return QStringLiteral("tvOS");
    if (identifier.contains(QLatin1String("xr")) || identifier.contains(QLatin1String("vision")))
        return QStringLiteral("visionOS");
    return QStringLiteral("macOS");
}

bool versionIsNewer(const QString& a, const QString& b) { return compareVersions(a, b) > 0; }

std::optional<DeviceListing> devices(const QByteArray& json, const QDateTime& now, int64_t minBytes) {
    const auto top = topObject(json);
    if (!top) return std::nullopt;
    const QJsonValue byKey = top->value(QLatin1String("devices"));
    if (!byKey.isObject()) return std::nullopt;

    DeviceListing listing;
    const QJsonObject runtimes = byKey.toObject();
    for (auto it = runtimes.begin(); it != runtimes.end(); ++it) {
        if (!it.value().isArray()) return std::nullopt;
        const QJsonArray list = it.value().toArray();
        listing.byRuntime[it.key()] = list.size();
        const QString label = runtimeLabel(it.key());
        for (const QJsonValue& item : list) {
            const QJsonObject device = item.toObject();
            const QJsonValue udid = device.value(QLatin1String("udid"));
            const QJsonValue name = device.value(QLatin1String("name"));
            if (!udid.isString() || !name.isString()) continue;
            const int64_t size = byteCount(device.value(QLatin1String("dataPathSize"))).value_or(0);
            const QJsonValue availability = device.value(QLatin1String("isAvailable"));
            const bool available = !availability.isBool() || availability.toBool();
            if (available && size < minBytes) continue;

            const LastUse use = lastUseOf(device);
            DevEntry entry;
            entry.id = QStringLiteral("dev:") + udid.toString();
            entry.title = name.toString();
            entry.detail = available ? label + QStringLiteral(" · ") + deviceUsage(use)
                                     : sorbeta::tr("%1 · 运行时已经没了").arg(label);
            entry.bytes = size;
            entry.action = DevEntry::SimDevice{udid.toString()};
            entry.recommended = !available || isOld(use, now, kOldDeviceSeconds);
            listing.entries.push_back(std::move(entry));
        }
    }
    sortLargestFirst(listing.entries);
    return listing;
}

std::vector<DevEntry> runtimes(const QByteArray& json,
                               const std::optional<std::map<QString, int64_t>>& devicesByRuntime,
                               const QDateTime& now) {
    const auto top = topObject(json);
    if (!top) return {};
    std::vector<Runtime> records;
    for (const QJsonValue& value : *top) {
        if (auto runtime = runtimeOf(value.toObject())) records.push_back(std::move(*runtime));
    }

    // The newest version of each platform, deletable or not, is never recommended.
    std::map<QString, QString> newest;
    for (const Runtime& runtime : records) {
        const auto [it, added] = newest.emplace(runtime.platform, runtime.version);
        if (!added && versionIsNewer(runtime.version, it->second)) it->second = runtime.version;
    }

    std::vector<DevEntry> entries;
    for (const Runtime& runtime : records) {
        if (!runtime.deletable) continue;
        int64_t devices = 0;
        if (devicesByRuntime) {
            const auto found = devicesByRuntime->find(runtime.runtimeID);
            if (found != devicesByRuntime->end()) devices = found->second;
        }
        QString usage;
        if (runtime.lastUsed.date)
            usage = lastUsedText(*runtime.lastUsed.date);
        else if (runtime.lastUsed.unreadable)
            usage = sorbeta::tr("上次使用日期不明");
        else
            usage = devices < 1 ? sorbeta::tr("没用过") : sorbeta::tr("有设备在用");

        DevEntry entry;
        entry.id = QStringLiteral("rt:") + runtime.id;
        entry.title = runtime.platform + QLatin1Char(' ') + runtime.version;
        entry.detail = sorbeta::tr("%1 · %2").arg(usage, sorbeta::tr("%n 台设备", nullptr, devices));
        entry.bytes = runtime.size;
        entry.action = DevEntry::SimRuntime{runtime.id};
        entry.recommended = devicesByRuntime && devices == 0 && isOld(runtime.lastUsed, now, kOldRuntimeSeconds) &&
                            newest[runtime.platform] != runtime.version;
        entries.push_back(std::move(entry));
    }
    sortLargestFirst(entries);
    return entries;
}

}  // namespace sorbeta::DevParse
