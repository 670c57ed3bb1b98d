#include "platform/SystemdUnit.h"

#include <algorithm>

#include "platform/DesktopEntry.h"
#include "platform/FileOps.h"

namespace sorbeta::platform {
namespace {

constexpr std::size_t kUnitFileLimit = 256 * 1024;

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string expandSpecifiers(const std::string& word, const Path& home) {
    std::string out;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] == '%' && i + 1 < word.size()) {
            if (word[i + 1] == 'h') {
                out += home.native();
                ++i;
                continue;
            }
            if (word[i + 1] == '%') {
                out += '%';
                ++i;
                continue;
            }
        }
        out += word[i];
    }
    return out;
}

char escaped(char c) {
    switch (c) {
        case 'n': return '\n';
        case 't': return '\t';
        case 's': return ' ';
        default: return c;
    }
}

}  // namespace

std::vector<std::string> unitCommandWords(const std::string& command, const Path& home) {
    std::size_t start = command.find_first_not_of(" \t");
    // "@" (argv[0] given), "-" (failure ignored), ":" (no expansion), "+", "!" and "!!" (privileges).
    while (start < command.size() && std::string_view("@-:+!").find(command[start]) != std::string_view::npos) ++start;
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (std::size_t i = start; i < command.size(); ++i) {
        const char c = command[i];
        if (c == '\\' && i + 1 < command.size()) {
            word += escaped(command[++i]);
            inWord = true;
        } else if (quote) {
            if (c == quote)
                quote = 0;
            else
                word += c;
        } else if (c == '"' || c == '\'') {
            quote = c;
            inWord = true;
        } else if (c == ' ' || c == '\t') {
            if (inWord) words.push_back(expandSpecifiers(word, home));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(expandSpecifiers(word, home));
    return words;
}

std::vector<std::string> SystemdUnit::execPrograms(const Path& home) const {
    std::vector<std::string> programs;
    const auto it = values.find("Service.ExecStart");
    if (it == values.end()) return programs;
    for (const std::string& line : it->second) {
        std::string program = commandProgram(unitCommandWords(line, home));
        if (!program.empty()) programs.push_back(std::move(program));
    }
    return programs;
}

std::string SystemdUnit::timerUnit(const std::string& timerName) const {
    if (const auto it = values.find("Timer.Unit"); it != values.end() && !it->second.empty())
        return trimmed(it->second.back());
    const std::size_t dot = timerName.rfind('.');
    return (dot == std::string::npos ? timerName : timerName.substr(0, dot)) + ".service";
}

std::optional<SystemdUnit> parseSystemdUnit(const std::string& text) {
    SystemdUnit unit;
    std::string section;
    std::string pending;  // a line continued with a trailing backslash
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string line = trimmed(text.substr(start, end - start));
        start = end + 1;
        if (pending.empty() && (line.empty() || line.front() == '#' || line.front() == ';')) continue;
        if (!line.empty() && line.back() == '\\') {
            pending += line.substr(0, line.size() - 1) + " ";
            continue;
        }
        line = pending + line;
        pending.clear();
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        const std::size_t eq = line.find('=');
        if (section.empty() || eq == std::string::npos || eq == 0) continue;
        const std::string key = section + "." + trimmed(line.substr(0, eq));
        const std::string value = trimmed(line.substr(eq + 1));
        if (value.empty())
            unit.values[key].clear();  // an empty assignment resets the list
        else
            unit.values[key].push_back(value);
    }
    if (unit.values.empty()) return std::nullopt;
    return unit;
}

std::optional<SystemdUnit> readSystemdUnit(const Path& path) {
    std::string text;
    if (!readSmallFile(path, kUnitFileLimit, text)) return std::nullopt;
    return parseSystemdUnit(text);
}

bool isPlainUnitName(const std::string& name) {
    if (name.empty() || name.size() > 255 || name.front() == '-' || name.front() == '.') return false;
    for (const char c : name) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                        std::string_view(":-_.\\@").find(c) != std::string_view::npos;
        if (!ok) return false;
    }
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0) return false;
    static const std::vector<std::string> types{"service", "timer", "socket", "path", "target"};
    return std::find(types.begin(), types.end(), name.substr(dot + 1)) != types.end();
}

}  // namespace sorbeta::platform
