#pragma once
// What one manual clean freed, for the share card: the rules that freed
// something, each at what it freed and in the colour it gets on the card, the
// bytes freed and the free space before.
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <vector>

#include "model/catalog/CatalogTypes.h"
#include "model/common/Flavor.h"
#include "model/scan/ScanTypes.h"

namespace sorbeta {

struct CleanReport {
    struct Item {
        QString name;  // the rule's name, shown as it stands
        int64_t bytes = 0;
        Flavor flavor = Flavor::strawberry;

        bool operator==(const Item&) const = default;
    };

    QDateTime date;  // when the clean finished
    std::vector<Item> items;
    int64_t freed = 0;
    int64_t freeBefore = 0;  // free bytes of the volume plus the held bytes, before the clean

    bool operator==(const CleanReport&) const = default;

    // The card's items: largest first (stable), each in its category's
    // colour unless that colour is taken, then in the first free one of the
    // twelve candidates (cloud is never a replacement).
    static std::vector<Item> itemsFrom(const std::vector<CleanItem>& cleaned);
    // The same against a given category table (the built-in one above).
    static std::vector<Item> itemsFrom(const std::vector<CleanItem>& cleaned,
                                       const std::vector<CategorySpec>& categories);
};

}  // namespace sorbeta
