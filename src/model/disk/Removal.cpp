#include "model/disk/Removal.h"

#include <set>
#include <string>

#include "model/disk/Measure.h"
#include "platform/EntryInfo.h"
#include "platform/FileOps.h"
#include "platform/Listing.h"
#include "platform/PathText.h"
#include "platform/Places.h"

namespace sorbeta::DiskScanner {
namespace {

using platform::ParentLinks;

// Places that hold the user's secrets. The first twelve are the system's own
// stores; the rest are where Linux keeps keys, passwords and keyrings.
const std::set<std::string>& protectedComponents() {
    static const std::set<std::string> names{
        "Keychains", "Accounts", "Mail", "Calendars", "Contacts", "Mobile Documents", "Preferences",
        "com.apple.e5rt.e5bundlecache", "CloudKit", "com.apple.containermanagerd", "com.apple.homed",
        "com.apple.HomeKit", ".ssh", ".gnupg", ".password-store", ".pki", "keyrings"};
    return names;
}

std::vector<std::string> componentsOf(const Path& path) {
    std::vector<std::string> parts;
    for (const Path& part : path) {
        if (part.empty()) continue;  // the empty name after a trailing slash
        parts.push_back(part.native());
    }
    return parts;
}

bool startsWith(const std::vector<std::string>& path, const std::vector<std::string>& prefix) {
    if (path.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (path[i] != prefix[i]) return false;
    }
    return true;
}

using platform::withoutTrailingSlashes;

// Our own data folder, as written and with its links resolved: neither it,
// nor anything in it, nor a folder that holds it may be removed.
std::vector<std::vector<std::string>> dataFolderForms(const platform::Places& places) {
    const Path data = places.appDataFolder().lexically_normal();
    std::vector<std::vector<std::string>> forms{componentsOf(Path(withoutTrailingSlashes(data.native())))};
    if (const auto resolved = platform::resolvedPath(data)) forms.push_back(componentsOf(*resolved));
    return forms;
}

bool touchesDataFolder(const std::vector<std::string>& c, const platform::Places& places) {
    for (const auto& data : dataFolderForms(places)) {
        if (startsWith(c, data) || startsWith(data, c)) return true;
    }
    return false;
}

bool judge(const std::vector<std::string>& c, bool allowUserFolders, bool removingRoot,
           const platform::Places& places) {
    const std::vector<std::string> h = componentsOf(places.home);
    // A home folder of "/" (HOME unset or "/", as for system accounts) would
    // make the whole disk "inside home".
    if (h.size() < 2) return false;
    if (c.size() < h.size() + 1) return false;  // home itself, or above it
    if (!startsWith(c, h)) return false;
    const auto& protectedNames = protectedComponents();
    for (const std::string& part : c) {
        if (protectedNames.count(part) || part == "..") return false;
    }
    if (touchesDataFolder(c, places)) return false;
    const std::size_t depth = c.size() - h.size();
    const std::string& first = c[h.size()];
    const bool dotted = first.front() == '.';
    if (depth == 1) return dotted && !removingRoot;
    if (first != "Library") return dotted || allowUserFolders;
    if (depth == 2) return c.back() == "Logs" && !removingRoot;
    return true;
}

struct Found {
    bool exists = false;
    bool isDirectory = false;  // following a final link
    bool isLink = false;
};

Found look(const Path& path) {
    Found found;
    const auto target = platform::targetInfo(path);
    if (!target) return found;
    found.exists = true;
    found.isDirectory = target->kind == platform::EntryKind::folder;
    found.isLink = platform::isSymlink(path);
    return found;
}

// The direct children of a folder that was judged safe. The folder is opened
// without following any link on its way, so what is listed is what was judged.
// A folder on which another file system is mounted is judged by where it lies,
// but what is inside belongs to that other disk: it gives no children.
std::vector<Path> childrenOf(const Path& folder) {
    std::vector<Path> children;
    const platform::UniqueFd base = platform::openFolder(folder, ParentLinks::refuse);
    if (!base.valid()) return children;
    const platform::UniqueFd parent = platform::openFolder(folder.parent_path(), ParentLinks::refuse);
    if (!parent.valid() || !platform::sameMount(base.get(), parent.get())) return children;
    const auto names = platform::listNamesAt(base.get());
    if (!names) return children;  // a listing cut short is no listing
    for (const std::string& name : *names) children.push_back(folder / name);
    return children;
}

}  // namespace

std::optional<Path> normalised(const Path& url) {
    const std::string text = withoutTrailingSlashes(url.native());
    if (text.empty() || text.front() != '/' || text.find('\0') != std::string::npos) return std::nullopt;
    if (text == "/") return Path("/");
    const auto slash = text.rfind('/');
    const std::string parent = slash == 0 ? "/" : text.substr(0, slash);
    const std::string leaf = text.substr(slash + 1);
    // Resolve the links of the longest part of the folder that exists; the
    // rest holds no links because it does not exist.
    std::string existing = parent;
    std::string rest;
    std::optional<Path> resolved;
    for (;;) {
        bool missing = false;
        resolved = platform::resolvedPath(existing, &missing);
        if (resolved) break;
        if (!missing || existing == "/") return std::nullopt;
        const auto cut = existing.rfind('/');
        rest = existing.substr(cut + 1) + (rest.empty() ? "" : "/" + rest);
        existing = cut == 0 ? "/" : existing.substr(0, cut);
    }
    Path joined = *resolved;
    if (!rest.empty()) joined /= rest;
    joined = (joined / leaf).lexically_normal();
    return Path(withoutTrailingSlashes(joined.native()));
}

bool isSafeToTouch(const Path& url, bool allowUserFolders, bool removingRoot, const platform::Places& places) {
    const auto path = normalised(url);
    if (!path) return false;
    return judge(componentsOf(*path), allowUserFolders, removingRoot, places);
}

int64_t removeMeasured(const Path& item, int64_t measuredBytes, ParentLinks parentLinks) {
    const platform::Removal removal = platform::removeTree(item, parentLinks);
    if (removal.complete) return measuredBytes;
    if (removal.removed == 0) return 0;
    // Part of it went: what went is what was measured less what is left.
    const int64_t left = size(item);
    return measuredBytes > left ? measuredBytes - left : 0;
}

int64_t clean(const std::vector<Path>& urls, bool removeRoots, bool allowUserFolders, HoldSink* hold,
              const platform::Places& places) {
    int64_t freed = 0;
    for (const Path& url : urls) {
        const Found found = look(url);
        if (!found.exists) continue;
        const auto path = normalised(url);
        if (!path) continue;
        // Judge what will really happen: a file or a link goes itself even
        // when the rule only empties folders.
        const bool contentsOnly = found.isDirectory && !removeRoots && !found.isLink;
        if (!judge(componentsOf(*path), allowUserFolders, !contentsOnly, places)) continue;

        const std::vector<Path> items = contentsOnly ? childrenOf(*path) : std::vector<Path>{*path};
        for (const Path& item : items) {
            const int64_t bytes = size(item);
            if (hold) {
                // The user asked to keep what is cleaned: an item the batch
                // cannot take stays where it is.
                if (hold->hold(item, bytes)) freed += bytes;
                continue;
            }
            freed += removeMeasured(item, bytes);
        }
    }
    return freed;
}

}  // namespace sorbeta::DiskScanner
