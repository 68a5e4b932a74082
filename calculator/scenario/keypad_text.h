#pragma once
// The keypads as the scenario language prints them ("print dialog"): one line
// per control, "button NAME | CAPTION | bold|normal | visible|hidden |
// enabled|disabled" for a key.

#include <string>
#include <vector>

#include "keypads/add_qty.h"
#include "keypads/input_calc.h"

namespace veltra {

// The input calculator: label, display, keys.
std::vector<std::string> PrintInputCalc(const InputCalc& calc);
// The additional-item pad: label, keys.
std::vector<std::string> PrintAddQty(const AddQtyPad& pad);

}  // namespace veltra
