#include "controls.h"

namespace veltra {

int OptionGroup::Selected() const {
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i].selected) return firstIndex + int(i);
    }
    return -1;
}

}  // namespace veltra
