#pragma once
// The quantities that a dialog or an input of the main window decides itself:
// the boards of the variant and E1 dialogs, the cordless items, the FECU
// module, the telephones of the count fields, the multi-function board and
// its flash memory, and the two items every exchange has. Each follows from
// the counts, the choices and the field texts alone; RecalculateAll adds
// everything that follows from the whole configuration. The handlers set
// them as they go; opening a calculation sets them all at once from what the
// file says the user chose.

#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/config_state.h"
#include "catalogue/platform.h"
#include "results.h"

namespace veltra {

// Sets the chosen quantities on a catalogue whose calculated quantities were
// cleared.
void SetChosenItems(Catalogue& catalogue, Platform& platform, const Configuration& config,
                    const CalculationInputs& inputs);

// The calculated quantity of every entry, in catalogue order, that these
// inputs give on a fresh catalogue: the chosen ones, then one calculation.
// Worked out on a copy; nothing is shown. `state` carries the limits and the
// derived values the calculation starts from.
std::vector<Count> DerivedQuantities(const Catalogue& catalogue, const ConfigState& state,
                                     const CalculationInputs& inputs);

}  // namespace veltra
