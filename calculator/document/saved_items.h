#pragma once
// The saved items against a catalogue: which entry each one goes to, and
// whether the file's quantities and totals are what its own inputs and
// prices give.

#include <vector>

#include "saved_calculation.h"

namespace veltra {

// The keypads take at most four digits.
inline constexpr int kMaxAddedQty = 9999;

// The catalogue entry each saved item goes to, -1 where the list lacks its
// code. A code the list holds several times takes its entries in turn, one
// of the item's own name first; items beyond those entries go to an entry of
// their name, else to the code's first, where the quantities add up.
std::vector<int> MatchSavedItems(const Catalogue& catalogue, const std::vector<SavedItem>& items);

// The saved counts and choices with the limits and values of this run.
ConfigState StateToApply(const ConfigState& now, const Configuration& saved);

// Throws CalculationFileError when the items contradict the rest of the
// file: totals other than the items' prices times their quantities; a
// calculated quantity other than the one the counts, choices and fields give
// (the item named, with both numbers); a hand-added quantity on an item
// without a price, which no keypad takes; hand-added quantities that add up
// beyond four digits on one entry of `app`'s catalogue. Expects the counts
// and fields checked.
//
// `memo`, kept by the caller across the calculations of one file read
// against one `app` (its revisions often share their inputs), spares
// working out the same quantities again.
struct DerivedQuantitiesMemo {
    bool valid = false;
    ConfigState state;
    MainWindowModel main;
    std::vector<Count> derived;
};
void CheckSavedItems(const SavedCalculation& saved, const App& app,
                     DerivedQuantitiesMemo* memo = nullptr);

}  // namespace veltra
