#include "platform/Listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <QString>
#include <QStringDecoder>
#include <array>
#include <cerrno>
#include <string_view>

#include "platform/UniqueFd.h"

namespace sorbeta::platform {

namespace {

// Hands every entry of an open listing but "." and ".." to `each`, then
// closes it; false when a read failed part-way.
template <typename Each>
bool readEach(DIR* dir, Each each) {
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (!entry) break;
        const std::string_view name(entry->d_name);
        if (name == "." || name == "..") continue;
        each(*entry, name);
    }
    const bool failed = errno != 0;
    ::closedir(dir);
    return !failed;
}

// Reads a whole open listing; nullopt when a read fails part-way.
std::optional<std::vector<std::string>> readAll(DIR* dir) {
    std::vector<std::string> names;
    if (!readEach(dir, [&](const dirent&, std::string_view name) { names.emplace_back(name); })) return std::nullopt;
    return names;
}

}  // namespace

std::optional<std::vector<std::string>> listNames(const Path& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return std::nullopt;
    return readAll(dir);
}

std::optional<std::vector<ListedChild>> listChildren(const Path& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return std::nullopt;
    std::vector<ListedChild> children;
    const int dirFd = ::dirfd(dir);
    const bool complete = readEach(dir, [&](const dirent& entry, std::string_view name) {
        bool folder = entry.d_type == DT_DIR;
        if (entry.d_type == DT_UNKNOWN) {
            // Some file systems leave the kind out: ask, without following a link.
            struct stat st {};
            folder = ::fstatat(dirFd, entry.d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
        }
        children.push_back({std::string(name), folder});
    });
    if (!complete) return std::nullopt;
    return children;
}

std::optional<std::vector<std::string>> listNamesAt(int folderFd) {
    UniqueFd fd(::openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.valid()) return std::nullopt;
    DIR* dir = ::fdopendir(fd.get());
    if (!dir) return std::nullopt;
    fd.release();  // the listing owns it now
    return readAll(dir);
}

bool isPackageName(const std::string& name) {
    static constexpr std::array<std::string_view, 16> suffixes{
        ".app",           ".appex",        ".bundle",    ".framework",   ".plugin", ".kext",
        ".xcodeproj",     ".xcworkspace",  ".xcarchive", ".playground",  ".rtfd",   ".pkg",
        ".photoslibrary", ".musiclibrary", ".tvlibrary", ".photolibrary"};
    const std::string lower = lowercased(name);
    for (const auto suffix : suffixes) {
        if (lower.size() > suffix.size() && lower.compare(lower.size() - suffix.size(), suffix.size(), suffix) == 0)
            return true;
    }
    return false;
}

std::string lowercased(const std::string& text) {
    bool ascii = true;
    for (const unsigned char c : text) ascii = ascii && c < 0x80;
    if (!ascii) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
        const QString decoded = decoder(QByteArrayView(text.data(), qsizetype(text.size())));
        if (!decoder.hasError()) return decoded.toLower().toStdString();
    }
    std::string lower = text;
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    }
    return lower;
}

}  // namespace sorbeta::platform
