#include "model/disk/Removal.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <set>
#include <string>

#include "model/disk/DiskScanner.h"
#include "model/holding/HoldingArea.h"
#include "platform/FileOps.h"
#include "platform/Paths.h"

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

std::string stripTrailingSlashes(std::string text) {
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

// Our own data folder, as written and with its links resolved: neither it,
// nor anything in it, nor a folder that holds it may be removed.
std::vector<std::vector<std::string>> dataFolderForms() {
    const Path data = platform::appDataFolder().lexically_normal();
    std::vector<std::vector<std::string>> forms{componentsOf(Path(stripTrailingSlashes(data.native())))};
    char buffer[PATH_MAX];
    if (::realpath(data.c_str(), buffer)) forms.push_back(componentsOf(Path(buffer)));
    return forms;
}

bool touchesDataFolder(const std::vector<std::string>& c) {
    for (const auto& data : dataFolderForms()) {
        if (startsWith(c, data) || startsWith(data, c)) return true;
    }
    return false;
}

bool judge(const std::vector<std::string>& c, bool allowUserFolders, bool removingRoot) {
    const std::vector<std::string> h = componentsOf(platform::home());
    // A home folder of "/" (HOME unset or "/", as for system accounts) would
    // make the whole disk "inside home".
    if (h.size() < 2) return false;
    if (c.size() < h.size() + 1) return false;  // home itself, or above it
    if (!startsWith(c, h)) return false;
    const auto& protectedNames = protectedComponents();
    for (const std::string& part : c) {
        if (protectedNames.count(part) || part == "..") return false;
    }
    if (touchesDataFolder(c)) return false;
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
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return found;
    found.exists = true;
    found.isDirectory = S_ISDIR(info.st_mode);
    if (::lstat(path.c_str(), &info) == 0) found.isLink = S_ISLNK(info.st_mode);
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
    const int fd = ::openat(base.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return children;
    DIR* listing = ::fdopendir(fd);
    if (!listing) {
        ::close(fd);
        return children;
    }
    errno = 0;
    while (const dirent* entry = ::readdir(listing)) {
        const char* name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) continue;
        children.push_back(folder / name);
    }
    const bool failed = errno != 0;
    ::closedir(listing);
    if (failed) children.clear();  // a listing cut short is no listing
    return children;
}

}  // namespace

std::optional<Path> normalised(const Path& url) {
    const std::string text = stripTrailingSlashes(url.native());
    if (text.empty() || text.front() != '/' || text.find('\0') != std::string::npos) return std::nullopt;
    if (text == "/") return Path("/");
    const auto slash = text.rfind('/');
    const std::string parent = slash == 0 ? "/" : text.substr(0, slash);
    const std::string leaf = text.substr(slash + 1);
    // Resolve the links of the longest part of the folder that exists; the
    // rest holds no links because it does not exist.
    std::string existing = parent;
    std::string rest;
    char buffer[PATH_MAX];
    while (!::realpath(existing.c_str(), buffer)) {
        if ((errno != ENOENT && errno != ENOTDIR) || existing == "/") return std::nullopt;
        const auto cut = existing.rfind('/');
        rest = existing.substr(cut + 1) + (rest.empty() ? "" : "/" + rest);
        existing = cut == 0 ? "/" : existing.substr(0, cut);
    }
    Path joined = Path(buffer);
    if (!rest.empty()) joined /= rest;
    joined = (joined / leaf).lexically_normal();
    return Path(stripTrailingSlashes(joined.native()));
}

bool isSafeToTouch(const Path& url, bool allowUserFolders, bool removingRoot) {
    const auto path = normalised(url);
    if (!path) return false;
    return judge(componentsOf(*path), allowUserFolders, removingRoot);
}

int64_t removeMeasured(const Path& item, int64_t measuredBytes, ParentLinks parentLinks) {
    const platform::Removal removal = platform::removeTree(item, parentLinks);
    if (removal.complete) return measuredBytes;
    if (removal.removed == 0) return 0;
    // Part of it went: what went is what was measured less what is left.
    const int64_t left = size(item);
    return measuredBytes > left ? measuredBytes - left : 0;
}

int64_t clean(const std::vector<Path>& urls, bool removeRoots, bool allowUserFolders, HoldingWriter* hold) {
    int64_t freed = 0;
    for (const Path& url : urls) {
        const Found found = look(url);
        if (!found.exists) continue;
        const auto path = normalised(url);
        if (!path) continue;
        // Judge what will really happen: a file or a link goes itself even
        // when the rule only empties folders.
        const bool contentsOnly = found.isDirectory && !removeRoots && !found.isLink;
        if (!judge(componentsOf(*path), allowUserFolders, !contentsOnly)) continue;

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
