#pragma once
// What a new price list changes against an old one, code by code: the
// orderable items added, removed, renamed and repriced.

#include <string>
#include <vector>

#include "catalogue.h"

namespace veltra {

struct PriceListChanges {
    std::vector<std::string> added, removed, renamed, repriced;  // one line each

    bool empty() const {
        return added.empty() && removed.empty() && renamed.empty() && repriced.empty();
    }
};

// Items with a code, the first entry of each code; lines as
// "CODE — NAME, 12,00" and "CODE — NAME: 10,00 → 12,00".
PriceListChanges ComparePriceLists(const Catalogue& before, const Catalogue& after,
                                   char decimalSeparator);

// Headed sections, one change a line; "Различий нет." without any.
std::vector<std::string> PriceListChangeLines(const PriceListChanges& changes);

}  // namespace veltra
