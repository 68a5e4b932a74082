#include "open_keypad.h"

namespace veltra {

bool OpenKeypad(KeypadKind, App&, QWidget*, QPoint, EntryBox*) {
    return false;
}

}  // namespace veltra
