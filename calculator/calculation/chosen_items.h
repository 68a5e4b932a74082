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

#include "state/app.h"

namespace veltra {

// Sets the chosen quantities on a catalogue whose calculated quantities were
// cleared. `decimalSeparator` is the one the telephone fields' texts use.
void SetChosenItems(Catalogue& catalogue, Platform& platform, const ConfigState& state,
                    const MainWindowModel& main, char decimalSeparator);
inline void SetChosenItems(App& app) {
    SetChosenItems(app.catalogue, app.platform, app.state, app.main, app.decimalSeparator);
}

// The calculated quantity of every entry, in catalogue order, that these
// inputs give on a fresh catalogue: the chosen ones, then one calculation.
// Worked out on a copy; nothing is shown. `state` carries the limits.
std::vector<Count> DerivedQuantities(const Catalogue& catalogue, const ConfigState& state,
                                     const MainWindowModel& main, char decimalSeparator);

}  // namespace veltra
