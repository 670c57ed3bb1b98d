#pragma once
// A Linux desktop's home as its applications leave it: caches under
// ~/.cache, Electron and chat applications under ~/.config and
// ~/.local/share, Flatpak and Snap twins, a Chinese user-dirs.dirs, a Trash
// with pairs, an orphan description and a size cache, and beside each cache
// the profile, keys or database that must never be touched. System folders
// (/opt, Flatpak's and Snap's stores) are built under the places' systemRoot.
#include <filesystem>
#include <string>
#include <vector>

#include "FileTree.h"
#include "platform/Places.h"

namespace sorbeta::test {

struct LinuxHome {
    // Builds the home and answers the places read after user-dirs.dirs exists.
    static platform::Places build(FileTree& home, const platform::Places& before);

    // What each rule with a Linux counterpart must find there (relative to
    // home; system paths start with "/" and are relative to systemRoot).
    struct RuleFinds {
        std::string rule;
        std::vector<std::string> paths;
    };
    static std::vector<RuleFinds> expectedRuleTargets();

    // Files that no rule may ever target, nor anything above them.
    static std::vector<std::string> protectedFiles();
};

}  // namespace sorbeta::test
