#pragma once
// User systemd units as far as finding what they run: ExecStart= lines (with
// systemd's "-@:+!" prefixes, its quoting and the %h specifier) and the unit
// a .timer starts.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace sorbeta::platform {

using Path = std::filesystem::path;

struct SystemdUnit {
    // "Section.Key" -> every value given, in file order.
    std::map<std::string, std::vector<std::string>> values;

    // The programs the service's ExecStart= lines run, %h read as `home`.
    std::vector<std::string> execPrograms(const Path& home) const;
    // The unit a timer named `timerName` starts: Unit=, else the service of its name.
    std::string timerUnit(const std::string& timerName) const;
};

std::optional<SystemdUnit> parseSystemdUnit(const std::string& text);
// Reads and parses one unit file (at most 256 KiB, a regular file, never through a link).
std::optional<SystemdUnit> readSystemdUnit(const Path& path);

// The words of one command line, after its prefixes and with %h read as `home`.
std::vector<std::string> unitCommandWords(const std::string& command, const Path& home);

// A unit name that may be handed to systemctl: letters, digits and ":-_.\@",
// with a unit type suffix, not starting with "-".
bool isPlainUnitName(const std::string& name);

}  // namespace sorbeta::platform
