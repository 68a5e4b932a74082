#pragma once
// Issued revisions in the ".veltra" file: an optional "revisions" list, one
// line per revision with its frozen calculation inside, read back checked as
// the rest of the file is.

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "saved_calculation.h"

namespace veltra {

// One revision as a single line of JSON.
std::string RevisionLine(const IssuedRevision& revision);

// Throws CalculationFileError naming the revision and the value. Each
// calculation is read in full (ReadCalculationJson) and must agree with its
// revision's currency, VAT and price list.
std::vector<IssuedRevision> ReadRevisions(const nlohmann::ordered_json& json, const App& app);

// A parsed calculation read and checked; `frozen` for a revision's own,
// which holds no revisions.
SavedCalculation ReadCalculationJson(const nlohmann::ordered_json& json, const App& app,
                                     bool frozen);

}  // namespace veltra
