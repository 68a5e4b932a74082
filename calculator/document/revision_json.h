#pragma once
// Issued revisions in the ".veltra" file: an optional "revisions" list, one
// line per revision with its frozen calculation inside, read back checked as
// the rest of the file is.

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "saved_calculation.h"
#include "saved_items.h"

namespace veltra {

// One revision as a single line of JSON.
std::string RevisionLine(const IssuedRevision& revision);

// Throws CalculationFileError naming the revision and the value. Each
// calculation is read in full (ReadCalculationJson) and must agree with its
// revision's currency, VAT and price list. `fileText`, the text `json` was
// parsed from, lets each calculation's text be taken from it; `memo` is
// CheckSavedItems' for the whole file.
std::vector<IssuedRevision> ReadRevisions(const nlohmann::ordered_json& json, const App& app,
                                          std::string_view fileText = {},
                                          DerivedQuantitiesMemo* memo = nullptr);

// A parsed calculation read and checked; `frozen` for a revision's own,
// which holds no revisions. `text` is what it was parsed from, when known;
// `memo` as CheckSavedItems takes it, one of its own when none is given.
SavedCalculation ReadCalculationJson(const nlohmann::ordered_json& json, const App& app,
                                     bool frozen, std::string_view text = {},
                                     DerivedQuantitiesMemo* memo = nullptr);

}  // namespace veltra
