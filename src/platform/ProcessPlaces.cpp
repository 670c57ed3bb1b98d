#include "platform/ProcessPlaces.h"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <set>
#include <string>

#include "platform/EntryInfo.h"
#include "platform/FileOps.h"
#include "platform/PathText.h"

namespace sorbeta::platform {
namespace {

constexpr std::size_t kCommandLineLimit = std::size_t(1) << 20;
// A program mapping more than this (thousands of libraries) is read without its maps.
constexpr std::size_t kMapsLimit = std::size_t(32) << 20;

std::string_view nextField(std::string_view& rest) {
    const std::size_t start = rest.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        rest = {};
        return {};
    }
    rest.remove_prefix(start);
    const std::size_t end = std::min(rest.find(' '), rest.size());
    const std::string_view field = rest.substr(0, end);
    rest.remove_prefix(end);
    return field;
}

Path linkAt(const Path& link) {
    char text[PATH_MAX];
    const ssize_t length = ::readlink(link.c_str(), text, sizeof text);
    if (length <= 0 || std::size_t(length) >= sizeof text) return {};
    return withoutDeletedMark(std::string(text, std::size_t(length)));
}

}  // namespace

std::vector<Path> mappedFiles(std::string_view maps) {
    std::vector<Path> files;
    std::set<std::string_view> seen;
    while (!maps.empty()) {
        const std::size_t end = std::min(maps.find('\n'), maps.size());
        std::string_view rest = maps.substr(0, end);
        maps.remove_prefix(std::min(end + 1, maps.size()));
        // Address, permissions, offset, device and inode come before the name.
        for (int field = 0; field < 5; ++field) nextField(rest);
        const std::size_t start = rest.find_first_not_of(' ');
        if (start == std::string_view::npos || rest[start] != '/') continue;
        const std::string_view name = rest.substr(start);
        if (seen.insert(name).second) files.push_back(withoutDeletedMark(std::string(name)));
    }
    return files;
}

std::vector<Path> commandLinePaths(std::string_view cmdline, const Path& workingFolder) {
    std::vector<Path> paths;
    while (!cmdline.empty()) {
        const std::size_t end = std::min(cmdline.find('\0'), cmdline.size());
        std::string_view argument = cmdline.substr(0, end);
        cmdline.remove_prefix(std::min(end + 1, cmdline.size()));
        if (argument.starts_with('-')) {
            const std::size_t equals = argument.find('=');
            if (equals == std::string_view::npos || !argument.substr(equals + 1).starts_with('/')) continue;
            argument.remove_prefix(equals + 1);
        }
        if (argument.starts_with('/'))
            paths.push_back(Path(argument).lexically_normal());
        else if (argument.find('/') != std::string_view::npos && !workingFolder.empty())
            paths.push_back((workingFolder / argument).lexically_normal());
    }
    return paths;
}

std::vector<Path> placesInUse(const ProcFolder& proc) {
    std::vector<Path> places;
    std::string text;
    for (const ProcessSample& process : proc.ownProcesses()) {
        const Path folder = proc.root() / std::to_string(process.pid);
        if (!process.executable.empty()) places.push_back(process.executable);
        const Path working = linkAt(folder / "cwd");
        if (!working.empty()) places.push_back(working);
        if (readSmallFile(folder / "cmdline", kCommandLineLimit, text)) {
            for (Path& path : commandLinePaths(text, working)) {
                // A script reached through a linked folder lies where the link leads.
                if (auto parent = resolvedPath(path.parent_path()); parent && *parent != path.parent_path())
                    places.push_back(*parent / path.filename());
                places.push_back(std::move(path));
            }
        }
        if (readSmallFile(folder / "maps", kMapsLimit, text))
            for (Path& file : mappedFiles(text)) places.push_back(std::move(file));
    }
    return places;
}

bool anyLiesIn(const std::vector<Path>& places, const Path& folder) {
    return std::any_of(places.begin(), places.end(), [&](const Path& place) { return liesWithin(place, folder); });
}

}  // namespace sorbeta::platform
