#include "model/disk/Removal.h"
#include "model/common/Bytes.h"

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/disk/Measure.h"
#include "model/disk/TrashPairs.h"
#include "platform/EntryInfo.h"
#include "platform/FileOps.h"
#include "platform/Listing.h"
#include "platform/PathText.h"
#include "platform/Places.h"

namespace sorbeta::DiskScanner {
namespace {

using platform::ParentLinks;

// The system's own stores, refused at any depth. Compared exactly, as the
// file system does.
const std::set<std::string>& systemStores() {
    static const std::set<std::string> names{"Keychains",
                                             "Accounts",
                                             "Mail",
                                             "Calendars",
                                             "Contacts",
                                             "Mobile Documents",
                                             "Preferences",
                                             "com.apple.e5rt.e5bundlecache",
                                             "CloudKit",
                                             "com.apple.containermanagerd",
                                             "com.apple.homed",
                                             "com.apple.HomeKit"};
    return names;
}

// Where Linux keeps keys, passwords and keyrings, browser and mail profiles,
// cloud and cluster credentials, and chat databases; refused at any depth.
// Compared in any letter case: on a case-folding folder (ext4's casefold, a
// FAT stick) ".SSH" is ".ssh", and refusing a lookalike costs nothing.
const std::set<std::string>& linuxSecrets() {
    static const std::set<std::string> names{".ssh",     ".gnupg",   ".password-store", ".pki", "keyrings",
                                             "kwalletd", ".mozilla", ".thunderbird",    ".aws", ".kube",
                                             ".docker",  "gcloud",   "db_storage",      "nt_db"};
    return names;
}

bool isProtected(const std::string& component) {
    return systemStores().count(component) || linuxSecrets().count(platform::lowercased(component));
}

// What a place below home allows.
enum class Allowed {
    never,
    contentsOnly,  // what is inside it, not the place itself
    always,
    withUserFolders,  // only for rules that may touch the user's own folders
};

// A place below home, written as its components: a name stands for itself,
// ".*" for any dot-name, "*" for any name, and "**" (last) for one or more
// further names.
struct PlaceRule {
    std::vector<std::string_view> pattern;
    Allowed allowed;
};

// The first rule that matches a path decides.
const std::vector<PlaceRule>& placeRules() {
    static const std::vector<PlaceRule> rules{
        {{".*"}, Allowed::contentsOnly},  // ~/.cache: what it holds, never the folder
        {{".*", "**"}, Allowed::always},  // anything inside a dot-folder
        {{"Library", "Logs"}, Allowed::contentsOnly},
        {{"Library", "*"}, Allowed::never},  // ~/Library/Caches and its siblings themselves
        {{"Library", "*", "**"}, Allowed::always},
        {{"snap"}, Allowed::contentsOnly},  // the snaps' private homes, like a dot-folder
        {{"snap", "**"}, Allowed::always},
        {{"*"}, Allowed::never},                  // ~/Documents, ~/Library and the like themselves
        {{"*", "**"}, Allowed::withUserFolders},  // inside the user's own folders
    };
    return rules;
}

bool matches(const std::vector<std::string_view>& pattern, const std::vector<std::string>& below) {
    std::size_t i = 0;
    for (const std::string_view piece : pattern) {
        if (piece == "**") return i < below.size();
        if (i >= below.size()) return false;
        const std::string& name = below[i++];
        if (piece == ".*" ? name.front() != '.' : piece != "*" && piece != name) return false;
    }
    return i == below.size();
}

bool allows(Allowed allowed, bool allowUserFolders, bool removingRoot) {
    switch (allowed) {
        case Allowed::never: return false;
        case Allowed::contentsOnly: return !removingRoot;
        case Allowed::always: return true;
        case Allowed::withUserFolders: return allowUserFolders;
    }
    return false;
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

// The safety test on a normalised path's components.
bool judge(const std::vector<std::string>& c, bool allowUserFolders, bool removingRoot,
           const platform::Places& places) {
    const std::vector<std::string> h = componentsOf(places.home);
    // A home folder of "/" (HOME unset or "/", as for system accounts) would
    // make the whole disk "inside home".
    if (h.size() < 2) return false;
    if (c.size() < h.size() + 1) return false;  // home itself, or above it
    if (!startsWith(c, h)) return false;
    for (const std::string& part : c) {
        if (isProtected(part) || part == "..") return false;
    }
    if (touchesDataFolder(c, places)) return false;
    const std::vector<std::string> below(c.begin() + std::ptrdiff_t(h.size()), c.end());
    for (const PlaceRule& rule : placeRules()) {
        if (matches(rule.pattern, below)) return allows(rule.allowed, allowUserFolders, removingRoot);
    }
    return false;
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

// What clean() is to do with one place: the path as judged, and whether only
// what is inside it goes. Nothing when the place is missing or refused.
struct Judged {
    Path path;
    bool contentsOnly = false;
};

std::optional<Judged> judged(const Path& url, bool removeRoots, bool allowUserFolders, const platform::Places& places) {
    const Found found = look(url);
    if (!found.exists) return std::nullopt;
    const auto path = normalised(url);
    if (!path) return std::nullopt;
    // Judge what will really happen: a file or a link goes itself even
    // when the rule only empties folders.
    const bool contentsOnly = found.isDirectory && !removeRoots && !found.isLink;
    if (!judge(componentsOf(*path), allowUserFolders, !contentsOnly, places)) return std::nullopt;
    return Judged{*path, contentsOnly};
}

// Whether a folder lies on the file system of the folder around it, both
// opened without following any link on their way.
bool onParentsMount(const Path& folder) {
    const platform::UniqueFd base = platform::openFolder(folder, ParentLinks::refuse);
    if (!base.valid()) return false;
    const platform::UniqueFd parent = platform::openFolder(folder.parent_path(), ParentLinks::refuse);
    return parent.valid() && platform::sameMount(base.get(), parent.get());
}

using Bytes::plus;

// Whether the entry `name` of an open folder is still the one `entries`
// lists; true for everything when there is no listing.
bool isListedAt(const FolderEntries* entries, int folderFd, const std::string& name) {
    if (!entries) return true;
    const auto info = platform::entryInfoAt(folderFd, name);
    return info && entries->count(FolderEntry{name, info->device, info->inode}) > 0;
}

// Counts an item that was to go when something is still at its place (one
// that vanished by itself meanwhile did not stay).
void noteIfStayed(int folderFd, const std::string& name, int* stayed) {
    if (stayed && platform::presenceAt(folderFd, name) != platform::Presence::absent) ++*stayed;
}

// Removes or holds the entry `name` of an open folder; the bytes that went.
int64_t removeItemAt(int folderFd, const std::string& name, const Path& item, HoldSink* hold, int* stayed) {
    if (hold) {
        // The user asked to keep what is cleaned: an item the batch cannot
        // take stays where it is.
        const int64_t bytes = size(item);
        if (hold->holdAt(folderFd, name, item, bytes)) return bytes;
        noteIfStayed(folderFd, name, stayed);
        return 0;
    }
    const platform::Removal removal = platform::removeTreeAt(folderFd, name);
    if (!removal.complete) noteIfStayed(folderFd, name, stayed);
    return removal.bytes;
}

// Empties a folder that was judged safe. The folder is opened without
// following any link on its way, so what is emptied is what was judged; a
// folder on which another file system is mounted is judged by where it lies,
// but what is inside belongs to that other disk: it is left alone.
int64_t emptyFolder(const Path& folder, HoldSink* hold, const FolderEntries* only, int* stayed) {
    const platform::UniqueFd base = platform::openFolder(folder, ParentLinks::refuse);
    if (!base.valid()) return 0;
    const platform::UniqueFd parent = platform::openFolder(folder.parent_path(), ParentLinks::refuse);
    if (!parent.valid() || !platform::sameMount(base.get(), parent.get())) return 0;
    const auto names = platform::listNamesAt(base.get());
    if (!names) return 0;  // a listing cut short is no listing
    int64_t freed = 0;
    for (const std::string& name : *names) {
        if (!isListedAt(only, base.get(), name)) continue;
        freed = plus(freed, removeItemAt(base.get(), name, folder / name, hold, stayed));
    }
    return freed;
}

// Removes or holds one place itself (a file, a link, or a folder whole).
int64_t removePlace(const Path& place, HoldSink* hold, int* stayed) {
    const std::string name = platform::lastComponent(place);
    const platform::UniqueFd parent = platform::openFolder(platform::parentOf(place), ParentLinks::refuse);
    if (!parent.valid() || !platform::isPlainName(name)) return 0;
    return removeItemAt(parent.get(), name, place, hold, stayed);
}

}  // namespace

// The direct children of a folder that was judged safe. The folder is opened
// without following any link on its way, so what is listed is what was judged.
// A folder on which another file system is mounted is judged by where it lies,
// but what is inside belongs to that other disk: it gives no children.
std::vector<Path> contentsOf(const Path& folder) {
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

FolderEntries entriesOf(const Path& url) {
    FolderEntries entries;
    const auto folder = normalised(url);
    if (!folder) return entries;
    const platform::UniqueFd base = platform::openFolder(*folder, ParentLinks::refuse);
    if (!base.valid()) return entries;
    const auto names = platform::listNamesAt(base.get());
    if (!names) return entries;
    for (const std::string& name : *names) {
        if (const auto info = platform::entryInfoAt(base.get(), name))
            entries.insert(FolderEntry{name, info->device, info->inode});
    }
    return entries;
}

bool isListed(const FolderEntries* entries, const Path& item) {
    if (!entries) return true;
    const auto info = platform::entryInfo(item);
    return info && entries->count(FolderEntry{item.filename().native(), info->device, info->inode}) > 0;
}

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

bool wouldClean(const Path& url, bool removeRoots, bool allowUserFolders, const platform::Places& places) {
    const auto place = judged(url, removeRoots, allowUserFolders, places);
    return place && (!place->contentsOnly || onParentsMount(place->path));
}

int64_t removeMeasured(const Path& item, int64_t measuredBytes, ParentLinks parentLinks) {
    const platform::Removal removal = platform::removeTree(item, parentLinks);
    return removal.complete ? measuredBytes : removal.bytes;
}

int64_t clean(const std::vector<Path>& urls, bool removeRoots, bool allowUserFolders, HoldSink* hold,
              const platform::Places& places, const ListedEntries* listed, int* stayed) {
    int64_t freed = 0;
    for (const Path& url : urls) {
        const auto place = judged(url, removeRoots, allowUserFolders, places);
        if (!place) continue;
        const Path& path = place->path;
        const FolderEntries* only = nullptr;
        if (listed && place->contentsOnly) {
            const auto found = listed->find(url);
            if (found == listed->end()) continue;
            only = &found->second;
        }
        // The Trash is emptied in pairs: an item and its .trashinfo together.
        if (place->contentsOnly) {
            if (const auto part = TrashPairs::partOf(path, places); part != TrashPairs::Part::none) {
                freed = plus(freed, TrashPairs::empty(path, part, hold, places, only, stayed));
                continue;
            }
        }
        freed =
            plus(freed, place->contentsOnly ? emptyFolder(path, hold, only, stayed) : removePlace(path, hold, stayed));
    }
    return freed;
}

}  // namespace sorbeta::DiskScanner
