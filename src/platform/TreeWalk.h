#pragma once
// A walk over a file tree that yields one plain record per entry: what it is,
// where it lies (device and inode), how many links it has and how many bytes
// it really occupies. Entries that cannot be read are records too, marked with
// what went wrong, so each caller decides what they mean to it.
//
// The walk never follows a symbolic link (a link, the root included, is
// reported as itself), never enters a folder on another file system or on
// another mount of the root's (a bind mount; the folder itself is reported),
// and reports every folder once, before what it holds. Callers only pull
// records; how the tree is read behind next() is the walker's own business.
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/EntryInfo.h"

namespace sorbeta::platform {

// Why a record is incomplete.
enum class WalkError {
    none,
    unreadableFolder,  // a folder whose listing failed: its own record is valid, its contents are not walked
    failedStat,        // an entry that could not be examined: only its path is known
    cycle,             // a folder that is its own ancestor: not entered again
    failed,            // any other failure of the walk at this entry
};

struct WalkEntry {
    std::string_view path;  // valid until the next call of next()
    EntryInfo info;         // all zeros after failedStat and failed
    WalkError error = WalkError::none;
};

struct WalkOptions {
    // Folders this answers true for (given their path) are reported but not
    // entered. Called on the walking thread: cheap and free of side effects.
    std::function<bool(std::string_view folderPath)> skipFolder;
    // Which mount a folder lies on, asked as platform::mountIdAt is: with
    // AT_FDCWD and the root's path, then with a folder's descriptor and the
    // name in it. Without it, the kernel is asked.
    std::function<std::optional<uint64_t>(int folderFd, const char* name)> mountIdAt;
};

class TreeWalk {
public:
    explicit TreeWalk(const std::filesystem::path& root, WalkOptions options = {});
    ~TreeWalk();
    TreeWalk(const TreeWalk&) = delete;
    TreeWalk& operator=(const TreeWalk&) = delete;

    // The next entry, or nullptr once the walk is over. A root that does not
    // exist gives one failedStat record.
    const WalkEntry* next();

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace sorbeta::platform
