#pragma once
// Capacity sums: the boards and lines a configuration takes, compared with
// the limits by every window that can add boards.

#include "config_state.h"

namespace veltra {

// The multi-function board counts when `mfu` (MFUCheck) is set.
Count CountBoards(const ConfigState& s, bool mfu);
Count CountExtensionLines(const ConfigState& s, bool mfu);
Count CountTrunkLines(const ConfigState& s, bool mfu);
Count CountAllLines(const ConfigState& s, bool mfu);

}  // namespace veltra
