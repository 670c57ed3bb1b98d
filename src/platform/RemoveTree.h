#pragma once
// The one removal walk for user data. It descends through folders it holds
// open (openat with O_NOFOLLOW | O_DIRECTORY), never follows a symbolic link,
// never enters a folder on another mount (bind mounts included) and never
// opens a folder by its path again once the walk has begun, so a link or a
// mount swapped in while it runs is neither followed nor emptied.
//
// It is iterative and keeps a bounded number of descriptors open whatever the
// depth: to climb back to a folder whose descriptor it closed, it opens ".."
// from the child and goes on only if that is the very folder it left (same
// device and inode); otherwise it stops and reports the tree as not removed.
#include <cstdint>
#include <filesystem>
#include <string>

namespace sorbeta::platform {

using Path = std::filesystem::path;

// Whether symbolic links met on the way to a folder may be followed.
// `refuse` is for paths the safety test judged with their links already
// resolved: a link that shows up there since means something was swapped.
enum class ParentLinks { follow, refuse };

// What one removal did.
struct Removal {
    bool complete = false;  // the entry is gone
    int64_t removed = 0;    // directory entries unlinked (files, links and folders)
    // Allocated bytes of the files and links unlinked (folders count
    // nothing); a file with several links counts once per walk, as it does
    // when a tree is measured.
    int64_t bytes = 0;
};

// What the walk does with a folder below the entry that will not let it in
// or take anything out of it (a read-only module cache, say).
enum class LockedFolders {
    leave,   // it stays, with what it holds: the user's folders are theirs
    openUp,  // one of ours (the holding area's) on the walk's own disk gets
             // its owner's permissions back first, so its contents can go
};

// Removes the entry `name` of an open folder and, for a folder, everything
// below it. Goes on past failures so that whatever can go, goes; a folder
// that still holds something stays. An entry that is not there is not
// "complete": nothing was removed.
Removal removeTreeAt(int parentFd, const std::string& name, LockedFolders locked = LockedFolders::leave);

// The same for a path; its folders are opened as `parentLinks` says.
Removal removeTree(const Path& path, ParentLinks parentLinks);

// How many folder descriptors one walk keeps open at most.
inline constexpr int kRemovalOpenFolders = 64;

// Tests only: called with the folder and the name just before the walk
// opens a child folder, so a test can swap things under a running walk.
using RemovalFolderHook = void (*)(int parentFd, const char* name);
void setRemovalFolderHookForTesting(RemovalFolderHook hook);

}  // namespace sorbeta::platform
