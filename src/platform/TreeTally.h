#pragma once
// Adds up the allocated bytes of a file tree as fast as the disk allows: every
// folder is read through its own descriptor (getdents64, then fstatat relative
// to it, never by a full path), and the folders found become pieces of work
// that other threads may take while the calling thread walks on, so one large
// tree is walked by as many threads as are free.
//
// The same rules as TreeWalk: a link, the root included, counts as itself and
// is never followed; a folder on another file system or on another mount of
// the root's (a bind mount) is not entered; a folder that is its own ancestor
// is not entered again; what cannot be read or examined adds nothing. Folders
// hold nothing of their own.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stop_token>
#include <string_view>

namespace sorbeta::platform {

struct TallyOptions {
    // Folders this answers true for are not entered: asked with the root's
    // whole path, and with the name alone of every folder inside it. Called
    // on any of the walking threads: cheap and free of side effects.
    std::function<bool(std::string_view pathOrName)> skipFolder;
    // Asked for every entry with two or more links, with its allocated
    // bytes: whether it counts (true the first time that device and inode are
    // met). Called on any of the walking threads. Without it, every name counts.
    std::function<bool(uint64_t device, uint64_t inode, int64_t bytes)> firstLink;
    // Asked for every folder inside the root that would be entered, with its
    // device and inode: the bytes the caller already knows for it, added
    // instead of walking it, or nothing to walk it as any other.
    std::function<std::optional<int64_t>(uint64_t device, uint64_t inode)> knownFolder;
    // Hands `job` to another thread if one is free right now, and says
    // whether it did. The job takes folders of this walk until none is left
    // and never waits for anything. Without it the calling thread walks alone.
    std::function<bool(std::function<void()> job)> offerHelp;
    // Which mount a folder lies on, asked as platform::mountIdAt is: with
    // AT_FDCWD and the root's path, then with a folder's descriptor and the
    // name in it. Called on any of the walking threads. Without it, the
    // kernel is asked.
    std::function<std::optional<uint64_t>(int folderFd, const char* name)> mountIdAt;
    // A walk whose stop is requested ends early with what it counted so far.
    std::stop_token stop;
};

// The allocated bytes at and below `root`. Returns once every folder was
// read, by whichever thread took it.
int64_t tallyTree(const std::filesystem::path& root, const TallyOptions& options);

}  // namespace sorbeta::platform
