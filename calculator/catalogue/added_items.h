#pragma once
// The added-items list: the entries the user added by hand, with their sums.

#include <string>
#include <vector>

#include "catalogue.h"

namespace veltra {

struct AddedItemRow {
    std::string key;
    std::string name;
    std::string code;
    std::string price;  // regional text
    int qty;
    std::string sum;  // regional text
    friend bool operator==(const AddedItemRow&, const AddedItemRow&) = default;
};

struct AddedItemsList {
    std::vector<AddedItemRow> rows;  // catalogue order
    std::string total;               // regional text, for TotalAddText
    friend bool operator==(const AddedItemsList&, const AddedItemsList&) = default;
};

// The rows of the added-items list: entries with a hand-added quantity.
AddedItemsList RefreshAddedItemsList(const Catalogue& catalogue, char decimalSeparator);

}  // namespace veltra
