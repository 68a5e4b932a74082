#include "added_items.h"

namespace veltra {

AddedItemsList RefreshAddedItemsList(const Catalogue& catalogue, char decimalSeparator) {
    AddedItemsList list;
    Money total;
    for (size_t i = 0; i < catalogue.size(); ++i) {
        const CatalogueItem& item = catalogue[i];
        if (item.ItemAddQty <= 0) continue;
        const Money sum = item.ItemPrice * item.ItemAddQty;
        list.rows.push_back({ItemKey(int(i)), item.ItemName, item.ItemCode,
                             item.ItemPrice.RegionalText(decimalSeparator), item.ItemAddQty,
                             sum.RegionalText(decimalSeparator)});
        total += sum;
    }
    list.total = total.RegionalText(decimalSeparator);
    return list;
}

}  // namespace veltra
