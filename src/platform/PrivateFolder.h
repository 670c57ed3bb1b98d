#pragma once
// A folder of our own for short-lived files (the share card's picture) that
// no other user can read or plant links in.
#include <filesystem>
#include <optional>

namespace sorbeta::platform {

// $XDG_RUNTIME_DIR/sorbeta when the runtime folder is usable, else
// <temp>/sorbeta-<uid>. Created with mode 0700; refused (none) when the name
// is taken by a link, by something that is not a folder, or by a folder of
// another user. A folder of ours that others can reach is closed to them.
std::optional<std::filesystem::path> privateTempFolder();

// The same checks for a given folder, created when missing (its parent must exist).
bool ensurePrivateFolder(const std::filesystem::path& folder);

}  // namespace sorbeta::platform
