#include "platform/UserDirs.h"

#include <optional>

#include "platform/EntryInfo.h"
#include "platform/FileOps.h"
#include "platform/PathText.h"

namespace sorbeta::platform {
namespace {

// The text between the double quotes, shell escapes undone; nothing when the
// value is not one quoted word.
std::optional<std::string> unquoted(std::string_view value) {
    if (value.size() < 2 || value.front() != '"') return std::nullopt;
    std::string out;
    for (std::size_t i = 1; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\\' && i + 1 < value.size()) {
            out += value[++i];
            continue;
        }
        if (c == '"') {
            // Only blanks may follow the closing quote.
            for (std::size_t j = i + 1; j < value.size(); ++j)
                if (value[j] != ' ' && value[j] != '\t' && value[j] != '\r') return std::nullopt;
            return out;
        }
        out += c;
    }
    return std::nullopt;
}

std::optional<Path> folderOf(const std::string& value, const Path& home) {
    std::string path;
    if (value.rfind("$HOME", 0) == 0 && (value.size() == 5 || value[5] == '/'))
        path = home.native() + value.substr(5);
    else if (!value.empty() && value.front() == '/')
        path = value;
    else
        return std::nullopt;
    const Path normal(withoutTrailingSlashes(Path(path).lexically_normal().native()));
    // The home is kept resolved, while the file may spell it through a link
    // (HOME=/x/link, XDG_MUSIC_DIR="/x/link"): links are resolved before the
    // home is recognised, and in the folders holding the one named, so that
    // one folder is written one way. The folder itself stays as named: a
    // Downloads folder linked to another disk is still the Downloads folder.
    if (holdsHomeFolder(normal, home)) return Path();  // turned off
    return realFolder(parentOf(normal)) / lastComponent(normal);
}

std::string_view trimmedFront(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    return line;
}

}  // namespace

std::map<std::string, Path> parseUserDirs(std::string_view text, const Path& home) {
    std::map<std::string, Path> folders;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = trimmedFront(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.empty() || line.front() == '#') continue;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        const std::string_view key = line.substr(0, eq);
        if (!key.starts_with("XDG_") || !key.ends_with("_DIR") || key.size() <= 8) continue;
        const auto value = unquoted(line.substr(eq + 1));
        if (!value) continue;
        if (auto folder = folderOf(*value, home)) folders[std::string(key.substr(4, key.size() - 8))] = *folder;
    }
    return folders;
}

std::map<std::string, Path> readUserDirs(const Path& configHome, const Path& home) {
    std::string text;
    std::map<std::string, Path> folders;
    if (readSmallFile(configHome / "user-dirs.dirs", 64 * 1024, text)) folders = parseUserDirs(text, home);
    static const std::pair<const char*, const char*> defaults[] = {
        {"DESKTOP", "Desktop"}, {"DOCUMENTS", "Documents"}, {"DOWNLOAD", "Downloads"},
        {"MUSIC", "Music"},     {"PICTURES", "Pictures"},   {"VIDEOS", "Videos"},
    };
    for (const auto& [key, name] : defaults) folders.try_emplace(key, home / name);
    return folders;
}

}  // namespace sorbeta::platform
