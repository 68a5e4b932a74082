#pragma once
// Scenario commands for the input calculator and the additional-item keypads.

#include "scenario_runner.h"

namespace veltra {

// open InputCalc FIELD, open AddQty KEY, open AddListQty KEY, key, type, and
// click, close and print dialog on an open keypad; print tree KEY and print
// list. An open keypad is the top window, so register these after the dialog
// commands; every command that finds no keypad passes on to the earlier one,
// and hover, slider and leave cannot reach a dialog below a keypad. Returns
// the opener of the calculator for a dialog's entry box.
InputCalcOpener RegisterKeypadCommands(ScenarioRunner& runner);

}  // namespace veltra
