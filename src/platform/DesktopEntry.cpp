#include "platform/DesktopEntry.h"

#include "platform/FileOps.h"

namespace sorbeta::platform {
namespace {

constexpr std::size_t kDesktopFileLimit = 256 * 1024;

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// The escapes every string value may hold.
std::string unescapedValue(const std::string& raw) {
    std::string out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\' || i + 1 == raw.size()) {
            out += raw[i];
            continue;
        }
        switch (raw[++i]) {
            case 's': out += ' '; break;
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case 'r': out += '\r'; break;
            case '\\': out += '\\'; break;
            default: out += '\\'; out += raw[i];
        }
    }
    return out;
}

bool isAssignment(const std::string& word) {
    const std::size_t eq = word.find('=');
    if (eq == std::string::npos || eq == 0) return false;
    for (std::size_t i = 0; i < eq; ++i) {
        const char c = word[i];
        if (!(c == '_' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (i > 0 && c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

// Drops field codes from one word; a word that was only a field code goes.
std::optional<std::string> withoutFieldCodes(const std::string& word, bool quoted) {
    std::string out;
    bool onlyCode = !word.empty();
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] != '%' || i + 1 == word.size()) {
            out += word[i];
            onlyCode = false;
            continue;
        }
        if (word[++i] == '%') {
            out += '%';
            onlyCode = false;
        }
    }
    if (onlyCode && !quoted) return std::nullopt;
    return out;
}

}  // namespace

std::string DesktopEntry::value(const std::string& key) const {
    const auto it = keys.find(key);
    return it == keys.end() ? std::string() : unescapedValue(it->second);
}

bool DesktopEntry::isTrue(const std::string& key) const { return value(key) == "true"; }

QString DesktopEntry::localizedName(const QString& locale) const {
    const std::string full = locale.toStdString();
    const std::string language = full.substr(0, full.find('_'));
    for (const std::string& key : {"Name[" + full + "]", "Name[" + language + "]", std::string("Name")}) {
        const std::string name = value(key);
        if (!name.empty()) return QString::fromUtf8(name.data(), qsizetype(name.size()));
    }
    return {};
}

std::string DesktopEntry::execProgram() const { return commandProgram(execWords(value("Exec"))); }

std::optional<DesktopEntry> parseDesktopEntry(const std::string& text) {
    DesktopEntry entry;
    bool found = false;
    bool inEntry = false;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = trimmed(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[') {
            inEntry = line == "[Desktop Entry]";
            found = found || inEntry;
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!inEntry || eq == std::string::npos || eq == 0) continue;
        // The first of a key wins, as readers of the format do.
        entry.keys.emplace(trimmed(line.substr(0, eq)), trimmed(line.substr(eq + 1)));
    }
    if (!found) return std::nullopt;
    return entry;
}

std::optional<DesktopEntry> readDesktopEntry(const Path& path) {
    std::string text;
    if (!readSmallFile(path, kDesktopFileLimit, text)) return std::nullopt;
    return parseDesktopEntry(text);
}

std::vector<std::string> execWords(const std::string& exec) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    bool wordQuoted = false;
    const auto finish = [&] {
        if (inWord) {
            if (auto kept = withoutFieldCodes(word, wordQuoted)) words.push_back(std::move(*kept));
        }
        word.clear();
        inWord = wordQuoted = false;
    };
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < exec.size() &&
                       std::string_view("\"`$\\").find(exec[i + 1]) != std::string_view::npos) {
                word += exec[++i];
            } else {
                word += c;
            }
        } else if (c == '"') {
            quoted = inWord = wordQuoted = true;
        } else if (c == ' ' || c == '\t' || c == '\n') {
            finish();
        } else {
            word += c;
            inWord = true;
        }
    }
    finish();
    return words;
}

std::string commandProgram(const std::vector<std::string>& words) {
    std::size_t i = 0;
    if (i < words.size() && (words[i] == "env" || words[i] == "/usr/bin/env")) {
        ++i;
        while (i < words.size() && (isAssignment(words[i]) || (words[i].size() > 1 && words[i].front() == '-'))) {
            if (words[i] == "-u" || words[i] == "--unset") ++i;  // takes the next word as its name
            ++i;
        }
    }
    return i < words.size() ? words[i] : std::string();
}

}  // namespace sorbeta::platform
