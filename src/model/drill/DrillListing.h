#pragma once
// What a drill-down level measures, and how its children are labelled.
// Synchronous file-system questions: run off the GUI thread.
#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Places.h"

namespace sorbeta::DrillListing {

using Path = std::filesystem::path;

struct Child {
    Path url;
    bool isDirectory = false;  // a real folder, not a link to one
    bool operator==(const Child&) const = default;
};

// The urls that exist (a dangling link does not) and would not prompt in
// limited mode. One folder among them: its children in listing order, hidden
// ones included, nothing descended into. Otherwise the kept urls themselves.
// A folder that cannot be listed gives nothing.
std::vector<Child> list(const std::vector<Path>& urls, bool limited, const platform::Places& places);

// A real folder: not a link, whatever it leads to; false when it cannot be read.
bool isDirectory(const Path& url);

// Folder names too generic to stand alone: "node_modules", "build", "cache"…
const std::vector<std::string>& genericNames();

// The jelly's label: the last component, or "parent/name" for a generic name
// (exact, case-sensitive).
QString displayName(const Path& url);

}  // namespace sorbeta::DrillListing
