#pragma once
// Paths as texts of raw bytes: the forms a file URL's path would take, worked
// out without asking the file system.
#include <filesystem>
#include <string>
#include <string_view>

namespace sorbeta::platform {

using Path = std::filesystem::path;

// The text without trailing slashes, as a file URL's path carries it; "/" stays "/".
std::string withoutTrailingSlashes(std::string text);
std::string_view withoutTrailingSlashes(std::string_view text);

// The last component of a path, trailing slashes ignored ("/a/b/" gives "b").
std::string lastComponent(const Path& path);
// The folder that holds the last component: "." for a bare name, "/" for a
// component right below the root.
Path parentOf(const Path& path);
// Whether `inner` is `outer` or lies below it, by whole components ("/a/bc"
// is not in "/a/b"), trailing slashes on `outer` ignored; nothing lies in an
// empty path and an empty path lies nowhere.
bool liesWithin(const Path& inner, const Path& outer);

// Whether one name matches one shell pattern piece ("*", "?", "[...]"), with
// no special treatment of a leading dot or of "/" (fnmatch without flags).
bool matchesGlob(const std::string& pattern, const std::string& name);

}  // namespace sorbeta::platform
