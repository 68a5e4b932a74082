#include "open_keypad.h"

namespace veltra {

bool OpenKeypad(KeypadKind, App&, MainFormModel&, QWidget*, QPoint) {
    return false;
}

}  // namespace veltra
