#pragma once
// Scenario commands for the input calculator and the additional-item keypads.

#include <functional>
#include <memory>

#include "keypads/input_calc.h"
#include "scenario_runner.h"

namespace veltra {

// Opens the input calculator on a box that is no main-window field, such as a
// dialog's entry box, remembered as InputCalcTarget; the caller sets
// InputCalcMax first.
using InputCalcOpener = std::function<void(std::unique_ptr<InputCalcBox>)>;

// open InputCalc FIELD, open AddQty KEY, open AddListQty KEY, key, type, and
// click, close and print dialog on an open keypad; print tree KEY and print
// list. An open keypad is the top window, so register these after the dialog
// commands; every command that finds no keypad passes on to the earlier one.
InputCalcOpener RegisterKeypadCommands(ScenarioRunner& runner);

}  // namespace veltra
