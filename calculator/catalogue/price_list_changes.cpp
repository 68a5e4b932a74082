#include "price_list_changes.h"

#include <unordered_map>

#include "printable_text.h"

namespace veltra {

namespace {

// The first orderable entry of each code, in list order.
std::vector<const CatalogueItem*> Items(const Catalogue& list,
                                        std::unordered_map<std::string_view, size_t>& byCode) {
    std::vector<const CatalogueItem*> items;
    for (const CatalogueItem& item : list) {
        if (item.ItemLevel != 0 || item.ItemCode.empty()) continue;
        if (byCode.try_emplace(item.ItemCode, items.size()).second) items.push_back(&item);
    }
    return items;
}

std::string Price(Money price, char separator) {
    return price.RegionalText(separator);
}

std::string Named(const CatalogueItem& item) {
    return Excerpt(item.ItemCode) + " — " + Excerpt(item.ItemName);
}

}  // namespace

PriceListChanges ComparePriceLists(const Catalogue& before, const Catalogue& after,
                                   char separator) {
    std::unordered_map<std::string_view, size_t> oldCodes, newCodes;
    const auto oldItems = Items(before, oldCodes);
    const auto newItems = Items(after, newCodes);
    PriceListChanges changes;
    for (const CatalogueItem* item : oldItems) {
        const auto found = newCodes.find(item->ItemCode);
        if (found == newCodes.end()) {
            changes.removed.push_back(Named(*item) + ", " + Price(item->ItemPrice, separator));
            continue;
        }
        const CatalogueItem& now = *newItems[found->second];
        if (now.ItemName != item->ItemName)
            changes.renamed.push_back(Excerpt(item->ItemCode) + ": «" + Excerpt(item->ItemName) +
                                      "» → «" + Excerpt(now.ItemName) + "»");
        if (now.ItemPrice != item->ItemPrice)
            changes.repriced.push_back(Named(now) + ": " + Price(item->ItemPrice, separator) +
                                       " → " + Price(now.ItemPrice, separator));
    }
    for (const CatalogueItem* item : newItems)
        if (!oldCodes.count(item->ItemCode))
            changes.added.push_back(Named(*item) + ", " + Price(item->ItemPrice, separator));
    return changes;
}

std::vector<std::string> PriceListChangeLines(const PriceListChanges& changes) {
    std::vector<std::string> lines;
    const auto section = [&](const std::string& heading, const std::vector<std::string>& entries) {
        if (entries.empty()) return;
        lines.push_back(heading + " (" + std::to_string(entries.size()) + "):");
        for (const std::string& entry : entries) lines.push_back("  " + entry);
    };
    section("Добавлены", changes.added);
    section("Убраны", changes.removed);
    section("Переименованы", changes.renamed);
    section("Новые цены", changes.repriced);
    if (lines.empty()) lines.push_back("Различий нет.");
    return lines;
}

}  // namespace veltra
