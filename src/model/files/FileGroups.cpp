#include "model/files/FileGroups.h"

#include <algorithm>
#include <string>
#include <unordered_set>

#include "model/common/PathId.h"
#include "model/dev/DevDates.h"
#include "model/dev/DevPaths.h"
#include "model/files/FileDuplicates.h"
#include "platform/EntryInfo.h"
#include "platform/Listing.h"
#include "platform/Translate.h"

namespace sorbeta::FileFinder {
namespace {

// What the groups need of the home: its path, and the Downloads folder as
// the desktop names it.
struct Home {
    Path path;
    std::string downloadsPrefix;  // empty when the desktop has no Downloads folder
};

// The file's folder as the page shows it: home written as "~".
QString folderText(const Found& file, const Home& home) {
    return DevPaths::homeRelative(file.url.parent_path(), home.path);
}

QString titleOf(const Found& file) { return DevPaths::displayed(file.url.filename()); }

// What the file was when the walk looked at it; a record made elsewhere
// carries none, and then the file as it is now.
std::optional<DevEntry::FileIdentity> identityOf(const Found& file) {
    return file.identity ? file.identity : DevEntry::FileIdentity::of(file.url);
}

DevEntry entryFor(const Found& file, const char* prefix, QString detail, bool recommended,
                  std::optional<int> cluster = std::nullopt, const Found* kept = nullptr) {
    DevEntry::TrashFile action{file.url, identityOf(file), {}, std::nullopt};
    if (kept) {
        action.kept = kept->url;
        action.keptIdentity = identityOf(*kept);
    }
    // Told apart by the path's bytes: two names that read alike as text keep
    // their own ticks.
    return DevEntry{QString::fromUtf8(prefix) + pathId(file.url),
                    titleOf(file),
                    std::move(detail),
                    file.bytes,
                    std::move(action),
                    recommended,
                    cluster};
}

QString lastOpenedDetail(const Found& file, const Home& home) {
    return folderText(file, home) + QStringLiteral(" · ") + sorbeta::tr("上次打开 ") +
           DevDates::abbreviatedDate(file.lastUsed);
}

double ageSeconds(const Found& file, const QDateTime& now) { return double(file.lastUsed.msecsTo(now)) / 1000.0; }

bool isInstaller(const Found& file, const Home& home, const QDateTime& now) {
    if (home.downloadsPrefix.empty() || !file.url.native().starts_with(home.downloadsPrefix)) return false;
    const std::string extension = file.url.extension().native();
    if (extension.size() < 2 || !installerExts().count(platform::lowercased(extension.substr(1)))) return false;
    return ageSeconds(file, now) > double(kInstallerAgeSeconds);
}

std::vector<DevEntry> duplicateEntries(const std::vector<Found>& found, const Home& home) {
    std::vector<DevEntry> entries;
    int number = 0;
    for (std::vector<Found> set : duplicateSets(found)) {
        // The earliest copy stays; the others are the safe picks.
        std::stable_sort(set.begin(), set.end(), [](const Found& a, const Found& b) { return a.created < b.created; });
        const QString kept = titleOf(set.front());
        for (std::size_t i = 0; i < set.size(); ++i) {
            const QString folder = folderText(set[i], home);
            const QString detail = i == 0 ? sorbeta::tr("%1 · 保留这一份（最早）").arg(folder)
                                          : sorbeta::tr("%1 · 和 %2 一模一样").arg(folder, kept);
            entries.push_back(entryFor(set[i], "dup:", detail, i > 0, number, i > 0 ? &set.front() : nullptr));
        }
        ++number;
    }
    return entries;
}

// The candidates that pass `keep`, largest first (equal sizes in walk order),
// at most `limit` of them.
template <typename Keep>
std::vector<DevEntry> sizedEntries(const std::vector<Found>& found, const Home& home, const char* prefix,
                                   bool recommended, Keep keep, std::size_t limit = SIZE_MAX) {
    std::vector<const Found*> kept;
    for (const Found& file : found)
        if (keep(file)) kept.push_back(&file);
    std::stable_sort(kept.begin(), kept.end(), [](const Found* a, const Found* b) { return a->bytes > b->bytes; });
    if (kept.size() > limit) kept.resize(limit);
    std::vector<DevEntry> entries;
    for (const Found* file : kept)
        entries.push_back(entryFor(*file, prefix, lastOpenedDetail(*file, home), recommended));
    return entries;
}

struct GroupLook {
    const char* id;
    const char* title;
    const char* icon;
    Flavor flavor;
    const char* note;
};

void appendIfAny(std::vector<DevGroup>& groups, const GroupLook& look, std::vector<DevEntry> entries) {
    if (entries.empty()) return;
    groups.push_back(DevGroup{QString::fromUtf8(look.id), sorbeta::tr(look.title), QString::fromUtf8(look.icon),
                              look.flavor, sorbeta::tr(look.note), std::move(entries)});
}

const GroupLook kDuplicates{"dups", SORBETA_TR_NOOP("重复文件"), "doc.on.doc", Flavor::bubblegum,
                            SORBETA_TR_NOOP("内容完全一样的文件（逐字节比较过）。每组默认保留最早的那一份。")};
const GroupLook kInstallers{"installers", SORBETA_TR_NOOP("旧安装包"), "shippingbox", Flavor::peach,
                            SORBETA_TR_NOOP("下载文件夹里 30 天前的 .dmg、.pkg、.zip，装完一般就用不着了。")};
const GroupLook kStale{"stale", SORBETA_TR_NOOP("一年多没打开"), "moon.zzz", Flavor::grape,
                       SORBETA_TR_NOOP("超过 100 M、一年多没打开也没改过的文件。不会默认勾选，看一眼再决定。")};
const GroupLook kLarge{"large", SORBETA_TR_NOOP("大文件"), "doc.fill", Flavor::lemon,
                       SORBETA_TR_NOOP("500 M 以上的文件，按大小排。不会默认勾选。")};

}  // namespace

std::vector<DevGroup> groups(const std::vector<Found>& found, const QDateTime& now, const platform::Places& places) {
    Home home;
    home.path = places.home;
    if (!places.downloads.empty()) home.downloadsPrefix = places.downloads.native() + "/";

    std::vector<DevGroup> result;
    appendIfAny(result, kDuplicates, duplicateEntries(found, home));
    appendIfAny(result, kInstallers, sizedEntries(found, home, "inst:", true, [&](const Found& file) {
                    return isInstaller(file, home, now);
                }));
    appendIfAny(result, kStale, sizedEntries(found, home, "old:", false, [&](const Found& file) {
                    return file.bytes >= kStaleFloor && ageSeconds(file, now) > double(kStaleAgeSeconds);
                }));
    appendIfAny(
        result, kLarge,
        sizedEntries(
            found, home, "big:", false, [](const Found& file) { return file.bytes >= kLargeFloor; }, kLargeLimit));
    return result;
}

std::vector<DevGroup> all(const QDateTime& now, const platform::Places& places) {
    // The desktop may keep two of its folders in one (Music and Videos both
    // in ~/Media) or one inside another (Downloads in Documents). A file
    // reached twice by one name is one candidate: twice, it would be offered
    // twice under one id, its bytes counted twice, and its second removal
    // would fail.
    std::vector<Path> existing;
    for (const Path& root : rootPaths(places))
        if (platform::exists(root) && std::find(existing.begin(), existing.end(), root) == existing.end())
            existing.push_back(root);
    std::vector<Found> found = collect(existing, places);
    std::unordered_set<std::string> seen;
    std::erase_if(found, [&](const Found& file) { return !seen.insert(file.url.native()).second; });
    return groups(found, now, places);
}

}  // namespace sorbeta::FileFinder
