#pragma once
// For the platform's own files: a stat result as an EntryInfo record.
#include <sys/stat.h>

#include "platform/EntryInfo.h"

namespace sorbeta::platform {

EntryInfo entryInfoOf(const struct stat& st);

}  // namespace sorbeta::platform
