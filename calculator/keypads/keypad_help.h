#pragma once
// The help topic of each keypad, which F1 opens.

#include <string>

#include "add_qty.h"
#include "input_calc.h"

namespace veltra {

std::string WindowHelpTopic(const InputCalc& calc);
std::string WindowHelpTopic(const AddQtyPad& pad);

}  // namespace veltra
