#include "platform/PrivateFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/UniqueFd.h"

namespace sorbeta::platform {
namespace {

// The runtime folder is ours only when it is an absolute path to a folder we
// own (the session manager makes it 0700).
std::optional<std::filesystem::path> runtimeFolder() {
    const char* value = std::getenv("XDG_RUNTIME_DIR");
    if (!value || value[0] != '/') return std::nullopt;
    struct stat info {};
    if (::stat(value, &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) return std::nullopt;
    return std::filesystem::path(value);
}

}  // namespace

bool ensurePrivateFolder(const std::filesystem::path& folder) {
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
    // Opened without following a final link, then checked and closed through
    // the descriptor, so a swap after the check cannot redirect us.
    const UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.valid()) return false;
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) return false;
    if ((info.st_mode & 077) != 0 && ::fchmod(fd.get(), 0700) != 0) return false;
    return true;
}

std::optional<std::filesystem::path> privateTempFolder() {
    if (const auto runtime = runtimeFolder()) {
        const std::filesystem::path folder = *runtime / "sorbeta";
        if (ensurePrivateFolder(folder)) return folder;
    }
    const std::filesystem::path folder =
        std::filesystem::path(QDir::tempPath().toStdString()) / ("sorbeta-" + std::to_string(::geteuid()));
    if (ensurePrivateFolder(folder)) return folder;
    return std::nullopt;
}

}  // namespace sorbeta::platform
