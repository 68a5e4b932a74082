#include "capacity.h"

namespace veltra {

Count CountBoards(const SystemLimits& limits, const Configuration& c, bool mfu) {
    return limits.FixedBoards + c.AnalogExt8Boards + c.AnalogExt16Boards + c.DigitalExt8Boards +
           c.DigitalExt16Boards + c.DigitalExt32Boards + Count(mfu) + c.IcluBoards + c.IccuBoards +
           c.AnalogTrunkBoards + c.E1Boards + c.Bri16Boards + c.Bri8Boards + c.Ipu4Present +
           c.Ipu8Present;
}

Count CountExtensionLines(const Configuration& c, bool mfu) {
    return 8 * c.AnalogExt8Boards + 16 * c.AnalogExt16Boards + 8 * c.DigitalExt8Boards +
           16 * c.DigitalExt16Boards + 32 * c.DigitalExt32Boards + 12 * Count(mfu) + c.HandsetCount;
}

Count CountTrunkLines(const Configuration& c, bool mfu) {
    return 8 * c.IcluBoards + 8 * Count(mfu) + 8 * c.IccuBoards + 8 * c.AnalogTrunkBoards +
           30 * c.E1Boards + 16 * c.Bri16Boards + 4 * c.Bri8Boards + 8 * c.Ipu8Present +
           4 * c.Ipu4Present;
}

Count CountAllLines(const Configuration& c, bool mfu) {
    return CountTrunkLines(c, mfu) + CountExtensionLines(c, mfu);
}

}  // namespace veltra
