#pragma once
// Capacity sums: the boards and lines a configuration takes, compared with
// the limits by every window that can add boards.

#include "config_state.h"

namespace veltra {

// The multi-function board counts when `mfu` (MFUCheck) is set; the boards
// count the fixed ones of the system as well.
Count CountBoards(const SystemLimits& limits, const Configuration& c, bool mfu);
inline Count CountBoards(const ConfigState& s, bool mfu) {
    return CountBoards(s.limits, s.config, mfu);
}
Count CountExtensionLines(const Configuration& c, bool mfu);
Count CountTrunkLines(const Configuration& c, bool mfu);
Count CountAllLines(const Configuration& c, bool mfu);

}  // namespace veltra
