#include "model/files/FileFinder.h"

#include <algorithm>
#include <string_view>

#include "model/disk/Access.h"
#include "model/disk/Measure.h"
#include "platform/EntryInfo.h"
#include "platform/FileFacts.h"
#include "platform/Listing.h"
#include "platform/PathText.h"
#include "platform/TreeWalk.h"

namespace sorbeta::FileFinder {
namespace {

// `path` is `base` or lies below it, compared by whole components ("~/Code"
// does not hold "~/Codex").
bool isWithin(std::string_view path, std::string_view base) {
    if (!path.starts_with(base)) return false;
    return path.size() == base.size() || path[base.size()] == '/' || base.ends_with('/');
}

QDateTime dateOf(const platform::FileTime& time) {
    return QDateTime::fromMSecsSinceEpoch(time.milliseconds(), Qt::UTC);
}

std::string_view lastName(std::string_view path) {
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The walk of one root: folders pruned by name, packages and (in limited
// mode) folders that would prompt; files kept from the size floor up.
class RootWalk {
public:
    // `root` is the folder walked; its files are named under `shown`, the
    // folder as the user has it (they differ where the folder is a link).
    RootWalk(std::string root, std::string shown, bool inCode, const platform::Places& places)
        : root_(std::move(root)),
          shown_(std::move(shown)),
          inCode_(inCode),
          limited_(DiskScanner::limited()),
          places_(places) {}

    void appendTo(std::vector<Found>& found) const {
        platform::WalkOptions options;
        options.skipFolder = [this](std::string_view folder) { return prunes(folder); };
        platform::TreeWalk walk(root_, std::move(options));
        while (const platform::WalkEntry* entry = walk.next()) {
            if (entry->error != platform::WalkError::none || entry->info.kind != platform::EntryKind::file) continue;
            if (entry->info.allocatedBytes < kCandidateFloor || entry->path == root_) continue;
            if (auto candidate = candidateAt(Path(std::string(entry->path)))) found.push_back(std::move(*candidate));
        }
    }

    // A walked path as the user reaches it: under the folder they opened.
    Path shownPath(const Path& walked) const {
        if (root_ == shown_) return walked;
        const std::string_view rest = std::string_view(walked.native()).substr(root_.size());
        return Path(shown_ + (root_ == "/" ? "/" : "") + std::string(rest));
    }

private:
    // A disk's own Trash as the desktop keeps it at the disk's top:
    // ".Trash-" and a user id (".Trash" itself is skipped by name).
    static bool isDiskTrash(const std::string& name) {
        constexpr std::string_view prefix = ".Trash-";
        return name.size() > prefix.size() && name.starts_with(prefix) &&
               std::all_of(name.begin() + std::ptrdiff_t(prefix.size()), name.end(),
                           [](char c) { return c >= '0' && c <= '9'; });
    }

    bool prunes(std::string_view folder) const {
        if (folder == root_) return false;
        const std::string name(lastName(folder));
        if (skipNames().count(name) || isDiskTrash(name) || platform::isPackageName(name)) return true;
        if (limited_ && Access::wouldPrompt(Path(std::string(folder)), places_)) return true;
        return inCode_ && codeSkipNames().count(name) > 0;
    }

    // The dates the walk does not carry come from one more look at the file.
    std::optional<Found> candidateAt(Path path) const {
        const auto facts = platform::fileFacts(path);
        if (!facts || facts->kind != platform::EntryKind::file || facts->allocatedBytes < kCandidateFloor)
            return std::nullopt;
        const platform::FileTime used = std::max(facts->modified, facts->accessed);
        const DevEntry::FileIdentity identity{facts->device, facts->inode, facts->length, facts->modified.seconds,
                                              facts->modified.nanoseconds};
        return Found{shownPath(path), facts->allocatedBytes, dateOf(used), dateOf(facts->created()), inCode_, identity};
    }

    std::string root_;
    std::string shown_;
    bool inCode_;
    bool limited_;
    const platform::Places& places_;
};

}  // namespace

const std::vector<std::string>& roots() {
    static const std::vector<std::string> table = {"~/Downloads", "~/Documents", "~/Desktop",  "~/Movies", "~/Music",
                                                   "~/Pictures",  "~/Developer", "~/Projects", "~/Code"};
    return table;
}

const std::vector<std::string>& codeRoots() {
    // Letter case tells names apart here: the lower-case folders are others.
    static const std::vector<std::string> table = {"~/Developer", "~/Projects", "~/Code",
                                                   "~/developer", "~/projects", "~/code"};
    return table;
}

const std::unordered_set<std::string>& skipNames() {
    static const std::unordered_set<std::string> names = {"Library",     ".Trash", "node_modules", ".git", ".build",
                                                          "DerivedData", "Pods",   ".venv",        "venv", "target",
                                                          ".gradle",     ".npm",   ".cache"};
    return names;
}

const std::unordered_set<std::string>& codeSkipNames() {
    static const std::unordered_set<std::string> names = {
        "build", "Build", "dist", "out", ".next", "SourcePackages", "dd", "Products", "zig-out", ".zig-cache"};
    return names;
}

const std::unordered_set<std::string>& installerExts() {
    static const std::unordered_set<std::string> extensions = {"dmg", "pkg", "zip", "xip", "iso", "deb", "rpm"};
    return extensions;
}

std::vector<Path> rootPaths(const platform::Places& places) {
    std::vector<Path> paths;
    // The user folders where the desktop keeps them (Movies is the videos folder).
    for (const Path* folder :
         {&places.downloads, &places.documents, &places.desktop, &places.videos, &places.music, &places.pictures})
        if (!folder->empty()) paths.push_back(*folder);
    for (const Path& code : codeRootPaths(places)) paths.push_back(code);
    return paths;
}

std::vector<Path> codeRootPaths(const platform::Places& places) {
    std::vector<Path> paths;
    for (const std::string& text : codeRoots()) paths.push_back(places.expandTilde(text).lexically_normal());
    return paths;
}

std::vector<Found> collect(const std::vector<Path>& roots, const platform::Places& places) {
    std::vector<std::string> code;
    for (const Path& path : codeRootPaths(places)) code.push_back(platform::withoutTrailingSlashes(path.native()));

    std::vector<Found> found;
    for (const Path& given : roots) {
        std::string root = platform::withoutTrailingSlashes(given.lexically_normal().native());
        if (DiskScanner::limited() && Access::wouldPrompt(root, places)) continue;
        bool inCode = false;
        for (const std::string& codeRoot : code) inCode = inCode || isWithin(root, codeRoot);
        // A user folder that is a link to elsewhere (a second disk, say) is
        // walked where it leads, and its files keep the folder's own path:
        // the installers of a linked Downloads folder are still the
        // Downloads folder's, and the page shows them there.
        std::string walked = root;
        if (platform::isSymlink(root)) {
            const auto target = platform::resolvedPath(root);
            if (!target) continue;
            walked = target->native();
        }
        RootWalk(walked, root, inCode, places).appendTo(found);
    }
    return found;
}

}  // namespace sorbeta::FileFinder
