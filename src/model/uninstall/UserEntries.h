#pragma once
// The user's own desktop entries ({data}/applications/*.desktop) with the
// programs they run, and the one way paths are compared with a bundle: both
// sides with their links resolved.
#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/DesktopEntry.h"
#include "platform/Places.h"

namespace sorbeta::Uninstaller {

using Path = std::filesystem::path;

struct UserEntry {
    Path file;
    QString id;  // file name without ".desktop"
    platform::DesktopEntry entry;
    Path program;  // what Exec runs, resolved; empty when it names no absolute path
    Path tryExec;  // TryExec, resolved; empty when none
};

// Application entries of the user's data folder, by file name; hidden
// (deleted) entries are left out.
std::vector<UserEntry> userEntries(const platform::Places& places);

// An absolute program path as compared with a bundle: links resolved, or
// where it cannot be resolved (gone), its folder resolved; empty for a
// relative path.
Path comparablePath(const std::string& program);

// Whether `program` (comparable) is the bundle file itself or lies inside
// the bundle folder (`bundle` comparable too).
bool liesIn(const Path& program, const Path& bundle);

}  // namespace sorbeta::Uninstaller
