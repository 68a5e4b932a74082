#include "keypad_help.h"

namespace veltra {

std::string WindowHelpTopic(const InputCalc&) {
    return "VeltraCalculator.chm::/source/input_calc.htm";
}

std::string WindowHelpTopic(const AddQtyPad&) {
    return "VeltraCalculator.chm::/source/additional.htm";
}

}  // namespace veltra
