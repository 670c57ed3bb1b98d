#include "model/dev/DevTypes.h"

#include <algorithm>

#include "platform/FileFacts.h"

namespace sorbeta {

int64_t DevGroup::recommendedBytes() const {
    int64_t total = 0;
    for (const DevEntry& entry : entries)
        if (entry.recommended && !entry.onlyRevealed()) total += entry.bytes;
    return total;
}

void sortLargestFirst(std::vector<DevEntry>& entries) {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const DevEntry& a, const DevEntry& b) { return a.bytes > b.bytes; });
}

std::optional<DevEntry::FileIdentity> DevEntry::FileIdentity::of(const std::filesystem::path& url) {
    const auto facts = platform::fileFacts(url);
    if (!facts || facts->kind != platform::EntryKind::file) return std::nullopt;
    return FileIdentity{facts->device, facts->inode, facts->length, facts->modified.seconds,
                        facts->modified.nanoseconds};
}

}  // namespace sorbeta
