#pragma once
// Line counts from board counts, as the count fields and the capacity summary
// show them.

#include <string>

#include "catalogue/config_state.h"

namespace veltra {

// `mfu`: the multi-function board is fitted (MFUCheck).
Count AnalogExtLines(const Configuration& c, bool mfu);
Count DigitalExtLines(const Configuration& c, bool mfu);
Count AnalogTrunkLines(const Configuration& c);
Count BriChannels(const Configuration& c, bool mfu);
inline Count CordlessLines(const Configuration& c) {
    return c.HandsetCount;
}
// "16 (8 BRI)": what BRITrunkText shows for the channels.
std::string BriChannelsText(Count channels);
// The E1TrunkText caption for a board count: "0", or "2 (60)".
std::string E1TrunkText(Count boards);

}  // namespace veltra
