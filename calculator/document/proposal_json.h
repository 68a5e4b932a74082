#pragma once
// The proposal's details in the ".veltra" file (from format version 2): one
// object written in a fixed order, read back with every value checked as the
// dialog checks it.

#include <nlohmann/json.hpp>

#include "state/proposal.h"

namespace veltra {

nlohmann::ordered_json ProposalJson(const ProposalDetails& details);

// Throws CalculationFileError naming the value ("«proposal.date» …") or,
// for details the dialog would refuse, saying what it would say.
ProposalDetails ReadProposalJson(const nlohmann::ordered_json& json);

}  // namespace veltra
