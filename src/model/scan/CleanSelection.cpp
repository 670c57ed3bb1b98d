#include "model/scan/CleanSelection.h"

#include <algorithm>
#include <iterator>

namespace sorbeta::CleanSelection {

std::vector<CleanItem> withSafety(const std::vector<CleanItem>& items, Safety safety) {
    std::vector<CleanItem> out;
    std::copy_if(items.begin(), items.end(), std::back_inserter(out),
                 [safety](const CleanItem& item) { return item.spec.safety == safety; });
    return out;
}

std::vector<CleanItem> ticked(const std::vector<CleanItem>& items, const std::set<std::string>& ids) {
    std::vector<CleanItem> out;
    std::copy_if(items.begin(), items.end(), std::back_inserter(out),
                 [&ids](const CleanItem& item) { return ids.count(item.spec.id) > 0; });
    return out;
}

int64_t tickedBytes(const std::vector<CleanItem>& items, const std::set<std::string>& ids) {
    int64_t sum = 0;
    for (const CleanItem& item : items)
        if (ids.count(item.spec.id)) sum += item.bytes;
    return sum;
}

int64_t totalBytes(const std::vector<CleanItem>& items) {
    int64_t sum = 0;
    for (const CleanItem& item : items) sum += item.bytes;
    return sum;
}

}  // namespace sorbeta::CleanSelection
