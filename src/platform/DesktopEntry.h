#pragma once
// Desktop entries (.desktop files) and the command lines they run. Only the
// [Desktop Entry] group is read; files are read as small regular files,
// never through a link. The Exec rules: the value's own escapes (\s \n \t
// \r \\) first, then words split at blanks with double quotes grouping, then
// field codes (%f, %U…) dropped and "%%" kept as "%".
#include <QString>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace sorbeta::platform {

using Path = std::filesystem::path;

struct DesktopEntry {
    std::map<std::string, std::string> keys;  // key (with its [locale]) -> value as written

    // The value of a key with the group's escapes undone; empty when missing.
    std::string value(const std::string& key) const;
    bool isTrue(const std::string& key) const;
    // Name for `locale` ("zh_CN"): Name[zh_CN], then Name[zh], then Name.
    QString localizedName(const QString& locale) const;
    // The program Exec runs (see commandProgram); empty when there is none.
    std::string execProgram() const;
};

// Parses the text of a desktop file; absent when it has no [Desktop Entry] group.
std::optional<DesktopEntry> parseDesktopEntry(const std::string& text);
// Reads and parses one desktop file (at most 256 KiB).
std::optional<DesktopEntry> readDesktopEntry(const Path& path);

// The words of an Exec value (escapes, quoting and field codes handled).
std::vector<std::string> execWords(const std::string& exec);
// The program a command runs: the first word after an "env" and its
// NAME=value words. Empty when there is none.
std::string commandProgram(const std::vector<std::string>& words);

}  // namespace sorbeta::platform
