#include "line_counts.h"

#include "catalogue/limits.h"

namespace veltra {

Count AnalogExtLines(const Configuration& c, bool mfu) {
    return 16 * c.AnalogExt16Boards + 8 * c.AnalogExt8Boards + 4 * Count(mfu);
}

Count DigitalExtLines(const Configuration& c, bool mfu) {
    return 16 * c.DigitalExt16Boards + 8 * c.DigitalExt8Boards + 32 * c.DigitalExt32Boards +
           8 * Count(mfu);
}

Count AnalogTrunkLines(const Configuration& c) {
    return 8 * c.AnalogTrunkBoards;
}

Count BriChannels(const Configuration& c, bool mfu) {
    return 8 * c.Bri8Boards + 16 * c.Bri16Boards + 8 * Count(mfu);
}

std::string BriChannelsText(Count channels) {
    return std::to_string(int(channels)) + " (" + std::to_string(int(channels) / 2) + " BRI)";
}

std::string E1TrunkText(Count boards) {
    if (boards < 1) return "0";
    return std::to_string(int(boards)) + " (" + std::to_string(kE1Channels * int(boards)) + ")";
}

}  // namespace veltra
