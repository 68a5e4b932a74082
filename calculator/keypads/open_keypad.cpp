#include "open_keypad.h"

namespace veltra {

bool OpenKeypad(KeypadKind, App&, QWidget*, QPoint) {
    return false;
}

}  // namespace veltra
