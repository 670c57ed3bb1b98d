#include "model/dev/DevTypes.h"

#include <algorithm>

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

}  // namespace sorbeta
