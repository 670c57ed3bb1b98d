#pragma once
// Where restored items go back to: the folder of each original, opened from
// the home folder down one name at a time without following a link, so a
// folder that became a link since the clean is never written through, and
// an original deeper than a path can be still comes back. Missing folders
// are made, only below home and only as real folders.
#include <filesystem>
#include <string>
#include <vector>

#include "platform/HeldFolders.h"
#include "platform/UniqueFd.h"

namespace sorbeta {

class RestoreTargets {
public:
    explicit RestoreTargets(std::filesystem::path home);

    enum class Kind {
        ready,    // `folderFd` holds the original's folder, `name` its last component
        outside,  // not below the home folder: never restored
        blocked,  // a link or a file stands where one of its folders should be
        failed,   // a folder on the way cannot be opened or made
    };
    struct Place {
        Kind kind = Kind::failed;
        int folderFd = -1;  // valid until the next call
        std::string name;
    };

    // The place of `original`, an absolute path without "." or "..".
    Place placeOf(const std::string& original);

private:
    std::filesystem::path home_;
    platform::UniqueFd homeFd_;
    bool homeOpened_ = false;
    std::vector<std::string> lastFolders_;
    platform::OpenedFolder last_;
    bool hasLast_ = false;
};

}  // namespace sorbeta
