#include "model/scan/CleanReport.h"

#include <algorithm>

#include "model/catalog/Catalog.h"

namespace sorbeta {

std::vector<CleanReport::Item> CleanReport::itemsFrom(const std::vector<CleanItem>& cleaned) {
    return itemsFrom(cleaned, Catalog::categories());
}

std::vector<CleanReport::Item> CleanReport::itemsFrom(const std::vector<CleanItem>& cleaned,
                                                      const std::vector<CategorySpec>& categories) {
    std::vector<const CleanItem*> sorted;
    sorted.reserve(cleaned.size());
    for (const CleanItem& item : cleaned) sorted.push_back(&item);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const CleanItem* a, const CleanItem* b) { return a->bytes > b->bytes; });

    // Every flavour but cloud, in declared order.
    std::vector<Flavor> candidates(allFlavors.begin(), allFlavors.end() - 1);
    std::vector<bool> given(allFlavors.size(), false);
    std::vector<Item> items;
    items.reserve(sorted.size());
    for (const CleanItem* item : sorted) {
        Flavor own = Flavor::strawberry;
        const auto row = std::find_if(categories.begin(), categories.end(), [&](const CategorySpec& category) {
            return category.id == item->spec.categoryID;
        });
        if (row != categories.end()) own = row->flavor;

        Flavor chosen = own;
        if (given[std::size_t(flavorIndex(own))]) {
            const auto free = std::find_if(candidates.begin(), candidates.end(),
                                           [&](Flavor f) { return !given[std::size_t(flavorIndex(f))]; });
            if (free != candidates.end()) chosen = *free;
        }
        given[std::size_t(flavorIndex(chosen))] = true;
        items.push_back(Item{item->spec.name, item->bytes, chosen});
    }
    return items;
}

}  // namespace sorbeta
