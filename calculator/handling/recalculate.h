#pragma once
// The calculation run on the application: reads the main window's inputs,
// calculates, then presents the results. No write of either runs a field's
// change handling, so no handler, and no second calculation, runs from
// inside it.

#include "calculation/calculate.h"
#include "calculation/chosen_items.h"
#include "state/app.h"

namespace veltra {

// Calculates and presents; counted in app.calculations, never re-entered.
void RecalculateAll(App& app);

// The totals, the cost line and the line counts on their own, as after a
// change of the added quantities.
void UpdateCostLine(App& app);

// Writes what the results say to the fields the program fills, the status bar
// and the overload warning; plain writes, no change handling.
void PresentResults(App& app, const CalculationResults& results);

// What the calculation reads of the main window; the telephone fields' texts
// are read with `decimalSeparator`.
CalculationInputs CalculationInputsOf(const MainWindowModel& main, char decimalSeparator);
inline CalculationInputs CalculationInputsOf(const App& app) {
    return CalculationInputsOf(app.main, app.decimalSeparator);
}

// The quantities the window's inputs choose, from them.
inline void SetChosenItems(App& app) {
    SetChosenItems(app.catalogue, app.platform, app.state.config, CalculationInputsOf(app));
}

inline Count FrameCableCount(const App& app) {
    return FrameCableCount(app.state.config, app.mfu());
}

}  // namespace veltra
