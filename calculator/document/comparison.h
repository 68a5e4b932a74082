#pragma once
// Two saved calculations side by side: the inputs that differ in the
// window's own words, the items added, removed or changed (calculated and
// hand-added apart) and the totals of both. Each side is priced at its own
// saved prices, or both under one price list.

#include <optional>
#include <string>
#include <vector>

#include "saved_calculation.h"

namespace veltra {

enum class ItemChange { Added, Removed, Quantity, Price, QuantityAndPrice };

struct ItemDifference {
    ItemChange change = ItemChange::Quantity;
    std::string code, name;
    Count before = 0, after = 0;
    Money priceBefore, priceAfter;
    Money sumBefore, sumAfter;
};

struct Comparison {
    std::vector<std::string> inputs;         // "Цифровые АЛ: 48 → 64"
    std::vector<ItemDifference> calculated;  // the calculation's own items
    std::vector<ItemDifference> added;       // the hand-added ones
    std::vector<std::string> missingCodes;   // under a list: codes it lacks, at their saved prices
    Money totalBefore, totalAfter;           // both kinds of items together
    bool underList = false;

    bool empty() const {
        return inputs.empty() && calculated.empty() && added.empty() && totalBefore == totalAfter;
    }
};

// `list`, when given, prices both sides (its first entry of each code); a
// code it lacks keeps its saved price and is named.
Comparison CompareCalculations(const SavedCalculation& before, const SavedCalculation& after,
                               const Catalogue* list = nullptr, char decimalSeparator = ',');

// What the window shows and the command line prints, one difference a line
// under its section's heading; "Различий нет." when there are none.
std::vector<std::string> ComparisonLines(const Comparison& comparison, char decimalSeparator = ',');

// The machine-readable form of --compare --json.
std::string ComparisonJson(const Comparison& comparison);

}  // namespace veltra
