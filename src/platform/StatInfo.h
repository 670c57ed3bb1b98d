#pragma once
// For the platform's own files: a stat result as an EntryInfo record, and the
// mount an entry lies on.
#include <sys/stat.h>

#include <cstdint>
#include <optional>

#include "platform/EntryInfo.h"

namespace sorbeta::platform {

EntryInfo entryInfoOf(const struct stat& st);

// The id of the mount that `name` in the open folder `folderFd` lies on, a
// final link not followed; an empty name asks for the folder itself, and
// AT_FDCWD with a path works as well. Nothing when it cannot be told. A bind
// mount of a folder of the same file system keeps the device number and
// differs only here.
std::optional<uint64_t> mountIdAt(int folderFd, const char* name);

}  // namespace sorbeta::platform
