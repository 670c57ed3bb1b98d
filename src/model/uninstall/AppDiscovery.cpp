#include "model/uninstall/AppDiscovery.h"

#include <QCollator>
#include <QFile>
#include <QLocale>
#include <algorithm>
#include <set>

#include "model/uninstall/LinuxApps.h"
#include "platform/EntryInfo.h"
#include "platform/Listing.h"
#include "platform/MountInfo.h"
#include "platform/PathText.h"
#include "platform/PropertyList.h"

namespace sorbeta::Uninstaller {
namespace {

using platform::EntryKind;

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The Info.plist of a bundle: Contents/Info.plist, or at the top of a flat bundle.
std::optional<QVariantMap> infoOf(const Path& bundle) {
    if (auto info = platform::readPropertyListDictionary(bundle / "Contents/Info.plist")) return info;
    return platform::readPropertyListDictionary(bundle / "Info.plist");
}

QString textValue(const QVariantMap& info, const char* key) {
    const QVariant value = info.value(QString::fromLatin1(key));
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

// A display-name candidate cleaned: trimmed, a trailing ".app" (any case) dropped.
QString cleanedName(QString text) {
    text = text.trimmed();
    if (text.toLower().endsWith(u".app")) text.chop(4);
    return text;
}

struct Visit {
    const UninstallPlaces& where;
    std::vector<InstalledApp>& result;
    std::set<QString>& seen;

    void folder(const Path& folder, int depth) {
        const auto names = platform::listNames(folder);
        if (!names) return;
        for (const std::string& name : *names) {
            if (name.front() == '.') continue;  // hidden names are neither listed nor entered
            const Path child = folder / name;
            if (endsWith(name, ".app")) {
                auto app = describe(child, where);
                if (app && seen.insert(app->bundleID).second) result.push_back(std::move(*app));
            } else if (depth == 0) {
                const auto info = platform::entryInfo(child);
                if (info && info->kind == EntryKind::folder) this->folder(child, 1);
            }
        }
    }
};

}  // namespace

bool isProtected(const QString& id, const Path& url, const UninstallPlaces& where) {
    if (id.toLower().startsWith(u"com.apple.")) return true;
    if (url.native().rfind("/System/", 0) == 0) return true;
    return !where.ownBundleId.isEmpty() && id.toLower() == where.ownBundleId.toLower();
}

QString displayName(const Path& url, const QVariantMap& info) {
    const std::string fileName = platform::lastComponent(url);
    for (const QString& candidate : {QFile::decodeName(fileName.c_str()), textValue(info, "CFBundleDisplayName"),
                                     textValue(info, "CFBundleName")}) {
        const QString cleaned = cleanedName(candidate);
        if (!cleaned.isEmpty()) return cleaned;
    }
    const auto dot = fileName.rfind('.');
    return QFile::decodeName((dot == std::string::npos ? fileName : fileName.substr(0, dot)).c_str());
}

std::optional<QDateTime> lastUsed(const Path& url, const QVariantMap& info) {
    const QString executable = textValue(info, "CFBundleExecutable");
    if (executable.isEmpty() || executable.contains(u'/')) return std::nullopt;
    const auto seconds =
        platform::recordedAccessTime(url / "Contents/MacOS" / QFile::encodeName(executable).toStdString());
    if (!seconds) return std::nullopt;
    return QDateTime::fromSecsSinceEpoch(*seconds, Qt::UTC);
}

std::optional<InstalledApp> describe(const Path& url, const UninstallPlaces& where) {
    const auto target = platform::targetInfo(url);
    if (!target || target->kind != EntryKind::folder) return std::nullopt;
    const QVariantMap info = infoOf(url).value_or(QVariantMap());
    const QString id = textValue(info, "CFBundleIdentifier");
    if (id.isEmpty() || isProtected(id, url, where)) return std::nullopt;
    InstalledApp app;
    app.url = url;
    app.name = displayName(url, info);
    app.bundleID = id;
    app.version = textValue(info, "CFBundleShortVersionString");
    app.lastUsed = lastUsed(url, info);
    app.kind = AppKind::bundle;
    return app;
}

void sortByName(std::vector<InstalledApp>& apps) {
    // The C locale knows no numeric collation: names then sort as in English.
    const QLocale locale =
        QLocale().language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale();
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(apps.begin(), apps.end(), [&collator](const InstalledApp& a, const InstalledApp& b) {
        return collator.compare(a.name, b.name) < 0;
    });
}

std::vector<InstalledApp> listApps(const UninstallPlaces& where) {
    std::vector<InstalledApp> result;
    std::set<QString> seen;
    Visit visit{where, result, seen};
    for (const Path& root : where.appRoots()) visit.folder(root, 0);
    for (InstalledApp& app : linuxApps(where)) result.push_back(std::move(app));
    sortByName(result);
    return result;
}

}  // namespace sorbeta::Uninstaller
