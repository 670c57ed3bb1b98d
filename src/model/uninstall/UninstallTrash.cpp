#include "model/uninstall/UninstallTrash.h"

#include <algorithm>

#include "model/disk/Measure.h"
#include "model/uninstall/LeftoverSearch.h"
#include "model/uninstall/LinuxApps.h"
#include "model/uninstall/UserEntries.h"
#include "platform/EntryInfo.h"
#include "platform/Listing.h"
#include "platform/PathText.h"

namespace sorbeta::Uninstaller {
namespace {

std::vector<std::string> componentsOf(const Path& path) {
    std::vector<std::string> parts;
    for (const Path& part : path) {
        if (!part.empty() && part != "/") parts.push_back(part.native());
    }
    return parts;
}

bool hasParentStep(const Path& path) {
    for (const Path& part : path) {
        if (part == "..") return true;
    }
    return false;
}

// The path with its folder's links resolved and its own last part kept.
std::optional<Path> placeOf(const Path& url) {
    if (hasParentStep(url)) return std::nullopt;
    const std::string leaf = platform::lastComponent(url);
    const auto folder = platform::resolvedPath(platform::parentOf(url));
    if (!folder || leaf.empty() || leaf == ".") return std::nullopt;
    return *folder / leaf;
}

bool isBundleInRoot(const Path& url, const UninstallPlaces& where) {
    const std::string text = platform::withoutTrailingSlashes(url.native());
    if (text.find("/../") != std::string::npos || hasParentStep(url)) return false;
    const Path standard = Path(text).lexically_normal();
    const std::string name = platform::lastComponent(standard);
    if (name.size() <= 4 || name.compare(name.size() - 4, 4, ".app") != 0) return false;
    const auto parent = platform::resolvedPath(platform::parentOf(standard));
    if (!parent) return false;
    const Path grandparent = platform::parentOf(*parent);
    for (const Path& root : where.appRoots()) {
        const auto resolved = platform::resolvedPath(root);
        if (resolved && (*parent == *resolved || grandparent == *resolved)) return true;
    }
    return false;
}

// A folder of ~/Applications that holds AppImages only groups them: it is
// not one application, and going whole it would take them all.
bool holdsAppImages(const Path& folder) {
    const auto names = platform::listNames(folder);
    if (!names) return true;  // cannot be looked into: keep it
    return std::any_of(names->begin(), names->end(), [](const std::string& name) { return isAppImageName(name); });
}

bool isLinuxAppInRoot(const Path& url, const UninstallPlaces& where) {
    const auto place = placeOf(url);
    const auto info = platform::entryInfo(url);
    if (!place || !info) return false;
    const Path parent = platform::parentOf(*place);
    const auto applications = platform::resolvedPath(where.userApplications());
    const auto bin = platform::resolvedPath(where.userBin());
    const std::string name = platform::lastComponent(*place);
    // An unpacked application lies in ~/Applications or, beside others it is
    // grouped with, one folder down (~/Applications/JetBrains/idea).
    if (info->kind == platform::EntryKind::folder)
        return applications && (parent == *applications || platform::parentOf(parent) == *applications) &&
               !(name.size() > 4 && name.compare(name.size() - 4, 4, ".app") == 0) && !holdsAppImages(*place);
    if (info->kind != platform::EntryKind::file || !isAppImageName(name)) return false;
    return (applications && (parent == *applications || platform::parentOf(parent) == *applications)) ||
           (bin && parent == *bin);
}

bool isInLibraryTrash(const Path& url, const UninstallPlaces& where) {
    const auto place = placeOf(url);
    const auto home = platform::resolvedPath(where.places.home);
    if (!place || !home) return false;
    const std::vector<std::string> c = componentsOf(*place);
    const std::vector<std::string> h = componentsOf(*home);
    if (c.size() > h.size() + 1 && std::equal(h.begin(), h.end(), c.begin()) && c[h.size()] == ".Trash") return true;
    const auto trashes = std::find(c.begin(), c.end(), ".Trashes");
    if (trashes == c.end()) return false;
    const std::size_t index = std::size_t(trashes - c.begin());
    // /Volumes/<disk>/.Trashes/<uid>/<item>
    return index >= 2 && c[0] == "Volumes" && c.size() >= index + 3;
}

int64_t freedBy(const platform::Removal& removal, const Path& item, int64_t measured) {
    if (removal.complete) return measured;
    if (removal.removed == 0) return 0;
    const int64_t left = DiskScanner::size(item);
    return measured > left ? measured - left : 0;
}

}  // namespace

bool isInAppRoot(const Path& url, const UninstallPlaces& where) {
    return isBundleInRoot(url, where) || isLinuxAppInRoot(url, where);
}

bool isInTrash(const Path& url, const UninstallPlaces& where) {
    return isInLibraryTrash(url, where) || platform::Trash::isInTrash(url, where.places);
}

Outcome trash(const std::vector<Path>& urls, const Path& appURL, const UninstallPlaces& where) {
    Outcome outcome;
    // What someone else removed meanwhile is neither moved nor failed; what
    // cannot be looked at counts as still there.
    const auto fail = [&outcome](const Path& url) {
        if (platform::presenceOf(url) != platform::Presence::absent) outcome.failed.push_back(url);
    };
    const std::string app = platform::withoutTrailingSlashes(appURL.native());
    for (const Path& url : urls) {
        const bool isApp = platform::withoutTrailingSlashes(url.native()) == app;
        const bool mayGo = isApp ? isInAppRoot(appURL, where) : isSafeLeftover(url, where);
        if (!mayGo) {
            fail(url);
            continue;
        }
        const int64_t bytes = DiskScanner::size(url);
        const platform::Trash::MoveResult moved = platform::Trash::moveToTrash(url, where.places);
        if (!moved.item) {
            fail(url);
            continue;
        }
        outcome.trashed += bytes;
        outcome.inTrash.push_back(*moved.item);
    }
    return outcome;
}

int64_t purgeFromTrash(const std::vector<platform::TrashedItem>& items, const UninstallPlaces& where) {
    int64_t total = 0;
    for (const platform::TrashedItem& item : items) {
        if (!isInTrash(item.path, where)) continue;
        // Only the very item that was moved: not whatever took its name since.
        const auto now = platform::entryInfo(item.path);
        if (!now || now->device != item.device || now->inode != item.inode) continue;
        const int64_t bytes = DiskScanner::size(item.path);
        if (platform::Trash::isInTrash(item.path, where.places)) {
            if (const auto removal = platform::Trash::purge(item, where.places))
                total += freedBy(*removal, item.path, bytes);
        } else if (const auto place = placeOf(item.path)) {
            total += freedBy(platform::removeTree(*place, platform::ParentLinks::refuse), *place, bytes);
        }
    }
    return total;
}

}  // namespace sorbeta::Uninstaller
